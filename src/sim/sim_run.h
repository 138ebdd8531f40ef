#pragma once

#include <ostream>
#include <string>

#include "sim/sim_options.h"

namespace ductora::sim {

// What is wrong with the options, or "" when they describe a pipe the unit could scan.
std::string validateOptions(const SimOptions& options);

// Makes the string: pipe files, list file, indication and truth files. Reports each file written
// on out; returns false after reporting the first file that could not be written on err.
bool runSimulation(const SimOptions& options, std::ostream& out, std::ostream& err);

}  // namespace ductora::sim
