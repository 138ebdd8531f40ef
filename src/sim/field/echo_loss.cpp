#include "sim/field/echo_loss.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ductora::sim {

namespace {

// Finite-difference step for the slope of the back wall, inches.
constexpr double kSlopeStep = 0.01;
// A flat pit bottom still scatters a little; a wall leaning by 45 degrees (slope 1) five times
// as much.
constexpr double kFlatBottom = 0.25;
constexpr double kMostLost = 0.9;
// How strongly one lost echo makes the next one lost: runs average 1 / (1 - goesOn) samples.
constexpr double kPersistence = 0.6;

double lossAt(const PipeModel& pipe, double z, double angle) {
  return pipe.soundWall(z, angle) - pipe.wall(z, angle);
}

}  // namespace

double echoLossChance(const PipeModel& pipe, double z, double angle, double scale) {
  const double loss = lossAt(pipe, z, angle);
  if (!(loss > 0.0) || !(scale > 0.0)) {
    return 0.0;
  }
  // The slope of the loss along the pipe and around it, per inch of surface.
  const double degreesPerStep = kSlopeStep / (pipe.nominalOd / 2.0) * 180.0 / std::numbers::pi;
  const double along = (lossAt(pipe, z + kSlopeStep, angle) - lossAt(pipe, z - kSlopeStep, angle)) / 2.0;
  const double around =
      (lossAt(pipe, z, angle + degreesPerStep) - lossAt(pipe, z, angle - degreesPerStep)) / 2.0;
  const double slope = std::hypot(along, around) / kSlopeStep;
  const double depth = loss / pipe.nominalWall;
  return std::min(kMostLost, scale * depth * (kFlatBottom + slope));
}

double echoLossGoesOn(double chance) { return chance + (1.0 - chance) * kPersistence; }

double echoLossStarts(double chance) { return chance * (1.0 - kPersistence); }

}  // namespace ductora::sim
