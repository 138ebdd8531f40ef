#include "sim/pipe_generator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ductora::sim {

namespace {

// Defects keep clear of the pipe ends, where the wall data do not reach.
constexpr double kEndClearance = 8.0;
constexpr int kPlacementTries = 50;

// A patch is pitted unevenly: the deepest pocket is wide enough to be measured at full depth.
void addPockets(Defect& patch, Random& random) {
  const int count = static_cast<int>(random.integer(4, 10));
  for (int i = 0; i < count; ++i) {
    Pocket pocket;
    pocket.radius = i == 0 ? random.uniform(0.5, 0.8) : random.uniform(0.2, 0.6);
    pocket.along = random.uniform(-0.5, 0.5) * std::max(0.0, patch.length - 2 * pocket.radius);
    pocket.around = random.uniform(-0.5, 0.5) * std::max(0.0, patch.width - 2 * pocket.radius);
    pocket.depthFraction = i == 0 ? 1.0 : random.uniform(0.4, 0.9);
    patch.pockets.push_back(pocket);
  }
}

Defect randomDefect(const PipeModel& pipe, Random& random) {
  Defect defect;
  defect.kind = static_cast<DefectKind>(random.integer(0, 2));
  const double wall = pipe.nominalWall;
  switch (defect.kind) {
    case DefectKind::kPit:
      defect.length = random.uniform(0.6, 1.2);
      defect.width = defect.length;
      defect.depth = wall * random.uniform(0.15, 0.45);
      break;
    case DefectKind::kGouge:
      defect.length = random.uniform(2.0, 6.0);
      defect.width = random.uniform(0.3, 0.5);
      defect.depth = wall * random.uniform(0.10, 0.30);
      break;
    case DefectKind::kCorrosion:
      defect.length = random.uniform(4.0, 12.0);
      defect.width = random.uniform(1.5, 3.0);
      defect.depth = wall * random.uniform(0.10, 0.35);
      addPockets(defect, random);
      break;
  }
  defect.position =
      random.uniform(kEndClearance + defect.length / 2, pipe.length - kEndClearance - defect.length / 2);
  defect.angle = random.uniform(0.0, 360.0);
  return defect;
}

bool overlapsAny(const Defect& candidate, const std::vector<Defect>& defects) {
  return std::any_of(defects.begin(), defects.end(), [&candidate](const Defect& other) {
    return std::abs(candidate.position - other.position) < (candidate.length + other.length) / 2 + 1.0;
  });
}

}  // namespace

PipeModel generatePipeModel(const SimOptions& options, double length, Random& random) {
  PipeModel pipe;
  pipe.nominalOd = options.od;
  pipe.nominalWall = options.wall;
  pipe.length = length;
  const double wall = options.wall;

  pipe.boreOffset = {wall * random.uniform(0.025, 0.06), wall * random.uniform(0.005, 0.02),
                     random.uniform(120.0, 360.0), random.uniform(0.0, 2.0 * std::numbers::pi)};
  pipe.borePhase = random.uniform(0.0, 360.0);
  pipe.borePhaseTurns = random.uniform(-0.5, 0.5);
  pipe.ovality = {options.od * random.uniform(0.0015, 0.004), options.od * random.uniform(0.0002, 0.0008),
                  random.uniform(150.0, 400.0), random.uniform(0.0, 2.0 * std::numbers::pi)};
  pipe.ovalityPhase = random.uniform(0.0, 180.0);
  pipe.ovalityPhaseTurns = random.uniform(-0.25, 0.25);
  pipe.bow = random.uniform(0.02, 0.15) * length / 480.0;
  pipe.bowAngle = random.uniform(0.0, 360.0);

  if (length > 2 * kEndClearance + 14.0) {
    for (int i = 0; i < options.defects; ++i) {
      for (int attempt = 0; attempt < kPlacementTries; ++attempt) {
        const Defect candidate = randomDefect(pipe, random);
        if (!overlapsAny(candidate, pipe.defects)) {
          pipe.defects.push_back(candidate);
          break;
        }
      }
    }
    std::sort(pipe.defects.begin(), pipe.defects.end(),
              [](const Defect& a, const Defect& b) { return a.position < b.position; });
  }
  return pipe;
}

}  // namespace ductora::sim
