#pragma once

#include <ostream>

#include "data/format/pipe_file.h"
#include "data/format/pipe_file_io.h"

namespace ductora::cli {

// The readable form of `info`: job, dimensions, blocks and statistics.
void printPipeSummary(std::ostream& out, const PipeFile& pipe, const PipeReadResult& read);

}  // namespace ductora::cli
