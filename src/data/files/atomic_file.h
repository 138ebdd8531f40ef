#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "data/format/pipe_file_io.h"

namespace ductora {

// A file written under a temporary name in its target's folder, renamed over the target only
// when committed, so a failed write never damages what was there before.
class AtomicFile {
  struct Key {
    explicit Key() = default;
  };
  struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  using FilePointer = std::unique_ptr<std::FILE, CloseFile>;

 public:
  // Empty, with a reason in error, when no temporary file can be created beside target.
  static std::unique_ptr<AtomicFile> create(const std::filesystem::path& target, std::string& error);
  AtomicFile(Key, std::filesystem::path target, std::filesystem::path temporary, FilePointer file);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  ByteSink& sink();
  // Flushes the bytes to the disk, closes the file and renames it over the target.
  bool commit(std::string& error);

 private:
  void discard();

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  FilePointer file_;
  std::unique_ptr<ByteSink> sink_;
  bool committed_ = false;
};

}  // namespace ductora
