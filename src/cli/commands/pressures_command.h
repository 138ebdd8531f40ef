#pragma once

#include "cli/commands/command.h"

namespace ductora::cli {

// `pressures FILE [--yield PSI] [--position IN] [--json]`: the burst pressures at the pipe's
// largest D/t and API collapse for the geometry at the position and for the nominal geometry.
Command addPressuresCommand(CLI::App& app);

}  // namespace ductora::cli
