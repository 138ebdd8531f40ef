#pragma once

#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

#include "app/state/app_state.h"
#include "app/views/panels.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

namespace ductora::bench {

// The program with a string of 40-foot pipes (1441 revolutions of 360 samples, no raw samples)
// open, pipe `current` current with the program's window of loaded pipes around it.
struct OpenString {
  OpenString(int pipes, int current);
  // One frame of the panel alone, as the frame cycle draws it.
  void frame(PanelId id) { drawPanel(app, id); }
  // The indication view, with an indication file of `count` records spread over a 40-foot pipe
  // beside every loaded pipe.
  void showIndications(int count);

  testing::TempDir dir;
  platform::headless::HeadlessPlatform platform;
  AppState app{platform};
};

// Frames per second, and the processor time of all the process's threads (the GL's own among
// them) per frame: on a shared machine the frames wait for processors; on an idle one with two
// cores a frame takes between half that time and all of it.
void ReportFrames(benchmark::State& state, const OpenString& program, std::clock_t start);

}  // namespace ductora::bench
