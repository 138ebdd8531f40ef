#include "render/gl/panel_gl.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace ductora::render {
namespace {

// The word-mark's space: 500 x 375 at 4:3, the mark across its whole width.
constexpr double kWatermarkWidth = 500.0;
constexpr double kWatermarkHeight = 375.0;

// Like the GL's own state, that of the panel being drawn: one panel draws at a time.
double plotPixelRatio = 1.0;

void SetClearColour(const ClearColour& clear) { glClearColor(clear.r, clear.g, clear.b, clear.a); }

}  // namespace

double ViewportAspect() {
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  return viewport[2] > 0 && viewport[3] > 0 ? static_cast<double>(viewport[2]) / viewport[3] : kViewAspect;
}

void SetPerspective(double nearPlane) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(kFieldOfViewDegrees, ViewportAspect(), nearPlane, kFarPlane);
  glMatrixMode(GL_MODELVIEW);
}

void SetPixelProjection(double width, double height) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
}

void InitPipeViewGl() {
  SetClearColour(kViewBlue);
  SetPerspective(kSetUpNearPlane);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_DEPTH_TEST);
}

void InitPlotPanelGl(const ClearColour& clear) {
  SetClearColour(clear);
  SetPixelProjection(1.0, 1.0);
  glLoadIdentity();
  glEnable(GL_TEXTURE_2D);
}

void BeginFrame(int width, int height, const ClearColour& clear) {
  SetClearColour(clear);
  BeginFrame(width, height);
}

void BeginFrame(int width, int height) {
  glViewport(0, 0, width, height);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

void SetWatermarkColour() { glColor4f(1.0F, 1.0F, 1.0F, 0.175F); }

void DrawWatermark(std::uint32_t texture) {
  glPushMatrix();
  glDisable(GL_DEPTH_TEST);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  const double halfWidth = kWatermarkHeight * ViewportAspect() / 2.0;
  glOrtho(kWatermarkWidth / 2.0 - halfWidth, kWatermarkWidth / 2.0 + halfWidth, 0.0, kWatermarkHeight, -1.0,
          1.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  SetWatermarkColour();
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);  // light lettering adds to the blue; black adds nothing
  glBindTexture(GL_TEXTURE_2D, texture);
  glBegin(GL_QUADS);
  glTexCoord2f(0.0F, 0.0F);
  glVertex2f(0.0F, 132.5F);
  glTexCoord2f(1.0F, 0.0F);
  glVertex2f(500.0F, 132.5F);
  glTexCoord2f(1.0F, 1.0F);
  glVertex2f(500.0F, 302.5F);
  glTexCoord2f(0.0F, 1.0F);
  glVertex2f(0.0F, 302.5F);
  glEnd();
  glDisable(GL_BLEND);
  glEnable(GL_DEPTH_TEST);
  glPopMatrix();
}

bool CanMarkWrittenPixels() {
  GLint bits = 0;
  glGetIntegerv(GL_STENCIL_BITS, &bits);
  return bits > 0;
}

void BeginMarkingWrittenPixels() {
  glEnable(GL_STENCIL_TEST);
  glStencilFunc(GL_ALWAYS, 1, 1);
  // A fragment that writes its colour, depth-tested or not, marks its pixel.
  glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
}

void DrawWatermarkOnUnwrittenPixels(std::uint32_t texture) {
  glStencilFunc(GL_EQUAL, 0, 1);
  glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
  DrawWatermark(texture);
  glDisable(GL_STENCIL_TEST);
}

void BeginPipeViewScene() {
  SetPerspective(kFrameNearPlane);
  glLoadIdentity();
  glPushMatrix();
}

void EndPipeViewScene() { glPopMatrix(); }

void BeginPlotPanel(int width, int height, bool pixelProjection, const ClearColour& clear,
                    double pixelRatio) {
  plotPixelRatio = pixelRatio > 0.0 ? pixelRatio : 1.0;
  if (pixelProjection) SetPixelProjection(width / plotPixelRatio, height / plotPixelRatio);
  glLineWidth(static_cast<GLfloat>(plotPixelRatio));
  BeginFrame(width, height, clear);
  glPushMatrix();
}

void EndPlotPanel() { glPopMatrix(); }

double PlotPixelRatio() { return plotPixelRatio; }

}  // namespace ductora::render
