#include "render/gl/view_volume.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace ductora::render {
namespace {

// Far beyond the differences between our projection and the GL's, in pixels, and below the
// GL's own sub-pixel steps of 1/256 for the corners it snaps.
constexpr double kWindowMargin = 1.0 / 32.0;
// Window coordinates are clamped here, far outside any window, to fit the spans.
constexpr double kFarOutside = 1e8;

// Floor and ceiling of a value well inside the int32 range, without a library call, so that a
// row of points is projected in one tight loop.
std::int32_t FloorToInt(double v) {
  const auto t = static_cast<std::int32_t>(v);
  return t - (v < static_cast<double>(t) ? 1 : 0);
}
std::int32_t CeilToInt(double v) {
  const auto t = static_cast<std::int32_t>(v);
  return t + (v > static_cast<double>(t) ? 1 : 0);
}

}  // namespace

ViewVolume ViewVolume::Current() {
  std::array<GLdouble, 16> projection{};
  std::array<GLdouble, 16> modelView{};
  std::array<GLint, 4> viewport{};
  glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
  glGetDoublev(GL_MODELVIEW_MATRIX, modelView.data());
  glGetIntegerv(GL_VIEWPORT, viewport.data());
  ViewVolume volume;
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k) sum += projection[k * 4 + row] * modelView[column * 4 + k];
      volume.clip_[column * 4 + row] = sum;
    }
  }
  std::copy(viewport.begin(), viewport.end(), volume.viewport_.begin());
  return volume;
}

bool ViewVolume::BoxOutside(const std::array<float, 3>& low, const std::array<float, 3>& high) const {
  // Bits of the planes each corner lies beyond: -x, +x, -y, +y, near, far.
  unsigned common = 0x3F;
  for (int corner = 0; corner < 8; ++corner) {
    const double x = (corner & 1) != 0 ? high[0] : low[0];
    const double y = (corner & 2) != 0 ? high[1] : low[1];
    const double z = (corner & 4) != 0 ? high[2] : low[2];
    std::array<double, 4> c{};
    for (int row = 0; row < 4; ++row) {
      c[row] = clip_[row] * x + clip_[4 + row] * y + clip_[8 + row] * z + clip_[12 + row];
    }
    const double w = c[3];
    const unsigned beyond = (c[0] < -w ? 1U : 0U) | (c[0] > w ? 2U : 0U) | (c[1] < -w ? 4U : 0U) |
                            (c[1] > w ? 8U : 0U) | (c[2] < -w ? 16U : 0U) | (c[2] > w ? 32U : 0U);
    common &= beyond;
    if (common == 0) return false;
  }
  return true;
}

void ViewVolume::Spans(const float* xyz, std::size_t count, CentreSpans& spans, std::size_t first) const {
  constexpr std::int32_t kAll = std::numeric_limits<std::int32_t>::max() / 2;
  const double halfWidth = viewport_[2] / 2.0;
  const double halfHeight = viewport_[3] / 2.0;
  // The centres, at half-integers, within the margin of a window coordinate.
  const auto centres = [](double at, std::int32_t& low, std::int32_t& high) {
    const double centred = std::clamp(at - 0.5, -kFarOutside, kFarOutside);
    low = CeilToInt(centred - kWindowMargin);
    high = FloorToInt(centred + kWindowMargin);
  };
  for (std::size_t i = 0; i < count; ++i) {
    const double x = xyz[3 * i];
    const double y = xyz[3 * i + 1];
    const double z = xyz[3 * i + 2];
    const double w = clip_[3] * x + clip_[7] * y + clip_[11] * z + clip_[15];
    const std::size_t at = first + i;
    if (!(w > 0.0)) {
      spans.xLow[at] = spans.yLow[at] = -kAll;
      spans.xHigh[at] = spans.yHigh[at] = kAll;
      continue;
    }
    const double cx = clip_[0] * x + clip_[4] * y + clip_[8] * z + clip_[12];
    const double cy = clip_[1] * x + clip_[5] * y + clip_[9] * z + clip_[13];
    centres(viewport_[0] + (cx / w + 1.0) * halfWidth, spans.xLow[at], spans.xHigh[at]);
    centres(viewport_[1] + (cy / w + 1.0) * halfHeight, spans.yLow[at], spans.yHigh[at]);
  }
}

std::optional<std::array<double, 2>> ViewVolume::WindowAt(const float* p) const {
  const double w = clip_[3] * p[0] + clip_[7] * p[1] + clip_[11] * p[2] + clip_[15];
  if (!(w > 0.0)) return std::nullopt;
  const double x = (clip_[0] * p[0] + clip_[4] * p[1] + clip_[8] * p[2] + clip_[12]) / w;
  const double y = (clip_[1] * p[0] + clip_[5] * p[1] + clip_[9] * p[2] + clip_[13]) / w;
  return std::array<double, 2>{viewport_[0] + (x + 1.0) * viewport_[2] / 2.0,
                               viewport_[1] + (y + 1.0) * viewport_[3] / 2.0};
}

bool ViewVolume::NearViewport(const std::array<double, 2>& at, double margin) const {
  return at[0] >= viewport_[0] - margin && at[0] <= viewport_[0] + viewport_[2] + margin &&
         at[1] >= viewport_[1] - margin && at[1] <= viewport_[1] + viewport_[3] + margin;
}

double ViewVolume::PixelsBetween(const float* a, const float* b) const {
  const std::optional<std::array<double, 2>> atA = WindowAt(a);
  const std::optional<std::array<double, 2>> atB = WindowAt(b);
  if (!atA || !atB) return std::numeric_limits<double>::infinity();
  return std::hypot((*atA)[0] - (*atB)[0], (*atA)[1] - (*atB)[1]);
}

}  // namespace ductora::render
