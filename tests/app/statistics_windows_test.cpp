#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "analysis/measures/pipe_measures.h"
#include "analysis/queries/range_values.h"
#include "app/shell/frame.h"
#include "app/windows/statistics_window.h"
#include "data/format/pipe_file_io.h"
#include "resources/data_dialogs.h"
#include "resources/menu_table.h"
#include "resources/shell_dialogs.h"
#include "resources/statistics_dialogs.h"
#include "shell_fixture.h"
#include "support/matrix_builders.h"
#include "support/synthetic_pipe.h"

namespace ductora::testing {
namespace {

using namespace resources;
using platform::DialogEvent;
using platform::headless::HeadlessDialog;

std::string Fixed(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// 31 rows an inch apart, 36 columns ten degrees apart: a 0.250 wall of 0.250 nominal with one
// thin cell (0.200 at row 20, column 7), an OD of 7.050 all round, gray-scale limits and a
// display scale of its own.
std::string WriteRoundPipe(const std::string& path) {
  PipeShape plan;
  plan.nominalOd = 7.0F;
  plan.calibrationOd = 7.0F;
  plan.nominalWall = 250;
  plan.wall = MakeWallMatrix(31, 36, [](std::uint32_t r, std::uint32_t c) {
    return static_cast<std::uint16_t>(r == 20 && c == 7 ? 200 : 250);
  });
  plan.od = MakeOdMatrix(
      31, 36, [](std::uint32_t, std::uint32_t c) { return static_cast<std::int16_t>(c < 18 ? 20 : 30); });
  PipeFile pipe = MakePipe(std::move(plan));
  pipe.header.upperWall = 400;
  pipe.header.lowerWall = 100;
  pipe.header.upperOdOffset = 50;
  pipe.header.lowerOdOffset = -50;
  pipe.header.displayScale = 3.7F;
  EXPECT_TRUE(savePipeFile(pipe, path, false, false).ok);
  return path;
}

class StatisticsWindowsTest : public ShellTest {
 protected:
  // Opens the file, with the Pipe window shown unless asked not to: hidden, it is not filled.
  void open(const std::string& path, bool showPipeWindow = true) {
    start(path);
    if (showPipeWindow) command(kCmdPipe);
    runFrame(app, 0.0);
    statistics = platform.dialog(kDialogStatistics);
    pipeWindow = platform.dialog(kDialogPipeWindow);
    ASSERT_NE(statistics, nullptr);
    ASSERT_NE(pipeWindow, nullptr);
  }
  void place(float x, float y) {
    app.pipeString.position = x;
    app.pipeString.angle = y;
    runFrame(app, 0.0);
  }
  PipeFile& current() { return *app.pipeString.current(); }

  HeadlessDialog* statistics = nullptr;
  HeadlessDialog* pipeWindow = nullptr;
};

TEST_F(StatisticsWindowsTest, StatisticsShowTheCurrentAndOverlayPipeAtTheCursor) {
  const std::string path = WriteRoundPipe(dir.file("round.kqvw"));
  open(path);
  EXPECT_TRUE(statistics->isVisible());
  EXPECT_EQ(statistics->x(), 2);
  EXPECT_EQ(statistics->y(), app.windows.height(kMainWindowPanel) - 100);

  place(10.5F, 45.0F);
  const std::map<int, std::string> expected = {{kStatX, "10.500\""},
                                               {kStatY, "45.000 \u00b0"},
                                               {kStatWall, "0.250\" (100.000%)"},
                                               {kStatCsa, "100.000%"},
                                               {kStatEccentricity, "0.000%"},
                                               {kStatMinWall, "0.250\""},
                                               {kStatMaxWall, "0.250\""},
                                               {kStatAvgWall, "0.250\""},
                                               {kStatOd, "7.050\""},
                                               {kStatMinOd, "7.050\""},
                                               {kStatAvgOd, "7.050\""},
                                               {kStatOvality, "0.000%"},
                                               {kStatId, "6.550\""},
                                               {kStatMinId, "6.550\""},
                                               {kStatAvgId, "6.550\""},
                                               {kStatStraightness, "0.000\""},
                                               {kStatOverlayX, "0.000\""},
                                               {kStatOverlayY, "0.000 \u00b0"},
                                               {kStatOverlayWall, "0.000\" (0.000%)"},
                                               {kStatUpperWallReadout, "400"},
                                               {kStatLowerOffsetReadout, "-50"}};
  for (const auto& [id, text] : expected) EXPECT_EQ(statistics->text(id), text) << id;

  // The thin cell's revolution: its minimum and average, and how eccentric it is.
  place(20.0F, 75.0F);
  EXPECT_EQ(statistics->text(kStatWall), "0.200\" (80.000%)");
  EXPECT_EQ(statistics->text(kStatMinWall), "0.200\"");
  EXPECT_EQ(statistics->text(kStatAvgWall), "0.248\"");
  EXPECT_EQ(statistics->text(kStatEccentricity),
            Fixed("%.3f%%", (250.0 - 200.0) / ((35 * 250.0 + 200) / 36) * 100));

  // The overlay, read at its own place and at the angle it is turned to against the current pipe.
  ASSERT_TRUE(app.pipeString.loadOverlay(path));
  current().viewState[kRotationZ] = 10.0F;
  app.pipeString.overlay()->viewState[kCursorPosition] = 20.5F;
  app.pipeString.overlay()->viewState[kRotationZ] = 8.0F;
  place(3.0F, 72.0F);  // the overlay's angle: 360 - 10 + 8 + 72, wrapped to 70
  EXPECT_EQ(statistics->text(kStatOverlayX), "20.500\"");
  EXPECT_EQ(statistics->text(kStatOverlayY), "70.000 \u00b0");
  EXPECT_EQ(statistics->text(kStatOverlayWall), "0.200\" (80.000%)");
  EXPECT_EQ(statistics->text(kStatWall), "0.250\" (100.000%)");

  // Beyond the data every field reads 0 in its format.
  place(-4.0F, 400.0F);
  EXPECT_EQ(statistics->text(kStatWall), "0.000\" (0.000%)");
  EXPECT_EQ(statistics->text(kStatMaxOd), "0.000\"");
  EXPECT_EQ(statistics->text(kStatId), "0.000\"");

  // Keys reach the frame, closing hides and View > Statistics shows the window again.
  statistics->send({DialogEvent::Kind::kKeyDown, platform::kKeyRight});
  EXPECT_EQ(app.keyDown[platform::kKeyRight], 1);
  statistics->send({DialogEvent::Kind::kClose});
  EXPECT_FALSE(statistics->isVisible());
  command(kCmdStatistics);
  EXPECT_TRUE(statistics->isVisible());
}

TEST_F(StatisticsWindowsTest, StatisticsSlidersSetTheLimitsTheyReach) {
  open(WriteRoundPipe(dir.file("round.kqvw")));
  current().header.displayScale = 3.7F;  // not kept in the file
  initStatisticsSliders(app);
  struct Expected {
    int id, minimum, maximum, position;
  };
  // Around each limit, but never below what a wall limit can hold.
  for (const Expected& e :
       {Expected{kStatUpperWall, 200, 600, 400}, Expected{kStatLowerWall, 0, 300, 100},
        Expected{kStatUpperOffset, -950, 1050, 50}, Expected{kStatLowerOffset, -1050, 950, -50},
        Expected{kStatDisplayScale, 1, 20, 3}}) {
    const auto* slider = statistics->slider(e.id);
    ASSERT_NE(slider, nullptr) << e.id;
    EXPECT_EQ(slider->minimum, e.minimum) << e.id;
    EXPECT_EQ(slider->maximum, e.maximum) << e.id;
    EXPECT_EQ(slider->position, e.position) << e.id;
    EXPECT_EQ(slider->tickFrequency, 1);
    EXPECT_EQ(slider->pageSize, 1);
  }

  statistics->dragSlider(kStatUpperWall, 450);
  statistics->dragSlider(kStatLowerOffset, -900);
  EXPECT_EQ(current().header.upperWall, 450);
  EXPECT_EQ(current().header.lowerWall, 100);
  EXPECT_EQ(current().header.lowerOdOffset, -900);
  EXPECT_EQ(current().header.upperOdOffset, 50);
  EXPECT_NE(app.drawCaches.TexturesOf(current()).wall, 0U);
  EXPECT_FALSE(app.dialogs.get(Modeless::kPleaseWait)->isVisible());

  const std::uint64_t shape = current().revision;
  statistics->dragSlider(kStatDisplayScale, 7);
  EXPECT_EQ(current().header.displayScale, 7.0F);
  EXPECT_GT(current().revision, shape);
  runFrame(app, 0.0);
  EXPECT_EQ(statistics->text(kStatUpperWallReadout), "450");
  EXPECT_EQ(statistics->text(kStatLowerOffsetReadout), "-900");

  // Limits typed in Gray Scale move the sliders, so a later drag keeps them.
  platform.scriptModal(kDialogGrayScale, [](HeadlessDialog& dialog) {
    dialog.send({DialogEvent::Kind::kPaint});
    dialog.setText(kGrayLowerWall, "150");
    dialog.send({DialogEvent::Kind::kCommand, kIdOk});
  });
  command(kCmdGrayScale);
  runFrame(app, 0.0);
  statistics->dragSlider(kStatUpperWall, 500);
  EXPECT_EQ(current().header.lowerWall, 150);
  EXPECT_EQ(current().header.upperWall, 500);
}

TEST_F(StatisticsWindowsTest, SlidersFollowTheCurrentPipe) {
  const std::string list = dir.file("string.kqstr");
  std::ofstream(list) << WriteRoundPipe(dir.file("round.kqvw")) << "\n"
                      << pipe("plain.kqvw", PipeData::kComplete) << "\n";
  open(list);
  pipeWindow->dragSlider(kPipeLeft, 12);
  statistics->dragSlider(kStatUpperWall, 380);
  platform.dialog(kDialogNavigator)->send({DialogEvent::Kind::kCommand, kNavNextPipe});
  runFrame(app, 0.0);
  ASSERT_EQ(app.pipeString.currentIndex(), 1U);
  EXPECT_EQ(pipeWindow->slider(kPipeLeft)->position, 0);
  EXPECT_EQ(pipeWindow->slider(kPipeRight)->position, 30);
  EXPECT_EQ(statistics->slider(kStatUpperWall)->position, 0);  // the plain pipe's own limit
  EXPECT_EQ(statistics->slider(kStatUpperWall)->maximum, 200);
  EXPECT_EQ(current().header.upperWall, 0);
}

// The window's texts for a stretch, as the command line's range query gives them.
std::map<int, std::string> RangeTexts(const PipeFile& pipe, double from, double to) {
  const RangeValues v = PipeRangeValues(pipe, from, to);
  auto relative = [](const RangeExtreme& e) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f (%.2f %%)", e.value, e.percent);
    return std::string(text);
  };
  return {{1149, relative(v.wall.min)},
          {1150, relative(v.wall.max)},
          {1165, Fixed("%.3f", v.wall.average)},
          {1154, Fixed("%.1f''", v.wall.min.position)},
          {1151, relative(v.csa.min)},
          {1170, Fixed("%.3f", v.lowWall.average)},
          {1177, Fixed("%.3f %%", v.eccentricity.min.value)},
          {1171, Fixed("%.3f %%", v.ovality.average)},
          {1153, Fixed("%.3f", v.od.min.value)},
          {1183, Fixed("%.1f''", v.od.max.position)},
          {1176, Fixed("%.3f", v.id.max.value)}};
}

TEST_F(StatisticsWindowsTest, PipeWindowShowsTheRangeQueriesOverTheStretchBetweenItsSliders) {
  open(WriteRoundPipe(dir.file("round.kqvw")), false);
  EXPECT_FALSE(pipeWindow->isVisible());  // the first open has no window to take the visibility from
  EXPECT_EQ(pipeWindow->x(), app.windows.width(kMainWindowPanel) / 2 - 300);
  EXPECT_EQ(pipeWindow->y(), app.windows.height(kMainWindowPanel) / 2 - 200);
  command(kCmdPipe);
  EXPECT_TRUE(pipeWindow->isVisible());
  const auto* left = pipeWindow->slider(kPipeLeft);
  const auto* right = pipeWindow->slider(kPipeRight);
  EXPECT_EQ(left->maximum, 30);
  EXPECT_EQ(left->position, 0);
  EXPECT_EQ(right->position, 30);
  EXPECT_EQ(right->pageSize, 1);

  auto shown = [this] {
    std::map<int, std::string> texts;
    for (const auto& [id, text] : RangeTexts(current(), 0, 0)) texts[id] = pipeWindow->text(id);
    return texts;
  };
  EXPECT_EQ(shown(), RangeTexts(current(), 0, 30));
  EXPECT_EQ(pipeWindow->text(1149), "0.200 (80.01 %)");
  EXPECT_EQ(pipeWindow->text(1150), "0.250 (100.02 %)");

  // Swapped sliders give the same values, also with one of them at the start of the pipe.
  for (const auto& [from, to] : {std::pair{5, 25}, std::pair{0, 18}}) {
    pipeWindow->dragSlider(kPipeLeft, to);
    pipeWindow->dragSlider(kPipeRight, from);
    EXPECT_EQ(shown(), RangeTexts(current(), from, to)) << from << " " << to;
  }
  runFrame(app, 0.0);
  EXPECT_EQ(pipeWindow->text(kPipeLeftReadout), "18.000");
  EXPECT_EQ(pipeWindow->text(kPipeRightReadout), "0.000");

  // One position: no percentages.
  pipeWindow->dragSlider(kPipeLeft, 20);
  pipeWindow->dragSlider(kPipeRight, 20);
  EXPECT_EQ(pipeWindow->text(1149), "0.000 (0.00 %)");

  pipeWindow->send({DialogEvent::Kind::kCommand, kIdHelp});
  EXPECT_TRUE(platform.dialog(kHelpPipe)->isVisible());
  pipeWindow->send({DialogEvent::Kind::kCommand, kIdOk});
  EXPECT_FALSE(pipeWindow->isVisible());

  // A new open keeps the window as it was, shown or hidden; the wall-only layout without OD data.
  command(kCmdPipe);
  start(pipe("wall.kqvw", PipeData::kWallOnly));
  ASSERT_NE(platform.dialog(kDialogPipeWindowWallOnly), nullptr);
  EXPECT_TRUE(platform.dialog(kDialogPipeWindowWallOnly)->isVisible());
  EXPECT_NE(platform.dialog(kDialogStatisticsWallOnly), nullptr);
  EXPECT_EQ(platform.dialog(kDialogPipeWindow), nullptr);
}

TEST_F(StatisticsWindowsTest, PipeWindowFollowsAnEditOfTheCurrentPipe) {
  open(WriteRoundPipe(dir.file("round.kqvw")));
  EXPECT_EQ(pipeWindow->text(1149), "0.200 (80.01 %)");
  place(5.0F, 0.0F);
  command(kCmdData);
  HeadlessDialog& data = *platform.dialog(kDialogDataDisplay);
  data.setText(kDataStart, "0");
  data.setText(kDataEnd, "359");
  data.setText(kDataFixedValue, "50");
  data.send({DialogEvent::Kind::kCommand, kDataFillDown});
  runFrame(app, 0.0);
  EXPECT_EQ(pipeWindow->text(1149).substr(0, 6), "0.050 ");
  for (const auto& [id, text] : RangeTexts(current(), 0, 30)) EXPECT_EQ(pipeWindow->text(id), text) << id;
  // The CSA statistics a save writes follow the wall too.
  PipeFile remade = current();
  ComputeStoredCsaStatistics(remade);
  EXPECT_EQ(current().csa.minCsa, remade.csa.minCsa);
}

// Each Min and Max button puts the cursor on the extreme the range query finds: the Statistics
// window then shows that value, and X is the place the Pipe window names.
// The parameter turns the pipe: 0 as scanned, 1 counter-clockwise (mirrored columns), 2 scanned
// from the far end (reversed rows).
class MinMaxButtonsTest : public StatisticsWindowsTest, public ::testing::WithParamInterface<int> {};

TEST_P(MinMaxButtonsTest, PutTheCursorOnTheExtreme) {
  const std::string path = dir.file("pipe.kqvw");
  writeSyntheticPipe(path, {.lengthInches = 120.0});
  if (GetParam() != 0) {
    PipeFile turned;
    ASSERT_TRUE(readPipeFile(turned, path).opened);
    (GetParam() == 1 ? turned.header.rotation : turned.header.from) = 1;
    ASSERT_TRUE(savePipeFile(turned, path, true, true).ok);
  }
  open(path);
  pipeWindow->dragSlider(kPipeLeft, 30);
  pipeWindow->dragSlider(kPipeRight, 90);
  const RangeValues v = PipeRangeValues(current(), 30, 90);
  const double deltaX = current().wallMatrix.deltaX;

  struct Case {
    int button;
    const RangeExtreme* extreme;
    int field;  // the Statistics field showing the extreme at the cursor, 0 for none
  };
  for (const Case& c :
       {Case{1108, &v.wall.min, kStatWall}, Case{1110, &v.wall.max, kStatWall}, Case{1112, &v.csa.min, 0},
        Case{1120, &v.average64.max, 0}, Case{1123, &v.lowWall.min, 0},
        Case{1126, &v.eccentricity.max, kStatEccentricity}, Case{1122, &v.ovality.min, kStatOvality},
        Case{1116, &v.od.min, kStatOd}, Case{1119, &v.od.max, kStatOd}, Case{1118, &v.id.min, kStatId},
        Case{1121, &v.id.max, kStatId}}) {
    pipeWindow->send({DialogEvent::Kind::kCommand, c.button});
    runFrame(app, 0.0);
    EXPECT_NEAR(app.pipeString.position, c.extreme->position, deltaX) << c.button;
    EXPECT_GE(app.pipeString.position, 30.0 - deltaX) << c.button;
    if (c.field == 0) continue;
    const double shown = std::stod(statistics->text(c.field));
    EXPECT_NEAR(shown, c.extreme->value, 0.0011) << c.button << " at " << app.pipeString.angle;
  }
}

INSTANTIATE_TEST_SUITE_P(Turns, MinMaxButtonsTest, ::testing::Values(0, 1, 2));

}  // namespace
}  // namespace ductora::testing
