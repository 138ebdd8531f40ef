#include "platform/dialog.h"

#include <cstdlib>
#include <limits>

namespace ductora::platform {

int Dialog::intValue(int id) const {
  const std::string value = text(id);
  const long parsed = std::strtol(value.c_str(), nullptr, 10);
  if (parsed > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (parsed < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(parsed);
}

}  // namespace ductora::platform
