#pragma once

#include "cli/commands/command.h"

namespace ductora::cli {

// `range FILE --from IN --to IN [--json]`: the extremes, averages and their positions of every
// measure over a stretch of the pipe.
Command addRangeCommand(CLI::App& app);

}  // namespace ductora::cli
