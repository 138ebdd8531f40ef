#include "analysis/rebuild/wall_build.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <numbers>
#include <string>

#include "analysis/measures/cursor_measures.h"
#include "analysis/measures/pipe_measures.h"
#include "analysis/measures/wall_statistics.h"
#include "analysis/rebuild/correction/channel_correction.h"
#include "analysis/rebuild/correction/channel_merge.h"
#include "analysis/rebuild/correction/revolution_starts.h"
#include "analysis/rebuild/matrix_fields.h"
#include "analysis/rebuild/od_build.h"
#include "data/format/pipe_blocks.h"
#include "data/format/pipe_file_io.h"
#include "data/format/raw_channels.h"
#include "support/block_file_builder.h"
#include "support/matrix_builders.h"
#include "support/revolution_builders.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"
#include "support/working_directory.h"

namespace ductora {
namespace {

using testing::MakeRevolutions;
using testing::RevolutionShape;

class WallBuild : public ::testing::Test {
 protected:
  PipeFile open(double lengthInches, bool withRawWall = true, bool withRawOd = true) {
    testing::SyntheticPipeOptions options;
    options.lengthInches = lengthInches;
    options.withRawWall = withRawWall;
    options.withRawOd = withRawOd;
    testing::writeSyntheticPipe(path, options);
    PipeFile pipe;
    LoadPipeForUse(pipe, path);
    return pipe;
  }

  std::size_t encoderLines() const {
    std::ifstream in(encoderLog);
    std::size_t lines = 0;
    for (std::string line; std::getline(in, line);) {
      ++lines;
    }
    return lines;
  }

