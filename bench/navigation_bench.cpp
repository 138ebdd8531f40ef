#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "app/navigation/navigation.h"
#include "app/navigation/navigation_update.h"
#include "app/shell/frame.h"
#include "app/shell/startup.h"
#include "app/state/app_state.h"
#include "platform/headless/headless_platform.h"
#include "resources/shell_dialogs.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"

namespace {

using namespace ductora;

constexpr int kNames = 2000;

// The program on a string of 2000 names of 40-foot pipes with raw data, taken in turn from
// three files (each step reads its pipe from disk, whatever its name).
class FortyFootString {
 public:
  FortyFootString() {
    std::string names;
    for (std::uint32_t seed = 1; seed <= 3; ++seed) {
      testing::SyntheticPipeOptions options;
      options.seed = seed;
      testing::writeSyntheticPipe(dir.file("pipe" + std::to_string(seed) + ".kqvw"), options);
    }
    for (int name = 0; name < kNames; ++name)
      names += dir.file("pipe" + std::to_string(name % 3 + 1) + ".kqvw") + "\n";
    testing::writeText(dir.file("string.kqstr"), names);
    startApp(app, dir.file("string.kqstr"));
    buildTextures();
  }

  // What the next frame does before drawing: the textures of the pipes that left go, the new
  // pipes' are made.
  void buildTextures() {
    app.windows.makeCurrent(kPipeViewPanel);
    app.drawCaches.ReleaseGone(app.pipeString);
    app.pipeString.forEachPipe([this](const PipeFile& pipe) { app.drawCaches.PrepareTextures(pipe); });
  }

  testing::TempDir dir;
  platform::headless::HeadlessPlatform platform;
  AppState app{platform};
};

// The right arrow held over the end of a pipe: one frame's navigation carries X into the next
// pipe, the window of nine slides by one (a pipe read with its measures, one dropped), and the
// follow-up and the new pipe's textures come after.
void BM_StepToNextPipe(benchmark::State& state) {
  FortyFootString string;
  AppState& app = string.app;
  app.keyDown[platform::kKeyRight] = 1;
  // Past the window's first fill, so every step reads a pipe and drops one.
  app.pipeString.jumpTo(10);
  string.buildTextures();
  for (auto _ : state) {
    state.PauseTiming();
    if (app.pipeString.currentIndex() + 5 >= kNames) {
      app.pipeString.jumpTo(10);
      string.buildTextures();
    }
    setX(app.pipeString, app.pipeString.currentLength() - 0.5F);
    state.ResumeTiming();
    navigationUpdate(app, 0.1);  // 1.2 inches at 12 per second
    followRequests(app);
    string.buildTextures();
  }
  state.counters["loaded"] = static_cast<double>(app.pipeString.loadedPipes().size());
}
BENCHMARK(BM_StepToNextPipe)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The right arrow held from an inch before a joint for a second of frames, across five joints
// in turn: the whole program's frames, so a step that reads its pipe shows as the worst frame.
void BM_WalkAcrossPipes(benchmark::State& state) {
  constexpr int kJoints = 5;
  constexpr int kFramesPerJoint = 60;
  FortyFootString string;
  AppState& app = string.app;
  app.pipeString.jumpTo(10);
  runFrame(app, 1.0 / 60);
  app.keyDown[platform::kKeyRight] = 1;
  // A joint walked first, untimed: the GL builds its code for what a walk draws once a run.
  setX(app.pipeString, app.pipeString.currentLength() - 1.0F);
  for (int frame = 0; frame < kFramesPerJoint; ++frame) runFrame(app, 1.0 / 60);
  double worstMs = 0.0;
  double totalSeconds = 0.0;
  std::int64_t frames = 0;
  for (auto _ : state) {
    if (app.pipeString.currentIndex() + kJoints + 1 >= kNames) app.pipeString.jumpTo(10);
    for (int joint = 0; joint < kJoints; ++joint) {
      setX(app.pipeString, app.pipeString.currentLength() - 1.0F);
      for (int frame = 0; frame < kFramesPerJoint; ++frame) {
        const auto start = std::chrono::steady_clock::now();
        runFrame(app, 1.0 / 60);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        worstMs = std::max(worstMs, took.count() * 1000.0);
        totalSeconds += took.count();
        ++frames;
      }
    }
  }
  state.counters["worst-ms"] = worstMs;
  state.counters["frames/s"] = static_cast<double>(frames) / totalSeconds;
}
BENCHMARK(BM_WalkAcrossPipes)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The Navigator's Jump between two pipes far apart: nine pipes read afresh with their textures.
void BM_JumpFarAway(benchmark::State& state) {
  FortyFootString string;
  AppState& app = string.app;
  platform::Dialog& navigator = *app.dialogs.get(Modeless::kNavigator);
  bool far = false;
  for (auto _ : state) {
    navigator.setText(resources::kNavJumpNumber, far ? "1500" : "100");
    far = !far;
    string.platform.dialog(resources::kDialogNavigator)
        ->send({platform::DialogEvent::Kind::kCommand, resources::kNavJump});
    string.buildTextures();
  }
}
BENCHMARK(BM_JumpFarAway)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
