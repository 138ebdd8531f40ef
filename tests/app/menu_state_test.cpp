#include "app/open_data_file.h"
#include "resources/menu_table.h"
#include "shell_fixture.h"

namespace ductora::testing {
namespace {

using namespace resources;

const std::vector<int> kWallItems = {kCmdPlotWallThickness,
                                     kCmdPlotCsa,
                                     kCmdPlotLengthAtY,
                                     kCmdPlotEccentricity,
                                     kCmdPlot64PointAve,
                                     kCmdPlotLowWall,
                                     kCmdGrayScale,
                                     kCmdWallMatrix,
                                     kCmdDraw3DWall,
                                     kCmdDraw2DWall,
                                     kCmdDraw2DWallOverlayLeft,
                                     kCmdDraw2DWallOverlayTop,
                                     kCmdIndications,
                                     kCmdChannels};
const std::vector<int> kOdItems = {
    kCmdDrawSlice, kCmdPlotOdOffset, kCmdPlotOvality,         kCmdDraw3DOd,
    kCmdDraw2DOd,  kCmdOdMatrix,     kCmdDraw2DOdOverlayLeft, kCmdDraw2DOdOverlayTop};
const std::vector<int> kBothItems = {kCmdDraw2DWall2DOd, kCmdDraw2DWall2DId, kCmdDraw2DOd2DId,
                                     kCmdDraw3DId,       kCmdDraw2DId,       kCmdPlotCollapse,
                                     kCmdPlotBurst,      kCmdPlotPipeId};
const std::vector<int> kAlwaysItems = {kCmdNavigator,       kCmdInfo,         kCmdPipe, kCmdStatistics,
                                       kCmdAppend,          kCmdOverlay,      kCmdSave, kCmdSaveAs,
                                       kCmdExportLengthAtY, kCmdExportRevAtX, kCmdGoto, kCmdData};
const std::vector<int> kStraightnessItems = {kCmdPlotStraightness, kCmdMarkersStraight3D, kCmdExtendFront,
                                             kCmdExtendBack,       kCmdClipBack,          kCmdClipFront};

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
