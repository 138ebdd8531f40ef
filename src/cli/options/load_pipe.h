#pragma once

#include <string>

#include "data/format/pipe_file.h"

namespace ductora::cli {

// Loads a pipe for use. A file that cannot be opened is reported on stderr and gives false; a
// file that ends inside a block gives a warning and is used as far as it was read.
bool loadPipe(PipeFile& pipe, const std::string& path);

}  // namespace ductora::cli
