#include "render/plots/plot_frame.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "render/gl/panel_gl.h"

namespace ductora::render {
namespace {

// More grid lines than pixels would say nothing; the cap also keeps a tiny step from stalling.
constexpr int kMaxGridLines = 4096;

int Truncate(double value) { return static_cast<int>(value); }

void Colour(const Rgb& colour) { glColor3f(colour.r, colour.g, colour.b); }

void Segment(float x0, float y0, float x1, float y1) {
  glVertex2f(x0, y0);
  glVertex2f(x1, y1);
}

void DrawGrid(const PlotFrame& frame) {
  const float a = std::min(frame.xMin, frame.xMax);
  const float b = std::max(frame.xMin, frame.xMax);
  Colour(frame.gridColour);
  glBegin(GL_LINES);
  // The running values add up in single precision, so whether a line falls on the far edge is
  // decided as the sums fall.
  int lines = 0;
  if (frame.xStep > 0.0F) {
    for (float x = a; x <= b && lines < kMaxGridLines; x += frame.xStep, ++lines)
      Segment(x, frame.yMin, x, frame.yMax);
  }
  lines = 0;
  if (frame.yStep > 0.0F) {
    for (float y = frame.yMin; y <= frame.yMax && lines < kMaxGridLines; y += frame.yStep, ++lines)
      Segment(a, y, b, y);
  }
  glEnd();
}

// The y range of the series and the band it is drawn in: the range less half a pixel at each
// end, so that a line on the border is rasterised inside the plot area.
struct SeriesBand {
  float bottom = 0.0F;
  float top = 0.0F;
  float low = 0.0F;
  float high = 0.0F;
  float pixel = 0.0F;  // the data height of one pixel
};

SeriesBand BandOf(const PlotFrame& frame, const PlotRect& area) {
  SeriesBand band;
  band.bottom = std::min(frame.yMin, frame.yMax);
  band.top = std::max(frame.yMin, frame.yMax);
  band.pixel = (band.top - band.bottom) / static_cast<float>(std::max(area.height, 1));
  band.low = band.bottom + band.pixel / 2.0F;
  band.high = band.top - band.pixel / 2.0F;
  return band;
}

// The polyline of the samples: where a segment crosses a border it runs on to the border and then
// along it, so a value beyond the range lies on the border it crossed. A sample without a finite
// value (an infinite or undefined pressure) leaves a gap: a vertex there would send the rasteriser
// anywhere.
class SeriesLine {
 public:
  explicit SeriesLine(const SeriesBand& band) : band_(band) { glBegin(GL_LINE_STRIP); }
  ~SeriesLine() { glEnd(); }
  SeriesLine(const SeriesLine&) = delete;
  SeriesLine& operator=(const SeriesLine&) = delete;

  void Add(float x, float y) {
    if (!std::isfinite(y)) {
      glEnd();
      glBegin(GL_LINE_STRIP);
      previous_ = false;
      return;
    }
    if (previous_) {
      // Upwards the bottom border comes first, downwards the top one.
      const bool up = y > y_;
      Cross(x, y, up ? band_.bottom : band_.top, up ? band_.low : band_.high);
      Cross(x, y, up ? band_.top : band_.bottom, up ? band_.high : band_.low);
    }
    glVertex2f(x, std::clamp(y, band_.low, band_.high));
    previous_ = true;
    x_ = x;
    y_ = y;
  }

 private:
  // Where the segment from the previous sample to (x, y) passes the border, when it does.
  void Cross(float x, float y, float border, float drawnAt) const {
    if ((y_ < border) == (y < border) || y_ == border || y == border) return;
    glVertex2f(x_ + (border - y_) / (y - y_) * (x - x_), drawnAt);
  }

  const SeriesBand& band_;
  bool previous_ = false;
  float x_ = 0.0F;
  float y_ = 0.0F;
};

// A value beyond the range is marked by a red tick standing into the plot area from its border.
constexpr Rgb kOutOfRangeRed{1.0F, 0.0F, 0.0F};
constexpr float kTickPixels = 5.0F;

template <typename Sample>
void DrawSeries(const PlotFrame& frame, const PlotRect& area, std::span<const Sample> samples) {
  if (samples.empty()) return;
  const SeriesBand band = BandOf(frame, area);
  const auto xOf = [&frame](std::size_t i) { return static_cast<float>(i) * frame.xPerSample; };
  Colour(frame.seriesColour);
  {
    SeriesLine line(band);
    for (std::size_t i = 0; i < samples.size(); ++i) line.Add(xOf(i), static_cast<float>(samples[i]));
  }
  Colour(kOutOfRangeRed);
  glBegin(GL_LINES);
  const float tick = band.pixel * kTickPixels;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const auto value = static_cast<float>(samples[i]);
    if (!std::isfinite(value)) continue;
    if (value < band.bottom) Segment(xOf(i), band.low, xOf(i), band.low + tick);
    if (value > band.top) Segment(xOf(i), band.high, xOf(i), band.high - tick);
  }
  glEnd();
}

void DrawReferenceLines(const PlotFrame& frame) {
  glBegin(GL_LINES);
  if (frame.xLine != 0.0F) {
    Colour(frame.xLineColour);
    Segment(frame.xLine, frame.yMin, frame.xLine, frame.yMax);
  }
  if (frame.yLine != 0.0F) {
    Colour(frame.yLineColour);
    Segment(frame.xMin, frame.yLine, frame.xMax, frame.yLine);
  }
  glEnd();
}

// printf into a string, ending where a zero unit character ends it.
template <typename... Args>
std::string Format(const char* format, Args... args) {
  char text[64];
  std::snprintf(text, sizeof text, format, args...);
  return std::string(text, std::strlen(text));
}

int Length(const std::string& text) { return static_cast<int>(text.size()); }

// Labels and titles in pixels of the rectangle, with texturing on only while they are drawn.
template <typename Draw>
void InPixels(const PlotRect& rect, Draw draw) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0.0, rect.width, 0.0, rect.height, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glEnable(GL_TEXTURE_2D);
  // Over the grid and the series whatever the depth they left: a label is never crossed.
  const bool depthTest = glIsEnabled(GL_DEPTH_TEST) == GL_TRUE;
  glDisable(GL_DEPTH_TEST);
  draw();
  if (depthTest) glEnable(GL_DEPTH_TEST);
  glDisable(GL_TEXTURE_2D);
  glPopMatrix();
}

