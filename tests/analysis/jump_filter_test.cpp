#include "analysis/rebuild/correction/jump_filter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <random>

#include "analysis/placement/no_reading_areas.h"
#include "analysis/rebuild/correction/channel_correction.h"
#include "analysis/rebuild/correction/run_evidence.h"
#include "analysis/rebuild/correction/sample_placement.h"
#include "data/format/pipe_file_io.h"
#include "support/revolution_builders.h"
#include "support/temp_dir.h"

namespace ductora {
namespace {

// A 7 in pipe scanned at 360 samples a turn and a third of an inch a turn: a pitch is 5 samples.
constexpr double kCircumference = 7.0 * std::numbers::pi;
constexpr std::int32_t kJumpSize = 30;

RevolutionList Wall() {
  testing::RevolutionShape shape;
  shape.revolutions = 40;
  return testing::MakeRevolutions(shape);
}

void SetRun(RevolutionList& list, std::size_t revolution, std::size_t first, std::size_t count,
            std::int32_t value) {
  for (std::size_t j = first; j < first + count; ++j) list[revolution][j].reading = value;
}

WallCorrection Correct(RevolutionList& list, JumpFilter filter) {
  return CorrectWallChannel(list, {filter, kJumpSize, kCircumference}, "");
}

TEST(CorroboratedFilter, KeepsWhatTheNextTurnSawAndReplacesWhatStandsAlone) {
  // A pit of 200 mils left, 8 samples wide, that two turns cross.
  RevolutionList pit = Wall();
  SetRun(pit, 20, 100, 8, 200);
  SetRun(pit, 21, 101, 8, 210);
  RevolutionList replaced = pit;
  const WallCorrection kept = Correct(pit, JumpFilter::kCorroborated);
  Correct(replaced, JumpFilter::kReplace);
  EXPECT_EQ(pit[20][103].reading, 200);
  EXPECT_EQ(pit[21][104].reading, 210);
  // Both turns' runs are counted and flagged, for the operator to find them.
  EXPECT_EQ(kept.tally.runsKept, 2U);
  EXPECT_EQ(kept.tally.readingsKept, 16U);
  ASSERT_EQ(kept.kept.size(), pit.size());
  EXPECT_EQ(kept.kept[20][100], 1);
  EXPECT_EQ(kept.kept[21][108], 1);
  EXPECT_EQ(kept.kept[20][108], 0);
  EXPECT_GT(replaced[20][103].reading, 330);  // the described filter erases it

  // The same run in one turn only is a spike of the gauge.
  RevolutionList spike = Wall();
  SetRun(spike, 20, 100, 8, 200);
  const WallCorrection spikeTally = Correct(spike, JumpFilter::kCorroborated);
  for (std::size_t j = 100; j < 108; ++j) EXPECT_GT(spike[20][j].reading, 330) << j;
  EXPECT_EQ(spikeTally.tally.thinnest->reading, 200);
  EXPECT_EQ(spikeTally.tally.runsKept, 0U);
  EXPECT_TRUE(spikeTally.kept.empty());

  // Narrower than a pitch, a run needs both neighbouring turns; thicker than its turn, none helps.
  RevolutionList narrow = Wall();
  SetRun(narrow, 20, 100, 3, 200);
  SetRun(narrow, 21, 100, 3, 200);
  SetRun(narrow, 10, 50, 8, 600);
  SetRun(narrow, 11, 50, 8, 600);
  Correct(narrow, JumpFilter::kCorroborated);
  EXPECT_GT(narrow[20][101].reading, 330);
  EXPECT_LT(narrow[10][53].reading, 400);
  SetRun(narrow, 19, 100, 3, 200);
  SetRun(narrow, 20, 100, 3, 200);
  SetRun(narrow, 21, 100, 3, 200);
  Correct(narrow, JumpFilter::kCorroborated);
  EXPECT_EQ(narrow[20][101].reading, 200);
}

TEST(CorroboratedFilter, KeepsAPitOnlyOneTurnCrossesByItsSlopedSidesOrWhatBothNeighboursShow) {
  // A pit under two pitches across, centred on turn 20: the turns either side pass it by. Its
  // sides slope over two readings, one reading of its bottom scatters back towards the wall, and
  // it lost its echo at three samples.
  const std::vector<std::int32_t> pit{320, 260, 205, 340, 205, 0, 0, 0, 200, 200, 260, 320};
  RevolutionList graded = Wall();
  for (std::size_t k = 0; k < pit.size(); ++k) graded[20][100 + k].reading = pit[k];
  // The gauge's fault of the same width and depth jumps straight there and back.
  SetRun(graded, 10, 100, pit.size(), 200);
  // A pit with steep sides whose rim the turn before reads and over which the turn after lost its
  // echo: both neighbours show it.
  SetRun(graded, 30, 100, 8, 200);
  SetRun(graded, 29, 102, 2, graded[29][102].reading - 12);
  SetRun(graded, 31, 103, 3, 0);
  Correct(graded, JumpFilter::kCorroborated);
  for (std::size_t j = 100; j < 108; ++j) EXPECT_EQ(graded[30][j].reading, 200) << j;
  for (std::size_t k = 0; k < pit.size(); ++k) {
    // Lost echoes take the thinner of the pit's readings beside them, not the wall around.
    EXPECT_EQ(graded[20][100 + k].reading, pit[k] == 0 ? 200 : pit[k]) << k;
    EXPECT_GT(graded[10][100 + k].reading, 330) << k;
  }
}

TEST(CorroboratedFilter, ScatterBesideAFaultOrLostEchoesBesideOneReadingMakeNoPit) {
  // Turn 20 scatters by 6 mils either way: one reading beside a 4-sample fault that lies 28 mils
  // thin (within three times the scatter) must not widen it to a pitch, with the sloped sides
  // and bowl of a pit. Nor must one reading at each end of a fault in turn 24, some 30 mils off,
  // make a bowl. On so noisy a gauge a reading repeated is held, not measured: in turns 25 and 36
  // it neither makes a pit nor confirms one in the turn beside.
  testing::RevolutionShape shape;
  shape.reading = [](std::size_t revolution, std::size_t sample) {
    const bool noisy = revolution == 20 || (revolution >= 24 && revolution <= 26) || revolution >= 35;
    return noisy ? (sample % 2 == 0 ? 344 : 356) : 350;
  };
  RevolutionList noisy = testing::MakeRevolutions(shape);
  SetRun(noisy, 20, 99, 1, 322);
  for (std::size_t j = 100; j < 104; ++j) noisy[20][j].reading = 100 + static_cast<std::int32_t>(j % 3);
  SetRun(noisy, 20, 104, 1, 322);
  SetRun(noisy, 21, 101, 2, 338);  // a rim beside, one piece of evidence
  for (std::size_t j = 200; j < 208; ++j) noisy[24][j].reading = 200 + static_cast<std::int32_t>(j % 3);
  SetRun(noisy, 24, 200, 1, 312);
  SetRun(noisy, 24, 207, 1, 325);
  SetRun(noisy, 25, 100, 8, 200);
  for (std::size_t j = 102; j < 105; ++j) noisy[26][j].reading = 198 + static_cast<std::int32_t>(j % 3);
  for (std::size_t j = 100; j < 108; ++j) noisy[36][j].reading = 200 + static_cast<std::int32_t>(j % 3);
  SetRun(noisy, 37, 102, 3, 2);
  // In turn 30 one reading lies beside four lost echoes, and the next turn dips there.
  SetRun(noisy, 30, 100, 1, 2);
  SetRun(noisy, 30, 101, 4, 0);
  SetRun(noisy, 31, 100, 4, 330);
  Correct(noisy, JumpFilter::kCorroborated);
  for (std::size_t j = 100; j < 104; ++j) EXPECT_GT(noisy[20][j].reading, 300) << j;
  for (std::size_t j = 100; j < 105; ++j) EXPECT_GT(noisy[30][j].reading, 300) << j;
  for (const std::size_t turn : {25, 36}) {
    for (std::size_t j = 100; j < 108; ++j) EXPECT_GT(noisy[turn][j].reading, 300) << turn << " " << j;
  }
  for (std::size_t j = 201; j < 207; ++j) EXPECT_GT(noisy[24][j].reading, 300) << j;
}

TEST(CorroboratedFilter, WhatTheNextTurnShowsByChanceConfirmsNothing) {
  // Spikes of a pitch or more, each with one thing beside it that once kept it: a fault of the
  // next turn a few samples off the place, one far reading there taken for a rim, a dip of a few
  // thousandths where the wall reads alike (no spread to measure it against), lost echoes that
  // only touch the spike's end, a drop-out in the next turn just beside the place taken for a rim,
  // a reading at each end a little off the wall (within three times the scatter) taken for two
  // sloped sides, drop-outs in the turns either side taken for two neighbours that show a pit.
  RevolutionList list = Wall();
  SetRun(list, 5, 100, 8, 200);
  SetRun(list, 6, 106, 3, 200);
  SetRun(list, 12, 100, 8, 200);
  SetRun(list, 12, 102, 3, 0);  // lost within, one piece of evidence
  SetRun(list, 13, 103, 1, 100);
  SetRun(list, 20, 100, 8, 200);
  for (std::size_t j = 80; j < 130; ++j) list[21][j].reading = j >= 98 && j < 110 ? 345 : 350;
  SetRun(list, 30, 100, 5, 200);
  SetRun(list, 30, 105, 3, 0);
  SetRun(list, 31, 102, 2, list[31][102].reading - 12);  // a rim, one piece of evidence
  SetRun(list, 33, 100, 8, 200);
  SetRun(list, 33, 102, 3, 0);  // lost within, one piece of evidence
  SetRun(list, 34, 97, 3, 0);
  SetRun(list, 25, 100, 8, 200);
  SetRun(list, 25, 99, 1, list[25][99].reading - 9);
  SetRun(list, 25, 108, 1, list[25][108].reading - 9);
  SetRun(list, 15, 100, 8, 200);  // drop-outs in both turns beside it, one piece of evidence
  SetRun(list, 14, 102, 3, 0);
  SetRun(list, 16, 104, 3, 0);
  Correct(list, JumpFilter::kCorroborated);
  for (const std::size_t turn : {5, 12, 15, 20, 25, 30, 33}) {
    for (std::size_t j = 100; j < 108; ++j) EXPECT_GT(list[turn][j].reading, 330) << turn << " " << j;
  }
}

TEST(RunEvidence, AWrongEchoMovesEveryReadingAlikeAndAPitDeepensFromItsRim) {
  // Turns with a harsh gauge's scatter (15 mils), each with a wrong echo 130 mils thin over samples
  // 100..109 and a pit as deep over 200..209, its sides sloping over three readings. Counted over
  // many turns: each piece of evidence is a test against the scatter.
  std::mt19937 random(5);
  std::normal_distribution<double> scatter(0.0, 15.0);
  const std::vector<std::int32_t> pit{40, 80, 120, 130, 130, 130, 130, 120, 80, 40};
  constexpr int kTurns = 400;
  std::array<int, 2> bowl{};
  std::array<int, 2> graded{};
  for (int t = 0; t < kTurns; ++t) {
    std::vector<std::int32_t> turn(360);
    for (std::int32_t& reading : turn)
      reading = 360 + static_cast<std::int32_t>(std::lround(scatter(random)));
    for (std::size_t k = 0; k < pit.size(); ++k) {
      turn[100 + k] -= 130;
      turn[200 + k] -= pit[k];
    }
    const double spread = ReadingScatter(turn, true);
    ASSERT_NEAR(spread, 15.0, 4.5);  // a median of whole steps
    for (const std::int64_t low : {100, 200}) {
      const std::size_t at = low == 200;
      bowl[at] += DeeperInTheMiddle(turn, low, low + 9, -1, spread, true);
      graded[at] += GradedEdge(turn, low, low + 9, -1, 2 * spread, true) ||
                    GradedEdge(turn, low, low + 9, 1, 2 * spread, true);
    }
  }
  EXPECT_LT(bowl[0], kTurns / 200);
  EXPECT_GT(bowl[1], kTurns * 9 / 10);
  EXPECT_LT(graded[0], kTurns / 5);  // one edge in a few: it never counts alone
  EXPECT_GT(graded[1], kTurns * 9 / 10);
}

TEST(NoReading, ARunWiderThanAPitchIsKeptAsAnAreaAndDropOutsAreFilled) {
  RevolutionList list = Wall();
  SetRun(list, 20, 100, 12, 0);  // the echo lost over a pit
  SetRun(list, 8, 50, 1, 0);
  SetRun(list, 9, 70, 2, 0);
  const WallCorrection result = Correct(list, JumpFilter::kCorroborated);
  EXPECT_EQ(result.tally.zerosFilled, 15U);
  ASSERT_FALSE(result.noReading.empty());
  EXPECT_EQ(result.noReading[20][100], 1);
  EXPECT_EQ(result.noReading[20][111], 1);
  EXPECT_EQ(result.noReading[20][112], 0);
  EXPECT_EQ(result.noReading[9][70], 0);
  // Filled all the same, so every measure is computed as before.
  for (const auto& [i, j] : {std::pair{20, 105}, {8, 50}, {9, 71}}) EXPECT_NEAR(list[i][j].reading, 362, 25);

  // On the grid: the cells whose nearest sample had no reading, and no others.
  PlaceSamples(list);
  const std::vector<std::uint8_t> cells = FlaggedCells(list, result.noReading, 40, 360, 1.0 / 3.0, 1.0);
  EXPECT_EQ(cells[20 * 360 + 105], 1);
  EXPECT_EQ(cells[20 * 360 + 130], 0);
  EXPECT_EQ(cells[25 * 360 + 105], 0);
  EXPECT_EQ(cells[9 * 360 + 70], 0);
}

TEST(NoReading, TheMaskAndFilterNameSurviveASaveAndAStrayBlockIsSkipped) {
  PipeFile pipe;
  pipe.header.nominalOd = 7.0;
  pipe.wallMatrix.rows = 6;
  pipe.wallMatrix.columns = 4;
  pipe.wallMatrix.deltaX = 0.5;
  pipe.wallMatrix.deltaY = 90.0;
  pipe.wallMatrix.data.assign(24, 360);
  pipe.wallMatrix.jumpFilter = "corroborated";
  pipe.wallMatrix.noReading.assign(24, 0);
  for (const int cell : {0, 3, 7, 20}) pipe.wallMatrix.noReading[cell] = 1;  // one area across 0 degrees
  testing::TempDir dir;
  const std::string path = dir.file("masked.kqvw");
  ASSERT_TRUE(savePipeFile(pipe, path, false, false).ok);
  PipeFile reopened;
  ASSERT_TRUE(readPipeFile(reopened, path).opened);
  EXPECT_EQ(reopened.wallMatrix.jumpFilter, "corroborated");
  EXPECT_EQ(reopened.wallMatrix.noReading, pipe.wallMatrix.noReading);
  EXPECT_EQ(NoReadingCellCount(reopened), 4U);
  const auto areas = NoReadingAreas(reopened);
  ASSERT_EQ(areas.size(), 2U);
  EXPECT_DOUBLE_EQ(areas[0].angle, 270.0);  // columns 3 and 0: from 270 degrees over 180
  EXPECT_DOUBLE_EQ(areas[0].width, 180.0);
  EXPECT_DOUBLE_EQ(areas[0].length, 1.0);
  EXPECT_EQ(areas[1].cells, 1U);

  // A mask that does not fit the matrix read before it is skipped, as a reader that does not know
  // the tag skips it: its head is made to say 5 rows.
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  for (std::uint32_t at = 0;;) {
    unsigned char head[5];
    file.seekg(at);
    ASSERT_TRUE(file.read(reinterpret_cast<char*>(head), 5));
    if (head[0] == 64) {
      file.seekp(at + 5 + 16);
      file.put(5);
      break;
    }
    at = head[1] | head[2] << 8 | head[3] << 16 | static_cast<std::uint32_t>(head[4]) << 24;
    ASSERT_NE(at, 0U);
  }
  file.close();
  PipeFile skipped;
  EXPECT_FALSE(readPipeFile(skipped, path).damaged());
  EXPECT_EQ(skipped.wallMatrix.data, pipe.wallMatrix.data);
  EXPECT_FALSE(NoReadingCellCount(skipped).has_value());
}

}  // namespace
}  // namespace ductora
