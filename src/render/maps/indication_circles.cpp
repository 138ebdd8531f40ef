#include "render/maps/indication_circles.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <unordered_set>
#include <vector>

#include "render/gl/view_volume.h"
#include "render/maps/map_views.h"

namespace ductora::render {
namespace {

constexpr int kCircleVertices = 100;
constexpr float kCircleRadius = 3.0F;
// Just in front of the map, as its cursor lines.
constexpr float kInFront = 0.001F;

// The unit circle in the plane x = 0.001, as the line loop draws it.
const std::array<float, 3 * kCircleVertices>& UnitCircle() {
  static const std::array<float, 3 * kCircleVertices> circle = [] {
    std::array<float, 3 * kCircleVertices> points{};
    for (int j = 0; j < kCircleVertices; ++j) {
      const double a = 2.0 * 3.141592653589793 * j / kCircleVertices;
      points[3 * j] = kInFront;
      points[3 * j + 1] = static_cast<float>(std::cos(a));
      points[3 * j + 2] = static_cast<float>(std::sin(a));
    }
    return points;
  }();
  return circle;
}

// A moving frame's circle strays from the true circle by at most this many pixels.
constexpr double kStrayPixels = 0.5;
constexpr int kFewestSegments = 8;

// cos and sin of the corners of a circle of that many segments, made once for each count.
const std::vector<float>& CircleCorners(int segments) {
  static thread_local std::array<std::vector<float>, kCircleVertices + 1> corners;
  std::vector<float>& of = corners[static_cast<std::size_t>(segments)];
  if (of.empty()) {
    for (int j = 0; j <= segments; ++j) {
      const double a = 2.0 * 3.141592653589793 * (j % segments) / segments;
      of.insert(of.end(), {static_cast<float>(std::cos(a)), static_cast<float>(std::sin(a))});
    }
  }
  return of;
}

// The circle of radius 3 about (y, z), one line per segment, into lines.
void AddCircleLines(std::vector<float>& lines, float y, float z, int segments) {
  const std::vector<float>& corners = CircleCorners(segments);
  for (int j = 0; j < segments; ++j) {
    for (const int corner : {j, j + 1}) {
      const float* c = corners.data() + 2 * corner;
      lines.insert(lines.end(), {2.0F * kInFront, y - kCircleRadius * c[0], z + kCircleRadius * c[1]});
    }
  }
}

// A moving frame's circle about (y, z), into lines. Left out off screen, and where an earlier
// circle's middle came within half a radius of its own on screen: thousands of indications
// crowd a pipe, and the outlines left out lie within a pixel or two of one drawn.
void AddMovingCircle(const ViewVolume& volume, std::vector<float>& lines,
                     std::unordered_set<std::uint64_t>& taken, float y, float z) {
  const std::array<float, 3> middle{2.0F * kInFront, y, z};
  const std::array<float, 3> rim{2.0F * kInFront, y + kCircleRadius, z};
  const std::optional<std::array<double, 2>> at = volume.WindowAt(middle.data());
  const std::optional<std::array<double, 2>> edge = volume.WindowAt(rim.data());
  if (!at || !edge) {
    // By the eye: its size on screen says nothing, and it is drawn whole.
    if (!volume.BoxOutside({middle[0], y - kCircleRadius, z - kCircleRadius},
                           {middle[0], y + kCircleRadius, z + kCircleRadius})) {
      AddCircleLines(lines, y, z, kCircleVertices);
    }
    return;
  }
  const double radius = std::hypot((*at)[0] - (*edge)[0], (*at)[1] - (*edge)[1]);
  if (!volume.NearViewport(*at, radius)) return;
  const double cell = std::max(1.0, radius / 2.0);
  const auto index = [cell](double pixels) {
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(std::floor(pixels / cell)));
  };
  if (!taken.insert(std::uint64_t{index((*at)[0])} << 32 | index((*at)[1])).second) return;
  AddCircleLines(lines, y, z, CircleSegments(radius));
}

}  // namespace

