#include "app/dialogs/indication_dialog.h"

#include <filesystem>

#include "analysis/placement/cursor_rows.h"
#include "analysis/placement/display_rows.h"
#include "app/shell/frame.h"
#include "resources/data_dialogs.h"
#include "resources/menu_table.h"
#include "shell_fixture.h"

namespace ductora::testing {
namespace {

using namespace resources;
using platform::DialogEvent;
using platform::headless::HeadlessDialog;

constexpr const char* kHeader =
    "Indication#  Channel#  Type  XLoc(ft)  XLocFRef(ft)  YLoc(deg)  Amplitude(%)\n";

// A job folder: the pipe in J1/data, indication files beside it and in J1/RDAQ.
class IndicationDialogTest : public ShellTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir.path() / "J1" / "data");
    std::filesystem::create_directories(dir.path() / "J1" / "RDAQ");
    pipePath = WriteTestPipe(dir.file("J1/data/p7.kqvw"), PipeData::kComplete);
  }
  std::string besidePipe() const { return dir.file("J1/data/p7.ind"); }
  std::string inRdaq() const { return dir.file("J1/RDAQ/p7.ind"); }
  HeadlessDialog& dialog() { return *platform.dialog(kDialogIndication); }

  std::string pipePath;
};

TEST_F(IndicationDialogTest, TheRdaqFileIsListedBeforeTheOneBesideThePipe) {
  start();
  command(kCmdIndications);
  ASSERT_EQ(platform.messages().size(), 1U);
  EXPECT_EQ(platform.messages()[0].text, "No Corvix file is opened!");
  EXPECT_EQ(platform.messages()[0].caption, "Warning");

  platform.answerFileDialog(pipePath);
  command(kCmdOpenPipe);
  command(kCmdIndications);
  ASSERT_EQ(platform.messages().size(), 2U);
  EXPECT_EQ(platform.messages()[1].text, "Unable to locate associated indication file: " + inRdaq());
  EXPECT_EQ(platform.messages()[1].caption, "ERROR");
  EXPECT_FALSE(dialog().isVisible());

  writeText(besidePipe(), std::string(kHeader) + "1 2 Pit 9 0.0 90 35\n");
  writeText(inRdaq(), std::string(kHeader) + "1 2 Pit 1.5 0.0 90 35\n2 1 Gouge 2 x 45 60\n");
  command(kCmdIndications);
  EXPECT_TRUE(dialog().isVisible());
  const auto lines = dialog().listLines(kIndicationList);
  ASSERT_EQ(lines.size(), 2U);
  EXPECT_EQ(lines[0].substr(lines[0].size() - 89, 20), "               18.00");

  dialog().send({DialogEvent::Kind::kCommand, kIndicationOn});
  EXPECT_EQ(app.viewMode, ViewMode::kIndications);
  runFrame(app, 0.0);
  dialog().send({DialogEvent::Kind::kCommand, kIndicationOff});
  EXPECT_EQ(app.viewMode, ViewMode::k2DWall);
  dialog().send({DialogEvent::Kind::kCommand, kIdCancel});
  EXPECT_FALSE(dialog().isVisible());

  // Only a header: nothing to list.
  writeText(inRdaq(), kHeader);
  command(kCmdIndications);
  EXPECT_TRUE(dialog().isVisible());
  EXPECT_EQ(dialog().listLineCount(kIndicationList), 0);
}

TEST_F(IndicationDialogTest, ADoubleClickGoesToTheRevolutionAndColumnTheCircleIsDrawnAt) {
  // 5.188 ft is 62.26 inches and 1.5416667 ft 18.50; the angles wrap at 360.
  writeText(besidePipe(),
            std::string(kHeader) + "1 2 PIT 5.188 14.719 297 38\n2 1 I.D. 1.5416667 0.0 365 35\n");
  start(pipePath);
  command(kCmdIndications);
  ASSERT_EQ(dialog().listLineCount(kIndicationList), 2);

  // 1-inch rows and 10-degree columns: the start of the row and column, plus the cursor's 0.1.
  dialog().doubleClickListLine(kIndicationList, 0);
  EXPECT_FLOAT_EQ(app.pipeString.position, 62.1F);
  EXPECT_FLOAT_EQ(app.pipeString.angle, 290.1F);
  dialog().doubleClickListLine(kIndicationList, 1);
  EXPECT_FLOAT_EQ(app.pipeString.position, 18.1F);
  EXPECT_FLOAT_EQ(app.pipeString.angle, 0.1F);

  // Flipped and reversed, the circle and the cursor move with the defect: row 18 of the display
  // counts back from the far end, column 0 is shown as column 35 (350 degrees).
  PipeFile& pipe = *app.pipeString.current();
  pipe.header.rotation = 1;
  pipe.header.from = 1;
  const DisplayRows rows = WallDisplayRows(pipe);
  ASSERT_GT(rows.IndexOf(18 - rows.offset), 0);
  dialog().doubleClickListLine(kIndicationList, 1);
  EXPECT_FLOAT_EQ(app.pipeString.position, static_cast<float>(rows.IndexOf(18 - rows.offset)) + 0.1F);
  EXPECT_FLOAT_EQ(app.pipeString.angle, 350.1F);
  const CursorPlace place = PlaceAtCursor(pipe, app.pipeString.position, app.pipeString.angle);
  EXPECT_EQ(place.wall.column, 0);
  EXPECT_EQ(place.wall.row, 18 - rows.offset);
}

}  // namespace
}  // namespace ductora::testing
