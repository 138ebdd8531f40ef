#pragma once

#include "cli/commands/command.h"

namespace ductora::cli {

// `map FILE --kind wall|od|id -o OUT.png [--upper N] [--lower N]`: the gray-scale map image as
// the texture is built from it, one pixel per sample, as an 8-bit gray PNG.
Command addMapCommand(CLI::App& app);

}  // namespace ductora::cli
