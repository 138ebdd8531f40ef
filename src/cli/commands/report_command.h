#pragma once

#include "cli/commands/command.h"

namespace ductora::cli {

// `report FILE_OR_LIST... [--format table|csv|json] [--yield PSI]`: one row per pipe of the
// given pipe and list files.
Command addReportCommand(CLI::App& app);

}  // namespace ductora::cli
