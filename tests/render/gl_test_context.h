#pragma once

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/headless/osmesa_context.h"

namespace ductora::testing {

// An offscreen GL context of the given size, current while the object lives, with its pixels
// read back in GL's orientation (origin bottom left).
class GlTestContext {
 public:
  GlTestContext(int width, int height)
      : width_(width),
        height_(height),
        context_(platform::headless::OffscreenContext::create(width, height)) {
    if (context_) context_->makeCurrent();
  }
  bool ok() const { return context_ != nullptr; }
  // Back to this context after other drawing.
  void makeCurrent() {
    if (context_) context_->makeCurrent();
  }

  std::array<std::uint8_t, 3> pixel(int x, int y) {
    std::array<std::uint8_t, 4> rgba{};
    glFinish();
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return {rgba[0], rgba[1], rgba[2]};
  }

  // Every pixel, RGBA, bottom row first.
  std::vector<std::uint8_t> pixels() {
    glFinish();
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width_) * height_ * 4);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
  }

  // Pixels of the box [x0, x1) x [y0, y1) with every channel below half: glyphs, not coloured lines.
  int darkPixels(int x0, int y0, int x1, int y1) {
    const std::vector<std::uint8_t> rgba = pixels();
    int dark = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, height_); ++y) {
      for (int x = std::max(x0, 0); x < std::min(x1, width_); ++x) {
        const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 4;
        if (std::max({rgba[at], rgba[at + 1], rgba[at + 2]}) < 128) ++dark;
      }
    }
    return dark;
  }

 private:
  int width_;
  int height_;
  std::unique_ptr<platform::headless::OffscreenContext> context_;
};

}  // namespace ductora::testing
