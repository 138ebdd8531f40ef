#include "report/page_canvas.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <memory>
#include <string>

namespace ductora::report {

namespace {

// Points per millimetre and the two papers.
constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr PageSize kLetter = {612.0, 792.0};
constexpr PageSize kA4 = {210.0 * kPointsPerMm, 297.0 * kPointsPerMm};

struct LayoutDeleter {
  void operator()(PangoLayout* layout) const { g_object_unref(layout); }
};
struct FontDeleter {
  void operator()(PangoFontDescription* font) const { pango_font_description_free(font); }
};

// Named families, so a page sets the same way wherever fontconfig would otherwise choose.
std::unique_ptr<PangoLayout, LayoutDeleter> MakeLayout(cairo_t* cr, std::string_view text, const Font& font) {
  std::unique_ptr<PangoLayout, LayoutDeleter> layout(pango_cairo_create_layout(cr));
  std::unique_ptr<PangoFontDescription, FontDeleter> description(pango_font_description_new());
  pango_font_description_set_family(description.get(), font.mono ? "DejaVu Sans Mono" : "DejaVu Sans");
  pango_font_description_set_weight(description.get(), font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_absolute_size(description.get(), font.size * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), description.get());
  pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
  return layout;
}

}  // namespace

PageSize PaperSize(Paper paper, bool landscape) {
  const PageSize portrait = paper == Paper::kA4 ? kA4 : kLetter;
  return landscape ? PageSize{portrait.height, portrait.width} : portrait;
}

double Canvas::Text(double x, double y, std::string_view text, const Font& font, Align align,
                    double wrapWidth) const {
  const auto layout = MakeLayout(cr_, text, font);
  if (wrapWidth > 0.0) {
    pango_layout_set_width(layout.get(), static_cast<int>(wrapWidth * PANGO_SCALE));
    pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
  }
  int width = 0;
  int height = 0;
  pango_layout_get_size(layout.get(), &width, &height);
  const double w = static_cast<double>(width) / PANGO_SCALE;
  const double left = align == Align::kLeft ? x : align == Align::kCenter ? x - w / 2.0 : x - w;
  cairo_move_to(cr_, left, y);
  pango_cairo_show_layout(cr_, layout.get());
  cairo_new_path(cr_);
  return static_cast<double>(height) / PANGO_SCALE;
}

double Canvas::TextWidth(std::string_view text, const Font& font) const {
  const auto layout = MakeLayout(cr_, text, font);
  int width = 0;
  int height = 0;
  pango_layout_get_size(layout.get(), &width, &height);
  return static_cast<double>(width) / PANGO_SCALE;
}

void Canvas::Colour(const BandColour& colour) const {
  cairo_set_source_rgb(cr_, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
}

void Canvas::Gray(double level) const { cairo_set_source_rgb(cr_, level, level, level); }

void Canvas::Line(double x0, double y0, double x1, double y1, double width) const {
  cairo_set_line_width(cr_, width);
  cairo_move_to(cr_, x0, y0);
  cairo_line_to(cr_, x1, y1);
  cairo_stroke(cr_);
}

void Canvas::FillRect(double x, double y, double w, double h) const {
  cairo_rectangle(cr_, x, y, w, h);
  cairo_fill(cr_);
}

void Canvas::StrokeRect(double x, double y, double w, double h, double width) const {
  cairo_set_line_width(cr_, width);
  cairo_rectangle(cr_, x, y, w, h);
  cairo_stroke(cr_);
}

void Canvas::Swatch(double x, double y, double w, double h, const BandColour& colour, int bands) const {
  // Stripes with a gap between them, as bands are painted round a joint.
  const double stripe = w / (2.0 * bands - 1.0);
  Colour(colour);
  for (int i = 0; i < bands; ++i) {
    FillRect(x + 2.0 * i * stripe, y, stripe, h);
  }
  Gray(0.0);
  StrokeRect(x, y, w, h, 0.4);
}

}  // namespace ductora::report