void DrawYLabels(PlotFont& font, const PlotFrame& frame) {
  const int width = frame.rect.width;
  const int height = frame.rect.height;
  InPixels(frame.rect, [&] {
    font.cellSize = 10;
    const int leftEdge = Truncate(width * 0.15) >= 70 ? 70 : Truncate(width * 0.15);
    const auto labelX = [leftEdge](const std::string& text) {
      return std::max(leftEdge - 10 * Length(text), 0);
    };
    const std::string low = Format("%.3f%c", static_cast<double>(frame.yMin), frame.yUnit);
    const int lowY = Truncate(height * 0.1) < 35 ? Truncate(height * 0.1) : 35;
    DrawPlotText(font, labelX(low), lowY, low);
    const std::string high = Format("%.3f%c", static_cast<double>(frame.yMax), frame.yUnit);
    DrawPlotText(font, labelX(high), height - 10, high);
    // One character a line: the title reads downwards in one column.
    font.cellSize = 12;
    font.wrapWidth = 13;
    DrawPlotText(font, 0, height / 2 + 12 * Length(frame.yTitle) / 2, frame.yTitle);
  });
}

void DrawXLabels(PlotFont& font, const PlotFrame& frame) {
  const int width = frame.rect.width;
  InPixels(frame.rect, [&] {
    font.wrapWidth = static_cast<std::uint32_t>(width) + font.cellSize;
    font.cellSize = 10;
    const std::string low = Format("%i%c", static_cast<int>(frame.xMin), frame.xUnit);
    DrawPlotText(font, Truncate(width * 0.15) < 70 ? Truncate(width * 0.15) : 70, 10, low);
    const std::string high = Format("%i%c", static_cast<int>(frame.xMax), frame.xUnit);
    DrawPlotText(font, width - 10 * Length(high), 10, high);
    font.cellSize = 10;
    DrawPlotText(font, width / 2 - 10 * Length(frame.xTitle) / 2, 5, frame.xTitle);
  });
}

template <typename Sample>
void DrawFrame(PlotFont* font, const PlotFrame& frame, std::span<const Sample> samples) {
  const PlotRect area = PlotArea(frame.rect);
  SetPlotViewport(area, frame.xMin, frame.xMax, frame.yMin, frame.yMax);
  // Lines in their own colours: a texture left bound would tint them.
  glDisable(GL_TEXTURE_2D);
  DrawGrid(frame);
  glDisable(GL_DEPTH_TEST);
  DrawSeries(frame, area, samples);
  DrawReferenceLines(frame);
  glEnable(GL_DEPTH_TEST);
  if (font == nullptr) return;
  SetPlotViewport(frame.rect, frame.xMin, frame.xMax, frame.yMin, frame.yMax);
  DrawYLabels(*font, frame);
  DrawXLabels(*font, frame);
}

}  // namespace

PlotRect PlotArea(const PlotRect& rect) {
  const int left = Truncate(rect.width * 0.15);
  const int bottom = Truncate(rect.height * 0.1);
  if (left < 70 && bottom < 35)
    return {rect.x + left, rect.y + bottom, Truncate(rect.width * 0.85), Truncate(rect.height * 0.9)};
  return {rect.x + 70, rect.y + 35, rect.width - 70, rect.height - 35};
}

void SetPlotViewport(const PlotRect& rect, float xMin, float xMax, float yMin, float yMax) {
  const double ratio = PlotPixelRatio();
  const auto device = [ratio](int logical) { return static_cast<GLint>(std::lround(logical * ratio)); };
  glViewport(device(rect.x), device(rect.y), device(rect.width), device(rect.height));
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(xMin, xMax, yMin, yMax, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void DrawPlotFrame(PlotFont* font, const PlotFrame& frame, std::span<const std::uint16_t> samples) {
  DrawFrame(font, frame, samples);
}
void DrawPlotFrame(PlotFont* font, const PlotFrame& frame, std::span<const std::int16_t> samples) {
  DrawFrame(font, frame, samples);
}
void DrawPlotFrame(PlotFont* font, const PlotFrame& frame, std::span<const double> samples) {
  DrawFrame(font, frame, samples);
}
void DrawPlotFrame(PlotFont* font, const PlotFrame& frame, std::span<const float> samples) {
  DrawFrame(font, frame, samples);
}

}  // namespace ductora::render
