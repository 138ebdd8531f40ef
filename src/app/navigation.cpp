#include "app/navigation.h"

#include <bit>
#include <cmath>

namespace ductora {
namespace {

// Half the pipe view's 45-degree field of view, 22.5 degrees with pi as the single-precision
// 3.14159, so that the pipe's radius fills half the view height.
const double kHalfFieldOfViewRadians = std::bit_cast<double>(std::uint64_t{0x3FD921FA00000000});

}  // namespace

void setZoom(PipeString& string, float zoom) { string.depth = zoom > 0.0F ? 0.0F : zoom; }

void setX(PipeString& string, float x, bool nudge) { string.position = nudge ? x + 0.1F : x; }

float defaultDistance2D(const PipeString& string) {
  const PipeFile* pipe = string.current();
  return pipe == nullptr ? 0.0F : -2.0F * pipe->pipeLength();
}

float defaultDistance3D(const PipeString& string) {
  const PipeFile* pipe = string.current();
  if (pipe == nullptr) return 0.0F;
  return static_cast<float>(-(pipe->header.nominalOd / 2.0) / std::tan(kHalfFieldOfViewRadians));
}

float HalfDefaultDistance(const PipeString& string, ViewMode viewMode) {
  return (Is3DViewMode(viewMode) ? defaultDistance3D(string) : defaultDistance2D(string)) / 2.0F;
}

}  // namespace ductora
