#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/state/app_state.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

namespace ductora::testing {

enum class PipeData { kWallOnly, kOdOnly, kComplete };

// Writes a small pipe file: 31 rows 1 inch apart (30 inches long), nominal OD 7 inches.
std::string WriteTestPipe(const std::string& path, PipeData data, std::uint16_t kqNumber = 4711,
                          bool straightness = false);

// A shell on a headless 1280 x 1024 screen with a temporary folder for its files.
class ShellTest : public ::testing::Test {
 protected:
  ShellTest();

  // The pipe file NAME in the folder.
  std::string pipe(const std::string& name, PipeData data, std::uint16_t kqNumber = 4711,
                   bool straightness = false);
  void start(const std::string& commandLine = "");
  platform::headless::HeadlessSurface* surface(int slot) const { return platform.surface(slot); }
  bool menuEnabled(int id) { return platform.menu().isEnabled(id); }
  // Sends a menu command to the main window.
  void command(int id);

  TempDir dir;
  platform::headless::HeadlessPlatform platform;
  AppState app;
};

}  // namespace ductora::testing
