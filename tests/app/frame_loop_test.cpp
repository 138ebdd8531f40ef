#include "app/shell/main_loop.h"
#include "app/shell/startup.h"
#include "app/state/frame_decision.h"
#include "resources/dialog_table.h"
#include "shell_fixture.h"

namespace ductora::testing {
namespace {

using platform::DialogEvent;
using platform::headless::HeadlessPlatform;

class FrameLoopTest : public ShellTest {
 protected:
  // Runs one turn of the loop; true when it drew a frame.
  bool turn() {
    const std::uint64_t before = app.framesRun;
    loopIteration(app);
    return app.framesRun == before + 1;
  }
  void post(const platform::WindowEvent& event) { platform.post(kPipeViewPanel, event); }
};

TEST_F(FrameLoopTest, DrawsWhileSomethingCanChangeAndOtherwiseSleeps) {
  start(pipe("p.kqvw", PipeData::kComplete));
  platform.advanceClock(250.0);
  ASSERT_TRUE(turn()) << "the finished load is shown";
  EXPECT_DOUBLE_EQ(app.elapsedSeconds, 0.25);
  const int swaps = surface(kPipeViewPanel)->swapCount();
  EXPECT_GT(swaps, 0);
  EXPECT_FALSE(turn());
  EXPECT_FALSE(turn());
  EXPECT_EQ(surface(kPipeViewPanel)->swapCount(), swaps);

  // Held keys and buttons draw on without further messages.
  post(platform::KeyEvent{platform::kKeyRight, true});
  EXPECT_TRUE(turn());
  EXPECT_TRUE(turn());
  post(platform::KeyEvent{platform::kKeyRight, false});
  EXPECT_TRUE(turn()) << "the key-up is a handled message";
  EXPECT_FALSE(turn());
  post(platform::ButtonEvent{platform::MouseButton::kLeft, true});
  EXPECT_TRUE(turn());
  EXPECT_TRUE(turn());
  post(platform::ButtonEvent{platform::MouseButton::kLeft, false});
  EXPECT_TRUE(turn());
  EXPECT_FALSE(turn());

  // Pointer moves, uncovered windows and dialogs in use draw once; a dialog's own paint does not.
  for (const platform::WindowEvent& event : {platform::WindowEvent{platform::PointerMoveEvent{5, 5}},
                                             platform::WindowEvent{platform::ExposeEvent{}}}) {
    post(event);
    EXPECT_TRUE(turn());
    EXPECT_FALSE(turn());
  }
  // A resized panel is drawn twice, the second time at a size every GL implementation has taken,
  // and then the loop sleeps again.
  surface(kWallThicknessPanel)->resize(500, 300);
  EXPECT_TRUE(turn());
  EXPECT_TRUE(turn());
  EXPECT_FALSE(turn());
  EXPECT_EQ(app.windows.height(kWallThicknessPanel), 300);
  auto* pleaseWait = platform.dialog(resources::kDialogPleaseWait);
  pleaseWait->send({DialogEvent::Kind::kPaint});
  EXPECT_FALSE(turn());
  pleaseWait->send({DialogEvent::Kind::kCommand, resources::kIdOk});
  EXPECT_TRUE(turn());

  // Minimised: nothing draws, not even with a key held; restoring draws again.
  platform.post(kMainWindowPanel, platform::ActivateEvent{true});
  EXPECT_FALSE(turn());
  post(platform::KeyEvent{platform::kKeyLeft, true});
  EXPECT_FALSE(turn());
  EXPECT_FALSE(turn());
  platform.post(kMainWindowPanel, platform::ActivateEvent{false});
  EXPECT_TRUE(turn());
  EXPECT_TRUE(turn()) << "the key is still held";
}

// While the view moves the frames may draw less; once it has rested a quarter of a second the
// loop draws the whole picture once more, unasked, and then sleeps.
TEST_F(FrameLoopTest, MovingFramesWhileTheViewMovesThenOneStillFrame) {
  using render::FrameDetail;
  start(pipe("p.kqvw", PipeData::kComplete));
  ASSERT_TRUE(turn());
  EXPECT_EQ(app.frameDetail, FrameDetail::kStill) << "an opened pipe is no motion";
  ASSERT_FALSE(turn());

  post(platform::KeyEvent{platform::kKeyRight, true});
  ASSERT_TRUE(turn());
  EXPECT_EQ(app.frameDetail, FrameDetail::kMoving);
  platform.advanceClock(100.0);
  post(platform::KeyEvent{platform::kKeyRight, false});
  ASSERT_TRUE(turn());
  EXPECT_EQ(app.frameDetail, FrameDetail::kMoving) << "the cursor moved 100 ms ago";
  EXPECT_FALSE(turn());
  platform.advanceClock(149.0);
  EXPECT_FALSE(turn());
  platform.advanceClock(1.0);
  ASSERT_TRUE(turn()) << "the still frame is owed";
  EXPECT_EQ(app.frameDetail, FrameDetail::kStill);
  EXPECT_FALSE(turn());

  // Minimised, the still frame waits for the window to be restored.
  app.view.depth -= 5.0F;
  app.frameRequested = true;
  ASSERT_TRUE(turn());
  platform.post(kMainWindowPanel, platform::ActivateEvent{true});
  platform.advanceClock(250.0);
  EXPECT_FALSE(turn());
  platform.post(kMainWindowPanel, platform::ActivateEvent{false});
  ASSERT_TRUE(turn());
  EXPECT_EQ(app.frameDetail, FrameDetail::kStill);

  // A view changed between frames, by the wheel or a dialog, is motion too.
  app.view.depth -= 5.0F;
  app.frameRequested = true;
  ASSERT_TRUE(turn());
  EXPECT_EQ(app.frameDetail, FrameDetail::kMoving);
  platform.advanceClock(250.0);
  ASSERT_TRUE(turn());
  EXPECT_EQ(app.frameDetail, FrameDetail::kStill);
  EXPECT_FALSE(turn());
}

TEST_F(FrameLoopTest, WithoutAFileHeldKeysDrawNothing) {
  start();
  post(platform::KeyEvent{platform::kKeyRight, true});
  app.keyDown[platform::kKeyRight] = 1;
  EXPECT_FALSE(frameWanted(app, false));
  EXPECT_TRUE(frameWanted(app, true));
}

TEST_F(FrameLoopTest, TheClockRestartsAfterAnIdleSleep) {
  start(pipe("p.kqvw", PipeData::kComplete));
  ASSERT_TRUE(turn());
  ASSERT_FALSE(turn());
  // A minute idle, then the arrow: the first frame moves by one frame's worth.
  platform.advanceClock(60000.0);
  const float x = app.pipeString.position;
  post(platform::KeyEvent{platform::kKeyRight, true});
  ASSERT_TRUE(turn());
  const double frame = HeadlessPlatform::kFrameIntervalMs / 1000.0;
  EXPECT_DOUBLE_EQ(app.elapsedSeconds, frame);
  const float perFrame = app.pipeString.position - x;
  EXPECT_NEAR(perFrame, 12.0 * frame, 1e-4);
  // From then on the steps are the real time between frames.
  platform.advanceClock(50.0);
  ASSERT_TRUE(turn());
  EXPECT_DOUBLE_EQ(app.elapsedSeconds, 0.05);
  EXPECT_NEAR(app.pipeString.position - x - perFrame, 12.0 * 0.05, 1e-4);
}

}  // namespace
}  // namespace ductora::testing
