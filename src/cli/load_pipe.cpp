#include "cli/load_pipe.h"

#include <iostream>

#include "analysis/pipe_measures.h"
#include "cli/command.h"

namespace ductora::cli {

bool loadPipe(PipeFile& pipe, const std::string& path) {
  const PipeReadResult result = LoadPipeForUse(pipe, path);
  if (!result.opened) {
    reportFileError(path, result.error);
    return false;
  }
  if (result.truncated) {
    std::cerr << "ductora-cli: " << path << ": warning: the file ends inside a block\n";
  }
  return true;
}

}  // namespace ductora::cli