  testing::TempDir dir;
  testing::ScopedWorkingDirectory cwd{dir.path()};
  std::string path = dir.file("pipe.kqvw");
  std::string encoderLog = dir.file("counts.tab");
};

// Mean absolute difference over the rows away from the ends.
double MeanInteriorDifference(const WallMatrix& a, const WallMatrix& b) {
  const std::uint32_t rows = std::min(a.rows, b.rows);
  double sum = 0.0;
  std::size_t cells = 0;
  for (std::uint32_t row = 5; row + 5 < rows; ++row) {
    for (std::uint32_t column = 0; column < a.columns; ++column) {
      sum += std::abs(static_cast<double>(a.at(row, column)) - b.at(row, column));
      ++cells;
    }
  }
  return cells > 0 ? sum / static_cast<double>(cells) : 1e9;
}

TEST_F(WallBuild, OneChannelRebuildsTheMatrixAndEverythingDerivedFromIt) {
  PipeFile pipe = open(60.0);
  const WallMatrix stored = pipe.wallMatrix;
  pipe.csa = CsaTable{};
  pipe.revolutionMetrics.clear();
  ASSERT_EQ(BuildWallMatrix(pipe, 0, encoderLog), BuildStatus::kBuilt);
  const WallMatrix& wall = pipe.wallMatrix;
  EXPECT_EQ(wall.columns, 360U);
  EXPECT_NEAR(wall.rows, 180.0, 2.0);
  EXPECT_FLOAT_EQ(wall.length, static_cast<float>((wall.rows - 1) * wall.deltaX));
  // Channel 1 sees the same eccentric wall the stored matrix holds.
  EXPECT_LT(MeanInteriorDifference(wall, stored), 2.0);
  WallMatrix recomputed = wall;
  ComputeWallStatistics(recomputed);
  EXPECT_EQ(wall.avgWall, recomputed.avgWall);
  EXPECT_EQ(pipe.csa.rows, wall.rows);
  EXPECT_GT(pipe.csa.minCsa, 0.0);
  EXPECT_FALSE(pipe.revolutionMetrics.empty());
  EXPECT_TRUE(pipe.idMatrix.present());
  EXPECT_EQ(pipe.dataPresent[kWallMatrixPresent], 1);
  EXPECT_EQ(pipe.dataPresent[kCsaPresent], 1);
  // The channel keeps its samples as loaded, placed for drawing.
  const RevolutionList& kept = pipe.wallChannels[0].revolutions;
  ASSERT_EQ(kept.size(), static_cast<std::size_t>(testing::syntheticRevolutions({.lengthInches = 60.0})));
  EXPECT_GT(kept.back().back().position, 59.0);
  // The correction dropped the last revolution before writing the encoder counts, and wrote
  // them nowhere else.
  EXPECT_EQ(encoderLines(), kept.size() - 1);
  EXPECT_FALSE(std::filesystem::exists(dir.file(kEncoderCountFile)));
}

TEST_F(WallBuild, StoredRemovalsTrimTheChannel) {
  PipeFile pipe = open(60.0);
  ASSERT_EQ(BuildWallMatrix(pipe, 1, ""), BuildStatus::kBuilt);
  const std::uint32_t fullRows = pipe.wallMatrix.rows;
  pipe.wallMatrix.removeFront = CountsOfInches(10.0);
  pipe.wallMatrix.removeBack = CountsOfInches(5.0);
  ASSERT_EQ(BuildWallMatrix(pipe, 1, ""), BuildStatus::kBuilt);
  EXPECT_NEAR(pipe.wallMatrix.rows, fullRows - 45.0, 3.0);
  // Removals that leave no revolution are told apart from a channel without any.
  const std::vector<std::uint16_t> before = pipe.wallMatrix.data;
  pipe.wallMatrix.removeFront = CountsOfInches(40.0);
  pipe.wallMatrix.removeBack = CountsOfInches(30.0);
  EXPECT_EQ(BuildWallMatrix(pipe, 1, ""), BuildStatus::kTrimmedAway);
  EXPECT_EQ(pipe.wallMatrix.data, before);
}

TEST_F(WallBuild, AChannelWithoutSamplesLeavesTheMatrixAsItWas) {
  PipeFile pipe = open(20.0, false);
  const WallMatrix before = pipe.wallMatrix;
  EXPECT_EQ(BuildWallMatrix(pipe, 0, ""), BuildStatus::kNoRevolutions);
  EXPECT_EQ(pipe.wallMatrix.data, before.data);
  EXPECT_EQ(BuildWallMatrix(pipe, 4, ""), BuildStatus::kNoChannel);
  pipe.wallMatrix.deltaX = 0.0;
  PipeFile withSamples = open(20.0);
  withSamples.wallMatrix.deltaX = 0.0;
  EXPECT_EQ(BuildWallMatrix(withSamples, 0, ""), BuildStatus::kNoGrid);
}

TEST_F(WallBuild, TwoChannelsJoinedStoreTheirSettings) {
  PipeFile pipe = open(60.0);
  MergedWallBuild build;
  build.primary = 1;
  build.secondary = 3;
  build.removeFront = CountsOfInches(2.0);
  build.deltaX = 0.5;
  build.deltaY = 1.5;
  build.wallScales = {1.16, 1.2, 1.16, 1.3};
  build.jumpSize = 200;
  build.displayRaw = true;
  RevolutionStartTable starts{};
  starts.fill(99);
  ASSERT_EQ(BuildMergedWallMatrix(pipe, build, starts), BuildStatus::kBuilt);
  EXPECT_EQ(pipe.header.wallJumpSize, 200);
  EXPECT_EQ(pipe.wallChannels[3].wallScale, 1.3);
  EXPECT_DOUBLE_EQ(pipe.wallChannels[3].velocity, 0.26);
  EXPECT_EQ(pipe.wallMatrix.removeFront, build.removeFront);
  EXPECT_EQ(pipe.wallMatrix.deltaX, 0.5);
  EXPECT_EQ(pipe.wallMatrix.deltaY, 1.5);
  EXPECT_EQ(pipe.wallMatrix.columns, 240U);
  // Right: the primary without its last 5 revolutions, then the secondary's last 13.5 inches
  // (40.5 revolutions) and the 5 before them.
  const RevolutionList& raw = pipe.wallChannels[kRawDisplayChannel].revolutions;
  const std::size_t primaryRevolutions = pipe.wallChannels[0].revolutions.size();
  EXPECT_NEAR(raw.size(), primaryRevolutions - 5 + 46, 1.0);
  EXPECT_GT(raw.back().back().position, 0.0);  // placed for drawing
  EXPECT_EQ(starts[0], raw.front().front().rotationCount);
  EXPECT_EQ(starts[raw.size() - 1], raw.back().front().rotationCount);
  EXPECT_EQ(starts[raw.size()], 0U);
  EXPECT_FALSE(pipe.wallChannels[2].revolutions.empty());
}

TEST_F(WallBuild, RemovalsCutTheRawSamplesOnceWhateverTheSavesAfterTheRebuild) {
  PipeFile pipe = open(60.0);
  LoadWallRevolutions(pipe, 3, pipe.wallChannels[2].wallScale);
  RevolutionList trimmed = pipe.wallChannels[2].revolutions;
  MergedWallBuild build;
  build.primary = 1;
  build.secondary = 2;
  build.removeFront = CountsOfInches(10.0);
  build.removeBack = CountsOfInches(2.0);
  for (std::size_t i = 0; i < 4; ++i) build.wallScales[i] = pipe.wallChannels[i].wallScale;
  build.jumpSize = 60;
  TrimRevolutions(trimmed, build.removeFront, build.removeBack);
  RevolutionStartTable starts{};
  ASSERT_EQ(BuildMergedWallMatrix(pipe, build, starts), BuildStatus::kBuilt);

  ASSERT_TRUE(savePipeFile(pipe, path, true, true).ok);
  const std::vector<std::uint8_t> once = testing::readBytes(path);
  ASSERT_TRUE(savePipeFile(pipe, path, true, true).ok);
  EXPECT_EQ(testing::readBytes(path), once);

  PipeFile reopened;
  LoadPipeForUse(reopened, path);
  EXPECT_EQ(reopened.wallMatrix.data, pipe.wallMatrix.data);
  EXPECT_EQ(reopened.odMatrix.data, pipe.odMatrix.data);
  EXPECT_EQ(pipe.wallMatrix.removeFront, reopened.wallMatrix.removeFront);
  EXPECT_EQ(pipe.wallMatrix.removeBack, reopened.wallMatrix.removeBack);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(pipe.wallChannels[i].sampleCount, reopened.wallChannels[i].sampleCount) << i;
  }
  // A channel the build did not use is cut like the others, and only once.
  LoadWallRevolutions(reopened, 3, reopened.wallChannels[2].wallScale);
  EXPECT_TRUE(reopened.wallChannels[2].revolutions == trimmed);
  // Rebuilt from their stored settings, the pipe in memory and the reopened one agree.
  ASSERT_EQ(BuildWallMatrix(pipe, 0, ""), BuildStatus::kBuilt);
  ASSERT_EQ(BuildWallMatrix(reopened, 0, ""), BuildStatus::kBuilt);
  EXPECT_EQ(pipe.wallMatrix.data, reopened.wallMatrix.data);
}

TEST_F(WallBuild, AClippedPipeShowsWhatReopeningItsSavedFileShows) {
  PipeFile pipe = open(120.0);  // the wall starts 1.5 inches into the OD
  // A clip the wall start follows, one beyond what its count can hold, one beyond the OD's end
  // (refused).
  for (const double cursor : {10.0, 40.0, 119.0}) {
    CutOdStart(pipe, cursor);
    ASSERT_TRUE(savePipeFile(pipe, path, true, true).ok);
    PipeFile reopened;
    LoadPipeForUse(reopened, path);
    EXPECT_EQ(reopened.wallStartCounts, pipe.wallStartCounts) << cursor;
    EXPECT_EQ(reopened.wallStart, pipe.wallStart) << cursor;
    EXPECT_TRUE(reopened.revolutionMetrics == pipe.revolutionMetrics) << cursor;
    for (double x = 0.0; x < 120.0; x += 7.5) {
      const CursorMeasures shown = MeasuresAtCursor(pipe, x, 45.0);
      const CursorMeasures read = MeasuresAtCursor(reopened, x, 45.0);
      EXPECT_EQ(shown.wall, read.wall) << cursor << " " << x;
      EXPECT_EQ(shown.eccentricity, read.eccentricity) << cursor << " " << x;
      EXPECT_EQ(shown.od, read.od) << cursor << " " << x;
      EXPECT_EQ(shown.id, read.id) << cursor << " " << x;
    }
  }
  EXPECT_EQ(pipe.wallStartCounts, 1U);
}

TEST_F(WallBuild, AJoinThatCannotBeMadeChangesNothing) {
  PipeFile pipe = open(5.0);  // shorter than the 13.5-inch overlap
  const PipeFile before = pipe;
  MergedWallBuild build;
  build.primary = 2;
  build.secondary = 4;
  build.jumpSize = 40;
  build.wallScales = {2.0, 2.0, 2.0, 2.0};
  RevolutionStartTable starts{};
  EXPECT_EQ(BuildMergedWallMatrix(pipe, build, starts), BuildStatus::kCannotMerge);
  EXPECT_EQ(pipe.header, before.header);
  EXPECT_EQ(pipe.wallChannels[0].wallScale, before.wallChannels[0].wallScale);
  EXPECT_EQ(pipe.wallMatrix.data, before.wallMatrix.data);
  EXPECT_EQ(starts[0], 0U);
  build.secondary = 5;
  EXPECT_EQ(BuildMergedWallMatrix(pipe, build, starts), BuildStatus::kNoChannel);
}

TEST(WallMatrixFields, ChannelsWithSamplesBecomePrimaryAndSecondary) {
  PipeFile pipe;
  pipe.wallChannels[1].sampleCount = 100;
  pipe.wallChannels[3].sampleCount = 90;
  pipe.wallChannels[2].wallScale = 1.25;
  pipe.wallMatrix.removeFront = 977;
  pipe.wallMatrix.deltaX = 0.25;
  pipe.header.wallJumpSize = 35;
  WallMatrixFields fields = WallMatrixFieldsOf(pipe);
  EXPECT_EQ(fields.primary, 2);
  EXPECT_EQ(fields.secondary, 4);
  EXPECT_EQ(fields.wallScales[2], 1.25);
  EXPECT_EQ(fields.removeFront, 977U);  // counts, not the dialog's rounded inches
  EXPECT_EQ(fields.deltaX, 0.25);
  EXPECT_EQ(fields.jumpSize, 35U);
  pipe.wallChannels[1].sampleCount = 0;
  pipe.wallChannels[3].sampleCount = 0;
  fields = WallMatrixFieldsOf(pipe);
  EXPECT_EQ(fields.primary, 0);
  EXPECT_EQ(fields.secondary, 0);
}

TEST_F(WallBuild, SetWallMatrixRefusesDataOfTheWrongSize) {
  PipeFile pipe = open(10.0, false);
  const WallMatrix before = pipe.wallMatrix;
  EXPECT_FALSE(SetWallMatrix(pipe, 0.5, 3, 4, std::vector<std::uint16_t>(11, 300)));
  EXPECT_EQ(pipe.wallMatrix.data, before.data);
  EXPECT_TRUE(SetWallMatrix(pipe, 0.5, 3, 4, std::vector<std::uint16_t>(12, 300)));
  EXPECT_EQ(pipe.wallMatrix.rows, 3U);
  EXPECT_FLOAT_EQ(pipe.wallMatrix.length, 1.0F);
  EXPECT_EQ(pipe.wallMatrix.minWallPerRev, (std::vector<std::uint16_t>{300, 300, 300}));
  EXPECT_EQ(pipe.csa.rows, 3U);
}

// Revolutions of 10 samples, one inch apart (195 counts), readings telling the channel (primary
// 1000 + revolution, secondary 2000 + revolution).
RevolutionList Channel(std::size_t revolutions, std::int32_t base, std::uint32_t axialStart,
                       std::uint32_t rotationStart) {
  RevolutionShape shape;
  shape.revolutions = revolutions;
  shape.samplesPerRev = 10;
  shape.pitchInches = 1.0;
  shape.axialStart = axialStart;
  shape.rotationStep = 1;
  shape.reading = [base](std::size_t r, std::size_t) { return base + static_cast<std::int32_t>(r); };
  RevolutionList list = MakeRevolutions(shape);
  for (RevolutionSamples& revolution : list) {
    for (RawSample& sample : revolution) {
      sample.rotationCount += rotationStart;
    }
  }
  return list;
}

TEST(MergeChannels, LeftPutsTheSecondaryInFrontOfThePrimary) {
  const RevolutionList a = Channel(20, 1000, 50000, 7000);
  const RevolutionList b = Channel(30, 2000, 100, 300);
  const auto merged = MergeChannels(a, b, AppendDirection::kLeft);
  ASSERT_TRUE(merged);
  // B[k] is the first revolution ending 13.5 inches past B's start: k = 13.
  const std::size_t k = 13;
  ASSERT_EQ(merged->size(), a.size() + k + 1);
  EXPECT_EQ(merged->at(k + 5), b[k + 5]);              // the first k + 6 of B as they are
  EXPECT_EQ(merged->at(k + 6).front().reading, 1005);  // then A from its sixth revolution
  // A's counts continue from the end of B[k].
  const RawSample& moved = merged->at(k + 6).front();
  EXPECT_EQ(moved.axialCount, b[k].back().axialCount + (a[5].front().axialCount - a[0].front().axialCount));
  EXPECT_EQ(moved.rotationCount,
            b[k].back().rotationCount + (a[5].front().rotationCount - a[0].front().rotationCount));
  EXPECT_EQ(a, Channel(20, 1000, 50000, 7000));  // the sources are not changed
}

TEST(MergeChannels, RightAppendsTheSecondaryFromFiveBeforeItsLastOverlap) {
  const RevolutionList a = Channel(20, 1000, 100, 300);
  const RevolutionList b = Channel(30, 2000, 90000, 5);
  const auto merged = MergeChannels(a, b, AppendDirection::kRight);
  ASSERT_TRUE(merged);
  // Going down, B[15] is the first revolution ending 13.5 inches before B's end: s = 16.
  const std::size_t s = 16;
  ASSERT_EQ(merged->size(), a.size() + b.size() - s);
  EXPECT_EQ(merged->at(a.size() - 6), a[a.size() - 6]);  // A without its last 5
  EXPECT_EQ(merged->at(a.size() - 5).front().reading, 2000 + static_cast<std::int32_t>(s - 5));
  // Counts continue from A's end; those before B[s] wrap below it, as unsigned counts do.
  const RawSample& atS = merged->at(a.size()).front();
  EXPECT_EQ(atS.axialCount, a.back().back().axialCount);
  const RawSample& before = merged->at(a.size() - 5).front();
  EXPECT_EQ(before.axialCount,
            a.back().back().axialCount - (b[s].front().axialCount - b[s - 5].front().axialCount));
}

TEST(MergeChannels, ChannelsTooShortForTheOverlapAreRefused) {
  const RevolutionList a = Channel(20, 1000, 100, 0);
  // 13.5 inches need 14 revolutions of B plus 5 more for Left.
  EXPECT_FALSE(MergeChannels(a, Channel(18, 2000, 0, 0), AppendDirection::kLeft));
  EXPECT_TRUE(MergeChannels(a, Channel(19, 2000, 0, 0), AppendDirection::kLeft));
  EXPECT_FALSE(MergeChannels(a, Channel(18, 2000, 0, 0), AppendDirection::kRight));
  EXPECT_TRUE(MergeChannels(a, Channel(19, 2000, 0, 0), AppendDirection::kRight));
  // A needs more than the 5 revolutions either direction drops.
  EXPECT_FALSE(MergeChannels(Channel(5, 1000, 0, 0), Channel(40, 2000, 0, 0), AppendDirection::kLeft));
  EXPECT_FALSE(MergeChannels(Channel(5, 1000, 0, 0), Channel(40, 2000, 0, 0), AppendDirection::kRight));
  EXPECT_FALSE(MergeChannels(a, {}, AppendDirection::kRight));
}

TEST(MergeChannels, TheJoinedListHoldsAtMostTheRevolutionLimit) {
  const RevolutionList a = Channel(kMaxRevolutions, 1000, 0, 0);
  const RevolutionList b = Channel(500, 2000, 0, 0);
  EXPECT_EQ(MergeChannels(a, b, AppendDirection::kRight)->size(), kMaxRevolutions);
  EXPECT_EQ(MergeChannels(a, b, AppendDirection::kLeft)->size(), kMaxRevolutions);
}

TEST(RevolutionStarts, TheTableHoldsTheLastBuildsStartCounts) {
  RevolutionStartTable starts{};
  RecordRevolutionStarts(Channel(3, 0, 0, 1000), starts);
  ASSERT_EQ(starts[1], 1010U);
  // A shorter build leaves nothing of a longer one.
  RecordRevolutionStarts(Channel(10, 0, 0, 1000), starts);
  RecordRevolutionStarts(Channel(2, 0, 0, 0), starts);
  EXPECT_EQ(starts[2], 0U);
}

using OdBuild = WallBuild;

// The synthetic channels read +ovality and -ovality, so half their difference is the ovality,
// 20 cos 2a, rotated by the wall angle.
void ExpectOvality(const OdMatrix& od, std::uint32_t wallAngle) {
  for (std::uint32_t row = 5; row + 5 < od.rows; row += 7) {
    for (std::uint32_t column = 0; column < od.columns; column += 15) {
      const double angle = (static_cast<double>(column) - wallAngle) * std::numbers::pi / 180.0;
      EXPECT_NEAR(od.at(row, column), 20.0 * std::cos(2.0 * angle), 3.0) << row << ", " << column;
    }
  }
}

TEST_F(OdBuild, HalfTheDifferenceOfBothChannelsRotatedByTheWallAngle) {
  PipeFile pipe = open(40.0);
  pipe.odMatrix.deltaX = 0.25;
  pipe.idMatrix = IdMatrix{};
  ASSERT_EQ(BuildOdMatrix(pipe, pipe.header.odJumpSize), BuildStatus::kBuilt);
  const OdMatrix& od = pipe.odMatrix;
  EXPECT_EQ(od.deltaX, 0.3333333333333333);
  EXPECT_EQ(od.deltaY, 1.0);
  EXPECT_EQ(od.columns, 360U);
  EXPECT_NEAR(od.rows, 120.0, 2.0);
  EXPECT_FLOAT_EQ(od.length, static_cast<float>((od.rows - 1) * od.deltaX));
  ExpectOvality(od, pipe.header.wallAngle);
  EXPECT_EQ(od.ovalityPerRev.size(), od.rows);
  EXPECT_TRUE(pipe.idMatrix.present());
  EXPECT_EQ(pipe.odChannels[0].revolutions.size(), 0U);  // freed after the build
}

TEST_F(OdBuild, WithoutRawOdDataTheMatrixStaysAsItWas) {
  PipeFile pipe = open(20.0, true, false);
  const OdMatrix before = pipe.odMatrix;
  EXPECT_EQ(BuildOdMatrix(pipe, 25), BuildStatus::kNoRevolutions);
  EXPECT_EQ(pipe.odMatrix.data, before.data);
  EXPECT_EQ(pipe.odMatrix.deltaX, before.deltaX);
}

TEST_F(OdBuild, ChannelsOfDifferentLengthsAreComparedOverTheRowsBothHave) {
  testing::RevolutionShape shape;
  shape.revolutions = 60;
  shape.reading = [](std::size_t, std::size_t) { return 10; };
  testing::BlockFileBuilder file;
  PipeHeader header;
  file.add(kTagJobInfo2, encodeJobInfo2(header));
  for (const std::uint8_t number : {1, 2}) {
    OdChannel channel;
    channel.inchesPerCount = 0.001;
    channel.revolutions = testing::MakeRevolutions(shape);
    file.add(kTagRawOd, *encodeRawOdChannel(number, channel));
    shape.revolutions = 30;
    shape.reading = [](std::size_t, std::size_t) { return -4; };
  }
  testing::writeBytes(path, file.finish());
  PipeFile pipe;
  readPipeFile(pipe, path);
  ASSERT_EQ(BuildOdMatrix(pipe, 0), BuildStatus::kBuilt);
  EXPECT_NEAR(pipe.odMatrix.rows, 30.0, 2.0);  // the shorter channel's rows
  for (const std::int16_t cell : pipe.odMatrix.data) {
    ASSERT_NEAR(cell, 7, 1);  // (10 - -4) / 2
  }
}

TEST(RotateMatrixRows, MovesEveryColumnAlongByTheShiftModuloTheColumns) {
  std::vector<std::int16_t> data{1, 2, 3, 4, 5, 6, 7, 8};
  RotateMatrixRows(data, 2, 4, 1);
  EXPECT_EQ(data, (std::vector<std::int16_t>{4, 1, 2, 3, 8, 5, 6, 7}));
  RotateMatrixRows(data, 2, 4, 0);
  EXPECT_EQ(data, (std::vector<std::int16_t>{4, 1, 2, 3, 8, 5, 6, 7}));
  RotateMatrixRows(data, 2, 4, 7);  // 7 columns is 3
  EXPECT_EQ(data, (std::vector<std::int16_t>{1, 2, 3, 4, 5, 6, 7, 8}));
}

PipeFile WithOdRows(std::uint32_t rows, std::uint32_t wallStartCounts = 10000) {
  testing::PipeShape plan;
  plan.od = testing::MakeOdMatrix(
      rows, 4, [](std::uint32_t r, std::uint32_t) { return static_cast<std::int16_t>(r + 1); }, kOdDeltaX);
  plan.calibrationOd = 7.0F;
  PipeFile pipe = testing::MakePipe(plan);
  pipe.setWallStartCounts(wallStartCounts);
  return pipe;
}

TEST(OdLength, PadsAndCutsChangeRowsAndTheWallStartButLeaveARevolution) {
  PipeFile pipe = WithOdRows(10);
  PadOdStart(pipe, 12.0);  // (12.1) / (1/3) = 36 rows
  ASSERT_EQ(pipe.odMatrix.rows, 46U);
  EXPECT_EQ(pipe.odMatrix.at(35, 0), 0);
  EXPECT_EQ(pipe.odMatrix.at(36, 0), 1);
  PadOdEnd(pipe, 18.0);  // 54 rows
  ASSERT_EQ(pipe.odMatrix.rows, 100U);
  EXPECT_EQ(pipe.odMatrix.at(45, 3), 10);
  EXPECT_EQ(pipe.odMatrix.at(46, 3), 0);
  EXPECT_FLOAT_EQ(pipe.odMatrix.length, static_cast<float>(99 * kOdDeltaX));
  EXPECT_EQ(pipe.odMatrix.ovalityPerRev.size(), 100U);
  // Cuts drop rows and move the wall start.
  pipe = WithOdRows(31);  // 10 inches
  CutOdEnd(pipe, 8.0);    // (10 - 8) / (1/3) = 6 rows
  ASSERT_EQ(pipe.odMatrix.rows, 25U);
  CutOdStart(pipe, 1.0);  // (1.1) / (1/3) = 3 rows
  ASSERT_EQ(pipe.odMatrix.rows, 22U);
  EXPECT_EQ(pipe.odMatrix.at(0, 0), 4);
  EXPECT_EQ(pipe.wallStartCounts, 10000U - 214U);                            // 1.1 x 195.35 = 214.9
  EXPECT_DOUBLE_EQ(pipe.wallStart, (10000 - 214) * kInchesPerCount - 34.0);  // as a file reads back
  EXPECT_FLOAT_EQ(pipe.odMatrix.length, static_cast<float>(21 * kOdDeltaX));
  // A cut must leave a revolution, two rows: one that would not is refused and changes nothing.
  pipe = WithOdRows(10);  // 3 inches
  for (const double cursor : {3.0, 100.0}) EXPECT_EQ(CutOdStart(pipe, cursor), OdCut::kTooShort);
  EXPECT_EQ(CutOdEnd(pipe, -50.0), OdCut::kTooShort);
  EXPECT_EQ(pipe.odMatrix.rows, 10U);
  EXPECT_EQ(pipe.wallStartCounts, 10000U);
  EXPECT_EQ(CutOdStart(pipe, 2.7), OdCut::kCut);  // 2.8 / (1/3): 8 rows
  EXPECT_EQ(pipe.odMatrix.rows, 2U);
  // The wall start goes no further than a count of 1: 0 would read back as none.
  pipe = WithOdRows(31, 500);
  CutOdStart(pipe, 5.0);
  EXPECT_EQ(pipe.wallStartCounts, 1U);
  EXPECT_DOUBLE_EQ(pipe.wallStart, kInchesPerCount - 34.0);
  // Without a wall start the wall starts level with the OD: 34 inches of counts.
  pipe = WithOdRows(31, 0);
  CutOdStart(pipe, 1.0);
  EXPECT_EQ(pipe.wallStartCounts, 6642U - 214U);

  pipe = WithOdRows(10);
  EXPECT_EQ(CutOdStart(pipe, std::numeric_limits<double>::infinity()), OdCut::kNoOdRows);
  EXPECT_EQ(CutOdEnd(pipe, std::numeric_limits<double>::quiet_NaN()), OdCut::kNoOdRows);
  EXPECT_EQ(pipe.odMatrix.rows, 10U);

  PipeFile empty;
  PadOdStart(empty, 12.0);
  EXPECT_EQ(CutOdStart(empty, 1.0), OdCut::kNoOdRows);
  EXPECT_FALSE(empty.odMatrix.present());
  EXPECT_EQ(empty.wallStart, 0.0);
}

}  // namespace
}  // namespace ductora
