#include "sim/field/field_faults.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "data/format/pipe_blocks.h"
#include "sim/field/echo_loss.h"

namespace ductora::sim {

namespace {

constexpr int kLongestSpike = 8;
constexpr int kShortestStuck = 5;
constexpr int kLongestStuck = 60;
// A wall spike is the second back-wall echo (twice the wall) or an echo from inside the wall.
constexpr double kShallowestReflector = 0.3;
constexpr double kDeepestReflector = 0.7;
// An OD spike is a stray reflection this far off, mils.
constexpr int kSmallestOdSpike = 100;
constexpr int kLargestOdSpike = 400;

class FieldFaults {
 public:
  FieldFaults(const Sensor& sensor, const Motion& motion, const PipeModel& pipe, const FieldFaultRates& rates,
              Random& random)
      : sensor_(sensor), motion_(motion), pipe_(pipe), rates_(rates), random_(random) {}

  std::vector<FaultEvent> apply(std::vector<RawRecord>& records, std::size_t firstSample) {
    const std::int32_t marker = wall() ? kWallMarkerReading : kOdMarkerReading;
    std::size_t sample = firstSample;
    for (std::size_t index = 0; index < records.size(); ++index) {
      if (records[index].reading != marker) {
        records[index].reading = faulted(records[index], index, sample++);
      }
    }
    return std::move(events_);
  }

 private:
  bool wall() const { return sensor_.kind == ChannelKind::kWall; }
  // A wall channel reads 0 where it hears no echo.
  bool heard(std::int32_t reading) const { return !wall() || reading != 0; }

  std::int32_t faulted(const RawRecord& record, std::size_t index, std::size_t sample) {
    const double z = sensor_.z(motion_, sample);
    const double angle = sensor_.pipeAngle(motion_.rotation[sample]);
    std::int32_t reading = record.reading;
    if (random_.chance(rates_.stuck) && stuckLeft_ == 0 && heard(reading)) {
      stuckLeft_ = static_cast<int>(random_.integer(kShortestStuck, kLongestStuck));
      held_ = reading;
      log("stuckReading", record, index, stuckLeft_, held_);
    }
    if (stuckLeft_ > 0) {
      reading = held_;
      --stuckLeft_;
    }
    if (random_.chance(rates_.spike) && spikeLeft_ == 0) {
      spikeLeft_ = static_cast<int>(random_.integer(1, kLongestSpike));
      spikeSize_ = spikeSize(z, angle);
      log("spike", record, index, spikeLeft_, spikeSize_);
    }
    if (spikeLeft_ > 0) {
      reading = heard(reading) ? clampReading(reading + spikeSize_) : reading;
      --spikeLeft_;
    }
    if (wall() && echoLost(z, angle)) {
      if (!echoLoss_) {
        echoLoss_ = events_.size();
        log("echoLoss", record, index, 0, 0);
      }
      ++events_[*echoLoss_].samples;
      return 0;
    }
    echoLoss_.reset();
    return reading;
  }

  bool echoLost(double z, double angle) {
    const double chance = echoLossChance(pipe_, z, angle, rates_.echoLoss);
    if (chance <= 0.0) {
      return false;
    }
    return random_.chance(echoLoss_ ? echoLossGoesOn(chance) : echoLossStarts(chance));
  }

  int spikeSize(double z, double angle) {
    const bool up = random_.chance(0.5);
    if (!wall()) {
      return static_cast<int>(random_.integer(kSmallestOdSpike, kLargestOdSpike)) * (up ? 1 : -1);
    }
    const double trueWall = 1000.0 * pipe_.wall(z, angle);
    const double reflector = random_.uniform(kShallowestReflector, kDeepestReflector);
    return static_cast<int>(std::lround(up ? trueWall : -(1.0 - reflector) * trueWall));
  }

  std::int32_t clampReading(std::int32_t reading) const {
    if (wall()) {
      return std::clamp(reading, 2, 65535);
    }
    const std::int32_t od = std::clamp(reading, -32767, 32767);
    return od == kOdMarkerReading ? od + 1 : od;
  }

  void log(const char* kind, const RawRecord& record, std::size_t index, int samples, int size) {
    events_.push_back({kind, sensor_.name, index, record.axialCount, samples, size});
  }

  const Sensor& sensor_;
  const Motion& motion_;
  const PipeModel& pipe_;
  const FieldFaultRates& rates_;
  Random& random_;
  std::vector<FaultEvent> events_;
  int stuckLeft_ = 0;
  std::int32_t held_ = 0;
  int spikeLeft_ = 0;
  int spikeSize_ = 0;
  std::optional<std::size_t> echoLoss_;  // the event of the run of lost echoes going on
};

}  // namespace

void addFieldFaults(ChannelStream& stream, const Sensor& sensor, const Motion& motion, const PipeModel& pipe,
                    const FieldFaultRates& rates, Random& random) {
  std::vector<FaultEvent> events =
      FieldFaults(sensor, motion, pipe, rates, random).apply(stream.records, stream.firstSample);
  const auto middle = static_cast<std::ptrdiff_t>(stream.faults.size());
  stream.faults.insert(stream.faults.end(), std::make_move_iterator(events.begin()),
                       std::make_move_iterator(events.end()));
  std::inplace_merge(stream.faults.begin(), stream.faults.begin() + middle, stream.faults.end(),
                     [](const FaultEvent& a, const FaultEvent& b) { return a.record < b.record; });
}

}  // namespace ductora::sim
