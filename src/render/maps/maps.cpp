#include "render/maps/maps.h"

#include <GL/gl.h>

#include <cmath>

#include "analysis/placement/display_rows.h"

namespace ductora::render {
namespace {

// Where a map lies along the displayed pipe (the placement every view reads rows through) and
// whether it is mirrored; the ID matrix is built from display places, already mirrored.
struct MapSource {
  DisplaySpan span;
  bool displayOrder = false;
  bool present = false;
};

MapSource SourceOf(const PipeFile& pipe, MapKind kind) {
  switch (kind) {
    case MapKind::kWall:
      return {WallSpan(pipe), false, pipe.wallMatrix.present()};
    case MapKind::kOd:
      return {OdSpan(pipe), false, pipe.odMatrix.present()};
    case MapKind::kId:
      return {IdSpan(pipe), true, pipe.idMatrix.present()};
  }
  return {};
}

// Lines over the map, in front of it and never hidden by it.
void Line(float r, float g, float b, float y0, float z0, float y1, float z1) {
  glColor3f(r, g, b);
  glBegin(GL_LINES);
  glVertex3f(0.001F, y0, z0);
  glVertex3f(0.001F, y1, z1);
  glEnd();
}

}  // namespace

float WrapAcross(float y, float c) {
  const float turn = 4.0F * c;
  if (!(turn > 0.0F) || !std::isfinite(y)) return -2.0F * c;
  if (std::abs(y) > 64.0F * turn) y = std::fmod(y, turn);
  while (y < -2.0F * c) y += turn;
  while (y > 2.0F * c) y -= turn;
  return y;
}

float MapCircumference(const PipeFile& pipe) { return kMapPi * static_cast<float>(pipe.header.nominalOd); }

MapPlacement PlaceMap(const PipeFile& pipe, MapKind kind) {
  const MapSource source = SourceOf(pipe, kind);
  const MapPlacement placement{source.span, pipe.flipped() && !source.displayOrder};
  const DisplaySpan& span = placement.span;
  // The pipe's frame (its start at z = 0, X inches along at z = -X), then the map's own: row 0's
  // edge at z = 0, running to z = -length.
  glTranslated(0.0, 0.0, pipe.cursorPosition());
  if (span.reversed) {
    glTranslated(0.0, 0.0, -(span.start + span.length));
    glScalef(1.0F, 1.0F, -1.0F);
  } else {
    glTranslated(0.0, 0.0, -span.start);
  }
  if (placement.flipped) glScalef(1.0F, -1.0F, 1.0F);
  return placement;
}

void DrawMap(const PipeFile& pipe, MapKind kind, std::uint32_t texture, const MapCursor& cursor) {
  const MapSource source = SourceOf(pipe, kind);
  if (!source.present || texture == 0) return;
  const bool texturing = glIsEnabled(GL_TEXTURE_2D) == GL_TRUE;
  if (!texturing) glEnable(GL_TEXTURE_2D);

  const float c = MapCircumference(pipe);
  const float scroll = -pipe.rotationZ() / 360.0F + cursor.scroll;
  const float axial = cursor.axial;
  float angular = cursor.angular;

  glPushMatrix();
  const MapPlacement placement = PlaceMap(pipe, kind);
  const DisplaySpan& span = placement.span;
  const auto length = static_cast<float>(span.length);
  // The axial line in the map's own frame, which runs back from the far end when reversed.
  const float axialLine = span.reversed ? axial - static_cast<float>(span.start + span.length)
                                        : -(axial - static_cast<float>(span.start));
  // Mirrored around the circumference: the angle the cursor stands at is a whole turn less it.
  if (placement.flipped) angular = 360.0F - angular;

  glColor4f(1.0F, 1.0F, 1.0F, 1.0F);
  glBindTexture(GL_TEXTURE_2D, texture);
  glDisable(GL_CULL_FACE);
  glBegin(GL_QUADS);
  glTexCoord2f(1.0F + scroll, 0.0F);
  glVertex3f(0.0F, -2.0F * c, 0.0F);
  glTexCoord2f(1.0F + scroll, 1.0F);
  glVertex3f(0.0F, -2.0F * c, -length);
  glTexCoord2f(scroll, 1.0F);
  glVertex3f(0.0F, 2.0F * c, -length);
  glTexCoord2f(scroll, 0.0F);
  glVertex3f(0.0F, 2.0F * c, 0.0F);
  glEnd();

  // Untextured, or the lines would take the shade of the last texel and vanish over black.
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_DEPTH_TEST);
  Line(1.0F, 0.0F, 0.0F, -2.0F * c, 0.0F, 2.0F * c, 0.0F);
  if (cursor.isCurrent) {
    // The cursor is in degrees, whatever the samples per revolution.
    const float y = WrapAcross(4.0F * c * scroll - 2.0F * c + (angular / 360.0F) * 4.0F * c, c);
    Line(0.0F, 1.0F, 0.0F, y, 0.0F, y, -length);
    Line(0.0F, 0.0F, 1.0F, -2.0F * c, axialLine, 2.0F * c, axialLine);
  }
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_TEXTURE_2D);
  glPopMatrix();

  if (!texturing) glDisable(GL_TEXTURE_2D);
}

}  // namespace ductora::render
