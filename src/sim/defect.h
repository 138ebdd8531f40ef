#pragma once

#include <string>
#include <vector>

namespace ductora::sim {

enum class DefectKind { kPit, kGouge, kCorrosion };

const char* defectKindName(DefectKind kind);

// A pocket of a corrosion patch: centre offset from the patch centre and radius in inches, depth
// as a fraction of the patch's depth.
struct Pocket {
  double along = 0.0;
  double around = 0.0;
  double radius = 0.0;
  double depthFraction = 1.0;
};

// A local wall loss on the bore side. Sizes in inches, angle in degrees from 12 o'clock.
// The loss is flat at full depth over the middle of the footprint and tapers to nothing at its rim.
struct Defect {
  DefectKind kind = DefectKind::kPit;
  double position = 0.0;        // centre, inches from the start of the pipe
  double angle = 0.0;           // centre
  double length = 0.0;          // along the pipe
  double width = 0.0;           // around the pipe, as arc length on the outside surface
  double depth = 0.0;           // at the flat bottom, or of the deepest pocket
  std::vector<Pocket> pockets;  // corrosion: a shallow general loss pitted by deeper pockets

  // Wall loss in inches at a point; outsideRadius turns the angular distance into an arc.
  double lossAt(double z, double angleDegrees, double outsideRadius) const;
  // Whether the point lies within the footprint.
  bool covers(double z, double angleDegrees, double outsideRadius) const;
};

// Signed smallest difference a - b in degrees, in (-180, 180].
double angleDifference(double a, double b);

}  // namespace ductora::sim
