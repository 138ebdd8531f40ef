#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace ductora {

// What tells a rewritten file from the one read before: its modification time and size.
struct FileStamp {
  std::filesystem::file_time_type written;
  std::uintmax_t size = 0;

  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// None when the file cannot be looked at, such as a missing one.
std::optional<FileStamp> stampOf(const std::string& path);

}  // namespace ductora
