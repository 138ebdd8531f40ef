#include "render/pipe3d/pipe_markers.h"

#include <GL/gl.h>

namespace ductora::render {
namespace {

// Texturing off and blending on while a marker is drawn; both as they were afterwards.
class MarkerState {
 public:
  MarkerState()
      : texturing_(glIsEnabled(GL_TEXTURE_2D) == GL_TRUE), blending_(glIsEnabled(GL_BLEND) == GL_TRUE) {
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_DST_COLOR, GL_ONE_MINUS_SRC_ALPHA);
  }
  ~MarkerState() {
    if (texturing_) glEnable(GL_TEXTURE_2D);
    if (!blending_) glDisable(GL_BLEND);
  }
  MarkerState(const MarkerState&) = delete;
  MarkerState& operator=(const MarkerState&) = delete;

 private:
  bool texturing_;
  bool blending_;
};

// The green top marker turned to the angular cursor on the current pipe.
void DrawAngleMarker(const PipeString& string, const Quadric& marker, const PipeFile& current, float radius) {
  glPushMatrix();
  glRotatef(string.angle, 0.0F, 0.0F, 1.0F);
  glRotatef(-current.rotationZ(), 0.0F, 0.0F, 1.0F);
  glColor4f(0.0F, 1.0F, 0.0F, 0.9F);
  DrawPipeTopMarker(marker, radius);
  glPopMatrix();
}

}  // namespace

void DrawPipeTopMarker(const Quadric& marker, float radius) {
  const MarkerState state;
  glPushMatrix();
  glTranslatef(0.0F, radius, 0.0F);
  glPushMatrix();
  glRotatef(90.0F, 1.0F, 0.0F, 0.0F);
  DrawCylinder(marker, 0.0, 0.5, 2.5, 3, 2);
  glPopMatrix();
  glPushMatrix();
  glRotatef(-90.0F, 1.0F, 0.0F, 0.0F);
  DrawCylinder(marker, 0.0, 1.0, 5.0, 3, 2);
  glPopMatrix();
  glPopMatrix();
}

void DrawCursorMarker(const PipeString& string, const Quadric& marker, float radius) {
  const PipeFile* current = string.current();
  if (current == nullptr) return;
  const MarkerState state;
  DrawAngleMarker(string, marker, *current, radius);
  glColor4f(0.0F, 0.0F, 1.0F, 0.3F);
  DrawDisk(marker, radius - 1.0, radius + 1.0, 180, 2);
}

void DrawStraightMarker(const PipeString& string, const Quadric& marker, float radius) {
  const PipeFile* current = string.current();
  if (current == nullptr) return;
  const MarkerState state;
  DrawAngleMarker(string, marker, *current, radius);
  glColor4f(1.0F, 0.0F, 0.0F, 0.999F);
  glPushMatrix();
  // The view puts the cursor point at the origin: the current pipe starts at z = X.
  glTranslatef(0.0F, 0.0F, string.position);
  glScalef(1.0F, 1.0F, -1.0F);
  glDisable(GL_DEPTH_TEST);
  DrawCylinder(marker, radius, radius, current->pipeLength(), 360, 2);
  glEnable(GL_DEPTH_TEST);
  glPopMatrix();
}

}  // namespace ductora::render
