#pragma once

#include "sim/pipe_model.h"
#include "sim/random.h"
#include "sim/sim_options.h"

namespace ductora::sim {

// A pipe of the given length with its own eccentricity, ovality, bow and defects.
PipeModel generatePipeModel(const SimOptions& options, double length, Random& random);

}  // namespace ductora::sim
