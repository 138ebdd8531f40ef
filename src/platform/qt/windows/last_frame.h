#pragma once

#include <cstdint>
#include <vector>

namespace ductora::platform::qt {

// The picture a GL window last showed. Frames stop while a modal dialog runs; a window that a
// menu or dialog uncovers meanwhile shows this again instead of what lay over it.
class LastFrame {
 public:
  // Copies the current context's back buffer, width x height device pixels.
  void keep(int width, int height);
  void drop() { std::vector<std::uint8_t>().swap(pixels_); }
  // Draws the kept picture into the current context's back buffer, its top left corner at the
  // window's, and leaves every GL state as it found it.
  void draw(int width, int height) const;
  bool kept() const { return !pixels_.empty(); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> pixels_;  // RGBA, bottom row first
};

}  // namespace ductora::platform::qt
