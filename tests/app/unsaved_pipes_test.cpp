#include "app/document/open_data_file.h"
#include "app/shell/frame.h"
#include "data/format/pipe_blocks.h"
#include "data/format/pipe_file_io.h"
#include "resources/dialog_table.h"
#include "resources/menu_table.h"
#include "resources/shell_dialogs.h"
#include "resources/statistics_dialogs.h"
#include "shell_fixture.h"

namespace ductora::testing {
namespace {

using namespace resources;
using platform::DialogEvent;
using platform::MessageButtons;
using platform::MessageResult;

constexpr const char* kExitPrompt = "Do you want to save changes before exiting?";

// A string of six 30-inch pipes P-1 to P-6: walking from the second to the third drops the
// first from memory.
class UnsavedPipesTest : public ShellTest {
 protected:
  void SetUp() override {
    std::string names;
    for (int number = 1; number <= 6; ++number) names += pipe(name(number), PipeData::kComplete) + "\n";
    writeText(dir.file("JOB.kqstr"), names);
    start(dir.file("JOB.kqstr"));
  }
  static std::string name(int number) { return "P-" + std::to_string(number) + ".kqvw"; }
  // Modify > Gray Scale: the lower wall typed, OK.
  void setLowerWall(const std::string& value) {
    platform.scriptModal(kDialogGrayScale, [&](platform::headless::HeadlessDialog& dialog) {
      dialog.setText(kGrayLowerWall, value);
      dialog.send({DialogEvent::Kind::kCommand, kIdOk});
    });
    command(kCmdGrayScale);
  }
  void navigate(int button) {
    platform.dialog(kDialogNavigator)->send({DialogEvent::Kind::kCommand, button});
    runFrame(app, 0.0);
  }
  bool titleMarked() {
    runFrame(app, 0.0);
    return platform.documentUnsaved();
  }
  std::uint16_t lowerWallOnDisk(int number) {
    PipeFile read;
    EXPECT_TRUE(readPipeFile(read, dir.file(name(number))).opened);
    return read.header.lowerWall;
  }
  std::uint32_t index() const { return app.pipeString.currentIndex(); }
  const platform::headless::MessageRecord& lastMessage() const { return platform.messages().back(); }
};

TEST_F(UnsavedPipesTest, EachPipeKeepsItsOwnMarkAndExitSavesEveryChangedPipe) {
  setLowerWall("300");
  EXPECT_TRUE(titleMarked());
  navigate(kNavNextPipe);
  EXPECT_FALSE(titleMarked()) << "the mark is the current pipe's";

  // Saving the second pipe leaves the first one's changes marked.
  setLowerWall("310");
  command(kCmdSave);
  EXPECT_FALSE(titleMarked());
  EXPECT_EQ(lowerWallOnDisk(2), 310);
  navigate(kNavPreviousPipe);
  EXPECT_TRUE(titleMarked());
  EXPECT_EQ(lowerWallOnDisk(1), 0);

  navigate(kNavNextPipe);
  const std::size_t shown = platform.messages().size();
  platform.answerMessageBox(MessageResult::kYes);
  command(kCmdExit);
  ASSERT_EQ(platform.messages().size(), shown + 1);
  EXPECT_EQ(lastMessage().text, kExitPrompt);
  EXPECT_TRUE(app.quitPosted);
  EXPECT_EQ(lowerWallOnDisk(1), 300);
  EXPECT_EQ(lowerWallOnDisk(2), 310);
}

TEST_F(UnsavedPipesTest, AStatisticsSliderLetGoElsewhereIsAChangeToSave) {
  auto* statistics = platform.dialog(kDialogStatistics);
  ASSERT_NE(statistics, nullptr);
  const int lower = statistics->sliderPosition(kStatLowerWall);
  statistics->dragSlider(kStatLowerWall, lower);
  EXPECT_FALSE(titleMarked()) << "let go where it was";
  statistics->dragSlider(kStatLowerWall, lower + 20);
  EXPECT_TRUE(titleMarked());

  platform.answerMessageBox(MessageResult::kCancel);
  command(kCmdExit);
  EXPECT_EQ(lastMessage().text, kExitPrompt);
  EXPECT_FALSE(app.quitPosted);
}

TEST_F(UnsavedPipesTest, LeavingAChangedPipeBehindAsksFirstAndCancelStaysPut) {
  setLowerWall("300");
  navigate(kNavNextPipe);
  ASSERT_EQ(index(), 1U);

  // Walking on would drop the first pipe: Cancel keeps it, the cursor at the end and no key held.
  app.pipeString.position = 29.9F;
  surface(kPipeViewPanel)->send(platform::KeyEvent{platform::kKeyRight, true});
  platform.answerMessageBox(MessageResult::kCancel);
  runFrame(app, 1.0);
  EXPECT_EQ(lastMessage().text, "Do you want to save changes to P-1.kqvw?");
  EXPECT_EQ(lastMessage().caption, "Notice");
  EXPECT_EQ(lastMessage().buttons, MessageButtons::kYesNoCancel);
  EXPECT_EQ(index(), 1U);
  EXPECT_FLOAT_EQ(app.pipeString.position, 30.0F);
  EXPECT_EQ(app.keyDown[platform::kKeyRight], 0);
  EXPECT_TRUE(app.pipeString.loadedPipes().front().unsavedChanges);

  // A jump and a replacing open drop every loaded pipe: cancelled, nothing moves either.
  platform.answerMessageBox(MessageResult::kCancel);
  platform.dialog(kDialogNavigator)->setText(kNavJumpNumber, "6");
  navigate(kNavJump);
  platform.answerMessageBox(MessageResult::kCancel);
  openDataFile(app, dir.file(name(6)), false);
  EXPECT_EQ(index(), 1U);
  EXPECT_EQ(app.pipeString.nameCount(), 6U);
  EXPECT_EQ(lowerWallOnDisk(1), 0);

  // No lets the changes go.
  platform.answerMessageBox(MessageResult::kNo);
  navigate(kNavNextPipe);
  EXPECT_EQ(index(), 2U);
  EXPECT_EQ(app.pipeString.loadedPipes().front().stringIndex, 1U);
  EXPECT_EQ(lowerWallOnDisk(1), 0);

  // Yes saves before the jump reloads the window.
  setLowerWall("320");
  platform.answerMessageBox(MessageResult::kYes);
  platform.dialog(kDialogNavigator)->setText(kNavJumpNumber, "1");
  navigate(kNavJump);
  EXPECT_EQ(index(), 0U);
  EXPECT_EQ(lowerWallOnDisk(3), 320);
  EXPECT_FALSE(app.pipeString.hasUnsavedChanges());
}

// The first entry of the string names a file that cannot be read; an import makes it worth saving.
TEST_F(UnsavedPipesTest, APipeWithoutItsFileIsSavedThroughSaveAsAndAskedAboutByItsEntry) {
  std::string names = dir.file("lost.kqvw") + "\n";
  for (int number = 2; number <= 6; ++number) names += dir.file(name(number)) + "\n";
  writeText(dir.file("GAP.kqstr"), names);
  openDataFile(app, dir.file("GAP.kqstr"), false);
  StraightnessMatrix bow;
  bow.rows = 2;
  bow.columns = 2;
  bow.data = {1, 2, 3, 4};
  writeBytes(dir.file("bow.kqvw"), encodeStraightness(bow));
  platform.answerFileDialog(dir.file("bow.kqvw"));
  command(kCmdImportStraightness);
  ASSERT_TRUE(app.pipeString.current()->unsavedChanges);

  // Save has no file to save over: it asks where, and a cancel saves nothing.
  command(kCmdSave);
  EXPECT_EQ(platform.fileDialogs().back().kind, platform::headless::FileDialogKind::kSave);
  EXPECT_TRUE(app.pipeString.current()->unsavedChanges);

  // Walking on would drop it: the prompt names its entry, and Yes asks where to save it.
  navigate(kNavNextPipe);
  platform.answerMessageBox(MessageResult::kYes);
  navigate(kNavNextPipe);
  EXPECT_EQ(lastMessage().text, "Do you want to save changes to lost.kqvw?");
  EXPECT_EQ(index(), 1U) << "a cancelled Save As keeps the pipe";
  platform.answerMessageBox(MessageResult::kYes);
  platform.answerFileDialog(dir.file("found"));
  navigate(kNavNextPipe);
  EXPECT_EQ(index(), 2U);
  PipeFile saved;
  ASSERT_TRUE(readPipeFile(saved, dir.file("found.kqvw")).opened);
  EXPECT_EQ(saved.straightness.data, bow.data);
}

}  // namespace
}  // namespace ductora::testing
