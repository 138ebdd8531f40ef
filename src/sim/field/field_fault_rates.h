#pragma once

#include "sim/sim_options.h"

namespace ductora::sim {

// How often a unit in the field loses or garbles a reading, beyond the faults of FaultRates.
struct FieldFaultRates {
  double echoLoss = 0.0;  // scale of the chance of no echo over a defect (see echo_loss.h)
  double spike = 0.0;     // per sample: the start of a spike of 1 to 8 samples
  double stuck = 0.0;     // per sample: the start of a run of one reading held
};

// A working unit loses a fair share of echoes on the walls of deep pits and shows a spike or a
// stuck reading now and then; a harsh one loses three times as many echoes and has ten times the
// spikes and stuck runs.
FieldFaultRates fieldFaultRatesFor(FaultLevel level);

}  // namespace ductora::sim
