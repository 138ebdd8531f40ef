#include "data/exports/fixed_text.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace ductora {

std::string fixedText(double value, int decimals) {
  // The largest double in fixed notation needs 309 digits before the point.
  std::array<char, 400> buffer{};
  const int length = std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
  if (length < 0) {
    return {};
  }
  return {buffer.data(), std::min(static_cast<std::size_t>(length), buffer.size() - 1)};
}

}  // namespace ductora
