#include "cli/options/load_pipe.h"

#include "analysis/measures/pipe_measures.h"
#include "cli/commands/command.h"

namespace ductora::cli {

bool loadPipe(PipeFile& pipe, const std::string& path) {
  const PipeReadResult result = LoadPipeForUse(pipe, path);
  if (!result.opened) {
    reportFileError(path, result.error);
    return false;
  }
  if (result.truncated) {
    reportWarning(path, "the file ends inside a block");
  }
  return true;
}

}  // namespace ductora::cli
