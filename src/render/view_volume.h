#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace ductora::render {

// The pixel centres within a hair of a point's window position: columns xLow..xHigh, rows
// yLow..yHigh, empty ranges where it lies between centres. Everything for a point at or behind
// the eye, whose triangles the GL clips.
struct CentreSpan {
  std::int32_t xLow = 0;
  std::int32_t xHigh = 0;
  std::int32_t yLow = 0;
  std::int32_t yHigh = 0;
};

// Whether a triangle with corners of these spans can cover a pixel centre: one lies in the
// box around the corners.
inline bool MayCoverPixelCentre(const CentreSpan& a, const CentreSpan& b, const CentreSpan& c) {
  return std::max({a.xHigh, b.xHigh, c.xHigh}) >= std::min({a.xLow, b.xLow, c.xLow}) &&
         std::max({a.yHigh, b.yHigh, c.yHigh}) >= std::min({a.yLow, b.yLow, c.yLow});
}

// The view volume of the current projection, model-view matrix and viewport, for leaving out
// what can give no pixel: geometry wholly outside the volume, and triangles so small that they
// cover no pixel centre. Leaving such geometry out changes no pixel.
class ViewVolume {
 public:
  static ViewVolume Current();

  // Whether the box between the two corners, in the current model-view coordinates, lies wholly
  // beyond one plane of the volume.
  bool BoxOutside(const std::array<float, 3>& low, const std::array<float, 3>& high) const;
  // The pixel centres around where the point lands in the window.
  CentreSpan Span(const float* xyz) const;

 private:
  std::array<double, 16> clip_{};  // projection x model-view, column-major as GL keeps it
  std::array<double, 4> viewport_{};
};

}  // namespace ductora::render
