#pragma once

#include <array>

namespace ductora::render {

// The view volume of the current projection and model-view matrices, for skipping what lies
// wholly outside it: such geometry gives no pixel, so leaving it out changes no picture.
class ViewVolume {
 public:
  static ViewVolume Current();

  // Whether the box between the two corners, in the current model-view coordinates, lies wholly
  // beyond one plane of the volume.
  bool BoxOutside(const std::array<float, 3>& low, const std::array<float, 3>& high) const;

 private:
  std::array<double, 16> clip_{};  // projection x model-view, column-major as GL keeps it
};

}  // namespace ductora::render
