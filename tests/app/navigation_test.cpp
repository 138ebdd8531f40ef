#include "app/navigation/navigation.h"

#include <chrono>
#include <thread>

#include "app/document/open_data_file.h"
#include "app/navigation/navigation_update.h"
#include "app/navigation/navigator_dialog.h"
#include "app/shell/frame.h"
#include "data/format/pipe_file_io.h"
#include "resources/menu_table.h"
#include "resources/shell_dialogs.h"
#include "shell_fixture.h"
#include "support/counting_allocator.h"
#include "support/matrix_builders.h"

namespace ductora::testing {
namespace {

using namespace resources;
using platform::ButtonEvent;
using platform::KeyEvent;
using platform::MouseButton;
using platform::PointerMoveEvent;

TEST(NavigationOperations, AnglesWrapAndTheZoomStaysAtOrBelowZero) {
  PipeString string(nullptr);
  string.angle = 0.5F;
  turnY(string, -1.0F);
  EXPECT_EQ(string.angle, 359.0F);  // not 359.5
  string.angle = 359.5F;
  turnY(string, 1.0F);
  EXPECT_EQ(string.angle, 0.0F);

  render::ViewValues view;
  view.rotation = {358.5F, 359.0F, 0.0F};
  rotate(view, 1.0F, 0.0F, -0.5F);
  EXPECT_EQ(view.rotation[render::kAxisX], 0.0F);
  EXPECT_EQ(view.rotation[render::kAxisY], 359.0F);
  EXPECT_EQ(view.rotation[render::kAxisZ], 359.0F);

  view.depth = -3.0F;
  zoomBy(view, 5.0F);
  EXPECT_EQ(view.depth, 0.0F);
  // Without pipes the per-pipe operations do nothing.
  rotateCurrent(string, 5.0F);
  moveOverlay(string, 5.0F);
}

// A string of three 30-inch pipes, the Navigator at its start speeds of 12 per second.
class NavigationTest : public ShellTest {
 protected:
  void SetUp() override {
    std::string names;
    for (const char* name : {"one.kqvw", "two.kqvw", "three.kqvw"})
      names += pipe(name, PipeData::kComplete) + "\n";
    writeText(dir.file("job.kqstr"), names);
    start(dir.file("job.kqstr"));
  }
  void key(int code, bool down) { surface(kPipeViewPanel)->send(KeyEvent{code, down}); }
  // Holds the key through one frame of the given seconds.
  void hold(int code, double seconds) {
    key(code, true);
    runFrame(app, seconds);
    key(code, false);
  }
  void pointer(int x, int y) { surface(kPipeViewPanel)->send(PointerMoveEvent{x, y}); }
  void button(MouseButton which, bool down) { surface(kPipeViewPanel)->send(ButtonEvent{which, down}); }
  platform::headless::HeadlessDialog& navigator() { return *platform.dialog(kDialogNavigator); }
  std::string title() { return surface(kPipeViewPanel)->title(); }
  float x() const { return app.pipeString.position; }
  std::uint32_t index() const { return app.pipeString.currentIndex(); }
};

TEST_F(NavigationTest, ArrowsTravelAcrossPipesAndStopAtTheEndsOfTheString) {
  ASSERT_TRUE(app.pipeString.jumpTo(2));
  setX(app.pipeString, 0.5F);
  hold(platform::kKeyLeft, 0.1);  // 1.2 inches back: the far end of the first pipe
  EXPECT_EQ(index(), 0U);
  EXPECT_FLOAT_EQ(x(), 30.0F);
  EXPECT_NE(title().find("one.kqvw"), std::string::npos);
  EXPECT_EQ(navigator().text(kNavCounter), "1/3");

  setX(app.pipeString, 0.5F);
  hold(platform::kKeyLeft, 0.1);
  EXPECT_EQ(index(), 0U);
  EXPECT_EQ(x(), 0.0F);

  // The space bar: 120 inches a second, one frame of 0.25 s crosses into the next pipe.
  setX(app.pipeString, 29.0F);
  key(platform::kKeySpace, true);
  hold(platform::kKeyRight, 0.25);
  key(platform::kKeySpace, false);
  EXPECT_EQ(index(), 1U);
  EXPECT_EQ(x(), 0.0F);
  EXPECT_NE(title().find("two.kqvw"), std::string::npos);
  EXPECT_EQ(navigator().text(kNavCounter), "2/3");
  // The window holds all three pipes: no step waits for a read.
  EXPECT_EQ(platform.busySpells(), 0);

  ASSERT_TRUE(app.pipeString.jumpTo(3));
  setX(app.pipeString, 29.5F);
  hold(platform::kKeyRight, 1.0);
  EXPECT_EQ(index(), 2U);
  EXPECT_FLOAT_EQ(x(), 30.0F);

  hold(platform::kKeyDown, 0.5);  // 6 degrees back from 0
  EXPECT_EQ(app.pipeString.angle, 359.0F);
  hold(platform::kKeyUp, 0.25);  // 362 lands on 0
  EXPECT_EQ(app.pipeString.angle, 0.0F);
}

TEST_F(NavigationTest, TheBusyCursorShowsOnlyWhileAStepWaitsForItsPipe) {
  std::string names;
  for (int i = 0; i < 7; ++i) names += pipe("p" + std::to_string(i) + ".kqvw", PipeData::kComplete) + "\n";
  writeText(dir.file("long.kqstr"), names);
  PipeString& string = app.pipeString;
  string.clear();
  string.reset();
  ASSERT_TRUE(string.open(dir.file("long.kqstr")).ok);
  ASSERT_TRUE(string.jumpTo(7));  // pipes 3 to 7 loaded, none beyond the end to read ahead
  const auto stepBack = [&] {
    setX(string, 0.5F);
    hold(platform::kKeyLeft, 0.1);
  };
  stepBack();  // pipe 2 is read now
  EXPECT_EQ(index(), 5U);
  EXPECT_EQ(platform.busySpells(), 1);
  for (int tries = 0; tries < 10000 && string.stepWouldWait(BrowseDirection::kPrevious); ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  stepBack();  // pipe 1 was read ahead
  EXPECT_EQ(index(), 4U);
  EXPECT_EQ(platform.busySpells(), 1);
  EXPECT_EQ(platform.busyDepth(), 0);
}

TEST_F(NavigationTest, ThePointerRotatesSpinsAndZoomsByItsLatestTravel) {
  pointer(100, 100);
  runFrame(app, 0.1);
  pointer(300, 400);  // moved without a button: no jump on the press
  button(MouseButton::kLeft, true);
  EXPECT_EQ(platform.focusedSlot(), kPipeViewPanel);
  runFrame(app, 0.1);
  EXPECT_EQ(app.view.rotation, (std::array<float, 3>{}));
  pointer(310, 405);
  pointer(322, 407);  // only the latest move reaches the frame
  runFrame(app, 0.1);
  EXPECT_EQ(app.view.rotation[render::kAxisX], 2.0F);
  EXPECT_EQ(app.view.rotation[render::kAxisY], 12.0F);
  runFrame(app, 0.1);  // consumed: no further turn
  EXPECT_EQ(app.view.rotation[render::kAxisY], 12.0F);

  button(MouseButton::kRight, true);
  const float depth = app.view.depth;
  pointer(322, 417);
  runFrame(app, 0.1);
  EXPECT_EQ(app.view.depth, depth - 10.0F);  // down zooms out
  pointer(322, 317);
  runFrame(app, 0.1);
  EXPECT_EQ(app.view.depth, 0.0F);

  button(MouseButton::kLeft, false);
  navigator().setChecked(kNavModeAll, false);
  navigator().setChecked(kNavModeCurrent, true);
  pointer(322, 200);
  pointer(322, 205);
  runFrame(app, 0.1);
  EXPECT_EQ(app.pipeString.current()->rotationZ(), 5.0F);
  EXPECT_EQ(app.view.rotation[render::kAxisZ], 0.0F);
}

// A key released in another program never reaches us: losing the focus lets go of everything.
TEST_F(NavigationTest, LosingTheFocusReleasesHeldKeysAndButtons) {
  key(platform::kKeyRight, true);
  button(MouseButton::kLeft, true);
  surface(kMainWindowPanel)->send(platform::FocusLostEvent{});
  const float before = x();
  pointer(50, 60);
  runFrame(app, 0.5);
  EXPECT_EQ(x(), before);
  EXPECT_EQ(app.view.rotation, (std::array<float, 3>{}));
}

TEST_F(NavigationTest, TheScrollerPlacesTheCursorUnlessAnArrowIsHeldAndTheOverlayKeepsItsOffset) {
  navigator().dragSlider(kNavScroller, 7);
  EXPECT_EQ(x(), 7.0F);
  key(platform::kKeyLeft, true);
  navigator().dragSlider(kNavScroller, 20);
  EXPECT_EQ(x(), 7.0F);
  key(platform::kKeyLeft, false);

  ASSERT_TRUE(app.pipeString.loadOverlay(pipe("overlay.kqvw", PipeData::kComplete)));
  setOverlayX(app.pipeString, 12.0F);  // 5 inches ahead of X
  navigator().dragSlider(kNavScroller, 20);
  EXPECT_EQ(x(), 20.0F);
  EXPECT_EQ(app.pipeString.overlay()->cursorPosition(), 25.0F);

  // Mode Overlay: the arrows move the overlay alone, clamped to its length.
  navigator().setChecked(kNavModeAll, false);
  navigator().setChecked(kNavModeOverlay, true);
  hold(platform::kKeyRight, 1.0);
  EXPECT_EQ(x(), 20.0F);
  EXPECT_EQ(app.pipeString.overlay()->cursorPosition(), 30.0F);
}

TEST_F(NavigationTest, TheNavigatorStepsJumpsAndCountsThePipes) {
  const auto& navigatorDialog = navigator();
  EXPECT_TRUE(navigatorDialog.isVisible());
  EXPECT_EQ(navigatorDialog.x(), app.windows.width(kMainWindowPanel) - 200);
  EXPECT_EQ(navigatorDialog.y(), app.windows.height(kMainWindowPanel) - 187);
  EXPECT_EQ(navigatorDialog.text(kNavJumpNumber), "3");

  navigator().send({platform::DialogEvent::Kind::kCommand, kNavNextPipe});
  runFrame(app, 0.0);
  EXPECT_EQ(navigator().text(kNavCounter), "2/3");
  EXPECT_NE(title().find("two.kqvw"), std::string::npos);
  navigator().send({platform::DialogEvent::Kind::kCommand, kNavPreviousPipe});
  EXPECT_EQ(index(), 0U);
  EXPECT_EQ(x(), 0.0F);

  navigator().setText(kNavJumpNumber, "3");
  navigator().setText(kNavYSpeed, "1");
  navigator().send({platform::DialogEvent::Kind::kCommand, kNavJump});
  runFrame(app, 0.0);
  EXPECT_EQ(index(), 2U);
  EXPECT_NE(title().find("three.kqvw"), std::string::npos);
  EXPECT_EQ(navigator().text(kNavYSpeed), "12.000");

  // Closing hides it; it is not made again by the next open, and View > Navigator shows it.
  navigator().send({platform::DialogEvent::Kind::kClose});
  openDataFile(app, dir.file("two.kqvw"), false);
  EXPECT_FALSE(navigator().isVisible());
  command(kCmdNavigator);
  EXPECT_TRUE(navigator().isVisible());
}

// Held keys and a drag run every frame; none of that may touch the heap.
TEST_F(NavigationTest, FramesOfHeldKeysAndDragsAllocateNothing) {
  navigationUpdate(app, 0.0);
  refreshNavigator(app);
  for (const int code : {platform::kKeySpace, platform::kKeyRight, platform::kKeyUp}) key(code, true);
  button(MouseButton::kLeft, true);
  button(MouseButton::kRight, true);
  const long before = allocationCount();
  for (int frame = 0; frame < 20; ++frame) {
    pointer(frame, 2 * frame);
    navigationUpdate(app, 0.001);
    refreshNavigator(app);
  }
  EXPECT_EQ(allocationCount(), before);
  EXPECT_GT(x(), 15.0F);
}

TEST_F(ShellTest, TheScrollerSpansTheWholeInchesOfThePipe) {
  PipeShape plan;
  plan.wall = MakeWallMatrix(
      48, 36, [](std::uint32_t, std::uint32_t) { return std::uint16_t{300}; }, 0.8);
  PipeFile shortPipe = MakePipe(std::move(plan));
  ASSERT_TRUE(savePipeFile(shortPipe, dir.file("short.kqvw"), false, false).ok);
  start(dir.file("short.kqvw"));  // 47 x 0.8 = 37.6 inches
  const platform::headless::SliderState* scroller = platform.dialog(kDialogNavigator)->slider(kNavScroller);
  EXPECT_EQ(scroller->minimum, 0);
  EXPECT_EQ(scroller->maximum, 37);
  EXPECT_EQ(scroller->position, 18);
  EXPECT_EQ(scroller->pageSize, 1);
  setX(app.pipeString, 30.9F);
  runFrame(app, 0.0);
  EXPECT_EQ(scroller->position, 30);
}

}  // namespace
}  // namespace ductora::testing
