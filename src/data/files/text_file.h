#pragma once

#include <string>
#include <string_view>

#include "data/format/pipe_file_io.h"

namespace ductora {

// Writes text to exactly path through a temporary file beside it, renamed over path only when
// every byte was written; on failure path is left as it was.
SaveResult writeTextFile(const std::string& path, std::string_view text);

}  // namespace ductora
