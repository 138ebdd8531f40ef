#include "platform/headless/osmesa_context.h"

#include <GL/osmesa.h>

#include <algorithm>

namespace ductora::platform::headless {
namespace {

std::size_t bufferBytes(int width, int height) {
  return static_cast<std::size_t>(std::max(width, 1)) * static_cast<std::size_t>(std::max(height, 1)) * 4;
}

}  // namespace

std::unique_ptr<OffscreenContext> OffscreenContext::create(int width, int height) {
  OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 1, 0, nullptr);
  if (context == nullptr) return nullptr;
  return std::unique_ptr<OffscreenContext>(new OffscreenContext(context, width, height));
}

OffscreenContext::OffscreenContext(void* context, int width, int height)
    : context_(context), width_(width), height_(height), pixels_(bufferBytes(width, height)) {}

OffscreenContext::~OffscreenContext() {
  if (isCurrent()) OSMesaMakeCurrent(nullptr, nullptr, GL_UNSIGNED_BYTE, 0, 0);
  OSMesaDestroyContext(static_cast<OSMesaContext>(context_));
}

bool OffscreenContext::makeCurrent() {
  return OSMesaMakeCurrent(static_cast<OSMesaContext>(context_), pixels_.data(), GL_UNSIGNED_BYTE,
                           std::max(width_, 1), std::max(height_, 1)) == GL_TRUE;
}

void OffscreenContext::resize(int width, int height) {
  width_ = width;
  height_ = height;
  pixels_.assign(bufferBytes(width, height), 0);
  if (isCurrent()) makeCurrent();
}

bool OffscreenContext::isCurrent() const { return OSMesaGetCurrentContext() == context_; }

}  // namespace ductora::platform::headless
