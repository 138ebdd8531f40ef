#pragma once

#include "cli/commands/command.h"

namespace ductora::cli {

// `render FILE --view VIEW -o OUT.png [--size WxH] [--pipe N] [--x IN] [--y DEG] [--zoom Z]
// [--roll DEG] [--overlay PIPE]`: the pipe view drawn as the program draws it, as an RGB PNG.
Command addRenderCommand(CLI::App& app);

}  // namespace ductora::cli
