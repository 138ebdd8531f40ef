#pragma once

#include "sim/pipe_model.h"

namespace ductora::sim {

// The chance that the probe hears no back-wall echo at a point of the pipe: a pitted back wall
// scatters the sound, the more so the deeper the loss and the more its surface leans away from
// the beam. scale is FieldFaultRates::echoLoss; 0 on sound wall.
double echoLossChance(const PipeModel& pipe, double z, double angle, double scale);

// Lost echoes come in runs where the chance is high: the chance of losing the next sample after a
// lost one, for a point whose chance is `chance`. Keeps the share of lost samples at `chance`.
double echoLossGoesOn(double chance);
// The chance of a lost sample after a heard one.
double echoLossStarts(double chance);

}  // namespace ductora::sim
