#pragma once

#include <functional>
#include <optional>
#include <string>

#include "data/format/pipe_file.h"
#include "data/format/pipe_file_io.h"

namespace ductora {

// Reads one pipe file into a fresh record. The analysis layer passes the loader that also
// computes the measures; the data layer cannot call it directly. The string calls it from its
// read-ahead thread too, so it must not share unguarded state between calls.
using PipeLoader = std::function<PipeReadResult(PipeFile&, const std::string&)>;

// A pipe as the string keeps it, and what reading it found; no pipe when the file could not be
// read.
struct PipeRead {
  std::optional<PipeFile> pipe;
  PipeReadResult result;
};

// Reads through the loader and drops the raw samples, which a build or a save reads back from
// the file when it needs them.
PipeRead readStringPipe(const PipeLoader& loader, const std::string& path);

}  // namespace ductora
