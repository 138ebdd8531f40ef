#include "app/views/pipe_view_draw.h"

#include "render/gl/panel_gl.h"
#include "render/maps/indication_circles.h"
#include "render/maps/map_views.h"
#include "render/pipe3d/pipe_3d.h"

namespace ductora {
namespace {

using render::MapKind;
using render::OverlayArrangement;

void drawModeView(AppState& app) {
  const render::PipeScene scene{app.pipeString, app.view, app.drawCaches};
  switch (app.viewMode) {
    case ViewMode::k3DWall:
      render::Draw3DWallView(scene);
      return;
    case ViewMode::k3DOd:
      render::Draw3DOdView(scene);
      return;
    case ViewMode::k3DId:
      render::Draw3DIdView(scene);
      return;
    case ViewMode::kIndications:
      render::DrawIndicationView(scene);
      return;
    case ViewMode::k2DWall:
      render::DrawSingleMapView(scene, MapKind::kWall);
      return;
    case ViewMode::k2DOd:
      render::DrawSingleMapView(scene, MapKind::kOd);
      return;
    case ViewMode::k2DId:
      render::DrawSingleMapView(scene, MapKind::kId);
      return;
    case ViewMode::k2DWall2DOd:
      render::DrawMapPairView(scene, MapKind::kWall, MapKind::kOd);
      return;
    case ViewMode::k2DWall2DId:
      render::DrawMapPairView(scene, MapKind::kWall, MapKind::kId);
      return;
    case ViewMode::k2DOd2DId:
      render::DrawMapPairView(scene, MapKind::kOd, MapKind::kId);
      return;
    case ViewMode::k2DWallOverlayLeft:
      render::DrawOverlayView(scene, MapKind::kWall, OverlayArrangement::kLeft);
      return;
    case ViewMode::k2DWallOverlayTop:
      render::DrawOverlayView(scene, MapKind::kWall, OverlayArrangement::kTop);
      return;
    case ViewMode::k2DOdOverlayLeft:
      render::DrawOverlayView(scene, MapKind::kOd, OverlayArrangement::kLeft);
      return;
    case ViewMode::k2DOdOverlayTop:
      render::DrawOverlayView(scene, MapKind::kOd, OverlayArrangement::kTop);
      return;
    case ViewMode::kNone:
      return;
  }
}

}  // namespace

void drawPipeView(AppState& app) {
  if (!app.windows.makeCurrent(kPipeViewPanel)) return;
  render::BeginFrame(app.windows.width(kPipeViewPanel), app.windows.height(kPipeViewPanel));
  // Textures live in the view's context: those of pipes that left memory go, and pipes loaded or
  // changed since the last frame get theirs here.
  app.drawCaches.ReleaseGone(app.pipeString);
  app.pipeString.forEachPipe([&app](const PipeFile& pipe) { app.drawCaches.PrepareTextures(pipe); });
  // The 3D views blend their markers over what lies behind them, the watermark among it; the
  // maps and their lines are opaque, so their watermark can come last, where nothing was drawn.
  const bool watermarkLast = !is3DViewMode(app.viewMode) && render::CanMarkWrittenPixels();
  if (watermarkLast) {
    render::BeginMarkingWrittenPixels();
  } else {
    render::DrawWatermarkBackdrop(app.watermarkBackdrop, app.watermarkTexture,
                                  app.windows.width(kPipeViewPanel), app.windows.height(kPipeViewPanel));
  }
  render::BeginPipeViewScene();
  drawModeView(app);
  render::EndPipeViewScene();
  if (watermarkLast) render::DrawWatermarkOnUnwrittenPixels(app.watermarkTexture);
  app.windows.swapBuffers();
}

}  // namespace ductora
