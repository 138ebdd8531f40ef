#include "cli/options/collapse_option.h"

#include <array>
#include <charconv>

namespace ductora::cli {

std::optional<CollapseChoices> parseCollapseChoices(const std::string& text) {
  std::array<std::uint32_t, 4> values{};
  const char* next = text.data();
  const char* const end = text.data() + text.size();
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0 && (next == end || *next++ != ',')) {
      return std::nullopt;
    }
    const auto [after, error] = std::from_chars(next, end, values[i]);
    if (error != std::errc() || after == next || values[i] > kChoiceAverageForSlice) {
      return std::nullopt;
    }
    next = after;
  }
  if (next != end) {
    return std::nullopt;
  }
  return CollapseChoices{values[0], values[1], values[2], values[3]};
}

}  // namespace ductora::cli
