#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <fstream>

#include "app/shell/commands.h"
#include "app/shell/startup.h"
#include "app/state/app_state.h"
#include "app/views/panels.h"
#include "data/indications/indication_file.h"
#include "platform/headless/headless_platform.h"
#include "resources/menu_table.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"

namespace {

using namespace ductora;

// The program with a string of 40-foot pipes (1441 revolutions of 360 samples, no raw samples)
// open, pipe `current` current with the program's window of loaded pipes around it.
struct OpenString {
  OpenString(int pipes, int current) {
    testing::SyntheticPipeOptions options;
    options.withRawWall = false;
    options.withRawOd = false;
    const std::string list = testing::writeSyntheticString(dir.path().string(), pipes, options);
    startApp(app, list);
    app.pipeString.jumpTo(current);
  }
  // One frame of the panel alone, as the frame cycle draws it.
  void frame(PanelId id) { drawPanel(app, id); }

  testing::TempDir dir;
  platform::headless::HeadlessPlatform platform;
  AppState app{platform};
};

// Frames per second, and the processor time of all the process's threads (the GL's own among
// them) per frame: on a shared machine the frames wait for processors; on an idle one with two
// cores a frame takes between half that time and all of it.
void ReportFrames(benchmark::State& state, const OpenString& program, std::clock_t start) {
  const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  state.counters["cpu-ms/frame"] = 1000.0 * seconds / static_cast<double>(state.iterations());
  state.counters["pipes"] = static_cast<double>(program.app.pipeString.loadedPipes().size());
  state.counters["frames/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// The pipe view at 1272 x 952 in a 3D view, three pipes loaded, the current one in the middle,
// turning about the pipe axis by a degree a frame. Argument 0: the view (3D Wall, 3D OD, 3D ID);
// argument 1: the x rotation, 0 from inside the pipe as the view opens, 60 turned to see it from
// outside.
void BM_3DView(benchmark::State& state) {
  constexpr std::array<int, 3> kViews = {resources::kCmdDraw3DWall, resources::kCmdDraw3DOd,
                                         resources::kCmdDraw3DId};
  OpenString program(3, 2);
  runCommand(program.app, kViews[static_cast<std::size_t>(state.range(0))]);
  std::array<float, 3>& rotation = program.app.view.rotation;
  rotation[render::kAxisX] = static_cast<float>(state.range(1));
  program.frame(kPipeViewPanel);  // textures and the relief are made on the first frame
  const std::clock_t start = std::clock();
  for (auto _ : state) {
    float& roll = rotation[render::kAxisZ];
    roll = roll >= 359.0F ? 0.0F : roll + 1.0F;
    program.frame(kPipeViewPanel);
  }
  ReportFrames(state, program, start);
}
BENCHMARK(BM_3DView)
    ->ArgsProduct({{0, 1, 2}, {0, 60}})
    ->ArgNames({"view", "pitch"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The indication view at 1272 x 952 with nine pipes loaded, each with an indication file of 3000
// records spread over a 40-foot pipe, the cursor moving along the pipe a fifth of an inch a frame.
void BM_IndicationView(benchmark::State& state) {
  OpenString program(9, 5);
  std::string records = "Indication#  Channel#  Type  XLoc(ft)  XLocFRef(ft)  YLoc(deg)  Amplitude(%)\n";
  std::uint32_t random = 2026;
  const auto next = [&random](std::uint32_t range) {
    random = random * 1664525U + 1013904223U;
    return (random >> 8) % range;
  };
  for (int i = 1; i <= 3000; ++i) {
    char line[96];
    std::snprintf(line, sizeof line, "%d 1 Pit %.3f 0 %u 50\n", i, next(40000) / 1000.0, next(360));
    records += line;
  }
  AppState& app = program.app;
  for (const PipeFile& pipe : app.pipeString.loadedPipes()) {
    std::ofstream(indicationFileNames(pipe.path).alternative) << records;
  }
  app.viewMode = ViewMode::kIndications;
  PipeString& string = app.pipeString;
  program.frame(kPipeViewPanel);
  const std::clock_t start = std::clock();
  for (auto _ : state) {
    string.position = string.position >= 470.0F ? 10.0F : string.position + 0.2F;
    program.frame(kPipeViewPanel);
  }
  ReportFrames(state, program, start);
}
BENCHMARK(BM_IndicationView)->Unit(benchmark::kMillisecond)->UseRealTime();

// The Slice panel at 320 x 240, the cursor turning a degree a frame.
void BM_SlicePanel(benchmark::State& state) {
  OpenString program(1, 1);
  runCommand(program.app, resources::kCmdDrawSlice);
  PipeString& string = program.app.pipeString;
  const std::clock_t start = std::clock();
  for (auto _ : state) {
    string.angle = string.angle >= 359.0F ? 0.0F : string.angle + 1.0F;
    program.frame(kSlicePanel);
  }
  ReportFrames(state, program, start);
}
BENCHMARK(BM_SlicePanel)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
