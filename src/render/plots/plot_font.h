#pragma once

#include <cstdint>
#include <string_view>

namespace ductora::render {

// The bitmap font of one plot panel's GL context: a 16 x 16 grid of character cells, code 32
// in the top left, drawn as opaque squares (black glyphs on white).
struct PlotFont {
  std::uint32_t cellSize = 0;     // pixels a drawn character takes, both ways
  std::uint32_t texture = 0;      // 0: the squares are drawn without the glyphs
  std::uint32_t wrapWidth = 640;  // a character reaching this x starts a new line
};

// Loads the font bitmap into a texture of the current context with its light-on-black pixels
// inverted; the cell size becomes the bitmap's cell width. False when there is no such bitmap.
bool LoadPlotFont(PlotFont& font, int resourceId);

// Draws text with the first character's lower left corner at (x, y), in the pixel projection the
// caller set. A character that would reach the wrap width goes to the next line down.
void DrawPlotText(const PlotFont& font, int x, int y, std::string_view text);

}  // namespace ductora::render
