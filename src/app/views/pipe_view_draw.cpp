#include "app/views/pipe_view_draw.h"

#include <functional>

#include "render/gl/panel_gl.h"
#include "render/maps/indication_circles.h"
#include "render/maps/map_textures.h"
#include "render/maps/map_views.h"
#include "render/pipe3d/pipe_3d.h"

namespace ductora {
namespace {

using render::MapKind;
using render::OverlayArrangement;

void drawModeView(const AppState& app) {
  const PipeString& string = app.pipeString;
  switch (app.viewMode) {
    case ViewMode::k3DWall:
      render::Draw3DWallView(string);
      return;
    case ViewMode::k3DOd:
      render::Draw3DOdView(string);
      return;
    case ViewMode::k3DId:
      render::Draw3DIdView(string);
      return;
    case ViewMode::kIndications:
      render::DrawIndicationView(string, app.indicationPath);
      return;
    case ViewMode::k2DWall:
      render::DrawSingleMapView(string, MapKind::kWall);
      return;
    case ViewMode::k2DOd:
      render::DrawSingleMapView(string, MapKind::kOd);
      return;
    case ViewMode::k2DId:
      render::DrawSingleMapView(string, MapKind::kId);
      return;
    case ViewMode::k2DWall2DOd:
      render::DrawMapPairView(string, MapKind::kWall, MapKind::kOd);
      return;
    case ViewMode::k2DWall2DId:
      render::DrawMapPairView(string, MapKind::kWall, MapKind::kId);
      return;
    case ViewMode::k2DOd2DId:
      render::DrawMapPairView(string, MapKind::kOd, MapKind::kId);
      return;
    case ViewMode::k2DWallOverlayLeft:
      render::DrawOverlayView(string, MapKind::kWall, OverlayArrangement::kLeft);
      return;
    case ViewMode::k2DWallOverlayTop:
      render::DrawOverlayView(string, MapKind::kWall, OverlayArrangement::kTop);
      return;
    case ViewMode::k2DOdOverlayLeft:
      render::DrawOverlayView(string, MapKind::kOd, OverlayArrangement::kLeft);
      return;
    case ViewMode::k2DOdOverlayTop:
      render::DrawOverlayView(string, MapKind::kOd, OverlayArrangement::kTop);
      return;
    case ViewMode::kNone:
      return;
  }
}

}  // namespace

void drawPipeView(AppState& app) {
  if (!app.windows.makeCurrent(kPipeViewPanel)) return;
  render::BeginFrame(app.windows.width(kPipeViewPanel), app.windows.height(kPipeViewPanel));
  // Pipes loaded since the last frame get their textures once, here in the view's context.
  app.pipeString.forEachPipe(render::BuildMissingMapTextures);
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

namespace {

void inPipeViewContext(AppState& app, const std::function<void()>& work) {
  const int previous = app.windows.currentSlot();
  if (!app.windows.makeCurrent(kPipeViewPanel)) return;
  work();
  // Back to the panel that was drawing, if one was.
  if (previous > kPipeViewPanel) app.windows.makeCurrent(previous);
}

}  // namespace

void releasePipeTextures(AppState& app, PipeFile& pipe) {
  if (pipe.mapTextures.empty()) return;
  inPipeViewContext(app, [&pipe] { render::ReleaseMapTextures(pipe); });
}

void rebuildMapTexture(AppState& app, PipeFile& pipe, render::MapKind kind) {
  // Without the pipe view there is no texture to replace; the first frame makes it.
  if (app.windows.window(kPipeViewPanel) == nullptr) return;
  inPipeViewContext(app, [&pipe, kind] {
    switch (kind) {
      case render::MapKind::kWall:
        render::BuildWallMapTexture(pipe);
        break;
      case render::MapKind::kOd:
        render::BuildOdMapTexture(pipe);
        break;
      case render::MapKind::kId:
        render::BuildIdMapTexture(pipe);
        break;
    }
  });
}

}  // namespace ductora
