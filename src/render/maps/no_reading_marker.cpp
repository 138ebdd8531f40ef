#include "render/maps/no_reading_marker.h"

#include <GL/gl.h>

namespace ductora::render {

void DrawNoReadingMarker(const PipeFile& pipe, const MapCursor& cursor) {
  const WallMatrix& wall = pipe.wallMatrix;
  if (!wall.hasNoReadingMask() || wall.columns == 0) return;
  const float c = MapCircumference(pipe);
  const float scroll = -pipe.rotationZ() / 360.0F + cursor.scroll;
  const auto columns = static_cast<float>(wall.columns);
  const float cellWidth = 4.0F * c / columns;

  glPushMatrix();
  const MapPlacement placement = PlaceMap(pipe, MapKind::kWall);
  const float rowDepth = static_cast<float>(placement.span.length) / static_cast<float>(wall.rows);
  const bool texturing = glIsEnabled(GL_TEXTURE_2D) == GL_TRUE;
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_CULL_FACE);
  glDisable(GL_DEPTH_TEST);
  glColor3f(1.0F, 0.5F, 0.0F);
  glBegin(GL_QUADS);
  for (std::uint32_t r = 0; r < wall.rows; ++r) {
    const float z0 = -static_cast<float>(r) * rowDepth;
    const float z1 = z0 - rowDepth;
    for (std::uint32_t col = 0; col < wall.columns; ++col) {
      if (wall.noReading[std::size_t{r} * wall.columns + col] == 0) continue;
      // The map image holds the columns mirrored; texture s of a column's left edge, as DrawMap
      // lays s = scroll at y = +2C and s = 1 + scroll at y = -2C.
      const float s = (columns - 1.0F - static_cast<float>(col)) / columns;
      const float y0 = WrapAcross(2.0F * c - 4.0F * c * (s - scroll), c);
      // Just in front of the map, as its cursor lines are.
      glVertex3f(0.0005F, y0, z0);
      glVertex3f(0.0005F, y0 - cellWidth, z0);
      glVertex3f(0.0005F, y0 - cellWidth, z1);
      glVertex3f(0.0005F, y0, z1);
    }
  }
  glEnd();
  glEnable(GL_DEPTH_TEST);
  if (texturing) glEnable(GL_TEXTURE_2D);
  glPopMatrix();
}

}  // namespace ductora::render
