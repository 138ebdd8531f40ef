#include "sim/defect.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ductora::sim {

namespace {

// Fraction of the footprint's half size over which the loss tapers to zero.
constexpr double kTaper = 0.4;
// Depth of the general loss of a corrosion patch between its pockets, as a fraction of its depth.
constexpr double kGeneralCorrosion = 0.3;

double taper(double normalisedDistance) { return std::clamp((1.0 - normalisedDistance) / kTaper, 0.0, 1.0); }

double arcLength(double degrees, double radius) { return degrees * std::numbers::pi / 180.0 * radius; }

}  // namespace

const char* defectKindName(DefectKind kind) {
  switch (kind) {
    case DefectKind::kPit:
      return "PIT";
    case DefectKind::kGouge:
      return "GOUGE";
    case DefectKind::kCorrosion:
      return "CORROSION";
  }
  return "UNKNOWN";
}

double angleDifference(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d <= -180.0) {
    d += 360.0;
  } else if (d > 180.0) {
    d -= 360.0;
  }
  return d;
}

bool Defect::covers(double z, double angleDegrees, double outsideRadius) const {
  const double dz = std::abs(z - position) / (length / 2.0);
  const double ds = std::abs(arcLength(angleDifference(angleDegrees, angle), outsideRadius)) / (width / 2.0);
  if (kind == DefectKind::kPit) {
    return std::hypot(dz, ds) < 1.0;
  }
  return dz < 1.0 && ds < 1.0;
}

double Defect::lossAt(double z, double angleDegrees, double outsideRadius) const {
  const double dz = std::abs(z - position) / (length / 2.0);
  if (dz >= 1.0) {
    return 0.0;
  }
  const double ds = std::abs(arcLength(angleDifference(angleDegrees, angle), outsideRadius)) / (width / 2.0);
  if (ds >= 1.0) {
    return 0.0;
  }
  switch (kind) {
    case DefectKind::kPit:
      return depth * taper(std::hypot(dz, ds));
    case DefectKind::kGouge:
      return depth * taper(dz) * taper(ds);
    case DefectKind::kCorrosion: {
      const double along = z - position;
      const double around = arcLength(angleDifference(angleDegrees, angle), outsideRadius);
      double loss = kGeneralCorrosion * depth * taper(dz) * taper(ds);
      for (const Pocket& pocket : pockets) {
        const double distance = std::hypot(along - pocket.along, around - pocket.around) / pocket.radius;
        loss = std::max(loss, depth * pocket.depthFraction * taper(distance));
      }
      return loss;
    }
  }
  return 0.0;
}

}  // namespace ductora::sim