int CircleSegments(double radiusPixels) {
  // A chord of angle a lies r (1 - cos(a / 2)) inside the circle at its middle.
  if (!(radiusPixels > kStrayPixels)) return kFewestSegments;
  const double segments = std::ceil(3.141592653589793 / std::acos(1.0 - kStrayPixels / radiusPixels));
  return static_cast<int>(std::clamp(segments, double{kFewestSegments}, double{kCircleVertices}));
}

void DrawIndicationCircles(const PipeFile& pipe, const IndicationRecords& records, const MapCursor& cursor,
                           FrameDetail detail) {
  if (!pipe.wallMatrix.present() || records.count == 0) return;
  const float c = MapCircumference(pipe);
  const float scroll = cursor.scroll - pipe.rotationZ() / 360.0F;
  // Where the wall map lies, so a reversed or flipped pipe's circles move with its defects.
  const auto start = static_cast<float>(PlaceMap(pipe, MapKind::kWall).span.start);
  const ViewVolume volume = ViewVolume::Current();
  // Most of the pipes of the chain lie outside the view: their circles are not looked at one by one.
  const auto [nearest, furthest] =
      std::minmax_element(records.positionsInches.begin(),
                          records.positionsInches.begin() + static_cast<std::ptrdiff_t>(records.count));
  if (volume.BoxOutside({2.0F * kInFront, -2.0F * c - kCircleRadius, start - *furthest - kCircleRadius},
                        {2.0F * kInFront, 2.0F * c + kCircleRadius, start - *nearest + kCircleRadius})) {
    return;
  }
  glPushMatrix();
  const bool texturing = glIsEnabled(GL_TEXTURE_2D) == GL_TRUE;
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_DEPTH_TEST);
  glColor3f(1.0F, 0.0F, 0.0F);
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, UnitCircle().data());
  // A moving frame's circles, all of the pipe's, go to the GL in one array.
  static thread_local std::vector<float> lines;
  static thread_local std::unordered_set<std::uint64_t> taken;
  lines.clear();
  taken.clear();
  for (std::size_t i = 0; i < records.count; ++i) {
    const float y =
        WrapAcross(4.0F * c * scroll - 2.0F * c + (records.anglesDegrees[i] / 360.0F) * 4.0F * c, c);
    const float z = start - records.positionsInches[i];
    if (detail == FrameDetail::kMoving) {
      AddMovingCircle(volume, lines, taken, y, z);
      continue;
    }
    const float x = 2.0F * kInFront;
    if (volume.BoxOutside({x, y - kCircleRadius, z - kCircleRadius},
                          {x, y + kCircleRadius, z + kCircleRadius})) {
      continue;
    }
    glPushMatrix();
    glTranslatef(kInFront, y, z);
    glScalef(1.0F, -kCircleRadius, kCircleRadius);
    glDrawArrays(GL_LINE_LOOP, 0, kCircleVertices);
    glPopMatrix();
  }
  if (!lines.empty()) {
    glVertexPointer(3, GL_FLOAT, 0, lines.data());
    glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(lines.size() / 3));
  }
  glDisableClientState(GL_VERTEX_ARRAY);
  glEnable(GL_DEPTH_TEST);
  if (texturing) glEnable(GL_TEXTURE_2D);
  glPopMatrix();
}

void DrawIndicationView(const PipeScene& scene) {
  DrawSingleMapView(scene, MapKind::kWall);
  DrawMapChain(scene, [&scene](const PipeFile& pipe, const MapCursor& cursor) {
    DrawIndicationCircles(pipe, scene.caches.Indications(pipe), cursor, scene.detail);
  });
  // Again, so the map's lines stand over the circles; the maps themselves fail the depth test.
  DrawSingleMapView(scene, MapKind::kWall);
}

}  // namespace ductora::render
