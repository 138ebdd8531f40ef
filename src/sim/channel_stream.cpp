#include "sim/channel_stream.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace ductora::sim {

namespace {

// Marks the loaders need to find the first revolution, and the last ones, are never faulted, so
// every channel keeps its lead-in and its end.
constexpr std::size_t kGuardedLeadMarks = 3;
constexpr std::size_t kGuardedEndMarks = 2;
// A false mark falls well inside a turn.
constexpr std::size_t kFalseMarkMargin = 5;

double wrapDegrees(double degrees) {
  const double wrapped = std::fmod(degrees, 360.0);
  return wrapped < 0.0 ? wrapped + 360.0 : wrapped;
}

std::vector<std::size_t> markSamples(const Motion& motion, std::size_t first, std::size_t last) {
  std::vector<std::size_t> marks;
  for (std::size_t n = first + 1; n <= last; ++n) {
    if (motion.markBefore(n)) {
      marks.push_back(n);
    }
  }
  return marks;
}

class FaultInjector {
 public:
  FaultInjector(const Sensor& sensor, const FaultRates& rates, Random& random, ChannelStream& stream)
      : sensor_(sensor), rates_(rates), random_(random), stream_(stream) {}

  // The reading as recorded: noise, and the drop-outs and jumps that start or go on here.
  std::int32_t record(double trueReading, std::uint32_t axialCount) {
    ++stream_.opportunities.samples;
    const bool wall = sensor_.kind == ChannelKind::kWall;
    double reading = trueReading + random_.normal() * (wall ? rates_.wallNoise : rates_.odNoise);
    if (jumpLeft_ == 0 && random_.chance(rates_.jump)) {
      jumpLeft_ = static_cast<int>(random_.integer(1, 3));
      jumpSize_ = static_cast<int>(random_.integer(200, 500)) * (random_.chance(0.5) ? 1 : -1);
      log("jump", axialCount, jumpLeft_, jumpSize_);
    }
    if (jumpLeft_ > 0) {
      reading += jumpSize_;
      --jumpLeft_;
    }
    if (wall) {
      if (zeroLeft_ == 0 && random_.chance(rates_.zeroReading)) {
        zeroLeft_ = static_cast<int>(random_.integer(1, 4));
        log("zeroReading", axialCount, zeroLeft_, 0);
      }
      if (zeroLeft_ > 0) {
        --zeroLeft_;
        return 0;
      }
      // 0 is a drop-out and 1 a 12 o'clock mark; a real echo never reads as either.
      return static_cast<std::int32_t>(std::clamp(std::lround(reading), 2L, 65535L));
    }
    const auto od = static_cast<std::int32_t>(std::clamp(std::lround(reading), -32767L, 32767L));
    return od == kOdMarkerReading ? od + 1 : od;
  }

  void log(const char* kind, std::uint32_t axialCount, int samples, int size) {
    stream_.faults.push_back({kind, sensor_.name, stream_.records.size(), axialCount, samples, size});
  }

 private:
  const Sensor& sensor_;
  const FaultRates& rates_;
  Random& random_;
  ChannelStream& stream_;
  int jumpLeft_ = 0;
  int jumpSize_ = 0;
  int zeroLeft_ = 0;
};

}  // namespace

double Sensor::pipeAngle(double rotation) const { return wrapDegrees(rotation - angle); }

ChannelStream recordChannel(const Sensor& sensor, const Motion& motion, const TrueReading& reading,
                            const FaultRates& rates, Random& random) {
  ChannelStream stream;
  std::size_t first = 0;
  while (first < motion.size() && sensor.z(motion, first) < sensor.firstZ) {
    ++first;
  }
  std::size_t last = first;
  while (last + 1 < motion.size() && sensor.z(motion, last + 1) <= sensor.lastZ) {
    ++last;
  }
  if (first >= motion.size()) {
    return stream;
  }
  stream.firstSample = first;

  const std::vector<std::size_t> marks = markSamples(motion, first, last);
  const std::size_t leadMarks = sensor.kind == ChannelKind::kWall ? 2 : 1;
  for (std::size_t j = leadMarks - 1; j + 1 < marks.size(); ++j) {
    stream.turns.push_back({marks[j], marks[j + 1] - 1});
  }

  // Which marks go missing and where false ones appear, turn by turn.
  const auto faultable = [&marks](std::size_t j) {
    return j >= kGuardedLeadMarks && j + kGuardedEndMarks < marks.size();
  };
  std::unordered_set<std::size_t> missed;
  std::unordered_set<std::size_t> falseMarks;
  for (std::size_t j = 0; j < marks.size(); ++j) {
    if (!faultable(j)) {
      continue;
    }
    ++stream.opportunities.marks;
    if (random.chance(rates.missedMark)) {
      missed.insert(marks[j]);
    }
    if (j + 1 < marks.size() && marks[j + 1] - marks[j] > 2 * kFalseMarkMargin) {
      ++stream.opportunities.revolutions;
      if (random.chance(rates.falseMark)) {
        falseMarks.insert(static_cast<std::size_t>(
            random.integer(static_cast<std::int64_t>(marks[j] + kFalseMarkMargin),
                           static_cast<std::int64_t>(marks[j + 1] - kFalseMarkMargin))));
      }
    }
  }

  const RawRecord marker{sensor.kind == ChannelKind::kWall ? kWallMarkerReading : kOdMarkerReading, 0, 0};
  FaultInjector injector(sensor, rates, random, stream);
  stream.records.reserve(last - first + marks.size() + falseMarks.size() + 1);
  for (std::size_t n = first; n <= last; ++n) {
    if (motion.markBefore(n) && n != first) {
      if (missed.count(n) != 0) {
        injector.log("missedMark", motion.axialCount[n], 0, 0);
      } else {
        stream.records.push_back(marker);
      }
    }
    if (falseMarks.count(n) != 0) {
      injector.log("falseMark", motion.axialCount[n], 0, 0);
      stream.records.push_back(marker);
    }
    stream.records.push_back(
        {injector.record(reading(n), motion.axialCount[n]), motion.axialCount[n], motion.rotationCount[n]});
  }
  return stream;
}

}  // namespace ductora::sim
