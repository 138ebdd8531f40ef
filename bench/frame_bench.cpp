#include <benchmark/benchmark.h>

#include "app/shell/frame.h"
#include "app/shell/startup.h"
#include "app/state/app_state.h"
#include "app/views/panels.h"
#include "platform/headless/headless_platform.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"

namespace {

using namespace ductora;

// The frame cycle with the pipe view in "2D Wall, 2D OD" and all thirteen plot panels shown, on a
// 1280 x 1024 screen, drawing offscreen: every line plot, the slice and the collapse plot (with the
// pipe averages chosen) with their bodies.
void BM_FrameAllPanels(benchmark::State& state) {
  testing::TempDir dir;
  const std::string path = dir.file("pipe.kqvw");
  testing::writeSyntheticPipe(path, {});

  platform::headless::HeadlessPlatform platform;
  AppState app(platform);
  startApp(app, path);
  for (int id = kWallThicknessPanel; id <= kBurstPanel; ++id) {
    if (const PlotPanel* panel = findPlotPanel(id)) showPlot(app, panel->id, std::string(panel->menuTitle));
  }
  app.pipeString.current()->collapseSelections = {3, 3, 3, 3, 0};
  int shown = 0;
  for (const PanelId id : kFrameOrder) shown += app.windows.isShown(id) ? 1 : 0;
  state.counters["panels"] = shown;

  // The first frames make the textures and have the GL driver build its code for every context.
  for (int i = 0; i < 3; ++i) runFrame(app, 0.0);
  for (auto _ : state) runFrame(app, 0.016);
  state.counters["frames/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FrameAllPanels)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
