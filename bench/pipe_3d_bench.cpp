#include <benchmark/benchmark.h>

#include <ctime>

#include "app/shell/commands.h"
#include "app/shell/startup.h"
#include "app/state/app_state.h"
#include "app/views/panels.h"
#include "open_string.h"
#include "resources/menu_table.h"

namespace {

using namespace ductora;
using bench::OpenString;
using bench::ReportFrames;

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
  program.showIndications(3000);
  AppState& app = program.app;
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
