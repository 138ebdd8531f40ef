#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace ductora::resources {

constexpr int kWatermarkBitmapId = 136;
constexpr int kPlotFontBitmapId = 143;
// The pictures of the Goto and Data Display help windows.
constexpr int kGotoHelpBitmapId = 184;
constexpr int kDataDisplayHelpBitmapId = 175;

// A decoded picture: 8-bit RGB, rows top to bottom, tightly packed (width x height x 3 bytes).
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};

// The bitmap resource of that id; nullopt for an id with no picture or one that cannot be decoded.
std::optional<Bitmap> LoadBitmap(int id);

}  // namespace ductora::resources
