#include "app/startup.h"

#include "app/frame.h"
#include "app/open_data_file.h"
#include "resources/dialog_table.h"
#include "resources/menu_table.h"
#include "shell_fixture.h"

namespace ductora::testing {
namespace {

using StartupTest = ShellTest;

using namespace resources;

TEST(CommandLineToken, QuotedPathsAndUnquotedLines) {
  EXPECT_EQ(firstCommandLineToken(""), "");
  EXPECT_EQ(firstCommandLineToken("\"C:/job/p 1.kqvw\" extra"), "C:/job/p 1.kqvw");
  EXPECT_EQ(firstCommandLineToken("/data/job 7/p1.kqvw"), "/data/job 7/p1.kqvw");  // taken whole
  EXPECT_EQ(firstCommandLineToken("\"\"\"/a.kqvw"), "/a.kqvw");                    // leading quotes skipped
  EXPECT_EQ(firstCommandLineToken("/a.kqvw\"/b.kqvw\""), "/a.kqvw");
  EXPECT_EQ(firstCommandLineToken("\"\""), "");
}

TEST_F(StartupTest, WithoutAFileOnlyTheMainWindowAndTheHiddenPleaseWaitExist) {
  start();
  ASSERT_NE(surface(0), nullptr);
  EXPECT_EQ(surface(0)->title(), "Ductora");
  EXPECT_EQ(surface(0)->geometry().width, 1280);
  EXPECT_EQ(surface(0)->geometry().height, 1024);
  EXPECT_TRUE(surface(0)->isVisible());
  EXPECT_EQ(platform.focusedSlot(), 0);
  for (int slot = 1; slot < 20; ++slot) EXPECT_EQ(surface(slot), nullptr) << slot;
  auto* pleaseWait = platform.dialog(kDialogPleaseWait);
  ASSERT_NE(pleaseWait, nullptr);
  EXPECT_EQ(pleaseWait->caption(), "Please wait...");
  EXPECT_FALSE(pleaseWait->isVisible());
  EXPECT_EQ(app.documentState, 0U);
  EXPECT_EQ(app.viewMode, 0U);
  // Only what needs no file starts enabled.
  EXPECT_TRUE(menuEnabled(kCmdOpenPipe));
  EXPECT_FALSE(menuEnabled(kCmdSave));
  EXPECT_FALSE(menuEnabled(kCmdPlotWallThickness));
}

TEST_F(StartupTest, AQuotedCommandLineOpensThatPathBeforeTheClockStarts) {
  const std::string path = pipe("with blank.kqvw", PipeData::kComplete);
  platform.advanceClock(500.0);
  start("\"" + path + "\" ignored");
  EXPECT_EQ(app.documentState, kDocumentOpen);
  ASSERT_NE(app.pipeString.current(), nullptr);
  EXPECT_EQ(app.pipeString.current()->path, path);
  EXPECT_EQ(app.lastTickMs, 500.0);
  EXPECT_FALSE(platform.dialog(kDialogPleaseWait)->isVisible());
}

TEST_F(StartupTest, TheLoopRunsFramesWithTheElapsedTimeAndStopsWhileMinimised) {
  start(pipe("p.kqvw", PipeData::kComplete));
  platform.advanceClock(250.0);
  loopIteration(app);
  EXPECT_DOUBLE_EQ(app.elapsedSeconds, 0.25);
  const int swaps = surface(1)->swapCount();
  EXPECT_GT(swaps, 0);

  platform.post(0, {platform::WindowEvent::Kind::kActivate, 1, 0});
  platform.advanceClock(1000.0);
  loopIteration(app);
  EXPECT_FALSE(app.appActive);
  EXPECT_EQ(surface(1)->swapCount(), swaps);

  // Restored: the first frame gets the whole pause as its step.
  platform.post(0, {platform::WindowEvent::Kind::kActivate, 0, 0});
  loopIteration(app);
  EXPECT_DOUBLE_EQ(app.elapsedSeconds, 1.0);
  EXPECT_EQ(surface(1)->swapCount(), swaps + 1);
}

TEST_F(StartupTest, TheLoopEndsOnQuit) {
  start();
  platform.answerMessageBox(platform::MessageResult::kYes);
  platform.post(0, {platform::WindowEvent::Kind::kCommand, kCmdExit, 0});
  EXPECT_EQ(runMainLoop(app), 0);
  EXPECT_TRUE(app.quitPosted);
}

using namespace resources;

// One item of each rule: needs a wall matrix, an OD matrix, both, straightness, or any pipe.
const std::vector<int> kWallItems = {kCmdPlotWallThickness, kCmdDraw2DWall};
const std::vector<int> kOdItems = {kCmdPlotOdOffset, kCmdDrawSlice};
const std::vector<int> kBothItems = {kCmdDraw2DWall2DOd, kCmdPlotBurst};
const std::vector<int> kAlwaysItems = {kCmdNavigator, kCmdSave};
const std::vector<int> kStraightnessItems = {kCmdPlotStraightness, kCmdClipFront};

class MenuStateTest : public ShellTest {
 protected:
  void SetUp() override { start(); }
  void expect(const std::vector<int>& items, bool enabled) {
    for (int id : items) EXPECT_EQ(menuEnabled(id), enabled) << platform.menu().text(id);
  }
};

TEST_F(MenuStateTest, AWallOnlyPipeEnablesTheWallItems) {
  openDataFile(app, pipe("w.kqvw", PipeData::kWallOnly), false);
  expect(kWallItems, true);
  expect(kAlwaysItems, true);
  expect(kOdItems, false);
  expect(kBothItems, false);
  expect(kStraightnessItems, false);
}

TEST_F(MenuStateTest, ACompletePipeWithStraightnessEnablesEverything) {
  openDataFile(app, pipe("c.kqvw", PipeData::kComplete, 1, true), false);
  for (const MenuEntry& entry : MainMenu()) {
    if (entry.kind == MenuEntryKind::kItem) {
      EXPECT_TRUE(menuEnabled(entry.id)) << entry.text;
    }
  }
}

TEST_F(MenuStateTest, AppendNeverDisablesWhatAnEarlierLoadEnabled) {
  openDataFile(app, pipe("c.kqvw", PipeData::kComplete, 1, true), false);
  openDataFile(app, pipe("o.kqvw", PipeData::kOdOnly), true);
  expect(kWallItems, true);
  expect(kBothItems, true);
  expect(kStraightnessItems, true);
}

TEST_F(MenuStateTest, AppendEnablesByTheCurrentPipeWhichStaysTheFirst) {
  openDataFile(app, pipe("o.kqvw", PipeData::kOdOnly), false);
  openDataFile(app, pipe("w.kqvw", PipeData::kWallOnly), true);
  ASSERT_EQ(app.pipeString.loadedPipes().size(), 2U);
  EXPECT_EQ(app.pipeString.current()->path, dir.file("o.kqvw"));
  expect(kOdItems, true);
  expect(kWallItems, false);
}

TEST_F(MenuStateTest, AReplacingOpenDisablesWhatTheNewPipeDoesNotAllow) {
  openDataFile(app, pipe("c.kqvw", PipeData::kComplete), false);
  openDataFile(app, pipe("o.kqvw", PipeData::kOdOnly), false);
  expect(kWallItems, false);
  expect(kOdItems, true);
  expect(kBothItems, false);
  EXPECT_TRUE(menuEnabled(kCmdExit));
}

}  // namespace
}  // namespace ductora::testing
