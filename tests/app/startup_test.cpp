#include "app/shell/startup.h"

#include "app/shell/main_loop.h"
#include "resources/dialog_table.h"
#include "resources/menu_table.h"
#include "shell_fixture.h"

namespace ductora::testing {
namespace {

using namespace resources;

TEST(CommandLineToken, QuotedPathsAndUnquotedLines) {
  EXPECT_EQ(firstCommandLineToken(""), "");
  EXPECT_EQ(firstCommandLineToken("\"C:/job/p 1.kqvw\" extra"), "C:/job/p 1.kqvw");
  EXPECT_EQ(firstCommandLineToken("/data/job 7/p1.kqvw"), "/data/job 7/p1.kqvw");  // taken whole
  EXPECT_EQ(firstCommandLineToken("\"\"\"/a.kqvw"), "/a.kqvw");                    // leading quotes skipped
  EXPECT_EQ(firstCommandLineToken("/a.kqvw\"/b.kqvw\""), "/a.kqvw");
  EXPECT_EQ(firstCommandLineToken("\"\""), "");
}

using StartupTest = ShellTest;

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
  EXPECT_EQ(app.documentState, DocumentState::kNone);
  EXPECT_EQ(app.viewMode, ViewMode::kNone);
}

TEST_F(StartupTest, AQuotedCommandLineOpensThatPathBeforeTheClockStarts) {
  const std::string path = pipe("with blank.kqvw", PipeData::kComplete);
  platform.advanceClock(500.0);
  start("\"" + path + "\" ignored");
  EXPECT_EQ(app.documentState, DocumentState::kOpen);
  ASSERT_NE(app.pipeString.current(), nullptr);
  EXPECT_EQ(app.pipeString.current()->path, path);
  EXPECT_EQ(app.lastTickMs, 500.0);
  EXPECT_FALSE(platform.dialog(kDialogPleaseWait)->isVisible());
}

TEST_F(StartupTest, ThePleaseWaitDialogClosesOnOk) {
  start();
  auto* pleaseWait = platform.dialog(kDialogPleaseWait);
  pleaseWait->show();
  pleaseWait->send({platform::DialogEvent::Kind::kCommand, kIdOk});
  EXPECT_FALSE(pleaseWait->isVisible());
}

TEST_F(StartupTest, TheLoopEndsOnQuit) {
  start();
  platform.answerMessageBox(platform::MessageResult::kYes);
  platform.post(0, platform::CommandEvent{kCmdExit});
  EXPECT_EQ(runMainLoop(app), 0);
  EXPECT_TRUE(app.quitPosted);
}

}  // namespace
}  // namespace ductora::testing
