#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "data/indications/indication_file.h"

namespace ductora::render {

// An indication file's records, read again only when the path or the file's modification time
// changes, not on every frame.
class IndicationCache {
 public:
  // The records of the file at path; none when it cannot be read.
  const IndicationRecords& Records(const std::string& path);

 private:
  std::string path_;
  std::optional<std::filesystem::file_time_type> modified_;
  IndicationRecords records_;
};

}  // namespace ductora::render
