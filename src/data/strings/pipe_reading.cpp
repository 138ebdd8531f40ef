#include "data/strings/pipe_reading.h"

#include <utility>

namespace ductora {

PipeRead readStringPipe(const PipeLoader& loader, const std::string& path) {
  PipeRead read;
  if (!loader) {
    read.result.error = "no reader of pipe files was given";
    return read;
  }
  PipeFile pipe;
  read.result = loader(pipe, path);
  if (!read.result.opened) return read;
  pipe.dropRawSamples();
  read.pipe = std::move(pipe);
  return read;
}

}  // namespace ductora
