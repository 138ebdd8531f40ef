#include "data/files/file_stamp.h"

#include <system_error>

namespace ductora {

std::optional<FileStamp> stampOf(const std::string& path) {
  std::error_code error;
  FileStamp stamp;
  stamp.written = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  stamp.size = std::filesystem::file_size(path, error);
  if (error) return std::nullopt;
  return stamp;
}

}  // namespace ductora
