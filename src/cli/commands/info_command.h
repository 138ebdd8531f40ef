#pragma once

#include "cli/commands/command.h"

namespace ductora::cli {

// `info FILE [--json] [--series] [--matrices]`: what opening the file gives.
Command addInfoCommand(CLI::App& app);

}  // namespace ductora::cli
