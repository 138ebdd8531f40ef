#include "report/plot_axes.h"

#include <cmath>

#include "report/report_text.h"

namespace ductora::report {

namespace {

constexpr Font kTickFont = {6.5};
constexpr Font kTitleFont = {7.0, true};
constexpr double kTick = 3.0;

// Tick values from the first multiple of step at or above min to max.
template <typename Each>
void ForTicks(double min, double max, double step, Each each) {
  const double first = std::ceil(min / step - 1e-9) * step;
  for (int i = 0; first + i * step <= max + step * 1e-9 && i < 1000; ++i) each(first + i * step);
}

}  // namespace

double NiceStep(double span, int ticks) {
  if (!(span > 0.0)) return 1.0;
  const double raw = span / ticks;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double m : {1.0, 2.0, 5.0}) {
    if (raw <= m * power) return m * power;
  }
  return 10.0 * power;
}

void DrawAxes(const Canvas& canvas, const PlotScale& s, const std::string& xTitle, const std::string& yTitle,
              double xStep, double yStep, int yDecimals) {
  const Box& b = s.box;
  canvas.Gray(0.0);
  canvas.StrokeRect(b.x, b.y, b.width, b.height, 0.6);
  const double dx = xStep > 0.0 ? xStep : NiceStep(s.xMax - s.xMin, 8);
  const double dy = yStep > 0.0 ? yStep : NiceStep(s.yMax - s.yMin, 5);
  ForTicks(s.xMin, s.xMax, dx, [&](double v) {
    const double x = s.X(v);
    canvas.Line(x, b.y + b.height, x, b.y + b.height + kTick, 0.5);
    canvas.Text(x, b.y + b.height + kTick + 1.0, Number(v, dx < 1.0 ? 1 : 0), kTickFont, Align::kCenter);
  });
  ForTicks(s.yMin, s.yMax, dy, [&](double v) {
    const double y = s.Y(v);
    canvas.Line(b.x - kTick, y, b.x, y, 0.5);
    canvas.Text(b.x - kTick - 1.5, y - 4.0, Number(v, yDecimals), kTickFont, Align::kRight);
  });
  canvas.Text(b.x + b.width / 2.0, b.y + b.height + 12.0, xTitle, kTitleFont, Align::kCenter);
  canvas.Text(b.x, b.y - 11.0, yTitle, kTitleFont);
}

}  // namespace ductora::report
