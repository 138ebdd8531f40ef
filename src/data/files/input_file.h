#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace ductora {

// A regular file opened for binary reading, read at explicit offsets. Every read is bounded by
// the size the file had when it was opened. Small reads are served from a window read ahead, so a
// scan over many small blocks costs one system read per window, not one seek per block.
class InputFile {
 public:
  // Empty, with a reason in error, when the path is not a readable regular file.
  static std::optional<InputFile> open(const std::string& path, std::string& error);
  // Bytes already in memory read like a file of that size (received data, fuzzing).
  static InputFile fromBytes(std::span<const std::uint8_t> bytes);

  std::uint64_t size() const { return size_; }
  // Fills out from offset; false when the file ends first or the read fails.
  bool readAt(std::uint64_t offset, std::span<std::uint8_t> out);
  // count bytes from offset, or empty when they are not all there.
  std::optional<std::vector<std::uint8_t>> readVector(std::uint64_t offset, std::uint64_t count);

 private:
  InputFile(std::unique_ptr<std::istream> stream, std::uint64_t size)
      : stream_(std::move(stream)), size_(size) {}

  // Reads out directly from the stream at offset.
  bool readStream(std::uint64_t offset, std::span<std::uint8_t> out);

  std::unique_ptr<std::istream> stream_;
  std::uint64_t size_ = 0;
  std::vector<std::uint8_t> window_;  // the bytes from windowOffset_
  std::uint64_t windowOffset_ = 0;
};

}  // namespace ductora
