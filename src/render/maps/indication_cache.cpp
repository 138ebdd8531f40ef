#include "render/maps/indication_cache.h"

#include <system_error>

namespace ductora::render {

const IndicationRecords& IndicationCache::Records(const std::string& pipePath) {
  const std::optional<std::string> path = pipePath.empty() ? std::nullopt : findIndicationFile(pipePath);
  std::optional<std::filesystem::file_time_type> modified;
  if (path) {
    std::error_code error;
    modified = std::filesystem::last_write_time(*path, error);
    if (error) modified.reset();
  }
  if (path != path_ || modified != modified_) {
    records_ = modified ? readIndicationRecords(*path) : IndicationRecords{};
    path_ = path;
    modified_ = modified;
  }
  return records_;
}

}  // namespace ductora::render
