#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "analysis/pressures/pressure_series.h"
#include "app/shell/gl_window_set.h"
#include "app/state/modeless_dialogs.h"
#include "app/state/motion_clock.h"
#include "app/state/mouse_tracker.h"
#include "app/state/readout_cache.h"
#include "app/state/view_mode.h"
#include "app/views/panel_table.h"
#include "data/strings/pipe_string.h"
#include "platform/platform.h"
#include "render/gl/reduced_picture.h"
#include "render/maps/watermark_backdrop.h"
#include "render/plots/plot_font.h"
#include "render/scene/draw_caches.h"
#include "render/scene/pipe_scene.h"

namespace ductora {

// The wall channels Draw Channels builds from, 1 to 4: the first for the current pipe, the second
// for the overlay.
struct DrawChannelChoice {
  int first = 1;
  int second = 3;
};

// What procedures ask the shell to do instead of calling the windows themselves: the frame
// brings the windows that follow the current pipe up to date before it draws, and the loop runs
// an open between two frames.
struct ShellRequests {
  // Another pipe became current or its limits changed: the title, the Pipe and Statistics
  // windows' sliders and the Navigator follow it.
  bool followPipe = false;
  // A file to open in place of the string; empty for none.
  std::string openPath;
};

// The current pipe as the windows that follow it last showed it: an edit moves the revision on,
// and may make the pipe longer or shorter.
struct FollowedPipe {
  std::uint64_t id = 0;
  std::uint64_t revision = 0;
  float length = 0.0F;
};

// Frames draw panels only once a file was opened.
enum class DocumentState { kNone, kOpen };

// The shell's state for one run. Created by the program's entry and passed to every
// operation, so a test can run two.
struct AppState {
  explicit AppState(platform::Platform& platform);
  AppState(const AppState&) = delete;
  AppState& operator=(const AppState&) = delete;

  platform::Platform& platform;

  // Run control
  bool appActive = true;
  DocumentState documentState = DocumentState::kNone;
  double lastTickMs = 0.0;
  double elapsedSeconds = 0.0;
  bool quitPosted = false;
  bool frameRequested = false;  // the shell changed what is shown outside any message
  ShellRequests requests;
  FollowedPipe followed;
  bool frameClockStopped = false;  // the loop slept since the last frame
  int resizeFramesOwed = 0;        // frames still due to a GL window's new size
  std::uint64_t framesRun = 0;
  MotionClock motion;
  // Whether the frame being drawn, or the last one, is still or moving.
  render::FrameDetail frameDetail = render::FrameDetail::kStill;

  // Windows and dialogs
  GlWindowSet windows;
  std::array<std::string, kWindowClassCount> windowClassNames;
  ModelessDialogs dialogs;
  std::string navigatorCounter;  // what the Navigator's counter shows; frames write only changes
  ReadoutCache statisticsReadouts;
  ReadoutCache pipeWindowReadouts;
  // Textures of the GL contexts: the pipe view's watermark and each plot panel's font.
  std::uint32_t watermarkTexture = 0;
  render::WatermarkBackdrop watermarkBackdrop;
  // A moving frame's 3D view at a quarter of the pixels.
  render::ReducedPicture reducedPicture;
  std::array<render::PlotFont, GlWindowSet::kSlotCount> plotFonts{};

  // Main view
  ViewMode viewMode = ViewMode::kNone;
  render::ViewValues view;
  // The GL objects of the pipes drawn, in the pipe view's context.
  render::DrawCaches drawCaches;
  bool sliceEnabled = false;

  // Input
  std::array<std::uint8_t, 256> keyDown{};
  MouseTracker mouse;

  // Document
  PipeString pipeString;
  // The Collapse Pressure dialog's choices, kept for the run; "Plot" hands them to the current pipe.
  CollapseChoices collapseChoices;
  // Draw Channels' choices, kept for the run.
  DrawChannelChoice drawChannels;
  // rotationCount of the first raw sample of each revolution of the last merged wall build.
  std::array<std::uint32_t, kMaxRevolutions> revolutionStartCounts{};
};

}  // namespace ductora
