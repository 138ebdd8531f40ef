#include "app/panels.h"

#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/frame.h"
#include "app/gl_window_set.h"
#include "app/open_data_file.h"
#include "platform/headless/headless_platform.h"
#include "resources/dialog_table.h"
#include "resources/menu_table.h"
#include "shell_fixture.h"

namespace ductora::testing {
namespace {

using platform::SurfaceStep;
using platform::WindowEvent;
using platform::headless::HeadlessPlatform;

using namespace resources;

TEST(PanelGeometry, QuarterScreenPanelsFromTheRightEdgeAndThePipeViewBeside) {
  // 0.25 x 1366 = 341.5 and 0.1875 x 1366 = 256.125 are truncated.
  const auto odd = PlotPanelGeometry(*FindPlotPanel(kLowWallPanel), 1366, 1366);
  EXPECT_EQ(odd.width, 341);
  EXPECT_EQ(odd.height, 256);
  EXPECT_EQ(odd.x, 1366 - 351);
  const auto view = PipeViewGeometry(1280, 1024, 2);
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
  void send(int slot, WindowEvent::Kind kind, int a = 0) { surface(slot)->send({kind, a, 0}); }
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
  send(kLengthAtYPanel, WindowEvent::Kind::kClose);
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
  send(kPipeViewPanel, WindowEvent::Kind::kClose);
  EXPECT_FALSE(app.windows.isShown(kPipeViewPanel));
  runCommand(app, kCmdDraw2DWall);
  EXPECT_TRUE(app.windows.isShown(kPipeViewPanel));
  EXPECT_EQ(app.viewMode, 2U);
}

TEST_F(PanelTest, KeysAreRecordedFromAnyPanelAndClicksRaise) {
  send(kOdOffsetPanel, WindowEvent::Kind::kKeyDown, 39);
  send(kPipeViewPanel, WindowEvent::Kind::kKeyDown, 32);
  EXPECT_EQ(app.keyDown[39], 1);
  EXPECT_EQ(app.keyDown[32], 1);
  send(kWallThicknessPanel, WindowEvent::Kind::kKeyUp, 39);
  EXPECT_EQ(app.keyDown[39], 0);
  send(kWallThicknessPanel, WindowEvent::Kind::kKeyDown, 4000);  // out of range: ignored

  send(kWallThicknessPanel, WindowEvent::Kind::kLeftDown);
  EXPECT_EQ(platform.focusedSlot(), kWallThicknessPanel);
  EXPECT_EQ(platform.zOrder().back(), kWallThicknessPanel);
  send(kOdOffsetPanel, WindowEvent::Kind::kRightDown);
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

class GlWindowSetTest : public ::testing::Test {
 protected:
  bool create(int slot, int parent = GlWindowSet::kNoParent) {
    return windows.create(slot, "Plot 1", {10, 20, 64, 48}, {}, parent, true);
  }
  std::string lastMessage() const {
    return platform.messages().empty() ? std::string() : platform.messages().back().text;
  }

  HeadlessPlatform platform;
  GlWindowSet windows{platform};
};

TEST_F(GlWindowSetTest, CreatesAShownSlotWithTheRequestedClientSizeUpTo18) {
  ASSERT_TRUE(create(0));
  ASSERT_NE(windows.window(0), nullptr);
  EXPECT_TRUE(windows.isShown(0));
  EXPECT_EQ(windows.width(0), 64);
  EXPECT_EQ(windows.height(0), 48);
  EXPECT_EQ(windows.window(0)->title(), "Plot 1");
  windows.hide(0);
  EXPECT_FALSE(windows.isShown(0));
  EXPECT_FALSE(platform.surface(0)->isVisible());
  windows.show(0);
  EXPECT_TRUE(platform.surface(0)->isVisible());
  // Slots above 18 are refused without a message.
  EXPECT_FALSE(create(19));
  EXPECT_EQ(windows.window(19), nullptr);
  EXPECT_TRUE(platform.messages().empty());
}

TEST_F(GlWindowSetTest, EachFailingStepReportsItsMessageAndLeavesTheSlotEmpty) {
  const std::vector<std::pair<SurfaceStep, std::string>> steps = {
      {SurfaceStep::kRegisterClass, "Failed to register the window class."},
      {SurfaceStep::kPixelFormat, "Can't find a suitable pixel format."},
      {SurfaceStep::kContext, "Can't create a GL rendering context."},
  };
  for (const auto& [step, text] : steps) {
    SCOPED_TRACE(text);
    platform.failSurface(3, step);
    EXPECT_FALSE(create(3));
    EXPECT_EQ(windows.window(3), nullptr);
    EXPECT_FALSE(windows.isShown(3));
    EXPECT_EQ(platform.surface(3), nullptr);  // whatever was built was torn down
    ASSERT_FALSE(platform.messages().empty());
    EXPECT_EQ(platform.messages().back().caption, "ERROR");
    EXPECT_EQ(platform.messages().back().text, text);
  }
  // The slot can be created again.
  EXPECT_TRUE(create(3));
  EXPECT_NE(windows.window(3), nullptr);
}

TEST_F(GlWindowSetTest, AChildOfAMissingParentFailsAsWindowCreation) {
  EXPECT_FALSE(create(2, 0));
  EXPECT_EQ(lastMessage(), "Window creation error.");
  ASSERT_TRUE(create(0));
  EXPECT_TRUE(create(2, 0));
}

TEST_F(GlWindowSetTest, MakeCurrentOfAMissingContextKeepsThePreviousSlotForSwaps) {
  ASSERT_TRUE(create(1));
  ASSERT_TRUE(windows.makeCurrent(1));
  EXPECT_FALSE(windows.makeCurrent(4));
  EXPECT_EQ(lastMessage(), "Can't activate the GL rendering context.");
  EXPECT_EQ(windows.currentSlot(), 1);
  windows.swapBuffers();
  EXPECT_EQ(platform.surface(1)->swapCount(), 1);
}

TEST_F(GlWindowSetTest, KillReportsEveryReleaseThatFailsAndEmptiesTheSlot) {
  ASSERT_TRUE(create(5));
  platform.surface(5)->releaseFailures = {true, true, true};
  windows.kill(5);
  ASSERT_EQ(platform.messages().size(), 3U);
  EXPECT_EQ(platform.messages()[0].text, "Release Rendering Context Failed.");
  EXPECT_EQ(platform.messages()[1].text, "Release Device Context Failed.");
  EXPECT_EQ(platform.messages()[2].text, "Could not release hWnd.");
  for (const auto& message : platform.messages()) EXPECT_EQ(message.caption, "SHUTDOWN ERROR");
  EXPECT_EQ(windows.window(5), nullptr);
}

}  // namespace
}  // namespace ductora::testing
