#include "app/navigation/navigation.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace ductora {
namespace {

// Half the pipe view's 45-degree field of view, 22.5 degrees with pi as the single-precision
// 3.14159, so that the pipe's radius fills half the view height.
const double kHalfFieldOfViewRadians = std::bit_cast<double>(std::uint64_t{0x3FD921FA00000000});

constexpr float kLastDegree = 359.0F;

void addRotation(float& rotation, float d) {
  rotation += d;
  if (rotation > kLastDegree) {
    rotation = 0.0F;
  } else if (rotation < 0.0F) {
    rotation = kLastDegree;
  }
}

void setOffset(PipeFile& pipe, float x) {
  pipe.viewState[kCursorPosition] = std::clamp(x, 0.0F, std::max(pipe.pipeLength(), 0.0F));
}

}  // namespace

bool moveX(PipeString& string, float d, const DropCheck& mayDrop) { return string.moveBy(d, mayDrop) != 0; }

void setX(PipeString& string, float x, bool nudge) { string.position = nudge ? x + 0.1F : x; }

float xWithinPipe(const PipeString& string, float x) {
  if (std::isnan(x)) return 0.0F;
  return std::clamp(x, 0.0F, std::max(string.currentLength(), 0.0F));
}

float angleWithinTurn(float y) {
  if (!std::isfinite(y)) return 0.0F;
  const float turned = std::fmod(y, 360.0F);
  const float angle = turned < 0.0F ? turned + 360.0F : turned;
  return angle < 360.0F ? angle : 0.0F;
}

void setY(PipeString& string, float y, bool nudge) { string.angle = nudge ? y + 0.1F : y; }

void turnY(PipeString& string, float d) {
  string.angle += d;
  if (string.angle < 0.0F) {
    string.angle = kLastDegree;
  } else if (string.angle >= 360.0F) {
    string.angle = 0.0F;
  }
}

void rotate(render::ViewValues& view, float dx, float dy, float dz) {
  addRotation(view.rotation[render::kAxisX], dx);
  addRotation(view.rotation[render::kAxisY], dy);
  addRotation(view.rotation[render::kAxisZ], dz);
}

void rotateCurrent(PipeString& string, float dz) {
  if (PipeFile* pipe = string.current()) addRotation(pipe->viewState[kRotationZ], dz);
}

void rotateOverlay(PipeString& string, float dz) {
  if (PipeFile* overlay = string.overlay()) addRotation(overlay->viewState[kRotationZ], dz);
}

void moveOverlay(PipeString& string, float d) {
  if (PipeFile* overlay = string.overlay()) setOffset(*overlay, overlay->viewState[kCursorPosition] + d);
}

void setOverlayX(PipeString& string, float x) {
  if (PipeFile* overlay = string.overlay()) setOffset(*overlay, x);
}

void zoomBy(render::ViewValues& view, float d) { setZoom(view, view.depth + d); }

void setZoom(render::ViewValues& view, float zoom) { view.depth = zoom > 0.0F ? 0.0F : zoom; }

float defaultDistance2D(const PipeString& string) {
  const PipeFile* pipe = string.current();
  return pipe == nullptr ? 0.0F : -2.0F * pipe->pipeLength();
}

float defaultDistance3D(const PipeString& string) {
  const PipeFile* pipe = string.current();
  if (pipe == nullptr) return 0.0F;
  return static_cast<float>(-(pipe->header.nominalOd / 2.0) / std::tan(kHalfFieldOfViewRadians));
}

float halfDefaultDistance(const PipeString& string, ViewMode viewMode) {
  return (is3DViewMode(viewMode) ? defaultDistance3D(string) : defaultDistance2D(string)) / 2.0F;
}

}  // namespace ductora
