#include "app/shell/gl_window_set.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"

namespace ductora {
namespace {

using platform::SurfaceStep;
using platform::headless::HeadlessPlatform;

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
}  // namespace ductora
