#include "data/strings/pipe_string.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <string_view>
#include <system_error>
#include <utility>

namespace ductora {

namespace {

bool contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

StringOpenResult refusal(std::string error, std::vector<std::string> warnings = {}) {
  return {false, false, std::move(error), std::move(warnings)};
}

std::string fullStringError() {
  return "the string already holds " + std::to_string(kMaxStringNames) + " pipes";
}

}  // namespace

PipeString::PipeString(PipeLoader loader) : loader_(std::move(loader)), current_(loaded_.end()) {}

StringOpenResult PipeString::open(const std::string& path) {
  if (contains(path, ".kqstr")) {
    return openList(path);
  }
  if (contains(path, ".kqvw") || contains(path, ".DAT") || contains(path, ".dat")) {
    return openPipe(path);
  }
  return refusal("\"" + path + "\" is neither a pipe file nor a string file");
}

StringOpenResult PipeString::openList(const std::string& path) {
  ListFileResult list = readListFile(path);
  if (!list.ok) {
    return refusal(std::move(list.error));
  }
  if (list.names.empty()) {
    return refusal("list file \"" + path + "\" holds no pipe names", std::move(list.warnings));
  }
  const std::size_t room = kMaxStringNames - names_.size();
  if (room == 0) {
    return refusal(fullStringError());
  }
  StringOpenResult result{true, false, {}, std::move(list.warnings)};
  if (list.names.size() > room) {
    list.names.resize(room);
    result.warnings.push_back("only the first " + std::to_string(kMaxStringNames) +
                              " names of the string are used");
  }
  // Appended names follow the existing ones, so indices of loaded pipes stay valid.
  const std::uint32_t first = nameCount();
  names_.insert(names_.end(), std::make_move_iterator(list.names.begin()),
                std::make_move_iterator(list.names.end()));
  if (loaded_.empty()) {
    loadAtBack(names_[first], first);
    current_ = loaded_.begin();
    currentIndex_ = first;
    currentOffset_ = 0.0F;
  }
  loadAhead();
  readAheadToward(BrowseDirection::kNext);
  return result;
}

StringOpenResult PipeString::openPipe(const std::string& path) {
  if (path.size() > kMaxPathLength) {
    return refusal("the file name is longer than " + std::to_string(kMaxPathLength) + " characters");
  }
  if (names_.size() >= kMaxStringNames) {
    return refusal(fullStringError());
  }
  const std::uint32_t index = nameCount();
  names_.push_back(path);
  // Loaded only where it continues the window; otherwise the window reaches it when sliding.
  if (loaded_.empty() || (loaded_.back().stringIndex + 1 == index && loaded_.size() < kMaxLoadedPipes)) {
    loadAtBack(path, index);
  }
  reset();
  readAheadToward(BrowseDirection::kNext);
  return {true, true, {}, {}};
}

void PipeString::clear() {
  readAhead_.drop();
  loaded_.clear();
  current_ = loaded_.end();
  overlay_.reset();
  thirdPipe.reset();
  unread_.clear();
  damaged_.clear();
}

void PipeString::reset() {
  currentOffset_ = 0.0F;
  position = 0.0F;
  angle = 0.0F;
  if (loaded_.empty()) {
    names_.clear();
    currentIndex_ = 0;
    current_ = loaded_.end();
    return;
  }
  current_ = loaded_.begin();
  currentIndex_ = current_->stringIndex;
}

bool PipeString::loadOverlay(const std::string& path, PipeReadResult* outcome) {
  PipeRead read = readStringPipe(loader_, path);
  if (outcome != nullptr) {
    *outcome = std::move(read.result);
  }
  if (!read.pipe) {
    return false;
  }
  overlay_ = std::make_unique<PipeFile>(std::move(*read.pipe));
  return true;
}

void PipeString::setOverlay(PipeFile pipe) { overlay_ = std::make_unique<PipeFile>(std::move(pipe)); }

int PipeString::moveBy(float delta, const DropCheck& mayDrop) {
  if (!std::isfinite(delta)) {
    return 0;
  }
  position += delta;
  if (position < 0.0F) {
    const std::optional<int> moved = stepPrevious(mayDrop);
    if (!moved) position = 0.0F;
    return moved.value_or(0);
  }
  const float length = currentLength();
  if (position > length) {
    position = length;
    return stepNext(mayDrop).value_or(0);
  }
  return 0;
}

int PipeString::nextPipe(const DropCheck& mayDrop) { return stepNext(mayDrop).value_or(0); }

int PipeString::previousPipe(const DropCheck& mayDrop) {
  const std::optional<int> moved = stepPrevious(mayDrop);
  if (!moved) return 0;
  position = 0.0F;
  return *moved;
}

std::optional<int> PipeString::stepNext(const DropCheck& mayDrop) {
  if (!hasCurrent() || currentIndex_ + std::size_t{1} >= names_.size()) {
    position = currentLength();
    return 0;
  }
  const std::optional<std::uint32_t> entering = enteringIndex(BrowseDirection::kNext);
  const bool dropHead = entering ? loaded_.size() + 1 > kMaxLoadedPipes : names_.size() > kWindowRadius;
  if (dropHead && !mayDropPipe(loaded_.front(), mayDrop)) {
    return std::nullopt;
  }
  if (entering) {
    loadAtBack(names_[*entering], *entering);
  }
  ++currentIndex_;
  currentOffset_ += current_->pipeLength();
  ++current_;
  position = 0.0F;
  if (dropHead) {
    currentOffset_ -= loaded_.front().pipeLength();
    loaded_.pop_front();
  }
  readAheadToward(BrowseDirection::kNext);
  return 1;
}

std::optional<int> PipeString::stepPrevious(const DropCheck& mayDrop) {
  if (!hasCurrent() || currentIndex_ == 0) {
    position = 0.0F;
    return 0;
  }
  const std::optional<std::uint32_t> entering = enteringIndex(BrowseDirection::kPrevious);
  const bool dropTail = entering ? loaded_.size() + 1 > kMaxLoadedPipes : names_.size() > kWindowRadius;
  if (dropTail && !mayDropPipe(loaded_.back(), mayDrop)) {
    return std::nullopt;
  }
  if (entering) {
    loadAtFront(names_[*entering], *entering);
    currentOffset_ += loaded_.front().pipeLength();
  }
  --currentIndex_;
  --current_;
  currentOffset_ -= current_->pipeLength();
  position = current_->pipeLength();
  if (dropTail) {
    loaded_.pop_back();
  }
  readAheadToward(BrowseDirection::kPrevious);
  return -1;
}

bool PipeString::jumpTo(std::int64_t pipeNumber, const DropCheck& mayDrop) {
  if (names_.empty() || !mayDropLoaded(mayDrop)) {
    return false;
  }
  const auto count = static_cast<std::int64_t>(names_.size());
  const auto index = static_cast<std::uint32_t>(std::clamp<std::int64_t>(pipeNumber, 1, count) - 1);
  clear();
  loadAtBack(names_[index], index);
  current_ = loaded_.begin();
  currentIndex_ = index;
  currentOffset_ = 0.0F;
  for (std::uint32_t before = index; before > 0 && index - before < kWindowRadius; --before) {
    loadAtFront(names_[before - 1], before - 1);
    currentOffset_ += loaded_.front().pipeLength();
  }
  loadAhead();
  readAheadToward(BrowseDirection::kNext);
  position = 0.0F;
  return true;
}

std::optional<std::string> PipeString::browseFolder(BrowseDirection direction) const {
  if (!hasCurrent() || current_->path.empty()) {
    return std::nullopt;
  }
  namespace fs = std::filesystem;
  const fs::path file(current_->path);
  const std::string name = file.filename().string();
  const fs::path folder = file.parent_path();
  std::vector<std::string> entries;
  std::error_code error;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end; !error && it != end;
       it.increment(error)) {
    std::string entry = it->path().filename().string();
    std::error_code typeError;
    if (entry.ends_with(".kqvw") && it->is_regular_file(typeError)) {
      entries.push_back(std::move(entry));
    }
  }
  // A partial listing could name the wrong neighbour.
  if (error) {
    return std::nullopt;
  }
  std::sort(entries.begin(), entries.end());
  const auto found = std::lower_bound(entries.begin(), entries.end(), name);
  if (found == entries.end() || *found != name) {
    return std::nullopt;
  }
  if (direction == BrowseDirection::kPrevious) {
    if (found == entries.begin()) {
      return std::nullopt;
    }
    return (folder / *std::prev(found)).string();
  }
  if (std::next(found) == entries.end()) {
    return std::nullopt;
  }
  return (folder / *std::next(found)).string();
}

