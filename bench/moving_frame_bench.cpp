#include <benchmark/benchmark.h>

#include <array>
#include <ctime>
#include <functional>
#include <string>

#include "app/shell/commands.h"
#include "app/shell/frame.h"
#include "app/views/panels.h"
#include "open_string.h"
#include "resources/menu_table.h"

namespace {

using namespace ductora;
using bench::OpenString;

// Frames drawn while something moves, at 1272 x 952, to set beside the still frames of
// BM_3DView, BM_IndicationView and BM_FrameAllPanels: the 3D views turning a degree a frame about
// the pipe axis from inside the pipe or turned 60 degrees to see it from outside (three pipes
// loaded), the indication view walking a fifth of an inch a frame (nine pipes of 3000
// indications each), and "2D Wall, 2D OD" with all thirteen plot panels walking likewise through
// the whole frame cycle.
void MovingFrames(benchmark::State& state, OpenString& program, const std::function<void()>& frame) {
  for (int i = 0; i < 3; ++i) frame();  // textures, reliefs and the GL's own code are made first
  const std::clock_t start = std::clock();
  for (auto _ : state) frame();
  bench::ReportFrames(state, program, start);
}

void Moving3D(benchmark::State& state, int viewCommand, float pitch) {
  OpenString program(3, 2);
  AppState& app = program.app;
  runCommand(app, viewCommand);
  app.view.rotation[render::kAxisX] = pitch;
  MovingFrames(state, program, [&] {
    float& roll = app.view.rotation[render::kAxisZ];
    roll = roll >= 359.0F ? 0.0F : roll + 1.0F;
    app.frameDetail = render::FrameDetail::kMoving;
    program.frame(kPipeViewPanel);
  });
}

void MovingIndications(benchmark::State& state) {
  OpenString program(9, 5);
  program.showIndications(3000);
  AppState& app = program.app;
  PipeString& string = app.pipeString;
  MovingFrames(state, program, [&] {
    string.position = string.position >= 470.0F ? 10.0F : string.position + 0.2F;
    app.frameDetail = render::FrameDetail::kMoving;
    program.frame(kPipeViewPanel);
  });
}

void MovingAllPanels(benchmark::State& state) {
  OpenString program(3, 2);
  AppState& app = program.app;
  runCommand(app, resources::kCmdDraw2DWall2DOd);
  for (int id = kWallThicknessPanel; id <= kBurstPanel; ++id) {
    if (const PlotPanel* panel = findPlotPanel(id)) showPlot(app, panel->id, std::string(panel->menuTitle));
  }
  app.pipeString.current()->collapseSelections = {3, 3, 3, 3, 0};
  PipeString& string = app.pipeString;
  // The headless clock stands still: every frame that moves the cursor is a moving frame.
  MovingFrames(state, program, [&] {
    string.position = string.position >= 470.0F ? 10.0F : string.position + 0.2F;
    runFrame(app, 0.016);
  });
}

const bool kRegistered = [] {
  struct View {
    const char* name;
    int command;
  };
  for (const View view : {View{"3d-wall", resources::kCmdDraw3DWall}, View{"3d-od", resources::kCmdDraw3DOd},
                          View{"3d-id", resources::kCmdDraw3DId}}) {
    for (const float pitch : {0.0F, 60.0F}) {
      const std::string name = std::string("BM_MovingFrame/") + view.name + (pitch > 0.0F ? "-turned" : "");
      benchmark::RegisterBenchmark(name.c_str(), Moving3D, view.command, pitch)
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime();
    }
  }
  benchmark::RegisterBenchmark("BM_MovingFrame/indications", MovingIndications)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("BM_MovingFrame/2d-wall-2d-od-all-panels", MovingAllPanels)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  return true;
}();

}  // namespace
