#include "render/gl/bitmap_texture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstddef>

#include "resources/bitmaps.h"

namespace ductora::render {
namespace {

// Pictures are stored top row first; textures start at the bottom row.
std::vector<std::uint8_t> BottomUp(const resources::Bitmap& bitmap) {
  const std::size_t stride = static_cast<std::size_t>(bitmap.width) * 3;
  std::vector<std::uint8_t> rows(bitmap.rgb.size());
  for (std::size_t r = 0; r < static_cast<std::size_t>(bitmap.height); ++r) {
    std::copy_n(bitmap.rgb.begin() + static_cast<std::ptrdiff_t>(r * stride), stride,
                rows.begin() + static_cast<std::ptrdiff_t>((bitmap.height - 1 - r) * stride));
  }
  return rows;
}

}  // namespace

bool LoadResourceImage(ImageHolder& holder, int resourceId) {
  const std::optional<resources::Bitmap> bitmap = resources::LoadBitmap(resourceId);
  if (!bitmap) return false;
  holder.width = bitmap->width;
  holder.height = bitmap->height;
  holder.rgb = BottomUp(*bitmap);
  return true;
}

std::uint32_t LoadResourceTexture(ImageHolder& holder, int resourceId) {
  if (!LoadResourceImage(holder, resourceId)) return 0;
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  gluBuild2DMipmaps(GL_TEXTURE_2D, 3, holder.width, holder.height, GL_RGB, GL_UNSIGNED_BYTE,
                    holder.rgb.data());
  return name;
}

}  // namespace ductora::render