bool PipeString::mayDropLoaded(const DropCheck& mayDrop) {
  return std::ranges::all_of(loaded_, [&mayDrop](PipeFile& pipe) { return mayDropPipe(pipe, mayDrop); });
}

bool PipeString::hasUnsavedChanges() const {
  return std::ranges::any_of(loaded_, [](const PipeFile& pipe) { return pipe.unsavedChanges; });
}

bool PipeString::mayDropPipe(PipeFile& pipe, const DropCheck& mayDrop) {
  return !pipe.unsavedChanges || !mayDrop || mayDrop(pipe);
}

float PipeString::currentLength() const {
  if (!hasCurrent()) {
    return 0.0F;
  }
  const float length = current_->pipeLength();
  return overlay_ ? std::max(length, overlay_->pipeLength()) : length;
}

std::vector<FileProblem> PipeString::takeUnreadFiles() { return std::exchange(unread_, {}); }

std::vector<FileProblem> PipeString::takeDamagedFiles() { return std::exchange(damaged_, {}); }

void PipeString::loadAtBack(const std::string& path, std::uint32_t index) {
  loadAt(loaded_.end(), path, index);
}

void PipeString::loadAtFront(const std::string& path, std::uint32_t index) {
  loadAt(loaded_.begin(), path, index);
}

