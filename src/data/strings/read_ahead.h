#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "data/files/file_stamp.h"
#include "data/strings/pipe_reading.h"

namespace ductora {

// The pipe the string's next slide will load, read on a worker thread while the frames go on.
// The worker reads into a fresh PipeFile of its own and hands it over through a slot guarded by
// the mutex; it never sees the string's pipes. One read at a time; a request for another pipe
// lets a running read finish and throws it away.
class ReadAhead {
 public:
  // The loader must outlive this.
  explicit ReadAhead(const PipeLoader& loader);
  // Waits for a running read to end, then joins the worker.
  ~ReadAhead();
  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;

  // Reads that pipe next, unless it is already asked for; what was read of another is dropped.
  void request(std::uint32_t index, const std::string& path);
  // Forgets what was read or asked for.
  void drop();
  // Whether take would hand that pipe over at once: it is read and its file is unchanged.
  bool ready(std::uint32_t index, const std::string& path) const;
  // That pipe as read ahead, once a running read of it is done. None when it was not asked for,
  // or its file changed (time or size) since the read began: the caller reads it itself.
  std::optional<PipeRead> take(std::uint32_t index, const std::string& path);

 private:
  struct Wanted {
    std::uint32_t index = 0;
    std::string path;
  };

  bool wants(std::uint32_t index, const std::string& path) const;
  void work();

  const PipeLoader& loader_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::optional<Wanted> wanted_;
  // Moves on with every request and drop, so the worker knows a finished read is still wanted.
  std::uint64_t generation_ = 0;
  bool started_ = false;
  std::optional<PipeRead> read_;
  std::optional<FileStamp> stamp_;
  bool stopping_ = false;
  std::thread worker_;
};

}  // namespace ductora
