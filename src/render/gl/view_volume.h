#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace ductora::render {

// The pixel centres within a hair of points' window positions, one entry per point: columns
// xLow..xHigh, rows yLow..yHigh, empty ranges where a point lies between centres. Everything for
// a point at or behind the eye, whose triangles the GL clips. Kept as four arrays so that a row
// of points is projected and compared in one sweep.
struct CentreSpans {
  std::vector<std::int32_t> xLow, xHigh, yLow, yHigh;

  void resize(std::size_t points) {
    for (std::vector<std::int32_t>* v : {&xLow, &xHigh, &yLow, &yHigh}) v->resize(points);
  }
};

// Whether a triangle with corners a, b and c of these spans can cover a pixel centre: one lies
// in the box around the corners.
inline bool MayCoverPixelCentre(const CentreSpans& spans, std::size_t a, std::size_t b, std::size_t c) {
  const auto highest = [](const std::vector<std::int32_t>& v, std::size_t i, std::size_t j, std::size_t k) {
    return std::max(std::max(v[i], v[j]), v[k]);
  };
  const auto lowest = [](const std::vector<std::int32_t>& v, std::size_t i, std::size_t j, std::size_t k) {
    return std::min(std::min(v[i], v[j]), v[k]);
  };
  return highest(spans.xHigh, a, b, c) >= lowest(spans.xLow, a, b, c) &&
         highest(spans.yHigh, a, b, c) >= lowest(spans.yLow, a, b, c);
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
  // The pixel centres around where each of `count` points (x, y, z after x, y, z) lands in the
  // window, into spans from entry `first` on.
  void Spans(const float* xyz, std::size_t count, CentreSpans& spans, std::size_t first) const;
  // Where a point lands in the window, in pixels; none at or behind the eye.
  std::optional<std::array<double, 2>> WindowAt(const float* xyz) const;
  // Whether a window position lies within `margin` pixels of the viewport.
  bool NearViewport(const std::array<double, 2>& at, double margin) const;
  // How many pixels apart two points land in the window; infinite when either lies at or behind
  // the eye, where nothing says how large the space between them comes out.
  double PixelsBetween(const float* a, const float* b) const;

 private:
  std::array<double, 16> clip_{};  // projection x model-view, column-major as GL keeps it
  std::array<double, 4> viewport_{};
};

}  // namespace ductora::render
