#include <cstdio>

#include "app/shell/frame.h"
#include "data/format/pipe_file_io.h"
#include "resources/data_dialogs.h"
#include "resources/menu_table.h"
#include "shell_fixture.h"
#include "support/matrix_builders.h"

namespace ductora::testing {
namespace {

using namespace resources;
using platform::DialogEvent;
using platform::headless::HeadlessDialog;

// Cell (r, c) of either matrix holds r x 1000 + c, so every value names its place.
int cellValue(int row, int column) { return row * 1000 + column; }

class DataDisplayTest : public ShellTest {
 protected:
  void open(PipeData data) {
    PipeShape plan;
    plan.nominalOd = 7.0F;
    plan.calibrationOd = 7.0F;
    plan.nominalWall = 362;
    const auto value = [](std::uint32_t r, std::uint32_t c) { return cellValue(int(r), int(c)); };
    if (data != PipeData::kOdOnly)
      plan.wall = MakeWallMatrix(31, 360, [&](auto r, auto c) { return std::uint16_t(value(r, c)); });
    if (data != PipeData::kWallOnly)
      plan.od = MakeOdMatrix(31, 360, [&](auto r, auto c) { return std::int16_t(value(r, c)); });
    const std::string path = dir.file("pipe.kqvw");
    PipeFile pipe = MakePipe(std::move(plan));
    ASSERT_TRUE(savePipeFile(pipe, path, false, false).ok);
    start(path);
    command(kCmdData);
  }
  HeadlessDialog& dialog() { return *platform.dialog(kDialogDataDisplay); }
  void at(float x, float y) {
    app.pipeString.position = x;
    app.pipeString.angle = y;
    runFrame(app, 0.0);
  }
  // Types the range and the count, then presses the button.
  void press(int button, const std::string& start, const std::string& end, const std::string& count,
             const std::string& value = "") {
    dialog().setText(kDataStart, start);
    dialog().setText(kDataEnd, end);
    dialog().setText(kDataCount, count);
    dialog().setText(kDataFixedValue, value);
    dialog().send({DialogEvent::Kind::kCommand, button});
  }
  int wall(int row, int column) const { return app.pipeString.current()->wallMatrix.at(row, column); }
  int od(int row, int column) const { return app.pipeString.current()->odMatrix.at(row, column); }
};

std::string wallLine(const std::array<int, 7>& v) {
  char line[128];
  std::snprintf(line, sizeof line, "%9d %9d  %9d      %10d      %10d%10d %10d", v[0], v[1], v[2], v[3], v[4],
                v[5], v[6]);
  return line;
}

TEST_F(DataDisplayTest, TheTableFollowsTheCursorRoundThroughZeroAndShowsZeroOutsideThePipe) {
  open(PipeData::kComplete);
  ASSERT_TRUE(dialog().isVisible());
  EXPECT_EQ(dialog().text(kDataMode), "0");
  at(10.5F, 350.4F);
  EXPECT_EQ(dialog().text(kDataRevolution), "10");
  const auto lines = dialog().listLines(kDataTable);
  ASSERT_EQ(lines.size(), 14U);
  for (int i = 0; i < 14; ++i) {
    const int angle = (350 + i) % 360;
    EXPECT_EQ(dialog().text(kDataFirstAngleLabel + i), std::to_string(angle));
    std::array<int, 7> expected{};
    for (int k = 0; k < 7; ++k) expected[k] = cellValue(7 + k, angle);
    EXPECT_EQ(lines[i], wallLine(expected)) << i;
  }
  // The last revolutions: beyond row 30 there is nothing to show.
  at(29.0F, 5.0F);
  EXPECT_EQ(dialog().listLine(kDataTable, 0), wallLine({cellValue(26, 5), cellValue(27, 5), cellValue(28, 5),
                                                        cellValue(29, 5), cellValue(30, 5), 0, 0}));

  // OD: the diameter through the cell and its opposite plus the calibration OD.
  dialog().send({DialogEvent::Kind::kCommand, kDataOdButton});
  EXPECT_EQ(dialog().text(kDataMode), "1");
  at(0.0F, 200.0F);
  char first[160];
  const auto diameter = [](int row, int column) {
    return cellValue(row, column) / 1000.0F + cellValue(row, column - 180) / 1000.0F + 7.0F;
  };
  std::snprintf(first, sizeof first, "%9.3f %9.3f %9.3f    %10.3f     %10.3f %9.3f %9.3f", 0.0, 0.0, 0.0,
                diameter(0, 200), diameter(1, 200), diameter(2, 200), diameter(3, 200));
  EXPECT_EQ(dialog().listLine(kDataTable, 0), first);
}

TEST_F(DataDisplayTest, ShiftingCopiesTheNeighbourAlongTheCountAndAnEmptyCountIsOne) {
  open(PipeData::kWallOnly);
  at(10.5F, 100.0F);
  dialog().send({DialogEvent::Kind::kCommand, kDataStartButton});
  EXPECT_EQ(dialog().text(kDataStart), "100.000 \u00B0");
  press(kDataShiftUp, dialog().text(kDataStart), "102", "3");
  for (int a = 100; a <= 102; ++a) {
    for (const int row : {10, 9, 8}) EXPECT_EQ(wall(row, a), cellValue(11, a)) << row << " " << a;
    EXPECT_EQ(wall(7, a), cellValue(7, a));
  }
  EXPECT_EQ(wall(10, 103), cellValue(10, 103));
  EXPECT_EQ(wall(10, 99), cellValue(10, 99));
  EXPECT_TRUE(app.pipeString.current()->unsavedChanges);
  EXPECT_EQ(dialog().listLine(kDataTable, 0),
            wallLine({cellValue(7, 100), cellValue(11, 100), cellValue(11, 100), cellValue(11, 100),
                      cellValue(11, 100), cellValue(12, 100), cellValue(13, 100)}));

  press(kDataShiftUp, "200", "200", "");
  EXPECT_EQ(wall(10, 200), cellValue(11, 200));
  EXPECT_EQ(wall(9, 200), cellValue(9, 200));

  // The fixed value goes into revolutions 10 and 11, whatever follows the number.
  press(kDataFillDown, "300", "301", "2", "412.9 mils");
  for (const int row : {10, 11})
    for (const int a : {300, 301}) EXPECT_EQ(wall(row, a), 412);
  EXPECT_EQ(wall(12, 300), cellValue(12, 300));

  // What was edited is what a save writes.
  const std::string saved = dir.file("saved.kqvw");
  ASSERT_TRUE(savePipeFile(*app.pipeString.current(), saved, false, false).ok);
  PipeFile reread;
  ASSERT_TRUE(readPipeFile(reread, saved).opened);
  EXPECT_EQ(reread.wallMatrix.data, app.pipeString.current()->wallMatrix.data);
}

TEST_F(DataDisplayTest, EditsAtTheEndsOfThePipeAndAcrossZeroStayInsideTheMatrix) {
  open(PipeData::kComplete);
  // First row: "Change >" has no revolution before row 0, then copies row 0 on.
  at(0.2F, 0.0F);
  press(kDataShiftDown, "358", "1", "2");
  for (const int a : {358, 359, 0, 1}) {
    EXPECT_EQ(wall(0, a), cellValue(0, a));
    EXPECT_EQ(wall(1, a), cellValue(0, a));
  }
  EXPECT_EQ(wall(1, 2), cellValue(1, 2));
  // Last row: "< Change" has nothing after row 30, then copies it back.
  at(30.0F, 0.0F);
  press(kDataShiftUp, "359", "359", "2");
  EXPECT_EQ(wall(30, 359), cellValue(30, 359));
  EXPECT_EQ(wall(29, 359), cellValue(30, 359));
  press(kDataCopyFirstAngle, "358", "0", "5");
  EXPECT_EQ(wall(30, 359), cellValue(30, 358));
  EXPECT_EQ(wall(30, 0), cellValue(30, 358));
  press(kDataFillUp, "359", "359", "99999999", "-5");
  EXPECT_EQ(wall(30, 359), 0);  // no wall is thinner than nothing

  // OD cells move with their opposite cells, from the same source revolution.
  dialog().send({DialogEvent::Kind::kCommand, kDataOdButton});
  at(30.0F, 0.0F);
  press(kDataFillUp, "359", "359", "1");  // row 31 does not exist
  EXPECT_EQ(od(30, 359), cellValue(30, 359));
  at(5.0F, 0.0F);
  press(kDataFillUp, "359", "359", "1");
  EXPECT_EQ(od(5, 359), cellValue(6, 359));
  EXPECT_EQ(od(5, 179), cellValue(6, 179));
  EXPECT_EQ(od(5, 178), cellValue(5, 178));
  press(kDataCopyLastAngle, "10", "12", "1");
  EXPECT_EQ(od(5, 10), cellValue(5, 12));
  EXPECT_EQ(od(5, 190), cellValue(5, 192));
  EXPECT_EQ(od(5, 12), cellValue(5, 12));
  EXPECT_EQ(wall(5, 10), cellValue(5, 10));
}

TEST_F(DataDisplayTest, APipeWithOnlyOdDataShowsOdWhateverIsPressed) {
  open(PipeData::kOdOnly);
  EXPECT_EQ(dialog().text(kDataMode), "1");
  dialog().send({DialogEvent::Kind::kCommand, kDataWallButton});
  EXPECT_EQ(dialog().text(kDataMode), "1");
  at(3.0F, 0.0F);
  EXPECT_EQ(dialog().listLine(kDataTable, 0).substr(0, 9), "    7.180");  // revolution 0, 0 and 180 degrees
  // Every open makes the dialog again, hidden.
  platform.answerFileDialog(dir.file("pipe.kqvw"));
  command(kCmdOpenPipe);
  ASSERT_NE(platform.dialog(kDialogDataDisplay), nullptr);
  EXPECT_FALSE(platform.dialog(kDialogDataDisplay)->isVisible());
}

}  // namespace
}  // namespace ductora::testing
