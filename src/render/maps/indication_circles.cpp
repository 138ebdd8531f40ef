#include "render/maps/indication_circles.h"

#include <GL/gl.h>

#include <array>
#include <cmath>

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

}  // namespace

void DrawIndicationCircles(const PipeFile& pipe, const IndicationRecords& records, const MapCursor& cursor) {
  if (!pipe.wallMatrix.present() || records.count == 0) return;
  const float c = MapCircumference(pipe);
  const float scroll = cursor.scroll - pipe.rotationZ() / 360.0F;
  glPushMatrix();
  // Where the wall map lies, so a reversed or flipped pipe's circles move with its defects.
  const auto start = static_cast<float>(PlaceMap(pipe, MapKind::kWall).span.start);
  const ViewVolume volume = ViewVolume::Current();
  const bool texturing = glIsEnabled(GL_TEXTURE_2D) == GL_TRUE;
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_DEPTH_TEST);
  glColor3f(1.0F, 0.0F, 0.0F);
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, UnitCircle().data());
  for (std::size_t i = 0; i < records.count; ++i) {
    const float y =
        WrapAcross(4.0F * c * scroll - 2.0F * c + (records.anglesDegrees[i] / 360.0F) * 4.0F * c, c);
    const float z = start - records.positionsInches[i];
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
  glDisableClientState(GL_VERTEX_ARRAY);
  glEnable(GL_DEPTH_TEST);
  if (texturing) glEnable(GL_TEXTURE_2D);
  glPopMatrix();
}

void DrawIndicationView(const PipeScene& scene) {
  DrawSingleMapView(scene, MapKind::kWall);
  DrawMapChain(scene, [&scene](const PipeFile& pipe, const MapCursor& cursor) {
    DrawIndicationCircles(pipe, scene.caches.Indications(pipe), cursor);
  });
  // Again, so the map's lines stand over the circles; the maps themselves fail the depth test.
  DrawSingleMapView(scene, MapKind::kWall);
}

}  // namespace ductora::render
