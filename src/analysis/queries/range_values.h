#pragma once

#include <cstdint>

#include "data/format/pipe_file.h"

namespace ductora {

// The extremes and averages of every measure over a stretch of the pipe, as the Pipe window shows
// them. Values in inches (wall, OD, ID), percent of nominal (CSA) or percent (eccentricity,
// ovality); positions in inches along the displayed pipe.

// Every real wall, OD and CSA value lies between these: the thresholds of the extreme queries.
constexpr double kRangeLowLimit = -3000.0;
constexpr double kRangeHighLimit = 3000.0;

struct RangeExtreme {
  double value = 0.0;
  double percent = 0.0;  // value / the group's average x 100 where the group shows it
  double position = 0.0;
};

struct RangeGroup {
  RangeExtreme min;
  RangeExtreme max;
  double average = 0.0;
  bool relative = false;  // the extremes carry a percent of the average
};

// The range as revolution indices: both positions over the OD pitch when the pipe has OD data,
// else over the wall pitch, truncated.
struct RangeIndices {
  std::int32_t from = 0;
  std::int32_t to = 0;
};

struct RangeValues {
  RangeIndices indices;
  RangeGroup wall;
  RangeGroup csa;
  RangeGroup average64;
  RangeGroup lowWall;
  RangeGroup eccentricity;
  RangeGroup ovality;
  RangeGroup od;
  RangeGroup id;
};

RangeIndices RangeIndicesOf(const PipeFile& pipe, double left, double right);

// Left and right in inches, either order. Fields whose data the pipe lacks are 0, and so is
// every percent of a one-position range or of a zero average.
RangeValues PipeRangeValues(const PipeFile& pipe, double left, double right);

}  // namespace ductora
