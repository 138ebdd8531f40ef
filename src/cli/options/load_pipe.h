#pragma once

#include <optional>
#include <string>

#include "data/format/pipe_file.h"
#include "data/format/pipe_file_io.h"

namespace ductora::cli {

// Why a read pipe file is of no use: it could not be read, or it is damaged (a part of the pipe
// would be missing unseen). Empty for a sound file.
std::optional<std::string> unusableReason(const PipeReadResult& read);

// Loads a pipe for use. A file that cannot be read or is damaged is reported on stderr and gives
// no result.
std::optional<PipeReadResult> loadPipe(PipeFile& pipe, const std::string& path);

}  // namespace ductora::cli
