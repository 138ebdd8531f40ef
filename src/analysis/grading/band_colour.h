#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ductora {

struct BandColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

// The paint colours a yard marks joints with, by name (any case), or "#rrggbb". Empty for
// anything else.
std::optional<BandColour> ParseBandColour(std::string_view text);

}  // namespace ductora
