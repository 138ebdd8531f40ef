#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include "analysis/measures/pipe_measures.h"
#include "platform/headless/osmesa_context.h"
#include "render/gl/panel_gl.h"
#include "render/plots/line_plot_panels.h"
#include "render/plots/plot_font.h"
#include "resources/bitmaps.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"

namespace {

using namespace ductora;

// The twelve line-plot panels of a 40-foot pipe, one after the other in one 320 x 240 context
// with its font, each finished before the next as the frame's swaps do: the bodies' own cost.
void BM_LinePlotPanels(benchmark::State& state) {
  testing::TempDir dir;
  const std::string path = dir.file("pipe.kqvw");
  testing::writeSyntheticPipe(path, {});
  PipeString string(LoadPipeForUse);
  string.open(path);
  string.position = string.currentLength() / 2.0F;
  string.current()->collapseSelections = {3, 3, 3, 3, 0};
  string.current()->yieldStrength = 110000.0;
  auto context = platform::headless::OffscreenContext::create(320, 240);
  context->makeCurrent();
  render::InitPlotPanelGl(render::kPlotWhite);
  render::PlotFont font;
  render::LoadPlotFont(font, resources::kPlotFontBitmapId);
  font.cellSize = 12;
  for (auto _ : state) {
    for (int panel = 0; panel <= static_cast<int>(render::LinePlotPanel::kBurst); ++panel) {
      render::BeginPlotPanel(320, 240, true, render::kPlotWhite);
      render::DrawLinePlotPanel(static_cast<render::LinePlotPanel>(panel), &font, {0, 0, 320, 240}, string);
      render::EndPlotPanel();
      glFinish();
    }
  }
}
BENCHMARK(BM_LinePlotPanels)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
