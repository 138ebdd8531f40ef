#include "render/maps/map_views.h"

#include <GL/gl.h>

#include "render/maps/no_reading_marker.h"

namespace ductora::render {
namespace {

float Scroll(const ViewValues& view) { return -view.rotation[kAxisZ] / 360.0F; }

// How far the next pipe starts after this one.
float AdvanceLength(const PipeFile& pipe) { return pipe.pipeLength(); }
float OdLength(const PipeFile& pipe) { return pipe.odMatrix.length; }

void Tint() { glColor4f(1.0F, 1.0F, 1.0F, 0.5F); }

// The loaded pipes end to end; `between` runs inside the view's frame after the chain.
void DrawChain(const PipeScene& scene, float (*advance)(const PipeFile&), const SlotDraw& drawSlot,
               const std::function<void()>& between = {}) {
  const PipeString& string = scene.string;
  glPushMatrix();
  glTranslatef(0.0F, 0.0F, scene.view.depth);
  glRotatef(-90.0F, 0.0F, 1.0F, 0.0F);  // the pipe axis across the screen
  glPushMatrix();
  float offset = string.position + string.currentOffset();
  for (const PipeFile& pipe : string.loadedPipes()) {
    glTranslatef(0.0F, 0.0F, offset);
    Tint();
    drawSlot(pipe,
             {string.position, string.angle, Scroll(scene.view), pipe.stringIndex == string.currentIndex()});
    offset = -advance(pipe);
  }
  glPopMatrix();
  if (between) between();
  glPopMatrix();
}

void DrawMapOf(const PipeScene& scene, const PipeFile& pipe, MapKind kind, const MapCursor& cursor) {
  DrawMap(pipe, kind, scene.caches.TexturesOf(pipe).Of(kind), cursor);
  if (kind == MapKind::kWall && scene.view.noReading) DrawNoReadingMarker(pipe, cursor);
}

void DrawShifted(const PipeScene& scene, const PipeFile& pipe, MapKind kind, const MapCursor& cursor,
                 float y) {
  glPushMatrix();
  glTranslatef(0.0F, y, 0.0F);
  Tint();
  DrawMapOf(scene, pipe, kind, cursor);
  glPopMatrix();
}

}  // namespace

void DrawSingleMapView(const PipeScene& scene, MapKind kind) {
  DrawChain(scene, kind == MapKind::kOd ? OdLength : AdvanceLength,
            [&scene, kind](const PipeFile& pipe, const MapCursor& cursor) {
              DrawMapOf(scene, pipe, kind, cursor);
            });
}

void DrawMapChain(const PipeScene& scene, const SlotDraw& drawSlot) {
  DrawChain(scene, AdvanceLength, drawSlot);
}

void DrawMapPairView(const PipeScene& scene, MapKind lower, MapKind upper) {
  DrawChain(scene, OdLength, [&scene, lower, upper](const PipeFile& pipe, const MapCursor& cursor) {
    const float c = MapCircumference(pipe);
    DrawShifted(scene, pipe, lower, cursor, -2.2F * c);
    DrawShifted(scene, pipe, upper, cursor, 2.2F * c);
  });
}

void DrawOverlayView(const PipeScene& scene, MapKind kind, OverlayArrangement arrangement) {
  const PipeString& string = scene.string;
  const PipeFile* overlay = string.overlay();
  const bool top = arrangement == OverlayArrangement::kTop && overlay != nullptr;
  const auto drawSlot = [&scene, kind, top](const PipeFile& pipe, const MapCursor& cursor) {
    DrawShifted(scene, pipe, kind, cursor, top ? -2.05F * MapCircumference(pipe) : 0.0F);
  };
  // The overlay keeps its own place: it is not moved by the chain's offsets.
  const auto drawOverlay = [&] {
    if (overlay == nullptr) return;
    glPushMatrix();
    if (arrangement == OverlayArrangement::kTop) {
      glTranslatef(0.0F, 2.05F * MapCircumference(*overlay), 0.0F);
      glScalef(1.0F, -1.0F, 1.0F);
    } else {
      glScalef(1.0F, 1.0F, -1.0F);
    }
    Tint();
    // In the Left arrangement the overlay lies in the plane of the string's maps: an equal depth
    // must not hide it behind them.
    glDepthFunc(GL_LEQUAL);
    DrawMapOf(scene, *overlay, kind,
              {overlay->cursorPosition(), OverlayAngle(string), Scroll(scene.view), true});
    glDepthFunc(GL_LESS);
    glPopMatrix();
  };
  DrawChain(scene, AdvanceLength, drawSlot, drawOverlay);
}

float OverlayAngle(const PipeString& string) {
  const PipeFile* overlay = string.overlay();
  const PipeFile* current = string.current();
  if (overlay == nullptr || current == nullptr) return 0.0F;
  float angle = overlay->rotationZ() + string.angle + 360.0F - current->rotationZ();
  if (angle > 359.0F) angle -= 360.0F;
  if (angle < 0.0F) angle = 360.0F - angle;
  return angle;
}

}  // namespace ductora::render
