#pragma once

#include "sim/sim_options.h"

namespace ductora::sim {

// How often each fault happens, per opportunity.
struct FaultRates {
  double missedMark = 0.0;   // per 12 o'clock mark
  double falseMark = 0.0;    // per revolution
  double zeroReading = 0.0;  // per wall sample: the start of a short drop-out
  double jump = 0.0;         // per sample: the start of a short jump
  double wallNoise = 0.0;    // standard deviation, mils
  double odNoise = 0.0;      // standard deviation, mils
};

// A working unit drops the odd mark or echo; a harsh one is ten times worse.
FaultRates faultRatesFor(FaultLevel level);

}  // namespace ductora::sim
