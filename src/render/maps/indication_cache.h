#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "data/indications/indication_file.h"

namespace ductora::render {

// The records of one pipe's indication file, read again only when another file is found for it
// or the file's modification time changes, not on every frame.
class IndicationCache {
 public:
  // The records of the indication file of the pipe file at pipePath (as View > Indications finds
  // it); none when there is none or it cannot be read.
  const IndicationRecords& Records(const std::string& pipePath);

 private:
  std::optional<std::string> path_;
  std::optional<std::filesystem::file_time_type> modified_;
  IndicationRecords records_;
};

}  // namespace ductora::render
