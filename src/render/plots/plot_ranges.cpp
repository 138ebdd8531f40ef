#include "render/plots/plot_ranges.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/pressures/pressure_series.h"

namespace ductora::render {
namespace {

// Where the pressure scans start: above any pressure a pipe holds, and at zero.
constexpr double kPressureBottomStart = 30000.0;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The top of a pressure plot stands 10 psi above the highest value, unless that equals the
// upper wall limit.
double PressureTop(double top, std::uint16_t upperWall) { return top == upperWall ? top : top + 10.0; }

}  // namespace

AxisRange LimitsRange(int lower, int upper) {
  const int top = upper / 10 * 10;
  return {static_cast<float>(lower / 10 * 10), static_cast<float>(top == upper ? top : top + 10)};
}

AxisRange WallRange(const PipeHeader& header) {
  const AxisRange mils = LimitsRange(header.lowerWall, header.upperWall);
  return {mils.low / 1000.0F, mils.high / 1000.0F};
}

AxisRange OdRange(const PipeHeader& header, double centre) {
  const AxisRange mils = LimitsRange(header.lowerOdOffset, header.upperOdOffset);
  return {static_cast<float>(mils.low / 1000.0 + centre), static_cast<float>(mils.high / 1000.0 + centre)};
}

AxisRange CsaRange(double lowPercent, double highPercent) {
  if (lowPercent > 99.5) lowPercent = 99.5;
  if (lowPercent <= 0.0) lowPercent = 90.0;
  if (highPercent < 100.5) highPercent = 100.5;
  return {static_cast<float>(std::trunc(lowPercent)), static_cast<float>(std::ceil(highPercent))};
}

AxisRange EccentricityRange(std::span<const float> series) {
  if (series.empty()) return {};
  const auto [low, high] = std::minmax_element(series.begin(), series.end());
  return {std::trunc(*low), std::ceil(*high)};
}

AxisRange OvalityRange(std::span<const float> series) {
  if (series.empty()) return {};
  double sum = 0.0;
  for (const float value : series) sum += value;
  const double mean = sum / static_cast<double>(series.size());
  return {static_cast<float>(mean / 2.0), static_cast<float>(mean * 2.0)};
}

AxisRange StraightnessRange(std::int16_t upperOdOffset) {
  return {-3.0F, upperOdOffset == 3000 ? 3.0F : 3.01F};
}

AxisRange CollapseRange(std::span<const double> series, std::uint16_t upperWall) {
  double bottom = kPressureBottomStart;
  double top = 0.0;
  double highest = -kInfinity;
  bool wallInput = false;
  for (const double value : series) {
    if (!std::isfinite(value)) continue;
    highest = std::max(highest, value);
    if (value != kNoWallPressure) {
      wallInput = true;
      bottom = std::min(bottom, value);
    }
    top = std::max(top, value);
  }
  // Nothing chosen for the wall: every revolution lies at -100, which the plot then shows.
  if (!wallInput && !series.empty()) bottom = std::min(bottom, kNoWallPressure);
  const double high = PressureTop(top, upperWall);
  // Pipe-wide choices give every revolution the same pressure, which the rule puts on the bottom
  // border: the bottom then goes as far below it as the top stands above, so the line runs through
  // the middle.
  if (highest != -kInfinity && highest <= bottom) bottom -= high - bottom;
  return {static_cast<float>(bottom), static_cast<float>(high)};
}

AxisRange BurstRange(std::span<const double> series, double reference, std::uint16_t upperWall) {
  // Whole psi, as the integers the limits are kept in.
  double bottom = kPressureBottomStart;
  double top = 0.0;
  for (const double value : series) {
    if (!std::isfinite(value)) continue;
    if (value > 0.0 && value < bottom) bottom = std::trunc(value);
    if (value > top) top = std::trunc(value);
  }
  if (std::isfinite(reference)) {
    if (bottom > reference) bottom = std::trunc(reference - 100.0);
    if (top < reference) top = std::trunc(reference + 100.0);
  }
  return {static_cast<float>(bottom), static_cast<float>(PressureTop(top, upperWall))};
}

double BurstReference(const PipeFile& pipe) {
  const double dOverT = pipe.header.calibrationOd / (pipe.header.nominalWall / 1000.0);
  return 1.75 * pipe.yieldStrength / dOverT;
}

std::optional<AxisRange> UsableRange(AxisRange range, float step) {
  if (!std::isfinite(range.low) || !std::isfinite(range.high)) return std::nullopt;
  if (range.low > range.high) std::swap(range.low, range.high);
  if (range.low == range.high) {
    const float widen = std::isfinite(step) && step > 0.0F ? step : 1.0F;
    range.low -= widen;
    range.high += widen;
  }
  // A range too wide for single precision to tell its ends apart once widened.
  if (!(range.low < range.high)) return std::nullopt;
  return range;
}

}  // namespace ductora::render
