#include "data/strings/read_ahead.h"

#include <utility>

namespace ductora {

ReadAhead::ReadAhead(const PipeLoader& loader) : loader_(loader) {}

ReadAhead::~ReadAhead() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void ReadAhead::request(std::uint32_t index, const std::string& path) {
  std::optional<PipeRead> stale;
  {
    const std::lock_guard lock(mutex_);
    if (wants(index, path)) return;
    wanted_ = Wanted{index, path};
    ++generation_;
    started_ = false;
    stale = std::exchange(read_, std::nullopt);
    if (!worker_.joinable()) worker_ = std::thread(&ReadAhead::work, this);
  }
  changed_.notify_all();
}

void ReadAhead::drop() {
  std::optional<PipeRead> stale;
  const std::lock_guard lock(mutex_);
  wanted_.reset();
  ++generation_;
  stale = std::exchange(read_, std::nullopt);
}

bool ReadAhead::ready(std::uint32_t index, const std::string& path) const {
  std::optional<FileStamp> stamp;
  {
    const std::lock_guard lock(mutex_);
    if (!wants(index, path) || !read_) return false;
    stamp = stamp_;
  }
  return stampOf(path) == stamp;
}

std::optional<PipeRead> ReadAhead::take(std::uint32_t index, const std::string& path) {
  std::optional<PipeRead> read;
  std::optional<FileStamp> stamp;
  {
    std::unique_lock lock(mutex_);
    if (!wants(index, path)) return std::nullopt;
    // Only this thread requests, so what is waited for stays wanted.
    changed_.wait(lock, [this] { return read_.has_value(); });
    read = std::exchange(read_, std::nullopt);
    stamp = stamp_;
    wanted_.reset();
  }
  if (stampOf(path) != stamp) return std::nullopt;
  return read;
}

bool ReadAhead::wants(std::uint32_t index, const std::string& path) const {
  return wanted_ && wanted_->index == index && wanted_->path == path;
}

void ReadAhead::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || (wanted_ && !started_); });
    if (stopping_) return;
    started_ = true;
    const std::string path = wanted_->path;
    const std::uint64_t generation = generation_;
    lock.unlock();
    // Stamped before reading: a file rewritten during the read no longer matches.
    std::optional<FileStamp> stamp = stampOf(path);
    std::optional<PipeRead> read = readStringPipe(loader_, path);
    lock.lock();
    if (generation == generation_) {
      read_ = std::move(read);
      stamp_ = stamp;
      changed_.notify_all();
    }
  }
}

}  // namespace ductora
