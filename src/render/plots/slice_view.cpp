#include "render/plots/slice_view.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdint>
#include <optional>

#include "analysis/placement/cursor_rows.h"
#include "render/gl/panel_gl.h"
#include "render/maps/gray_scale.h"

namespace ductora::render {
namespace {

constexpr float kRadiansPerDegree = 0.017453279F;

// Where the slice is taken and what it reads there.
struct Section {
  std::uint32_t samples = 0;            // n: the wall's samples per revolution, or the OD's
  std::optional<std::int64_t> wallRow;  // the wall row the display shows at the cursor
  std::optional<std::int64_t> odRow;    // the OD row shown there
  float turn = 0.0F;                    // degrees the picture turns: the pipe's rotation and the view's roll
};

template <typename Matrix>
bool Complete(const Matrix& matrix) {
  return matrix.columns > 0 && matrix.data.size() >= std::size_t{matrix.rows} * matrix.columns;
}

std::optional<Section> SectionAt(const PipeFile& pipe, float axialCursor, float roll) {
  const WallMatrix& wall = pipe.wallMatrix;
  const OdMatrix& od = pipe.odMatrix;
  const double degreesPerSample = wall.deltaY != 0.0 ? wall.deltaY : od.deltaY;
  const std::uint32_t samples = wall.columns != 0 ? wall.columns : od.columns;
  const double pitch = wall.deltaX != 0.0 ? wall.deltaX : od.deltaX;
  if (degreesPerSample == 0.0 || samples == 0 || pitch == 0.0) return std::nullopt;

  // The rows every other view shows at the cursor.
  const CursorPlace place = PlaceAtCursor(pipe, axialCursor, 0.0);
  Section section;
  section.samples = samples;
  if (Complete(wall) && wall.columns == samples) section.wallRow = place.wall.row;
  if (Complete(od)) section.odRow = place.od.row;
  section.turn = pipe.rotationZ() + roll;
  return section;
}

// Display angle (degrees) as the 3D views place it, seen along the pipe from the cursor: 0 at the
// top, counting counter-clockwise, turned back by the pipe's rotation and the view's roll.
float ScreenRadians(double degrees, float turn) {
  return static_cast<float>(degrees - turn + 90.0) * kRadiansPerDegree;
}

float SampleRadians(double sample, std::uint32_t samples, float turn) {
  return ScreenRadians(360.0 * sample / samples, turn);
}

void Vertex(float radians, float radius) {
  glVertex2f(std::cos(radians) * radius, std::sin(radians) * radius);
}

void Line(float fromRadians, float fromRadius, float toRadians, float toRadius) {
  glBegin(GL_LINES);
  Vertex(fromRadians, fromRadius);
  Vertex(toRadians, toRadius);
  glEnd();
}

void Circle(float radius, std::uint32_t samples) {
  glBegin(GL_LINE_STRIP);
  for (std::uint32_t j = 0; j <= samples; ++j) Vertex(SampleRadians(j, samples, 0.0F), radius);
  glEnd();
}

// The OD sample at the angle of sample k of n.
std::uint32_t OdColumn(std::uint32_t k, std::uint32_t samples, std::uint32_t odColumns) {
  if (odColumns == samples) return k;
  return static_cast<std::uint32_t>(std::uint64_t{k} * odColumns / samples);
}

void DrawRing(const PipeFile& pipe, const Section& section, float outer) {
  const std::uint32_t n = section.samples;
  const OdMatrix& od = pipe.odMatrix;
  const float upper = pipe.header.upperWall;
  const float lower = pipe.header.lowerWall;
  const float scale = pipe.header.displayScale;
  glBegin(GL_TRIANGLE_STRIP);
  for (std::uint32_t i = 0; i <= n; ++i) {
    std::uint32_t k = i % n;
    if (pipe.flipped()) k = n - 1 - k;
    const float wall = section.wallRow ? pipe.wallMatrix.at(static_cast<std::size_t>(*section.wallRow), k)
                                       : pipe.header.nominalWall;
    const float shade = GrayValue(wall, upper, lower);
    float outside = outer;
    if (section.odRow) {
      outside +=
          od.at(static_cast<std::size_t>(*section.odRow), OdColumn(k, n, od.columns)) / 1000.0F * scale;
    }
    const float inside = outside - wall / 1000.0F;
    const float angle = SampleRadians(i, n, section.turn);
    glColor3f(shade, shade, shade);
    Vertex(angle, outside);
    Vertex(angle, inside);
  }
  glEnd();
}

// Black along the largest diameter, white along the smallest: the first of equal ones wins.
void DrawDiameters(const PipeFile& pipe, std::size_t row, float outer, float turn) {
  const OdMatrix& od = pipe.odMatrix;
  const std::uint32_t half = od.columns / 2;
  const auto across = [&](std::uint32_t i) { return int{od.at(row, i)} + int{od.at(row, i + half)}; };
  std::uint32_t largest = 0;
  std::uint32_t smallest = 0;
  for (std::uint32_t i = 1; i < half; ++i) {
    if (across(i) > across(largest)) largest = i;
    if (across(i) < across(smallest)) smallest = i;
  }
  if (pipe.flipped()) {
    largest = od.columns - 1 - largest;
    smallest = od.columns - 1 - smallest;
  }
  const float turnHalf = 180.0F * kRadiansPerDegree;
  glColor3f(0.0F, 0.0F, 0.0F);
  const float large = SampleRadians(largest, od.columns, turn);
  Line(large, outer, large + turnHalf, outer);
  glColor3f(1.0F, 1.0F, 1.0F);
  const float small = SampleRadians(smallest, od.columns, turn);
  Line(small, outer, small + turnHalf, outer);
}

void DrawCursor(float angularCursor, float outer, float turn) {
  const float angle = ScreenRadians(angularCursor, turn);
  const float opposite = ScreenRadians(angularCursor + 180.0, turn);
  glColor3f(0.0F, 1.0F, 0.0F);
  Line(angle, outer, angle, 0.0F);
  glEnable(GL_LINE_STIPPLE);
  glLineStipple(3, 0xCCCC);
  Line(opposite, 0.0F, opposite, outer);
  glDisable(GL_LINE_STIPPLE);
}

}  // namespace

void DrawSliceView(const PipeFile& pipe, float axialCursor, float angularCursor, float roll) {
  const double diameter = pipe.header.nominalOd;
  if (!(diameter > 0.0) || !std::isfinite(diameter)) return;
  const std::optional<Section> section = SectionAt(pipe, axialCursor, roll);
  if (!section) return;

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // The section stays round in a panel of any shape.
  const double aspect = ViewportAspect();
  glOrtho(-diameter * aspect / 2.0, diameter * aspect / 2.0, -diameter / 2.0, diameter / 2.0, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glPushMatrix();
  // Plain colours: the panel's context keeps its font texture bound.
  const bool texturing = glIsEnabled(GL_TEXTURE_2D) == GL_TRUE;
  glDisable(GL_TEXTURE_2D);

  const auto outer = static_cast<float>(diameter / 2.0);
  DrawRing(pipe, *section, outer);
  const bool depthTest = glIsEnabled(GL_DEPTH_TEST) == GL_TRUE;
  glDisable(GL_DEPTH_TEST);
  glColor3f(1.0F, 0.5F, 0.0F);
  Circle(outer, section->samples);
  Circle(outer - pipe.header.nominalWall / 1000.0F, section->samples);
  if (section->odRow) DrawDiameters(pipe, static_cast<std::size_t>(*section->odRow), outer, section->turn);
  DrawCursor(angularCursor, outer, section->turn);
  if (depthTest) glEnable(GL_DEPTH_TEST);

  if (texturing) glEnable(GL_TEXTURE_2D);
  glPopMatrix();
}

}  // namespace ductora::render
