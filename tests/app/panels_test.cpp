#include "app/views/panels.h"

#include "app/document/open_data_file.h"
#include "app/shell/commands.h"
#include "app/shell/frame.h"
#include "resources/dialog_table.h"
#include "resources/menu_table.h"
#include "shell_fixture.h"

namespace ductora::testing {
namespace {

using namespace resources;

TEST(PanelGeometry, QuarterScreenPanelsFromTheRightEdge) {
  const int mainWidth = 1270;
  const auto wall = plotPanelGeometry(*findPlotPanel(kWallThicknessPanel), 1280, mainWidth);
  EXPECT_EQ(wall.x, mainWidth - 330);
  EXPECT_EQ(wall.y, 20);
  EXPECT_EQ(wall.width, 320);
  EXPECT_EQ(wall.height, 240);
  EXPECT_EQ(plotPanelGeometry(*findPlotPanel(kCsaPanel), 1280, mainWidth).x, mainWidth - 665);
  EXPECT_EQ(plotPanelGeometry(*findPlotPanel(kEccentricityPanel), 1280, mainWidth).x, mainWidth - 329);
  EXPECT_EQ(plotPanelGeometry(*findPlotPanel(kOvalityPanel), 1280, mainWidth).x, mainWidth - 1000);
  EXPECT_EQ(plotPanelGeometry(*findPlotPanel(kOdOffsetPanel), 1280, mainWidth).y, 200);
  // 0.25 x 1366 = 341.5 and 0.1875 x 1366 = 256.125 are truncated.
  const auto odd = plotPanelGeometry(*findPlotPanel(kLowWallPanel), 1366, 1366);
  EXPECT_EQ(odd.width, 341);
  EXPECT_EQ(odd.height, 256);
  EXPECT_EQ(odd.x, 1366 - 351);
}

TEST(PanelGeometry, ThePipeViewFillsThreeQuartersOfTheWidthInHeight) {
  const auto view = pipeViewGeometry(1280, 1024, 2);
  EXPECT_EQ(view.x, 0);
  EXPECT_EQ(view.y, 512 - 480);
  EXPECT_EQ(view.width, 1272);
  EXPECT_EQ(view.height, 952);
}

class PanelTest : public ShellTest {
 protected:
  void SetUp() override {
    start();
    surface(0)->resize(1200, 900);
    openDataFile(app, pipe("p.kqvw", PipeData::kComplete, 7, true), false);
  }
  void send(int slot, const platform::WindowEvent& event) { surface(slot)->send(event); }
};

TEST_F(PanelTest, PanelsArePlacedInTheResizedMainWindow) {
  EXPECT_EQ(app.windows.width(0), 1200);
  const auto& wall = surface(kWallThicknessPanel)->geometry();
  EXPECT_EQ(wall.x, 1200 - 330);
  EXPECT_EQ(wall.y, 20);
  EXPECT_EQ(wall.width, 320);
  EXPECT_EQ(wall.height, 240);
  EXPECT_EQ(surface(kPipeViewPanel)->geometry().width, 1200 - 8);
}

TEST_F(PanelTest, AFrameClearsEachShownPanelInItsColour) {
  runCommand(app, kCmdPlotOvality);
  runCommand(app, kCmdDrawSlice);
  runFrame(app, 0.0);
  const std::array<std::uint8_t, 4> blue = surface(kPipeViewPanel)->pixel(10, 10);
  EXPECT_NEAR(blue[0], 89, 1);
  EXPECT_NEAR(blue[1], 115, 1);
  EXPECT_NEAR(blue[2], 176, 1);
  EXPECT_EQ(surface(kSlicePanel)->pixel(5, 5), blue);
  const std::array<std::uint8_t, 4> white = {255, 255, 255, 255};
  EXPECT_EQ(surface(kWallThicknessPanel)->pixel(0, 0), white);
  EXPECT_EQ(surface(kOdOffsetPanel)->pixel(319, 239), white);
  EXPECT_EQ(surface(kOvalityPanel)->pixel(100, 100), white);  // frames clear it white
  // The pipe view's context is current between frames.
  EXPECT_EQ(app.windows.currentSlot(), kPipeViewPanel);
}

TEST_F(PanelTest, NothingIsDrawnBeforeTheFirstOpen) {
  AppState fresh(platform);
  runFrame(fresh, 0.1);
  EXPECT_EQ(surface(kPipeViewPanel)->swapCount(), 0);
}

TEST_F(PanelTest, ClosingHidesAndTheMenuShowsAgainUnderItsMenuTitle) {
  runCommand(app, kCmdPlotLengthAtY);
  EXPECT_EQ(surface(kLengthAtYPanel)->title(), "Length At Y");
  send(kLengthAtYPanel, platform::CloseEvent{});
  EXPECT_FALSE(app.windows.isShown(kLengthAtYPanel));
  const int swaps = surface(kLengthAtYPanel)->swapCount();
  runFrame(app, 0.0);
  EXPECT_EQ(surface(kLengthAtYPanel)->swapCount(), swaps);
  runCommand(app, kCmdPlotLengthAtY);
  EXPECT_TRUE(app.windows.isShown(kLengthAtYPanel));
  EXPECT_EQ(surface(kLengthAtYPanel)->title(), "Wall Thickness Down Length at Y");
  EXPECT_EQ(platform.zOrder().back(), kLengthAtYPanel);
}

TEST_F(PanelTest, ChoosingADrawModeShowsAClosedPipeView) {
  send(kPipeViewPanel, platform::CloseEvent{});
  EXPECT_FALSE(app.windows.isShown(kPipeViewPanel));
  runCommand(app, kCmdDraw2DWall);
  EXPECT_TRUE(app.windows.isShown(kPipeViewPanel));
  EXPECT_EQ(app.viewMode, ViewMode::k2DWall);
}

TEST_F(PanelTest, KeysAreRecordedFromAnyPanelAndClicksRaise) {
  send(kOdOffsetPanel, platform::KeyEvent{platform::kKeyRight, true});
  send(kPipeViewPanel, platform::KeyEvent{platform::kKeySpace, true});
  EXPECT_EQ(app.keyDown[39], 1);
  EXPECT_EQ(app.keyDown[32], 1);
  send(kWallThicknessPanel, platform::KeyEvent{platform::kKeyRight, false});
  EXPECT_EQ(app.keyDown[39], 0);
  send(kWallThicknessPanel, platform::KeyEvent{4000, true});  // out of range: ignored

  send(kWallThicknessPanel, platform::ButtonEvent{platform::MouseButton::kLeft, true});
  EXPECT_EQ(platform.focusedSlot(), kWallThicknessPanel);
  EXPECT_EQ(platform.zOrder().back(), kWallThicknessPanel);
  send(kOdOffsetPanel, platform::ButtonEvent{platform::MouseButton::kRight, true});
  EXPECT_EQ(platform.focusedSlot(), kOdOffsetPanel);
}

TEST_F(PanelTest, ASizeMessageStoresTheClientSizeUsedByTheNextFrame) {
  surface(kWallThicknessPanel)->resize(100, 80);
  EXPECT_EQ(app.windows.width(kWallThicknessPanel), 100);
  EXPECT_EQ(app.windows.height(kWallThicknessPanel), 80);
  runFrame(app, 0.0);
  EXPECT_EQ(surface(kWallThicknessPanel)->pixel(99, 79)[0], 255);
}

TEST_F(PanelTest, APanelThatCannotBeCreatedStaysAbsentAndIsNotDrawn) {
  platform.failSurface(kCsaPanel, platform::SurfaceStep::kPixelFormat);
  const auto messagesBefore = platform.messages().size();
  runCommand(app, kCmdPlotCsa);
  EXPECT_EQ(app.windows.window(kCsaPanel), nullptr);
  ASSERT_EQ(platform.messages().size(), messagesBefore + 1);
  EXPECT_EQ(platform.messages().back().text, "Can't find a suitable pixel format.");
  runFrame(app, 0.0);
  runCommand(app, kCmdPlotCsa);  // the menu tries again
  EXPECT_NE(app.windows.window(kCsaPanel), nullptr);
}

TEST_F(PanelTest, AboutAndControlsRunModallyAndCloseOnOk) {
  runCommand(app, kCmdAbout);
  runCommand(app, kCmdControls);
  EXPECT_EQ(platform.modalDialogsRun(), (std::vector<int>{kDialogAbout, kDialogControls}));
}

}  // namespace
}  // namespace ductora::testing
