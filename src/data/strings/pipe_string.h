#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/format/pipe_file.h"
#include "data/format/pipe_file_io.h"
#include "data/strings/list_file.h"
#include "data/strings/pipe_reading.h"
#include "data/strings/read_ahead.h"

namespace ductora {

enum class BrowseDirection { kPrevious, kNext };

// Asked before a loaded pipe with unsaved changes leaves memory, so its edits are not lost
// unseen; false keeps it and the move does not happen. Without one such pipes are dropped.
using DropCheck = std::function<bool(PipeFile&)>;

// A file of the string that could not be read, or was read damaged, and why.
struct FileProblem {
  std::string name;
  std::string reason;

  friend bool operator==(const FileProblem&, const FileProblem&) = default;
};

struct StringOpenResult {
  bool ok = false;
  bool reset = false;                 // the cursor went back to the first loaded pipe
  std::string error;                  // why nothing was opened; the string is then unchanged
  std::vector<std::string> warnings;  // list file lines that were skipped, names beyond the limit
};

// The string of pipes inspected in one job: the names of its pipe files, a window of loaded
// records around the current pipe, an optional overlay pipe and the cursor. Loaded pipes are
// kept in ascending string index; their string indices are consecutive and the current pipe's
// index is currentIndex(). Data only: what others keep for a pipe they key by its id, and a
// pipe that left memory is simply no longer among forEachPipe's. After a slide, an open or a
// jump, the pipe that the next slide the same way loads is read ahead on a worker thread.
class PipeString {
 public:
  // At most this many pipes stay loaded behind and ahead of the current one.
  static constexpr std::uint32_t kWindowRadius = 4;
  static constexpr std::size_t kMaxLoadedPipes = 2 * kWindowRadius + 1;

  explicit PipeString(PipeLoader loader);
  PipeString(const PipeString&) = delete;
  PipeString& operator=(const PipeString&) = delete;

  // Decides by what the name contains: ".kqstr" is a list file whose names are appended to the
  // string; ".kqvw", ".DAT" or ".dat" is one pipe appended to the string, after which the
  // string is reset. Anything else is refused. A refused or failed open changes nothing.
  StringOpenResult open(const std::string& path);
  // Drops every loaded pipe, the overlay and the third pipe, leaving no current pipe. The names
  // stay; unreported failed names are discarded.
  void clear();
  // Zeroes the cursor and current offset. With pipes loaded the first one becomes
  // current; without, the names are emptied too.
  void reset();
  // Replaces the overlay. A file that cannot be read leaves the previous overlay in place and
  // returns false; a damaged one is used as far as it was read. The read's result, which says
  // why or what is damaged, goes to outcome when one is given.
  bool loadOverlay(const std::string& path, PipeReadResult* outcome = nullptr);
  // Replaces the overlay with a pipe made in memory.
  void setOverlay(PipeFile pipe);

  // Travel along the string: returns 1 or -1 when the current pipe changed, 0 otherwise. A step
  // that would drop a pipe with unsaved changes asks mayDrop first; refused, nothing moves
  // beyond the current pipe's ends.
  int moveBy(float delta, const DropCheck& mayDrop = {});
  int nextPipe(const DropCheck& mayDrop = {});
  int previousPipe(const DropCheck& mayDrop = {});  // the far end is not kept: the cursor goes to the start
  // Whether a step that way would wait for a pipe to be read: the pipe entering the window is
  // not read ahead yet, or its file changed since.
  bool stepWouldWait(BrowseDirection direction) const;
  // Pipe numbers count from 1 and are clamped to the string. False without names, or when a
  // loaded pipe with unsaved changes may not be dropped.
  bool jumpTo(std::int64_t pipeNumber, const DropCheck& mayDrop = {});
  // Asks mayDrop about every loaded pipe with unsaved changes; false as soon as one must stay.
  bool mayDropLoaded(const DropCheck& mayDrop);
  bool hasUnsavedChanges() const;
  // The pipe file next to the current pipe's file among the "*.kqvw" files of its folder,
  // sorted by name; the caller opens it. None at either end of the folder, or when the current
  // file is not among them.
  std::optional<std::string> browseFolder(BrowseDirection direction) const;

  // The larger of the current and overlay pipe lengths; 0 without a current pipe.
  float currentLength() const;
  PipeFile* current() { return hasCurrent() ? &*current_ : nullptr; }
  const PipeFile* current() const { return hasCurrent() ? &*current_ : nullptr; }
  PipeFile* overlay() { return overlay_.get(); }
  const PipeFile* overlay() const { return overlay_.get(); }
  const std::list<PipeFile>& loadedPipes() const { return loaded_; }
  std::list<PipeFile>& loadedPipes() { return loaded_; }
  // Every pipe in memory: the loaded ones, the overlay and the third pipe.
  void forEachPipe(const std::function<void(PipeFile&)>& visit);
  // Whether the pipe of that id is in memory.
  bool holds(std::uint64_t pipeId) const;
  const std::vector<std::string>& names() const { return names_; }
  std::uint32_t nameCount() const { return static_cast<std::uint32_t>(names_.size()); }
  std::uint32_t currentIndex() const { return currentIndex_; }
  // Inches from the start of the first loaded pipe to the start of the current one.
  float currentOffset() const { return currentOffset_; }

  // Files of the string that could not be read since the last take or clear; such a name keeps
  // its place in the string as an empty pipe.
  const std::vector<FileProblem>& unreadFiles() const { return unread_; }
  std::vector<FileProblem> takeUnreadFiles();
  // Files of the string found damaged since the last take or clear; such a pipe holds what could
  // be read.
  std::vector<FileProblem> takeDamagedFiles();

  // The cursor, written freely by navigation.
  float position = 0.0F;  // inches along the current pipe
  float angle = 0.0F;     // degrees around the pipe
  // A further pipe slot; clear() drops it.
  std::unique_ptr<PipeFile> thirdPipe;

 private:
  using Node = std::list<PipeFile>::iterator;

  bool hasCurrent() const { return current_ != loaded_.end(); }
  StringOpenResult openList(const std::string& path);
  StringOpenResult openPipe(const std::string& path);
  // Empty when a pipe the step would drop had to stay.
  std::optional<int> stepNext(const DropCheck& mayDrop);
  std::optional<int> stepPrevious(const DropCheck& mayDrop);
  static bool mayDropPipe(PipeFile& pipe, const DropCheck& mayDrop);
  // The string index of the pipe a slide that way loads; none at that end of the string.
  std::optional<std::uint32_t> enteringIndex(BrowseDirection direction) const;
  void readAheadToward(BrowseDirection direction);
  void loadAtBack(const std::string& path, std::uint32_t index);
  void loadAtFront(const std::string& path, std::uint32_t index);
  void loadAt(Node where, const std::string& path, std::uint32_t index);
  void loadAhead();

  PipeLoader loader_;
  std::list<PipeFile> loaded_;
  Node current_;
  std::unique_ptr<PipeFile> overlay_;
  std::vector<std::string> names_;
  std::uint32_t currentIndex_ = 0;
  float currentOffset_ = 0.0F;
  std::vector<FileProblem> unread_;
  std::vector<FileProblem> damaged_;
  ReadAhead readAhead_{loader_};
};

}  // namespace ductora
