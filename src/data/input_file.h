#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace ductora {

// A regular file opened for binary reading, read at explicit offsets. Every read is bounded by
// the size the file had when it was opened.
class InputFile {
 public:
  // Empty, with a reason in error, when the path is not a readable regular file.
  static std::optional<InputFile> open(const std::string& path, std::string& error);

  std::uint64_t size() const { return size_; }
  // Fills out from offset; false when the file ends first or the read fails.
  bool readAt(std::uint64_t offset, std::span<std::uint8_t> out);
  // count bytes from offset, or empty when they are not all there.
  std::optional<std::vector<std::uint8_t>> readVector(std::uint64_t offset, std::uint64_t count);

 private:
  InputFile(std::ifstream stream, std::uint64_t size) : stream_(std::move(stream)), size_(size) {}

  std::ifstream stream_;
  std::uint64_t size_ = 0;
};

}  // namespace ductora
