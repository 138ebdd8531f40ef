#pragma once

#include <array>
#include <optional>

namespace ductora::render {

// Window position of a point in front of the eye.
struct WindowPoint {
  double x = 0.0;
  double y = 0.0;
};

// The view volume of the current projection, model-view matrix and viewport, for leaving out
// what can give no pixel: geometry wholly outside the volume, and triangles so small that they
// cover no pixel centre. Leaving such geometry out changes no pixel.
class ViewVolume {
 public:
  static ViewVolume Current();

  // Whether the box between the two corners, in the current model-view coordinates, lies wholly
  // beyond one plane of the volume.
  bool BoxOutside(const std::array<float, 3>& low, const std::array<float, 3>& high) const;
  // Where the point lands in the window; none for a point at or behind the eye.
  std::optional<WindowPoint> Window(const float* xyz) const;

 private:
  std::array<double, 16> clip_{};  // projection x model-view, column-major as GL keeps it
  std::array<double, 4> viewport_{};
};

// Whether a triangle with these window corners can cover a pixel centre. A triangle with a
// corner at or behind the eye may.
bool MayCoverPixelCentre(const std::optional<WindowPoint>& a, const std::optional<WindowPoint>& b,
                         const std::optional<WindowPoint>& c);

}  // namespace ductora::render
