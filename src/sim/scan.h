#pragma once

#include <array>
#include <vector>

#include "sim/channel_stream.h"
#include "sim/motion.h"
#include "sim/pipe_model.h"
#include "sim/random.h"
#include "sim/sim_options.h"

namespace ductora::sim {

constexpr int kWallProbes = 4;
constexpr int kOdSensors = 2;

struct ScanLayout {
  std::array<Sensor, kWallProbes> wallProbes;
  std::array<Sensor, kOdSensors> odSensors;
};

// The unit's sensors: four wall probes spread around and along the pipe, the first at the unit's
// 12 o'clock, and two opposed OD sensors in the first probe's plane, turned by the wall angle so
// that OD rows rotated by it line up with the wall columns.
ScanLayout makeScanLayout(const PipeModel& pipe, int wallAngle, Random& random);

struct ScannedPipe {
  ScanLayout layout;
  Motion motion;
  std::array<ChannelStream, kWallProbes> wall;
  std::array<ChannelStream, kOdSensors> od;  // empty without OD sensors
};

ScannedPipe scanPipe(const PipeModel& pipe, const SimOptions& options, int wallAngle, double calibrationOd,
                     Random& random);

}  // namespace ductora::sim
