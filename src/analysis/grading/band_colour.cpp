#include "analysis/grading/band_colour.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace ductora {

namespace {

struct NamedColour {
  std::string_view name;
  BandColour colour;
};

constexpr std::array<NamedColour, 11> kNamedColours = {{
    {"white", {255, 255, 255}},
    {"yellow", {255, 214, 0}},
    {"blue", {0, 90, 200}},
    {"green", {0, 150, 60}},
    {"red", {210, 20, 20}},
    {"orange", {255, 130, 0}},
    {"brown", {130, 80, 30}},
    {"black", {0, 0, 0}},
    {"gray", {128, 128, 128}},
    {"grey", {128, 128, 128}},
    {"purple", {120, 40, 160}},
}};

std::optional<std::uint8_t> HexByte(std::string_view two) {
  int value = 0;
  for (const char c : two) {
    if (std::isxdigit(static_cast<unsigned char>(c)) == 0) return std::nullopt;
    value = value * 16 +
            (std::isdigit(static_cast<unsigned char>(c)) != 0 ? c - '0' : std::tolower(c) - 'a' + 10);
  }
  return static_cast<std::uint8_t>(value);
}

}  // namespace

std::optional<BandColour> ParseBandColour(std::string_view text) {
  if (text.size() == 7 && text[0] == '#') {
    const auto r = HexByte(text.substr(1, 2));
    const auto g = HexByte(text.substr(3, 2));
    const auto b = HexByte(text.substr(5, 2));
    if (r && g && b) return BandColour{*r, *g, *b};
    return std::nullopt;
  }
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const NamedColour& named : kNamedColours) {
    if (named.name == lower) return named.colour;
  }
  return std::nullopt;
}

}  // namespace ductora
