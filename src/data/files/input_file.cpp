#include "data/files/input_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace ductora {

namespace {

constexpr std::uint64_t kWindowBytes = 64 * 1024;

}  // namespace

std::optional<InputFile> InputFile::open(const std::string& path, std::string& error) {
  std::error_code code;
  const auto status = std::filesystem::status(path, code);
  if (code) {
    error = code.message();
    return std::nullopt;
  }
  if (std::filesystem::is_directory(status)) {
    error = "is a directory";
    return std::nullopt;
  }
  if (!std::filesystem::is_regular_file(status)) {
    error = "not a regular file";
    return std::nullopt;
  }
  auto stream = std::make_unique<std::ifstream>(path, std::ios::binary);
  if (!*stream) {
    error = "cannot be opened for reading";
    return std::nullopt;
  }
  stream->seekg(0, std::ios::end);
  const std::streamoff end = stream->tellg();
  if (!*stream || end < 0) {
    error = "cannot determine the file size";
    return std::nullopt;
  }
  return InputFile(std::move(stream), static_cast<std::uint64_t>(end));
}

InputFile InputFile::fromBytes(std::span<const std::uint8_t> bytes) {
  std::string text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return InputFile(std::make_unique<std::istringstream>(std::move(text), std::ios::binary), bytes.size());
}

bool InputFile::readAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  if (offset > size_ || out.size() > size_ - offset) {
    return false;
  }
  if (out.empty()) {
    return true;
  }
  if (out.size() >= kWindowBytes) {
    return readStream(offset, out);
  }
  const bool inWindow = offset >= windowOffset_ && offset - windowOffset_ + out.size() <= window_.size();
  if (!inWindow) {
    window_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(kWindowBytes, size_ - offset)));
    windowOffset_ = offset;
    if (!readStream(offset, window_)) {
      window_.clear();
      return false;
    }
  }
  std::copy_n(window_.begin() + static_cast<std::ptrdiff_t>(offset - windowOffset_), out.size(), out.begin());
  return true;
}

bool InputFile::readStream(std::uint64_t offset, std::span<std::uint8_t> out) {
  stream_->clear();
  stream_->seekg(static_cast<std::streamoff>(offset), std::ios::beg);
  stream_->read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<std::uint64_t>(stream_->gcount()) == out.size();
}

std::optional<std::vector<std::uint8_t>> InputFile::readVector(std::uint64_t offset, std::uint64_t count) {
  if (offset > size_ || count > size_ - offset) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
  if (!readAt(offset, bytes)) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace ductora
