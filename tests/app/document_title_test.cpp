#include "app/document/save_pipe.h"
#include "app/shell/frame.h"
#include "shell_fixture.h"

namespace ductora::testing {
namespace {

using DocumentTitleTest = ShellTest;

TEST_F(DocumentTitleTest, TheTitleFollowsTheFileAndItsUnsavedChanges) {
  const std::string first = pipe("one.kqvw", PipeData::kComplete);
  start(first);
  EXPECT_EQ(platform.documentPath(), first);
  EXPECT_FALSE(platform.documentUnsaved());

  app.pipeString.current()->unsavedChanges = true;  // as a dialog that changes the pipe does
  runFrame(app, 0.0);
  EXPECT_TRUE(platform.documentUnsaved());
  ASSERT_TRUE(saveChangedPipesBeforeExit(app));
  runFrame(app, 0.0);
  EXPECT_FALSE(platform.documentUnsaved());

  // A file opened from outside the menu (a recent file or a drop) goes through the main window.
  app.pipeString.current()->unsavedChanges = true;
  platform.answerMessageBox(platform::MessageResult::kNo);  // the changes are let go
  const std::string second = pipe("two.kqvw", PipeData::kWallOnly);
  platform.post(kMainWindowPanel, platform::OpenFileEvent{second});
  platform.post(kMainWindowPanel, platform::OpenFileEvent{first, true});
  platform.post(kMainWindowPanel, platform::OpenFileEvent{dir.file("missing.kqvw")});
  platform.processEvents();
  EXPECT_FALSE(platform.documentUnsaved()) << "the changed pipe is gone";
  EXPECT_EQ(platform.recentFiles(), (std::vector<std::string>{first, second, first}))
      << "files that could not be opened are not remembered";
}

}  // namespace
}  // namespace ductora::testing
