#pragma once

#include "cli/commands/command.h"

namespace ductora::cli {

// `export length-at-y FILE --angle DEG -o OUT`, `export rev-at-x FILE --position IN -o OUT`,
// `export halden FILE -o OUT`: the text exports, written to exactly OUT.
Command addExportCommand(CLI::App& app);

}  // namespace ductora::cli
