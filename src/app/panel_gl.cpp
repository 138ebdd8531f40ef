#include <GL/gl.h>

#include <cmath>
#include <numbers>

#include "app/panels.h"
#include "app/pending_hooks.h"

namespace ductora {
namespace {

constexpr float kViewBlue[4] = {0.35F, 0.45F, 0.69F, 1.0F};

void perspective(double fieldOfViewDegrees, double aspect, double nearPlane, double farPlane) {
  const double top = nearPlane * std::tan(fieldOfViewDegrees * std::numbers::pi / 360.0);
  const double right = top * aspect;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glFrustum(-right, right, -top, top, nearPlane, farPlane);
  glMatrixMode(GL_MODELVIEW);
}

void orthographic(double width, double height) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
}

void drawPipeView(AppState& app) {
  if (!app.windows.makeCurrent(kPipeViewPanel)) return;
  glViewport(0, 0, app.windows.width(kPipeViewPanel), app.windows.height(kPipeViewPanel));
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  drawWatermark(app);
  perspective(45.0, 1.333, 0.1, 10000.0);
  glLoadIdentity();
  glPushMatrix();
  drawPipeViewBody(app);
  glPopMatrix();
  app.windows.swapBuffers();
}

void drawPlot(AppState& app, const PlotPanel& panel) {
  if (!app.windows.makeCurrent(panel.id)) return;
  const int width = app.windows.width(panel.id);
  const int height = app.windows.height(panel.id);
  glViewport(0, 0, width, height);
  if (panel.pixelProjection) orthographic(width, height);
  if (panel.id == kSlicePanel) {
    glClearColor(kViewBlue[0], kViewBlue[1], kViewBlue[2], kViewBlue[3]);
  } else {
    glClearColor(1.0F, 1.0F, 1.0F, 1.0F);
  }
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glPushMatrix();
  if (panel.id != kSlicePanel || app.sliceEnabled == 1) drawPlotBody(app, panel.id, width, height);
  glPopMatrix();
  app.windows.swapBuffers();
}

}  // namespace

void initPanelGl(AppState& app, PanelId id) {
  if (!app.windows.makeCurrent(id)) return;
  if (id == kPipeViewPanel) {
    glClearColor(kViewBlue[0], kViewBlue[1], kViewBlue[2], kViewBlue[3]);
    perspective(45.0, 1.333, 10.0, 10000.0);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    loadWatermark(app);
    return;
  }
  const PlotPanel* panel = FindPlotPanel(id);
  if (panel == nullptr) return;
  if (panel->blueClear) {
    glClearColor(kViewBlue[0], kViewBlue[1], kViewBlue[2], kViewBlue[3]);
  } else {
    glClearColor(1.0F, 1.0F, 1.0F, 1.0F);
  }
  orthographic(1.0, 1.0);
  glLoadIdentity();
  glEnable(GL_TEXTURE_2D);
  loadPlotFont(app, id);
}

void drawPanel(AppState& app, PanelId id) {
  if (id == kPipeViewPanel) {
    drawPipeView(app);
  } else if (const PlotPanel* panel = FindPlotPanel(id)) {
    drawPlot(app, *panel);
  }
}

}  // namespace ductora
