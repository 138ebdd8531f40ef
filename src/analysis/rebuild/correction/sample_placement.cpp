#include "analysis/rebuild/correction/sample_placement.h"

namespace ductora {

void PlaceRevolution(RevolutionSamples& revolution, double origin) {
  if (revolution.empty()) {
    return;
  }
  const double b0 = revolution.front().rotationCount;
  const double turn = static_cast<double>(revolution.back().rotationCount) - b0;
  const double last = static_cast<double>(revolution.size() - 1);
  for (std::size_t j = 0; j < revolution.size(); ++j) {
    RawSample& sample = revolution[j];
    sample.position = SamplePosition(sample, origin);
    if (turn != 0.0) {
      sample.angle = (sample.rotationCount - b0) * 360.0 / turn;
    } else {
      sample.angle = last > 0.0 ? static_cast<double>(j) * 360.0 / last : 0.0;
    }
  }
}

void PlaceSamples(RevolutionList& revolutions) {
  if (revolutions.empty() || revolutions.front().empty()) {
    return;
  }
  const double origin = revolutions.front().front().axialCount;
  for (RevolutionSamples& revolution : revolutions) {
    PlaceRevolution(revolution, origin);
  }
}

}  // namespace ductora