void PipeString::loadAt(Node where, const std::string& path, std::uint32_t index) {
  std::optional<PipeRead> ahead = readAhead_.take(index, path);
  PipeRead read = ahead ? std::move(*ahead) : readStringPipe(loader_, path);
  // An unreadable file keeps its place in the string as an empty pipe. Problems are noted when
  // the pipe enters the window, not when it was read ahead.
  if (!read.pipe) unread_.push_back({path, read.result.error});
  if (read.result.damaged()) damaged_.push_back({path, read.result.damage});
  const Node placed = read.pipe ? loaded_.insert(where, std::move(*read.pipe)) : loaded_.emplace(where);
  placed->stringIndex = index;
}

std::optional<std::uint32_t> PipeString::enteringIndex(BrowseDirection direction) const {
  if (loaded_.empty()) return std::nullopt;
  if (direction == BrowseDirection::kNext) {
    const std::uint32_t tail = loaded_.back().stringIndex;
    if (tail + std::size_t{1} >= names_.size()) return std::nullopt;
    return tail + 1;
  }
  const std::uint32_t head = loaded_.front().stringIndex;
  if (head == 0) return std::nullopt;
  return head - 1;
}

void PipeString::readAheadToward(BrowseDirection direction) {
  if (const std::optional<std::uint32_t> entering = enteringIndex(direction)) {
    readAhead_.request(*entering, names_[*entering]);
  } else {
    readAhead_.drop();
  }
}

bool PipeString::stepWouldWait(BrowseDirection direction) const {
  const std::optional<std::uint32_t> entering = enteringIndex(direction);
  return entering && !readAhead_.ready(*entering, names_[*entering]);
}

void PipeString::loadAhead() {
  while (loaded_.size() < kMaxLoadedPipes && loaded_.back().stringIndex + std::size_t{1} < names_.size() &&
         loaded_.back().stringIndex < currentIndex_ + kWindowRadius) {
    const std::uint32_t next = loaded_.back().stringIndex + 1;
    loadAtBack(names_[next], next);
  }
}

void PipeString::forEachPipe(const std::function<void(PipeFile&)>& visit) {
  for (PipeFile& pipe : loaded_) {
    visit(pipe);
  }
  if (overlay_) {
    visit(*overlay_);
  }
  if (thirdPipe) {
    visit(*thirdPipe);
  }
}

bool PipeString::holds(std::uint64_t pipeId) const {
  const auto isIt = [pipeId](const PipeFile& pipe) { return pipe.id == pipeId; };
  return std::ranges::any_of(loaded_, isIt) || (overlay_ && isIt(*overlay_)) ||
         (thirdPipe && isIt(*thirdPipe));
}

}  // namespace ductora
