#include "render/pipe3d/pipe_3d.h"

#include <GL/gl.h>

#include "analysis/placement/cursor_rows.h"
#include "analysis/placement/display_rows.h"
#include "render/pipe3d/pipe_markers.h"

namespace ductora::render {
namespace {

enum class Surface { kWall, kOd, kId };

float Radius(const PipeFile& pipe) { return static_cast<float>(pipe.header.nominalOd / 2.0); }

// Places a surface as the 2D maps place it: its matrix's span of the display along -z from the
// pipe's start, mirrored within the span for a reversed pipe, and around the circumference (about
// the top) for a flipped one. The ID matrix is built in display order and is placed as it stands.
void PlaceAsDisplayed(const PipeFile& pipe, const DisplaySpan& span, bool displayOrder) {
  if (span.reversed) {
    glTranslated(0.0, 0.0, -(span.start + span.length));
    glScalef(1.0F, 1.0F, -1.0F);
  } else {
    glTranslated(0.0, 0.0, -span.start);
  }
  if (pipe.flipped() && !displayOrder) glScalef(-1.0F, 1.0F, 1.0F);
}

// A map wrapped around the pipe's cylinder, along -z; revolution 0 where the data start.
void DrawMapCylinder(const PipeScene& scene, const PipeFile& pipe, std::uint32_t texture, bool displayOrder) {
  if (!pipe.wallMatrix.present() || texture == 0) return;
  const bool texturing = glIsEnabled(GL_TEXTURE_2D) == GL_TRUE;
  glEnable(GL_TEXTURE_2D);
  glPushMatrix();
  const DisplaySpan span = displayOrder ? IdSpan(pipe) : WallSpan(pipe);
  PlaceAsDisplayed(pipe, span, displayOrder);
  glRotatef(-pipe.rotationZ(), 0.0F, 0.0F, 1.0F);
  glRotatef(180.0F, 0.0F, 1.0F, 0.0F);  // built along +z, run along -z like the maps
  glColor4f(1.0F, 1.0F, 1.0F, 1.0F);
  glBindTexture(GL_TEXTURE_2D, texture);
  const float radius = Radius(pipe);
  DrawCylinder(scene.caches.PipeQuadric(pipe), radius, radius, static_cast<float>(span.length),
               static_cast<int>(pipe.wallMatrix.columns), 2);
  glPopMatrix();
  if (!texturing) glDisable(GL_TEXTURE_2D);
}

void DrawOdRelief(const PipeScene& scene, const PipeFile& pipe) {
  if (!pipe.odMatrix.present()) return;
  glPushMatrix();
  PlaceAsDisplayed(pipe, OdSpan(pipe), false);
  glRotatef(-pipe.rotationZ(), 0.0F, 0.0F, 1.0F);
  glRotatef(180.0F, 0.0F, 1.0F, 0.0F);
  glColor4f(1.0F, 1.0F, 1.0F, 1.0F);
  glBindTexture(GL_TEXTURE_2D, scene.caches.TexturesOf(pipe).od);
  glEnable(GL_TEXTURE_2D);
  if (scene.detail == FrameDetail::kMoving) {
    // A moving frame leaves out a relief not made yet rather than wait for it.
    if (const ReliefMesh* relief = scene.caches.ReliefIfMade(pipe)) {
      const bool current = &pipe == scene.string.current();
      DrawCoarseReliefMesh(*relief, current ? CursorOdRow(pipe, scene.string.position) : std::nullopt);
    }
  } else {
    DrawReliefMesh(scene.caches.Relief(pipe));
  }
  glPopMatrix();
}

void DrawSurface(const PipeScene& scene, const PipeFile& pipe, Surface surface) {
  switch (surface) {
    case Surface::kWall:
      DrawMapCylinder(scene, pipe, scene.caches.TexturesOf(pipe).wall, false);
      break;
    case Surface::kOd:
      DrawOdRelief(scene, pipe);
      break;
    case Surface::kId:
      DrawMapCylinder(scene, pipe, scene.caches.TexturesOf(pipe).id, true);
      break;
  }
}

void Draw3DView(const PipeScene& scene, Surface surface) {
  const PipeString& string = scene.string;
  const ViewValues& view = scene.view;
  glPushMatrix();
  glTranslatef(0.0F, 0.0F, view.depth);
  glRotatef(view.rotation[kAxisX], 1.0F, 0.0F, 0.0F);
  if (surface != Surface::kOd) glRotatef(view.rotation[kAxisY], 0.0F, 1.0F, 0.0F);
  glRotatef(-view.rotation[kAxisZ], 0.0F, 0.0F, 1.0F);
  glPushMatrix();
  const Quadric& marker = scene.caches.MarkerQuadric();
  float offset = string.position + string.currentOffset();
  for (const PipeFile& pipe : string.loadedPipes()) {
    glTranslatef(0.0F, 0.0F, offset);
    offset = -pipe.pipeLength();
    glColor4f(1.0F, 0.0F, 0.0F, 0.5F);
    DrawPipeTopMarker(marker, Radius(pipe));
    glColor4f(1.0F, 1.0F, 1.0F, 0.5F);
    DrawSurface(scene, pipe, surface);
  }
  glPopMatrix();
  if (const PipeFile* current = string.current()) {
    DrawCursorMarker(string, marker, Radius(*current));
    if (surface == Surface::kOd && view.straight) DrawStraightMarker(string, marker, Radius(*current));
  }
  glPopMatrix();
}

}  // namespace

void Draw3DWallView(const PipeScene& scene) { Draw3DView(scene, Surface::kWall); }
void Draw3DOdView(const PipeScene& scene) { Draw3DView(scene, Surface::kOd); }
void Draw3DIdView(const PipeScene& scene) { Draw3DView(scene, Surface::kId); }

}  // namespace ductora::render
