#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace ductora::platform::headless {

// One offscreen GL context rendering into its own RGBA colour buffer (depth and stencil live in
// the context). The only file that knows the offscreen API, so another can replace it.
class OffscreenContext {
 public:
  // Null when the context cannot be created.
  static std::unique_ptr<OffscreenContext> create(int width, int height);
  ~OffscreenContext();
  OffscreenContext(const OffscreenContext&) = delete;
  OffscreenContext& operator=(const OffscreenContext&) = delete;

  bool makeCurrent();
  // New buffer size; takes effect at the next makeCurrent.
  void resize(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }
  // RGBA bytes, bottom row first.
  const std::vector<std::uint8_t>& pixels() const { return pixels_; }
  bool isCurrent() const;

 private:
  OffscreenContext(void* context, int width, int height);

  void* context_;
  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace ductora::platform::headless
