#pragma once

#include <string_view>

#include "analysis/grading/band_colour.h"

using cairo_t = struct _cairo;

namespace ductora::report {

enum class Paper { kLetter, kA4 };

struct PageSize {
  double width = 0.0;  // points
  double height = 0.0;
};
PageSize PaperSize(Paper paper, bool landscape);

// Every page keeps this much white around what is drawn on it.
constexpr double kMargin = 36.0;

enum class Align { kLeft, kCenter, kRight };
struct Font {
  double size = 8.5;  // points
  bool bold = false;
  bool mono = false;
};

// Drawing helpers over one cairo context: text through pango, in points from the page's top left.
class Canvas {
 public:
  Canvas(cairo_t* cr, PageSize size) : cr_(cr), size_(size) {}

  cairo_t* context() const { return cr_; }
  PageSize size() const { return size_; }

  // Text with its top at y, placed at x by `align`; wrapped at `wrapWidth` when one is given,
  // else one line. Returns the height set.
  double Text(double x, double y, std::string_view text, const Font& font = {}, Align align = Align::kLeft,
              double wrapWidth = 0.0) const;
  double TextWidth(std::string_view text, const Font& font = {}) const;

  void Colour(const BandColour& colour) const;
  void Gray(double level) const;  // 0 black .. 1 white
  void Line(double x0, double y0, double x1, double y1, double width = 0.5) const;
  void FillRect(double x, double y, double w, double h) const;
  void StrokeRect(double x, double y, double w, double h, double width = 0.5) const;
  // The painted band of a class: `bands` stripes of its colour in a box, outlined.
  void Swatch(double x, double y, double w, double h, const BandColour& colour, int bands) const;

 private:
  cairo_t* cr_;
  PageSize size_;
};

}  // namespace ductora::report
