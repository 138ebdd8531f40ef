#include "app/views/pipe_view_draw.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "render/gl/panel_gl.h"
#include "render/maps/indication_circles.h"
#include "render/maps/map_views.h"
#include "render/pipe3d/pipe_3d.h"

namespace ductora {
namespace {

using render::MapKind;
using render::OverlayArrangement;

void drawModeView(AppState& app) {
  const render::PipeScene scene{app.pipeString, app.view, app.drawCaches, app.frameDetail};
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

// Textures live in the view's context: those of pipes that left memory go, and pipes loaded or
// changed since the last frame get theirs, and their relief in the 3D OD view. A moving frame
// makes what the current and overlay pipes lack at once but only one texture or relief of
// another pipe, the nearest to the current one first, so a pipe read into the window does not
// hold up a frame; a still frame makes everything.
void prepareDrawing(AppState& app) {
  render::DrawCaches& caches = app.drawCaches;
  PipeString& string = app.pipeString;
  caches.ReleaseGone(string);
  // The 3D OD view draws the loaded pipes' reliefs; the overlay and the third pipe show as maps.
  const bool relief = app.viewMode == ViewMode::k3DOd;
  const auto prepare = [&caches](const PipeFile* pipe, bool withRelief) {
    while (pipe != nullptr && caches.PrepareOne(*pipe, withRelief)) {
    }
  };
  prepare(string.overlay(), false);
  prepare(string.thirdPipe.get(), false);
  if (app.frameDetail == render::FrameDetail::kStill) {
    for (const PipeFile& pipe : string.loadedPipes()) prepare(&pipe, relief);
    return;
  }
  prepare(string.current(), relief);
  std::vector<const PipeFile*> others;
  for (const PipeFile& pipe : string.loadedPipes()) others.push_back(&pipe);
  const auto distance = [&string](const PipeFile* pipe) {
    return std::abs(static_cast<std::int64_t>(pipe->stringIndex) - string.currentIndex());
  };
  std::ranges::stable_sort(others, {}, distance);
  for (const PipeFile* pipe : others) {
    if (caches.PrepareOne(*pipe, relief)) return;
  }
}

}  // namespace

void drawPipeView(AppState& app) {
  if (!app.windows.makeCurrent(kPipeViewPanel)) return;
  const int width = app.windows.width(kPipeViewPanel);
  const int height = app.windows.height(kPipeViewPanel);
  // A moving 3D view fills a quarter of the pixels; the maps keep all of theirs, where a pit shows.
  const bool reduced = app.frameDetail == render::FrameDetail::kMoving && is3DViewMode(app.viewMode);
  // Textures made before the frame's first drawing: the GL need not finish drawing to take them.
  prepareDrawing(app);
  if (reduced) {
    app.reducedPicture.BeginFrame(width, height);
  } else {
    render::BeginFrame(width, height);
  }
  // The 3D views blend their markers over what lies behind them, the watermark among it; the
  // maps and their lines are opaque, so their watermark can come last, where nothing was drawn.
  const bool watermarkLast = !is3DViewMode(app.viewMode) && render::CanMarkWrittenPixels();
  if (reduced) {
    render::DrawWatermark(app.watermarkTexture);
  } else if (watermarkLast) {
    render::BeginMarkingWrittenPixels();
  } else {
    render::DrawWatermarkBackdrop(app.watermarkBackdrop, app.watermarkTexture, width, height);
  }
  render::BeginPipeViewScene();
  drawModeView(app);
  render::EndPipeViewScene();
  if (reduced) app.reducedPicture.End();
  if (watermarkLast) render::DrawWatermarkOnUnwrittenPixels(app.watermarkTexture);
  app.windows.swapBuffers();
}

}  // namespace ductora
