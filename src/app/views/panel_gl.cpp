#include "render/gl/panel_gl.h"

#include <cmath>

#include "app/views/panels.h"
#include "app/views/pipe_view_draw.h"
#include "app/views/plot_bodies.h"
#include "app/views/slice_body.h"
#include "render/gl/bitmap_texture.h"
#include "render/gl/gl_texture.h"
#include "render/maps/watermark_backdrop.h"
#include "resources/bitmaps.h"

namespace ductora {
namespace {

void drawPlot(AppState& app, const PlotPanel& panel) {
  if (!app.windows.makeCurrent(panel.id)) return;
  // Bodies lay out in logical pixels; the panel's size is in device pixels.
  const double ratio = app.platform.screen().pixelRatio;
  const int width = static_cast<int>(std::lround(app.windows.width(panel.id) / ratio));
  const int height = static_cast<int>(std::lround(app.windows.height(panel.id) / ratio));
  render::PlotFont& font = app.plotFonts[static_cast<std::size_t>(panel.id)];
  if (panel.pixelProjection) font.wrapWidth = static_cast<std::uint32_t>(width);
  render::BeginPlotPanel(app.windows.width(panel.id), app.windows.height(panel.id), panel.pixelProjection,
                         panel.id == kSlicePanel ? render::kViewBlue : render::kPlotWhite, ratio);
  if (panel.id != kSlicePanel) {
    drawPlotBody(app, panel.id, width, height);
  } else if (app.sliceEnabled) {
    drawSliceBody(app);
  }
  render::EndPlotPanel();
  app.windows.swapBuffers();
}

}  // namespace

void initPanelGl(AppState& app, PanelId id) {
  if (!app.windows.makeCurrent(id)) return;
  if (id == kPipeViewPanel) {
    render::InitPipeViewGl();
    // Loaded anew on every set-up; the one it replaces is freed.
    render::DeleteTexture(app.watermarkTexture);
    render::DeleteWatermarkBackdrop(app.watermarkBackdrop);
    app.reducedPicture.Release();
    render::ImageHolder holder;
    app.watermarkTexture = render::LoadResourceTexture(holder, resources::kWatermarkBitmapId);
    return;
  }
  const PlotPanel* panel = findPlotPanel(id);
  if (panel == nullptr) return;
  render::InitPlotPanelGl(panel->blueClear ? render::kViewBlue : render::kPlotWhite);
  render::PlotFont& font = app.plotFonts[static_cast<std::size_t>(id)];
  render::LoadPlotFont(font, resources::kPlotFontBitmapId);
  font.cellSize = 12;
}

void drawPanel(AppState& app, PanelId id) {
  if (id == kPipeViewPanel) {
    drawPipeView(app);
  } else if (const PlotPanel* panel = findPlotPanel(id)) {
    drawPlot(app, *panel);
  }
}

}  // namespace ductora
