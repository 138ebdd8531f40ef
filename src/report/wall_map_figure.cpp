#include "report/wall_map_figure.h"

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <numbers>

#include "analysis/placement/display_rows.h"
#include "render/maps/gray_scale.h"
#include "report/report_text.h"

namespace ductora::report {

namespace {

// More rows than this are merged, each pixel showing the thinnest of its rows, so a long joint
// keeps its thin spots and its page stays small and quick.
constexpr std::int64_t kMaxPixelsAlong = 900;
constexpr double kLegendWidth = 10.0;
constexpr double kLegendRoom = 52.0;

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// Column x = pixels along, row 0 = the last display column (angles grow upwards).
Surface MapImage(const PipeFile& pipe, const DisplayRows& rows) {
  const WallMatrix& wall = pipe.wallMatrix;
  const auto columns = static_cast<std::int64_t>(wall.columns);
  const std::int64_t width = std::min(rows.rows, kMaxPixelsAlong);
  Surface surface(
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(width), static_cast<int>(columns)));
  cairo_surface_flush(surface.get());
  unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  std::vector<std::uint16_t> thinnest(static_cast<std::size_t>(columns));
  for (std::int64_t x = 0; x < width; ++x) {
    std::fill(thinnest.begin(), thinnest.end(), UINT16_MAX);
    for (std::int64_t i = x * rows.rows / width; i < (x + 1) * rows.rows / width; ++i) {
      const std::int64_t row = rows.RowOf(rows.offset + i);
      for (std::int64_t c = 0; c < columns; ++c) {
        const std::int64_t column = rows.flipped ? FlipColumn(c, columns) : c;
        thinnest[static_cast<std::size_t>(c)] =
            std::min(thinnest[static_cast<std::size_t>(c)],
                     wall.at(static_cast<std::size_t>(row), static_cast<std::size_t>(column)));
      }
    }
    for (std::int64_t c = 0; c < columns; ++c) {
      const std::uint8_t shade = render::GrayShade(thinnest[static_cast<std::size_t>(c)],
                                                   pipe.header.upperWall, pipe.header.lowerWall);
      auto* pixel = reinterpret_cast<std::uint32_t*>(data + (columns - 1 - c) * stride) + x;
      *pixel = 0xFF000000U | shade << 16U | shade << 8U | shade;
    }
  }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

void DrawLegend(const Canvas& canvas, const Box& map, const PipeHeader& header) {
  cairo_t* cr = canvas.context();
  const double x = map.x + map.width + 8.0;
  cairo_pattern_t* ramp = cairo_pattern_create_linear(0.0, map.y, 0.0, map.y + map.height);
  cairo_pattern_add_color_stop_rgb(ramp, 0.0, 0.0, 0.0, 0.0);
  cairo_pattern_add_color_stop_rgb(ramp, 1.0, 1.0, 1.0, 1.0);
  cairo_set_source(cr, ramp);
  canvas.FillRect(x, map.y, kLegendWidth, map.height);
  cairo_pattern_destroy(ramp);
  canvas.Gray(0.0);
  canvas.StrokeRect(x, map.y, kLegendWidth, map.height, 0.5);
  // Black at the upper limit, white at the lower one, as the map shades.
  canvas.Text(x + kLegendWidth + 2.0, map.y - 3.0, Number(header.upperWall / 1000.0), {6.5});
  canvas.Text(x + kLegendWidth + 2.0, map.y + map.height - 6.0, Number(header.lowerWall / 1000.0), {6.5});
  canvas.Text(x + kLegendWidth + 2.0, map.y + map.height / 2.0 - 4.0, "in wall", {6.5});
}

}  // namespace

void DrawWallMap(const Canvas& canvas, const Box& box, const PipeFile& pipe, const ThinnestSpot& thinnest) {
  const WallMatrix& wall = pipe.wallMatrix;
  const DisplayRows rows = WallDisplayRows(pipe);
  if (!wall.present() || rows.rows <= 0 || wall.columns == 0 || !(wall.deltaX > 0.0)) {
    canvas.Gray(0.0);
    canvas.Text(box.x, box.y, "No wall map: the file holds no wall matrix.", {8.5});
    return;
  }
  const double start = rows.offset * wall.deltaX;
  const double end = (rows.offset + rows.rows) * wall.deltaX;
  const PlotScale scale{{box.x, box.y, box.width - kLegendRoom, box.height},
                        0.0,
                        std::max(end, static_cast<double>(pipe.pipeLength())),
                        0.0,
                        360.0};
  const Surface image = MapImage(pipe, rows);
  cairo_t* cr = canvas.context();
  cairo_save(cr);
  const double left = scale.X(start);
  cairo_translate(cr, left, scale.box.y);
  cairo_scale(cr, (scale.X(end) - left) / cairo_image_surface_get_width(image.get()),
              scale.box.height / cairo_image_surface_get_height(image.get()));
  cairo_set_source_surface(cr, image.get(), 0.0, 0.0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  cairo_restore(cr);
  DrawAxes(canvas, scale, "inches along the pipe", "Wall map (degrees around)", 0.0, 90.0, 0);
  DrawLegend(canvas, scale.box, pipe.header);
  if (thinnest.found) {
    const double x = scale.X(thinnest.position);
    const double y = scale.Y(thinnest.angle + wall.deltaY / 2.0);
    cairo_set_source_rgb(cr, 0.85, 0.0, 0.0);
    cairo_set_line_width(cr, 1.2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, 6.0, 0.0, 2.0 * std::numbers::pi);
    cairo_stroke(cr);
    canvas.Line(x - 10.0, y, x - 6.0, y, 1.0);
    canvas.Line(x + 6.0, y, x + 10.0, y, 1.0);
  }
}

}  // namespace ductora::report
