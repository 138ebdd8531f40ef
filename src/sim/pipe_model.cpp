#include "sim/pipe_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ductora::sim {

namespace {

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// A wall never drops below this, however deep the defects overlap.
constexpr double kThinnestWall = 0.010;

}  // namespace

double AlongPipe::at(double z) const {
  return mean + amplitude * std::sin(2.0 * std::numbers::pi * z / wavelength + phase);
}

double PipeModel::boreDirection(double z) const { return borePhase + 360.0 * borePhaseTurns * z / length; }

double PipeModel::ovalityDirection(double z) const {
  return ovalityPhase + 360.0 * ovalityPhaseTurns * z / length;
}

double PipeModel::ovalityAt(double z, double angle) const {
  return ovality.at(z) * std::cos(2.0 * radians(angle - ovalityDirection(z)));
}

double PipeModel::outsideRadius(double z, double angle) const {
  return nominalOd / 2.0 + ovalityAt(z, angle);
}

double PipeModel::diameter(double z, double angle) const {
  return outsideRadius(z, angle) + outsideRadius(z, angle + 180.0);
}

double PipeModel::soundWall(double z, double angle) const {
  // The bore is a circle of the nominal inside radius around the offset centre, made oval like
  // the outside; the wall is what lies between the two along the radius.
  const double e = boreOffset.at(z);
  const double relative = radians(angle - boreDirection(z));
  const double boreRadius = nominalOd / 2.0 - nominalWall;
  const double across = e * std::sin(relative);
  const double bore = e * std::cos(relative) + std::sqrt(boreRadius * boreRadius - across * across);
  return nominalOd / 2.0 - bore;
}

double PipeModel::wall(double z, double angle) const {
  double loss = 0.0;
  const double radius = nominalOd / 2.0;
  for (const Defect& defect : defects) {
    loss = std::max(loss, defect.lossAt(z, angle, radius));
  }
  return std::max(kThinnestWall, soundWall(z, angle) - loss);
}

double PipeModel::bowToward(double z, double angle) const {
  return bow * std::sin(std::numbers::pi * std::clamp(z / length, 0.0, 1.0)) *
         std::cos(radians(angle - bowAngle));
}

double PipeModel::eccentricityPercent(double z) const {
  const double direction = boreDirection(z);
  const double thickest = soundWall(z, direction + 180.0);
  const double thinnest = soundWall(z, direction);
  double sum = 0.0;
  for (int degree = 0; degree < 360; ++degree) {
    sum += soundWall(z, degree);
  }
  return (thickest - thinnest) / (sum / 360.0) * 100.0;
}

double PipeModel::ovalityPercent(double z) const {
  const double a = std::abs(ovality.at(z));
  return 4.0 * a / nominalOd * 100.0;
}

}  // namespace ductora::sim
