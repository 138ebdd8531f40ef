#pragma once

#include "cli/commands/command.h"

namespace ductora::cli {

// `report FILE_OR_LIST... [--format table|csv|json|pdf] [-o OUT.pdf] [--grading RULE] [--yield PSI]
// [--customer TEXT] [--inspector TEXT] [--location TEXT] [--paper letter|a4] [--progress]`: one row
// per pipe of the given pipe and list files, or the inspection report as a PDF.
Command addReportCommand(CLI::App& app);

}  // namespace ductora::cli
