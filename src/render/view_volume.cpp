#include "render/view_volume.h"

#include <GL/gl.h>

namespace ductora::render {

ViewVolume ViewVolume::Current() {
  std::array<GLdouble, 16> projection{};
  std::array<GLdouble, 16> modelView{};
  glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
  glGetDoublev(GL_MODELVIEW_MATRIX, modelView.data());
  ViewVolume volume;
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k) sum += projection[k * 4 + row] * modelView[column * 4 + k];
      volume.clip_[column * 4 + row] = sum;
    }
  }
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

}  // namespace ductora::render
