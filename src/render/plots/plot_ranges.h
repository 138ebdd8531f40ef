#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "data/format/pipe_file.h"

namespace ductora::render {

// The y range a line plot hands to the frame. The rules below may leave it empty, inverted or
// not finite; UsableRange decides what is drawn then.
struct AxisRange {
  float low = 0.0F;
  float high = 0.0F;

  friend bool operator==(const AxisRange&, const AxisRange&) = default;
};

// Gray-scale limits rounded out to whole hundredths: the lower limit down to its ten, the upper
// one up to the next ten unless it is one already. In the limits' own units (thousandths).
AxisRange LimitsRange(int lower, int upper);
// Wall on the y axis: the wall limits, in inches (raw traces keep thousandths).
AxisRange WallRange(const PipeHeader& header);
// Diameters on the y axis: the OD offset limits in inches about a centre diameter.
AxisRange OdRange(const PipeHeader& header, double centre);
// % CSA: the extremes widened to at least 99.5 .. 100.5, then to whole percent.
AxisRange CsaRange(double lowPercent, double highPercent);
// Eccentricity: the smallest value truncated, the largest rounded up.
AxisRange EccentricityRange(std::span<const float> series);
// Ovality: half to twice the mean.
AxisRange OvalityRange(std::span<const float> series);
// Straightness: -3.000 to 3.010, or to 3.000 when the upper OD offset is 3000.
AxisRange StraightnessRange(std::int16_t upperOdOffset);

// Pressures: the finite values' extremes, the top then 10 higher unless it equals the upper
// wall limit. A revolution without a wall input (kNoWallPressure) only counts for the bottom
// when no revolution has one. When no value lies above the bottom (a flat series), the bottom is
// lowered by as much as the top stands above it, so the line is not hidden in the border.
AxisRange CollapseRange(std::span<const double> series, std::uint16_t upperWall);
// Burst: whole-psi extremes of the positive values, reaching at least 100 psi past the
// reference pressure on the side it lies; a reference that is not finite is left out.
AxisRange BurstRange(std::span<const double> series, double reference, std::uint16_t upperWall);
// API nominal burst with 87.5 % of the wall: 1.75 Y / (calibration OD / nominal wall).
double BurstReference(const PipeFile& pipe);

// What the frame can draw: nothing for a range that is not finite; an inverted range turned the
// right way up; an empty one widened by a grid step each way, so its flat line stands in the
// middle.
std::optional<AxisRange> UsableRange(AxisRange range, float step);

}  // namespace ductora::render
