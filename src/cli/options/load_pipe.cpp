#include "cli/options/load_pipe.h"

#include "analysis/measures/pipe_measures.h"
#include "cli/commands/command.h"

namespace ductora::cli {

std::optional<std::string> unusableReason(const PipeReadResult& read) {
  if (!read.opened) return read.error;
  if (read.damaged()) return "the file is damaged: " + read.damage;
  return std::nullopt;
}

std::optional<PipeReadResult> loadPipe(PipeFile& pipe, const std::string& path) {
  PipeReadResult result = LoadPipeForUse(pipe, path);
  if (const auto reason = unusableReason(result)) {
    reportFileError(path, *reason);
    return std::nullopt;
  }
  return result;
}

}  // namespace ductora::cli
