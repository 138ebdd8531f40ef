#include "report/joint_plots.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "analysis/placement/display_rows.h"
#include "render/maps/gray_scale.h"
#include "report/report_text.h"

namespace ductora::report {

namespace {

constexpr double kDegrees = std::numbers::pi / 180.0;
constexpr Font kNoteFont = {7.0};

void Dashed(cairo_t* cr, bool on) {
  const double dash[] = {3.0, 2.0};
  cairo_set_dash(cr, dash, on ? 2 : 0, 0.0);
}

}  // namespace

void DrawLowWallPlot(const Canvas& canvas, const Box& box, const PipeFile& pipe, const GradingRule& rule) {
  const WallMatrix& wall = pipe.wallMatrix;
  const DisplayRows rows = WallDisplayRows(pipe);
  const auto series = static_cast<std::int64_t>(wall.minWallPerRev.size());
  const double nominal = pipe.header.nominalWall / 1000.0;
  if (series == 0 || rows.rows <= 0 || !(wall.deltaX > 0.0)) {
    canvas.Gray(0.0);
    canvas.Text(box.x, box.y, "No Low Wall plot: the file holds no wall matrix.", kNoteFont);
    return;
  }
  const auto [low, high] = std::minmax_element(wall.minWallPerRev.begin(), wall.minWallPerRev.end());
  double yMin = *low / 1000.0;
  double yMax = std::max(*high / 1000.0, nominal);
  for (const GradeClass& c : rule.classes) {
    if (c.minRemainingPercent > 0.0) yMin = std::min(yMin, nominal * c.minRemainingPercent / 100.0);
  }
  const double pad = std::max(0.01, (yMax - yMin) * 0.08);
  const PlotScale scale{
      box, 0.0, std::max((rows.offset + rows.rows) * wall.deltaX, static_cast<double>(pipe.pipeLength())),
      std::max(0.0, yMin - pad), yMax + pad};
  cairo_t* cr = canvas.context();
  cairo_save(cr);
  cairo_rectangle(cr, box.x, box.y, box.width, box.height);
  cairo_clip(cr);
  Dashed(cr, true);
  for (const GradeClass& c : rule.classes) {
    if (c.minRemainingPercent <= 0.0) continue;
    const double y = scale.Y(nominal * c.minRemainingPercent / 100.0);
    // A white band would vanish on the page: its line is drawn gray.
    if (c.colour.red > 240 && c.colour.green > 240 && c.colour.blue > 240) {
      canvas.Gray(0.6);
    } else {
      canvas.Colour(c.colour);
    }
    canvas.Line(box.x, y, box.x + box.width, y, 0.8);
  }
  Dashed(cr, false);
  canvas.Gray(0.0);
  canvas.Line(box.x, scale.Y(nominal), box.x + box.width, scale.Y(nominal), 0.6);
  cairo_set_source_rgb(cr, 0.0, 0.2, 0.6);
  cairo_set_line_width(cr, 0.6);
  bool first = true;
  for (std::int64_t i = 0; i < rows.rows; ++i) {
    const std::int64_t row = rows.RowOf(rows.offset + i);
    if (row < 0 || row >= series) continue;
    const double x = scale.X((rows.offset + i + 0.5) * wall.deltaX);
    const double y = scale.Y(wall.minWallPerRev[static_cast<std::size_t>(row)] / 1000.0);
    if (first) {
      cairo_move_to(cr, x, y);
      first = false;
    } else {
      cairo_line_to(cr, x, y);
    }
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  DrawAxes(canvas, scale, "inches along the pipe", "Low Wall (inches; nominal solid, class limits dashed)");
}

void DrawSlice(const Canvas& canvas, const Box& box, const PipeFile& pipe, const ThinnestSpot& thinnest) {
  const WallMatrix& wall = pipe.wallMatrix;
  const double od = pipe.header.nominalOd;
  if (!thinnest.found || !(od > 0.0) || wall.columns == 0) {
    canvas.Gray(0.0);
    canvas.Text(box.x, box.y, "No Slice: no wall data or nominal OD.", kNoteFont);
    return;
  }
  const double cx = box.x + box.width / 2.0;
  const double cy = box.y + box.height / 2.0 + 4.0;
  const double scale = (std::min(box.width, box.height) - 20.0) / od;  // points per inch
  const double outer = od / 2.0 * scale;
  const auto columns = static_cast<std::int64_t>(wall.columns);
  const DisplayRows rows = WallDisplayRows(pipe);
  cairo_t* cr = canvas.context();
  const double step = 2.0 * std::numbers::pi / static_cast<double>(columns);
  for (std::int64_t c = 0; c < columns; ++c) {
    const std::int64_t column = rows.flipped ? FlipColumn(c, columns) : c;
    const std::uint16_t sample =
        wall.at(static_cast<std::size_t>(thinnest.row), static_cast<std::size_t>(column));
    const double inner = std::max(0.0, outer - sample / 1000.0 * scale);
    // 0 at the top and counter-clockwise: cairo's angles run clockwise from +x.
    // Each wedge reaches a little under the next, so no seam shows between them.
    const double a0 = -std::numbers::pi / 2.0 - (c + 1.4) * step;
    const double a1 = -std::numbers::pi / 2.0 - c * step;
    canvas.Gray(render::GrayValue(sample, pipe.header.upperWall, pipe.header.lowerWall));
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, outer, a0, a1);
    cairo_arc_negative(cr, cx, cy, inner, a1, a0);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  canvas.Gray(0.0);
  cairo_set_line_width(cr, 0.5);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, outer, 0.0, 2.0 * std::numbers::pi);
  cairo_stroke(cr);
  Dashed(cr, true);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, outer - pipe.header.nominalWall / 1000.0 * scale, 0.0, 2.0 * std::numbers::pi);
  cairo_stroke(cr);
  Dashed(cr, false);
  const double angle = (thinnest.angle + wall.deltaY / 2.0) * kDegrees;
  cairo_set_source_rgb(cr, 0.85, 0.0, 0.0);
  canvas.Line(cx, cy, cx - std::sin(angle) * (outer + 6.0), cy - std::cos(angle) * (outer + 6.0), 1.0);
  canvas.Gray(0.0);
  canvas.Text(box.x, box.y - 11.0, "Slice at " + Number(thinnest.position, 1) + " in (0 deg at the top)",
              {7.0, true});
}

}  // namespace ductora::report
