#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/gl_window_set.h"
#include "app/panel_table.h"
#include "data/pipe_string.h"
#include "platform/platform.h"

namespace ductora {

// The shell's state for one run. Created by the program's entry and passed to every
// operation, so a test can run two.
struct AppState {
  explicit AppState(platform::Platform& platform);
  AppState(const AppState&) = delete;
  AppState& operator=(const AppState&) = delete;

  platform::Platform& platform;

  // Run control
  bool appActive = true;
  std::uint32_t documentState = 0;  // 2 once a file was opened; frames draw only then
  double lastTickMs = 0.0;
  double elapsedSeconds = 0.0;
  bool quitPosted = false;

  // Windows and dialogs
  GlWindowSet windows;
  std::array<std::string, kWindowClassCount> windowClassNames;
  std::unique_ptr<platform::Dialog> pleaseWait;

  // Main view
  std::uint32_t viewMode = 0;
  std::uint32_t sliceEnabled = 0;
  std::uint8_t modified = 0;
  std::string indicationPath;

  // Input
  std::array<std::uint8_t, 256> keyDown{};

  // Document
  PipeString pipeString;
};

constexpr std::uint32_t kDocumentOpen = 2;

}  // namespace ductora
