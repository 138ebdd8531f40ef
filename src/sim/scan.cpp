#include "sim/scan.h"

#include <cmath>
#include <string>

#include "sim/field/field_faults.h"

namespace ductora::sim {

namespace {

constexpr double kProbeSpacing = 0.75;  // inches between wall probes along the pipe
constexpr double kOdEndGap = 0.05;      // the OD sensors run from just inside either end
constexpr double kWallTail = 1.0;       // wall data stop this far before the end

// Each OD sensor reads where the surface in front of it stands along the axis the two share,
// so the pipe's sideways wander (its bow) shows in both alike and cancels in their difference.
void recordOdChannels(ScannedPipe& scan, const PipeModel& pipe, double calibrationOd, const FaultRates& rates,
                      Random& random) {
  const Motion& motion = scan.motion;
  const Sensor& first = scan.layout.odSensors[0];
  const Sensor& second = scan.layout.odSensors[1];
  const double halfCalibration = calibrationOd / 2.0;
  Random firstRandom = random.fork(20);
  scan.od[0] = recordChannel(
      first, motion,
      [&](std::size_t n) {
        const double z = first.z(motion, n);
        const double angle = first.pipeAngle(motion.rotation[n]);
        return 1000.0 * (pipe.outsideRadius(z, angle) - halfCalibration + pipe.bowToward(z, angle));
      },
      rates, firstRandom);
  Random secondRandom = random.fork(21);
  scan.od[1] = recordChannel(
      second, motion,
      [&](std::size_t n) {
        const double z = second.z(motion, n);
        const double angle = second.pipeAngle(motion.rotation[n]);
        return 1000.0 * (pipe.bowToward(z, angle + 180.0) - (pipe.outsideRadius(z, angle) - halfCalibration));
      },
      rates, secondRandom);
}

}  // namespace

ScanLayout makeScanLayout(const PipeModel& pipe, int wallAngle, Random& random) {
  ScanLayout layout;
  // The wall probes need the pipe well inside the water box before they see a clean echo.
  const double wallLead = random.uniform(1.2, 2.0);
  for (int k = 0; k < kWallProbes; ++k) {
    Sensor& probe = layout.wallProbes[static_cast<std::size_t>(k)];
    probe.name = "WDM " + std::to_string(k + 1);
    probe.kind = ChannelKind::kWall;
    probe.angle = 90.0 * k;
    probe.offset = kProbeSpacing * k;
    probe.firstZ = wallLead;
    probe.lastZ = pipe.length - kWallTail;
  }
  for (int k = 0; k < kOdSensors; ++k) {
    Sensor& sensor = layout.odSensors[static_cast<std::size_t>(k)];
    sensor.name = "OD " + std::to_string(k + 1);
    sensor.kind = ChannelKind::kOd;
    sensor.angle = std::fmod(720.0 - wallAngle + 180.0 * k, 360.0);
    sensor.offset = 0.0;
    sensor.firstZ = kOdEndGap;
    sensor.lastZ = pipe.length - kOdEndGap;
  }
  return layout;
}

ScannedPipe scanPipe(const PipeModel& pipe, const SimOptions& options, int wallAngle, double calibrationOd,
                     Random& random) {
  ScannedPipe scan;
  scan.layout = makeScanLayout(pipe, wallAngle, random);
  MotionSettings settings;
  settings.pitch = options.pitch;
  settings.samplesPerRev = options.samplesPerRev;
  settings.endAdvance = pipe.length + kProbeSpacing * kWallProbes + 1.0;
  Random motionRandom = random.fork(1);
  scan.motion = simulateMotion(settings, motionRandom);
  const FaultRates rates = faultRatesFor(options.faults);
  const Motion& motion = scan.motion;

  for (std::size_t k = 0; k < kWallProbes; ++k) {
    const Sensor& probe = scan.layout.wallProbes[k];
    Random channelRandom = random.fork(10 + k);
    scan.wall[k] = recordChannel(
        probe, motion,
        [&](std::size_t n) {
          return 1000.0 * pipe.wall(probe.z(motion, n), probe.pipeAngle(motion.rotation[n]));
        },
        rates, channelRandom);
  }
  if (options.odChannels) {
    recordOdChannels(scan, pipe, calibrationOd, rates, random);
  }
  // Drawn after every other channel's faults, so that the files without them keep their bytes.
  if (options.fieldFaults) {
    const FieldFaultRates fieldRates = fieldFaultRatesFor(options.faults);
    for (std::size_t k = 0; k < kWallProbes; ++k) {
      Random fieldRandom = random.fork(30 + k);
      addFieldFaults(scan.wall[k], scan.layout.wallProbes[k], motion, pipe, fieldRates, fieldRandom);
    }
    for (std::size_t k = 0; k < kOdSensors; ++k) {
      Random fieldRandom = random.fork(40 + k);
      addFieldFaults(scan.od[k], scan.layout.odSensors[k], motion, pipe, fieldRates, fieldRandom);
    }
  }
  return scan;
}

}  // namespace ductora::sim
