#pragma once

#include <vector>

#include "sim/defect.h"

namespace ductora::sim {

// A slowly varying quantity along the pipe: mean + amplitude x sin(2 pi z / wavelength + phase).
struct AlongPipe {
  double mean = 0.0;
  double amplitude = 0.0;
  double wavelength = 1.0;  // inches
  double phase = 0.0;       // radians

  double at(double z) const;
};

// The true geometry of one pipe. Lengths in inches, angles in degrees from the 12 o'clock of the
// first wall probe. z runs from 0 at the start of the pipe to its length.
struct PipeModel {
  double nominalOd = 7.0;
  double nominalWall = 0.362;
  double length = 480.0;

  // Eccentric bore: offset of the bore centre (inches) and its direction (degrees), both drifting.
  AlongPipe boreOffset;
  double borePhase = 0.0;       // direction at z = 0
  double borePhaseTurns = 0.0;  // turns of that direction over the whole pipe
  // Ovality: the radius of both surfaces varies by amplitude x cos(2 (angle - direction)).
  AlongPipe ovality;
  double ovalityPhase = 0.0;
  double ovalityPhaseTurns = 0.0;
  // Bow: the centre line leaves the straight line by bow x sin(pi z / length) towards bowAngle.
  double bow = 0.0;
  double bowAngle = 0.0;

  std::vector<Defect> defects;

  double boreDirection(double z) const;
  double ovalityDirection(double z) const;
  // Radial deviation of both surfaces from round, inches.
  double ovalityAt(double z, double angle) const;
  double outsideRadius(double z, double angle) const;
  // Caliper diameter through the centre along angle.
  double diameter(double z, double angle) const;
  // Wall thickness along the radius at angle, without local defects.
  double soundWall(double z, double angle) const;
  // Wall thickness with every defect's loss.
  double wall(double z, double angle) const;
  // Centre line deflection (inches) seen towards angle.
  double bowToward(double z, double angle) const;
  // Eccentricity and ovality in percent at z, as the measures define them (max - min over mean).
  double eccentricityPercent(double z) const;
  double ovalityPercent(double z) const;
};

}  // namespace ductora::sim
