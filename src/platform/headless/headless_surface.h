#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/osmesa_context.h"
#include "platform/surface.h"

namespace ductora::platform::headless {

class HeadlessPlatform;

// Which teardown steps of a surface fail, set by a test.
struct ReleaseFailures {
  bool context = false;
  bool deviceContext = false;
  bool window = false;
};

// A window kept in memory, drawing into an offscreen context.
class HeadlessSurface : public Surface {
 public:
  HeadlessSurface(HeadlessPlatform& platform, const SurfaceSpec& plan);
  ~HeadlessSurface() override;

  // Creation steps the platform runs in order; each false is that step failing.
  bool createBuffer();
  bool createContext();

  bool makeCurrent() override;
  void swapBuffers() override;
  Size clientSize() const override { return {geometry_.width, geometry_.height}; }
  void show() override { visible_ = true; }
  void hide() override { visible_ = false; }
  void raise() override;
  void lower() override;
  void focus() override;
  void setTitle(const std::string& title) override { title_ = title; }
  std::string title() const override { return title_; }
  bool releaseContext() override;
  bool releaseDeviceContext() override;
  bool destroyWindow() override;

  // What a test reads and does.
  int slot() const { return slot_; }
  int iconId() const { return iconId_; }
  int cursorId() const { return cursorId_; }
  const Geometry& geometry() const { return geometry_; }
  bool isVisible() const { return visible_; }
  bool hasContext() const { return context_ != nullptr; }
  bool windowExists() const { return windowExists_; }
  int swapCount() const { return swapCount_; }
  // RGBA of the last swapped frame at (x, y), y counted from the top.
  std::array<std::uint8_t, 4> pixel(int x, int y) const;
  // The whole last swapped frame: RGBA, bottom row first, width x height of the geometry.
  const std::vector<std::uint8_t>& frame() const { return frontBuffer_; }
  // Resizes the client area and sends the size message, as a user dragging the frame.
  void resize(int width, int height);
  void send(const WindowEvent& event);
  ReleaseFailures releaseFailures;

 private:
  HeadlessPlatform& platform_;
  int slot_;
  int iconId_;
  int cursorId_;
  Geometry geometry_;
  std::string title_;
  bool visible_;
  bool windowExists_ = true;
  WindowProc procedure_;
  std::unique_ptr<OffscreenContext> context_;
  bool bufferReady_ = false;
  std::vector<std::uint8_t> frontBuffer_;
  int swapCount_ = 0;
};

}  // namespace ductora::platform::headless
