#include "render/plots/plot_font.h"

#include <GL/gl.h>

#include "render/gl/bitmap_texture.h"
#include "render/gl/gl_texture.h"

namespace ductora::render {

bool LoadPlotFont(PlotFont& font, int resourceId) {
  ImageHolder holder;
  if (!LoadResourceImage(holder, resourceId)) return false;
  font.cellSize = static_cast<std::uint32_t>(holder.width / 16);
  // Only pure black and white are swapped, so glyphs become black on white.
  for (std::uint8_t& byte : holder.rgb) {
    if (byte == 0) {
      byte = 255;
    } else if (byte == 255) {
      byte = 0;
    }
  }
  DeleteTexture(font.texture);
  font.texture = UploadRgbTexture(holder.rgb.data(), holder.width, holder.height, false);
  return true;
}

void DrawPlotText(const PlotFont& font, int x, int y, std::string_view text) {
  const int cell = static_cast<int>(font.cellSize);
  const int startX = x;
  glBindTexture(GL_TEXTURE_2D, font.texture);
  glDisable(GL_BLEND);
  glColor4f(1.0F, 1.0F, 1.0F, 1.0F);
  glBegin(GL_QUADS);
  for (const char character : text) {
    if (x + cell >= static_cast<int>(font.wrapWidth)) {
      y -= cell;
      x = startX;
    }
    const int k = static_cast<unsigned char>(character) - 32;
    const float column = static_cast<float>(k % 16);
    const float row = static_cast<float>(k / 16);
    const float left = column / 16.0F;
    const float right = (column + 1.0F) / 16.0F;
    const float bottom = 1.0F - (row + 1.0F) / 16.0F;
    const float top = 1.0F - row / 16.0F;
    glTexCoord2f(left, bottom);
    glVertex2i(x, y);
    glTexCoord2f(right, bottom);
    glVertex2i(x + cell, y);
    glTexCoord2f(right, top);
    glVertex2i(x + cell, y + cell);
    glTexCoord2f(left, top);
    glVertex2i(x, y + cell);
    x += cell;
  }
  glEnd();
}

}  // namespace ductora::render
