#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/format/pipe_blocks.h"
#include "sim/fault_rates.h"
#include "sim/motion.h"
#include "sim/random.h"

namespace ductora::sim {

enum class ChannelKind { kWall, kOd };

// Where a sensor sits and what part of the pipe it records.
struct Sensor {
  std::string name;  // "WDM 1" .. "WDM 4", "OD 1", "OD 2"
  ChannelKind kind = ChannelKind::kWall;
  double angle = 0.0;   // degrees from the unit's 12 o'clock, against the turning
  double offset = 0.0;  // inches behind the first wall probe
  double firstZ = 0.0;  // it records while the pipe point under it lies in [firstZ, lastZ]
  double lastZ = 0.0;

  double z(const Motion& motion, std::size_t sample) const { return motion.advance[sample] - offset; }
  // Angle on the pipe (from the first wall probe's 12 o'clock) under the sensor at a turn angle.
  double pipeAngle(double rotation) const;
};

struct FaultEvent {
  std::string kind;  // "missedMark", "falseMark", "zeroReading", "jump"; in the field also
                     // "echoLoss", "spike", "stuckReading"
  std::string channel;
  std::size_t record = 0;  // index in the channel's records
  std::uint32_t axialCount = 0;
  int samples = 0;  // how many readings a drop-out or jump spans
  int size = 0;     // jump or spike size in mils; the reading a stuck run holds
};

// The unbroken turns between two marks, as global sample indices.
struct Turn {
  std::size_t first = 0;
  std::size_t last = 0;
};

struct FaultOpportunities {
  std::size_t marks = 0;
  std::size_t revolutions = 0;
  std::size_t samples = 0;
};

// One channel as the unit writes it: samples and marks in recording order, with its faults.
struct ChannelStream {
  std::vector<RawRecord> records;
  std::size_t firstSample = 0;  // the motion sample of the first reading
  // The true turns after the lead-in that the loaders cut at, in order (the first kept one of a
  // wall channel follows its second mark, of an OD channel its first).
  std::vector<Turn> turns;
  std::vector<FaultEvent> faults;
  FaultOpportunities opportunities;
};

// The true reading of a sensor at a sample, mils.
using TrueReading = std::function<double(std::size_t sample)>;

ChannelStream recordChannel(const Sensor& sensor, const Motion& motion, const TrueReading& reading,
                            const FaultRates& rates, Random& random);

}  // namespace ductora::sim
