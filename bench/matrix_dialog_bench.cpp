#include <benchmark/benchmark.h>

#include <ctime>

#include "app/shell/commands.h"
#include "app/shell/frame.h"
#include "app/shell/startup.h"
#include "app/state/app_state.h"
#include "platform/headless/headless_platform.h"
#include "resources/matrix_dialogs.h"
#include "resources/menu_table.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"
#include "support/working_directory.h"

namespace {

using namespace ductora;

// Modify > Wall Matrix on a 40-foot pipe, OK pressed on the fields as they open: channels 1 and 2
// joined, with the please-wait frame, the build, the measures and the new wall and ID textures.
void BM_ModifyPipeMatrixOk(benchmark::State& state) {
  testing::TempDir dir;
  testing::ScopedWorkingDirectory workingDirectory(dir.path());
  const std::string path = dir.file("pipe.kqvw");
  testing::writeSyntheticPipe(path, {.lengthInches = 480.0});

  platform::headless::HeadlessPlatform platform;
  AppState app(platform);
  startApp(app, path);
  runFrame(app, 0.0);
  const auto pressOk = [](platform::headless::HeadlessDialog& dialog) {
    dialog.send({platform::DialogEvent::Kind::kCommand, resources::kMatrixOk});
  };
  // The machine is shared: the processor time of every thread of the process (the build's and
  // the GL driver's) shows what an OK costs on its own.
  std::clock_t processTime = 0;
  for (auto _ : state) {
    state.PauseTiming();
    platform.scriptModal(resources::kDialogModifyPipeMatrix, pressOk);
    state.ResumeTiming();
    const std::clock_t start = std::clock();
    runCommand(app, resources::kCmdWallMatrix);
    processTime += std::clock() - start;
  }
  state.counters["processCpuMs"] =
      1000.0 * static_cast<double>(processTime) / CLOCKS_PER_SEC / static_cast<double>(state.iterations());
  // The primary's rows and some 13.5 inches of the secondary's; refused builds would leave them.
  state.counters["rows"] = app.pipeString.current()->wallMatrix.rows;
  state.counters["refused"] = static_cast<double>(platform.messages().size());
}
BENCHMARK(BM_ModifyPipeMatrixOk)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
