#include <benchmark/benchmark.h>

#include "app/shell/startup.h"
#include "app/state/app_state.h"
#include "app/windows/pipe_window.h"
#include "app/windows/statistics_window.h"
#include "platform/headless/headless_platform.h"
#include "resources/statistics_dialogs.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"

namespace {

using namespace ductora;

// A 40-foot pipe with OD data opened in the program on a headless screen.
struct OpenPipe {
  OpenPipe() {
    testing::writeSyntheticPipe(path, {.lengthInches = 480.0});
    startApp(app, path);
  }
  testing::TempDir dir;
  std::string path = dir.file("pipe.kqvw");
  platform::headless::HeadlessPlatform platform;
  AppState app{platform};
};

// One frame's refill while the cursor runs along the pipe, so the texts change every time.
void BM_FillStatistics(benchmark::State& state) {
  OpenPipe open;
  float x = 0.0F;
  for (auto _ : state) {
    x = x < 470.0F ? x + 0.37F : 0.0F;
    open.app.pipeString.position = x;
    open.app.pipeString.angle = x;
    FillStatistics(open.app);
  }
}
BENCHMARK(BM_FillStatistics)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The Pipe window over the whole pipe, as after a slider moved to its end.
void BM_FillPipeWindow(benchmark::State& state) {
  OpenPipe open;
  platform::Dialog& window = *open.app.dialogs.get(Modeless::kPipeWindow);
  int right = 480;
  for (auto _ : state) {
    right = right == 480 ? 479 : 480;
    window.setSliderPosition(resources::kPipeRight, right);
    FillPipeWindow(open.app);
  }
}
BENCHMARK(BM_FillPipeWindow)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
