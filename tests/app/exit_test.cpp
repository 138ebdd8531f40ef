#include "app/document/open_data_file.h"
#include "app/shell/commands.h"
#include "data/format/pipe_file_io.h"
#include "resources/menu_table.h"
#include "shell_fixture.h"

namespace ductora::testing {
namespace {

using platform::MessageButtons;
using platform::MessageResult;

class ExitTest : public ShellTest {
 protected:
  void SetUp() override { start(); }
  void close() { surface(0)->send(platform::CloseEvent{}); }
  std::uint16_t kqOnDisk(const std::string& path) {
    PipeFile read;
    EXPECT_TRUE(readPipeFile(read, path).opened);
    return read.header.kqNumber;
  }
};

TEST_F(ExitTest, WithoutChangesNoKeepsRunningAndYesQuits) {
  platform.answerMessageBox(MessageResult::kNo);
  command(resources::kCmdExit);
  EXPECT_FALSE(app.quitPosted);
  ASSERT_EQ(platform.messages().size(), 1U);
  const auto& prompt = platform.messages().front();
  EXPECT_EQ(prompt.text, "Are you sure want to quit?");
  EXPECT_EQ(prompt.caption, "Notice");
  EXPECT_EQ(prompt.buttons, MessageButtons::kYesNo);
  EXPECT_EQ(prompt.icon, platform::MessageIcon::kWarning);

  platform.answerMessageBox(MessageResult::kYes);
  close();
  EXPECT_TRUE(app.quitPosted);
}

TEST_F(ExitTest, WithChangesCancelAndNoDoNotSave) {
  const std::string path = pipe("p.kqvw", PipeData::kComplete, 100);
  openDataFile(app, path, false);
  app.pipeString.current()->unsavedChanges = true;
  app.pipeString.current()->header.kqNumber = 200;

  platform.answerMessageBox(MessageResult::kCancel);
  close();
  EXPECT_FALSE(app.quitPosted);
  EXPECT_EQ(platform.messages().back().text, "Do you want to save changes before exiting?");
  EXPECT_EQ(platform.messages().back().buttons, MessageButtons::kYesNoCancel);

  platform.answerMessageBox(MessageResult::kNo);
  close();
  EXPECT_TRUE(app.quitPosted);
  EXPECT_EQ(kqOnDisk(path), 100);
}

TEST_F(ExitTest, WithChangesYesSavesTheCurrentPipeThenQuits) {
  const std::string path = pipe("p.kqvw", PipeData::kComplete, 100);
  openDataFile(app, path, false);
  app.pipeString.current()->unsavedChanges = true;
  app.pipeString.current()->header.kqNumber = 200;
  const int swaps = surface(1)->swapCount();
  platform.answerMessageBox(MessageResult::kYes);
  command(resources::kCmdExit);
  EXPECT_TRUE(app.quitPosted);
  EXPECT_EQ(kqOnDisk(path), 200);
  EXPECT_EQ(surface(1)->swapCount(), swaps + 1);  // redrawn once before the write
  EXPECT_FALSE(platform.dialog(resources::kDialogPleaseWait)->isVisible());
}

TEST_F(ExitTest, AFailedSaveIsReportedAndTheProgramStays) {
  const std::string path = pipe("p.kqvw", PipeData::kComplete, 100);
  openDataFile(app, path, false);
  app.pipeString.current()->unsavedChanges = true;
  app.pipeString.current()->path = dir.file("no-such-folder/p.kqvw");
  platform.answerMessageBox(MessageResult::kYes);
  command(resources::kCmdExit);
  EXPECT_FALSE(app.quitPosted);
  EXPECT_EQ(platform.messages().back().caption, "Error");
}

}  // namespace
}  // namespace ductora::testing
