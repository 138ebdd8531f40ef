#include "platform/headless/headless_surface.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstring>

#include "platform/headless/headless_platform.h"

namespace ductora::platform::headless {

HeadlessSurface::HeadlessSurface(HeadlessPlatform& platform, const SurfaceSpec& plan)
    : platform_(platform),
      slot_(plan.slot),
      iconId_(plan.iconId),
      cursorId_(plan.cursorId),
      geometry_(plan.geometry),
      title_(plan.className),
      visible_(plan.show),
      procedure_(plan.procedure) {}

HeadlessSurface::~HeadlessSurface() { platform_.forget(*this); }

bool HeadlessSurface::createBuffer() {
  bufferReady_ = true;
  frontBuffer_.assign(static_cast<std::size_t>(std::max(geometry_.width, 1)) *
                          static_cast<std::size_t>(std::max(geometry_.height, 1)) * 4,
                      0);
  return true;
}

bool HeadlessSurface::createContext() {
  context_ = OffscreenContext::create(geometry_.width, geometry_.height);
  return context_ != nullptr;
}

bool HeadlessSurface::makeCurrent() { return context_ != nullptr && bufferReady_ && context_->makeCurrent(); }

void HeadlessSurface::swapBuffers() {
  if (context_ == nullptr || !context_->isCurrent()) return;
  glFinish();
  frontBuffer_ = context_->pixels();
  ++swapCount_;
}

void HeadlessSurface::raise() { platform_.raise(slot_); }
void HeadlessSurface::lower() { platform_.lower(slot_); }
void HeadlessSurface::focus() { platform_.setFocus(slot_); }

bool HeadlessSurface::releaseContext() {
  if (releaseFailures.context) return false;
  context_.reset();
  return true;
}

bool HeadlessSurface::releaseDeviceContext() {
  if (releaseFailures.deviceContext) return false;
  bufferReady_ = false;
  frontBuffer_.clear();
  return true;
}

bool HeadlessSurface::destroyWindow() {
  if (releaseFailures.window) return false;
  windowExists_ = false;
  visible_ = false;
  return true;
}

std::array<std::uint8_t, 4> HeadlessSurface::pixel(int x, int y) const {
  const int width = std::max(geometry_.width, 1);
  const int height = std::max(geometry_.height, 1);
  if (x < 0 || y < 0 || x >= width || y >= height || frontBuffer_.empty()) return {};
  const std::size_t at = (static_cast<std::size_t>(height - 1 - y) * static_cast<std::size_t>(width) +
                          static_cast<std::size_t>(x)) *
                         4;
  return {frontBuffer_[at], frontBuffer_[at + 1], frontBuffer_[at + 2], frontBuffer_[at + 3]};
}

void HeadlessSurface::resize(int width, int height) {
  geometry_.width = width;
  geometry_.height = height;
  if (context_ != nullptr) context_->resize(width, height);
  if (bufferReady_) createBuffer();
  send(SizeEvent{width, height});
}

void HeadlessSurface::send(const WindowEvent& event) {
  if (procedure_) procedure_(event);
}

}  // namespace ductora::platform::headless
