#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "data/files/input_file.h"
#include "data/format/pipe_file.h"

namespace ductora {

struct PipeReadResult {
  bool opened = false;          // false: the file could not be opened or is empty; only the flags
                                // were cleared
  bool wallMatrixRead = false;  // a wall matrix block was read
  bool truncated = false;       // reading stopped at a block that ran past the end of the file
  bool malformed = false;       // a nextOffset did not move forward (reading stopped there), a
                                // block was too short for its content (that block was skipped), or
                                // the last block left bytes after it that no block reaches
  std::string error;            // why the file could not be opened
  std::string damage;           // the first damage found in words; empty for a sound file

  bool damaged() const { return !damage.empty(); }
};

// Reads a single-pipe file block by block into the record. Computes no measures: loading a
// pipe for use (analysis) adds them.
PipeReadResult readPipeFile(PipeFile& pipe, const std::string& path);
// The same from an opened source; the record's path is left as it was.
PipeReadResult readPipeFile(PipeFile& pipe, InputFile& file);

struct SaveResult {
  bool ok = false;
  std::string error;
  // What the user should know about a save that went through, one sentence each.
  std::vector<std::string> warnings;
};

// Where the bytes of a save go. Tests inject one that fails part-way.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual bool write(std::span<const std::uint8_t> bytes) = 0;
};
// Wraps the sink of the temporary file; the default passes it through.
using SinkWrapper = std::function<std::unique_ptr<ByteSink>(ByteSink& fileSink)>;

// Writes the record to path through a temporary file beside it, renamed over path only
// when every block was written. Raw samples are reloaded from the record's own path first,
// so saving over that same file is safe; every revolution is kept, also beyond the
// kMaxRevolutions the program uses (a warning says so). Raw OD channels are kept without an OD
// matrix too: they are what one is built from. Every record of a raw channel is written back,
// also those outside whole revolutions, unless the wall matrix's removals trim a wall channel. On success the
// record is what reading the file back gives: its path becomes path, its removals 0 once raw wall channels
// are written, the sample counts of the raw channels written those of the file, and it has no unsaved
// changes.
SaveResult savePipeFile(PipeFile& pipe, const std::string& path, bool withRawWall, bool withRawOd,
                        const SinkWrapper& wrapSink = {});

// File > Import > Straightness: a file holding one bare straightness payload.
struct StraightnessImportResult {
  bool ok = false;
  std::string error;
};
StraightnessImportResult importStraightnessFile(PipeFile& pipe, const std::string& path);

}  // namespace ductora
