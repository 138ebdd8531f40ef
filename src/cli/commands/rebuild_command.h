#pragma once

#include "cli/commands/command.h"

namespace ductora::cli {

// `rebuild wall FILE -o OUT [...]` and `rebuild od FILE -o OUT [--jump N]`: the Modify Pipe Matrix
// and OD Matrix builds from the pipe's raw samples, then a save with raw data to OUT.
Command addRebuildCommand(CLI::App& app);

}  // namespace ductora::cli
