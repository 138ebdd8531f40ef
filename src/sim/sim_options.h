#pragma once

#include <cstdint>
#include <string>

namespace ductora::sim {

enum class FaultLevel { kNone, kTypical, kHarsh };

struct SimOptions {
  std::string out = ".";
  int pipes = 1;
  std::uint64_t seed = 1;
  std::string job = "JOB";
  double od = 7.0;            // inches
  double wall = 0.362;        // inches
  double length = 480.0;      // inches
  double lengthSpread = 0.0;  // percent: each pipe's length varies by up to this much
  double pitch = 1.0 / 3.0;   // inches per turn
  int samplesPerRev = 360;
  int defects = 3;  // per pipe
  FaultLevel faults = FaultLevel::kTypical;
  bool rdaq = false;
  bool raw = true;
  bool odChannels = true;    // OD channels and the OD matrix
  bool fieldFaults = false;  // echo loss over defects, spikes and stuck readings on top of `faults`
};

const char* faultLevelName(FaultLevel level);

}  // namespace ductora::sim
