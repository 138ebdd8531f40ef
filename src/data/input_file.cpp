#include "data/input_file.h"

#include <filesystem>
#include <system_error>

namespace ductora {

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
  std::ifstream stream(path, std::ios::binary);
  if (!stream) {
    error = "cannot be opened for reading";
    return std::nullopt;
  }
  stream.seekg(0, std::ios::end);
  const std::streamoff end = stream.tellg();
  if (!stream || end < 0) {
    error = "cannot determine the file size";
    return std::nullopt;
  }
  return InputFile(std::move(stream), static_cast<std::uint64_t>(end));
}

bool InputFile::readAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  if (offset > size_ || out.size() > size_ - offset) {
    return false;
  }
  if (out.empty()) {
    return true;
  }
  stream_.clear();
  stream_.seekg(static_cast<std::streamoff>(offset), std::ios::beg);
  stream_.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<std::uint64_t>(stream_.gcount()) == out.size();
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
