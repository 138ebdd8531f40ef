#include "render/maps/watermark_backdrop.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "render/gl/gl_texture.h"
#include "render/gl/panel_gl.h"

namespace ductora::render {
namespace {

bool HasNonPowerOfTwoTextures() {
  const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  return extensions != nullptr && std::strstr(extensions, "GL_ARB_texture_non_power_of_two") != nullptr;
}

std::uint32_t UploadFrame(const std::vector<std::uint8_t>& pixels, int width, int height) {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  return texture;
}

// A rectangle of whole pixels [x0, x1) x [y0, y1): corners on pixel edges, so the quad covers
// exactly those pixel centres, and texel centres land on them.
void AddBlock(WatermarkBackdrop& backdrop, int x0, int x1, int y0, int y1) {
  const auto w = static_cast<float>(backdrop.width);
  const auto h = static_cast<float>(backdrop.height);
  for (const auto& [x, y] : {std::pair{x0, y0}, std::pair{x1, y0}, std::pair{x1, y1}, std::pair{x0, y1}}) {
    backdrop.corners.insert(backdrop.corners.end(), {x, y});
    backdrop.texCoords.insert(backdrop.texCoords.end(),
                              {static_cast<float>(x) / w, static_cast<float>(y) / h});
  }
}

// Square blocks of the frame: copying a few large quads costs the software rasteriser far less
// than copying each changed pixel's run.
constexpr int kBlock = 16;

// Reads back the frame so far, the watermark on the blue, and keeps the blocks it changed, those
// side by side in a row of blocks as one quad. The bottom row lies below the watermark's band:
// its first pixel is the blue.
void ReadBackdrop(WatermarkBackdrop& backdrop) {
  const int width = backdrop.width;
  const int height = backdrop.height;
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4U);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  const auto changed = [&](int x0, int y0) {
    for (int y = y0; y < std::min(y0 + kBlock, height); ++y) {
      for (int x = x0; x < std::min(x0 + kBlock, width); ++x) {
        const std::size_t at =
            (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) *
            4U;
        if (std::memcmp(&pixels[at], pixels.data(), 4) != 0) return true;
      }
    }
    return false;
  };
  for (int y = 0; y < height; y += kBlock) {
    int x = 0;
    while (x < width) {
      if (!changed(x, y)) {
        x += kBlock;
        continue;
      }
      const int start = x;
      while (x < width && changed(x, y)) x += kBlock;
      AddBlock(backdrop, start, std::min(x, width), y, std::min(y + kBlock, height));
    }
  }
  backdrop.texture = UploadFrame(pixels, width, height);
}

void CopyBlocks(const WatermarkBackdrop& backdrop) {
  SetPixelProjection(backdrop.width, backdrop.height);
  glPushMatrix();
  glLoadIdentity();
  glDisable(GL_DEPTH_TEST);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  glBindTexture(GL_TEXTURE_2D, backdrop.texture);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glVertexPointer(2, GL_INT, 0, backdrop.corners.data());
  glTexCoordPointer(2, GL_FLOAT, 0, backdrop.texCoords.data());
  glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(backdrop.corners.size() / 2));
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glEnable(GL_DEPTH_TEST);
  glPopMatrix();
  SetWatermarkColour();
}

}  // namespace

void DrawWatermarkBackdrop(WatermarkBackdrop& backdrop, std::uint32_t watermarkTexture, int width,
                           int height) {
  if (backdrop.texture != 0 && backdrop.watermark == watermarkTexture && backdrop.width == width &&
      backdrop.height == height) {
    CopyBlocks(backdrop);
    return;
  }
  DeleteWatermarkBackdrop(backdrop);
  DrawWatermark(watermarkTexture);
  if (width <= 0 || height <= 0 || !HasNonPowerOfTwoTextures()) return;
  backdrop.watermark = watermarkTexture;
  backdrop.width = width;
  backdrop.height = height;
  ReadBackdrop(backdrop);
}

void DeleteWatermarkBackdrop(WatermarkBackdrop& backdrop) {
  DeleteTexture(backdrop.texture);
  backdrop = {};
}

}  // namespace ductora::render
