#include "app/document/open_data_file.h"
#include "resources/menu_table.h"
#include "shell_fixture.h"

namespace ductora::testing {
namespace {

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

TEST_F(MenuStateTest, AppendNeverDisablesWhatAnEarlierLoadEnabledAndAReplacingOpenDoes) {
  openDataFile(app, pipe("c.kqvw", PipeData::kComplete, 1, true), false);
  openDataFile(app, pipe("o.kqvw", PipeData::kOdOnly), true);
  expect(kWallItems, true);
  expect(kBothItems, true);
  expect(kStraightnessItems, true);
  openDataFile(app, pipe("o.kqvw", PipeData::kOdOnly), false);
  expect(kWallItems, false);
  expect(kOdItems, true);
  expect(kBothItems, false);
  expect(kStraightnessItems, false);
  EXPECT_TRUE(menuEnabled(kCmdExit));
}

TEST_F(MenuStateTest, AppendEnablesByTheCurrentPipeWhichStaysTheFirst) {
  openDataFile(app, pipe("o.kqvw", PipeData::kOdOnly), false);
  openDataFile(app, pipe("w.kqvw", PipeData::kWallOnly), true);
  ASSERT_EQ(app.pipeString.loadedPipes().size(), 2U);
  EXPECT_EQ(app.pipeString.current()->path, dir.file("o.kqvw"));
  expect(kOdItems, true);
  expect(kWallItems, false);
}

}  // namespace
}  // namespace ductora::testing
