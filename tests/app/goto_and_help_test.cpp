#include "app/document/open_data_file.h"
#include "app/shell/frame.h"
#include "resources/menu_table.h"
#include "resources/shell_dialogs.h"
#include "shell_fixture.h"

namespace ductora::testing {
namespace {

using namespace resources;
using platform::DialogEvent;
using platform::headless::HeadlessDialog;

class GotoAndHelpTest : public ShellTest {
 protected:
  void SetUp() override { start(pipe("pipe.kqvw", PipeData::kComplete)); }
  HeadlessDialog& dialog(int id) { return *platform.dialog(id); }
  void press(int dialogId, int control) { dialog(dialogId).send({DialogEvent::Kind::kCommand, control}); }
};

TEST_F(GotoAndHelpTest, GotoMeasuresFromEitherEndAndShowsTheCursorWhenDrawn) {
  command(kCmdGoto);
  HeadlessDialog& go = dialog(kDialogGoto);
  EXPECT_TRUE(go.isVisible());
  go.send({DialogEvent::Kind::kPaint});
  EXPECT_EQ(go.text(kGotoX), "15.000");
  EXPECT_EQ(go.text(kGotoY), "0.000");

  go.setText(kGotoX, "2.5");
  go.send({DialogEvent::Kind::kPaint});  // a repaint while typing keeps the text
  press(kDialogGoto, kGotoXFromBack);
  EXPECT_FLOAT_EQ(app.pipeString.position, 27.5F);
  press(kDialogGoto, kGotoXFromFront);
  EXPECT_FLOAT_EQ(app.pipeString.position, 2.5F);
  go.setText(kGotoY, "90");
  press(kDialogGoto, kGotoYFromBack);
  EXPECT_FLOAT_EQ(app.pipeString.angle, 270.0F);
  go.setText(kGotoY, "x");  // not a number: 0
  press(kDialogGoto, kGotoYFromFront);
  EXPECT_EQ(app.pipeString.angle, 0.0F);
  // An angle beyond a turn is its place on the turn.
  go.setText(kGotoY, "500");
  press(kDialogGoto, kGotoYFromFront);
  EXPECT_FLOAT_EQ(app.pipeString.angle, 140.0F);
  press(kDialogGoto, kGotoYFromBack);
  EXPECT_FLOAT_EQ(app.pipeString.angle, 220.0F);

  // A place beyond either end is that end.
  go.setText(kGotoX, "1e30");
  press(kDialogGoto, kGotoXFromFront);
  EXPECT_EQ(app.pipeString.position, 30.0F);
  press(kDialogGoto, kGotoXFromBack);
  EXPECT_EQ(app.pipeString.position, 0.0F);
  go.setText(kGotoX, "-50");
  press(kDialogGoto, kGotoXFromFront);
  EXPECT_EQ(app.pipeString.position, 0.0F);

  press(kDialogGoto, kIdHelp);
  EXPECT_TRUE(dialog(kHelpGoto).isVisible());
  press(kDialogGoto, kIdOk);
  EXPECT_FALSE(go.isVisible());
  command(kCmdGoto);  // shown again, it is written again
  go.send({DialogEvent::Kind::kPaint});
  EXPECT_EQ(go.text(kGotoY), "220.000");
}

TEST_F(GotoAndHelpTest, HelpWindowsAreMadeHiddenWithEveryOpenAndShownByTheirControls) {
  std::vector<int> made;
  for (const auto& help : app.dialogs.helpWindows()) {
    made.push_back(help->resourceId());
    EXPECT_FALSE(help->isVisible());
  }
  EXPECT_EQ(made, std::vector<int>(kHelpDialogOrder.begin(), kHelpDialogOrder.end()));

  surface(kWallThicknessPanel)->send(platform::ButtonEvent{platform::MouseButton::kRight, true});
  EXPECT_TRUE(dialog(kHelpWallThickness).isVisible());
  press(kHelpWallThickness, kIdOk);
  EXPECT_FALSE(dialog(kHelpWallThickness).isVisible());
  press(kDialogNavigator, kNavHelp);
  EXPECT_TRUE(dialog(kHelpNavigator).isVisible());

  openDataFile(app, pipe("next.kqvw", PipeData::kWallOnly), false);
  EXPECT_FALSE(dialog(kHelpNavigator).isVisible());
  EXPECT_FALSE(dialog(kDialogGoto).isVisible());
  EXPECT_EQ(app.dialogs.helpWindows().size(), kHelpDialogOrder.size());
}

TEST_F(GotoAndHelpTest, QuickFileBrowseOpensTheNeighboursInTheFolderByName) {
  const std::string first = pipe("a.kqvw", PipeData::kComplete);
  openDataFile(app, first, false);
  press(kDialogNavigator, kNavPreviousFile);
  openRequestedFile(app);  // as the loop does after the messages
  EXPECT_EQ(app.pipeString.current()->path, first);
  press(kDialogNavigator, kNavNextFile);
  openRequestedFile(app);
  EXPECT_EQ(app.pipeString.current()->path, dir.file("pipe.kqvw"));
}

}  // namespace
}  // namespace ductora::testing
