#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "data/format/pipe_blocks.h"
#include "data/format/pipe_file_io.h"
#include "data/format/raw_channels.h"
#include "support/block_fixtures.h"
#include "support/temp_dir.h"

namespace ductora::testing {
namespace {

class BlockBytes : public ::testing::Test {
 protected:
  PipeFile read(const Bytes& file) {
    writeBytes(source, file);
    PipeFile pipe;
    const PipeReadResult result = readPipeFile(pipe, source);
    EXPECT_TRUE(result.wallMatrixRead);
    EXPECT_FALSE(result.truncated || result.malformed);
    return pipe;
  }

  TempDir dir;
  std::string source = dir.file("fixture.kqvw");
};

TEST_F(BlockBytes, TheReaderDecodesEveryField) {
  PipeFile pipe = read(chainBlocks(completePipeBlocks()));
  const PipeHeader expected{.created = 305419896,
                            .woNumber = "WO-77",
                            .kqNumber = 4711,
                            .unitNumber = 3,
                            .note = "sim",
                            .runNumber = 2,
                            .startEnd = 1,
                            .nominalOdMils = 7000,
                            .nominalOd = 7.0,
                            .weightHundredths = 2600,
                            .weight = 26.0,
                            .grade = "L80",
                            .nominalWall = 362,
                            .upperWall = 416,
                            .lowerWall = 290,
                            .wallJumpSize = 60,
                            .range = 3,
                            .calibrationOdMils = 7010,
                            .calibrationOd = 7.01F,
                            .wallAngle = 135,
                            .rotation = 1,
                            .from = 0,
                            .upperOdOffset = 40,
                            .lowerOdOffset = -40,
                            .odJumpSize = 25};
  EXPECT_EQ(pipe.header, expected);
  EXPECT_EQ(pipe.dataPresent, (DataPresentFlags{1, 1, 1, 1, 1, 1, 1, 1, 0, 1}));

  const WallChannel& wall = pipe.wallChannels[1];
  EXPECT_EQ(wall.sampleCount, 7U);
  EXPECT_EQ(wall.wallScale, 1.5);
  EXPECT_EQ(wall.parameters, (std::array<double, 4>{24.0, -2.0, 0.5, 100.0}));
  EXPECT_EQ(pipe.odChannels[0].inchesPerCount, 0.001);
  ASSERT_EQ(LoadWallRevolutions(pipe, 2, 0.0), 2U);
  EXPECT_EQ(wall.revolutions, (RevolutionList{{{362, 100, 10}, {360, 101, 20}}, {{365, 102, 30}}}));
  ASSERT_EQ(LoadOdRevolutions(pipe, 1, 0.0).revolutions, 1U);
  EXPECT_EQ(pipe.odChannels[0].revolutions, (RevolutionList{{{-3, 200, 5}, {4, 201, 6}}}));

  EXPECT_EQ(pipe.wallMatrix.deltaX, 0.5);
  EXPECT_EQ(pipe.wallMatrix.deltaY, 180.0);
  EXPECT_EQ(pipe.wallMatrix.data, (std::vector<std::uint16_t>{362, 360, 0, 65535}));
  EXPECT_EQ(pipe.csa.minCsa, 4.5);
  EXPECT_EQ(pipe.csa.maxCsa, 5.5);
  EXPECT_EQ(pipe.csa.avgCsa, 5.0);
  EXPECT_EQ(pipe.csa.csaStdDev, 0.125);
  EXPECT_EQ(pipe.wallStartCounts, 10000U);
  EXPECT_EQ(pipe.odMatrix.deltaX, 1.0 / 3.0);
  EXPECT_EQ(pipe.odMatrix.data, (std::vector<std::int16_t>{-5, 7}));
  EXPECT_EQ(pipe.straightness.deltaX, 12.0);
  EXPECT_EQ(pipe.straightness.rows, 1U);
  EXPECT_EQ(pipe.straightness.columns, 2U);
  EXPECT_EQ(pipe.straightness.data, (std::vector<std::int16_t>{-60, 60}));
}

TEST_F(BlockBytes, TheWriterGivesBackEveryByteOfTheBlocks) {
  // The short job information 2 is read with wall angle 135 and written in the long form.
  for (const BlockFixture& jobInfo2 : {kJobInfo2LongBlock, kJobInfo2ShortBlock}) {
    PipeFile pipe = read(chainBlocks(completePipeBlocks(jobInfo2)));
    const std::string saved = dir.file("saved.kqvw");
    ASSERT_TRUE(savePipeFile(pipe, saved, true, true).ok);
    EXPECT_EQ(readBytes(saved), chainBlocks(completePipeBlocks())) << jobInfo2.payload.size();
  }
}

// What reading gives beyond the fields of each block: order, repetition, forms and gaps.

PipeFile readFile(const std::vector<BlockFixture>& blocks, PipeReadResult* result = nullptr) {
  TempDir dir;
  const std::string path = dir.file("pipe.kqvw");
  writeBytes(path, chainBlocks(blocks));
  PipeFile pipe;
  const PipeReadResult read = readPipeFile(pipe, path);
  if (result != nullptr) *result = read;
  return pipe;
}

// The fixture's job information 1 with KQ 999 and no nominal OD.
BlockFixture jobInfo1WithoutNominalOd() {
  BlockFixture block = kJobInfo1Block;
  block.payload[14] = 0xE7;  // KQ 999
  block.payload[15] = 0x03;
  block.payload[35] = block.payload[36] = 0;  // nominal OD
  return block;
}

TEST(PipeFileRead, AShortJobInfo2RunningToTheEndOfTheFileIsTheShortForm) {
  const PipeFile pipe = readFile({kJobInfo2ShortBlock});
  EXPECT_EQ(pipe.header.wallAngle, kShortFormWallAngle);
  EXPECT_EQ(pipe.header.calibrationOd, 7.01F);
  EXPECT_EQ(pipe.header.odJumpSize, 25);
}

TEST(PipeFileRead, BlocksComeInAnyOrderAndLaterOnesReplaceEarlier) {
  BlockFixture wide = kWallMatrixBlock;
  wide.payload[8] = 1;   // 1 row
  wide.payload[20] = 4;  // 4 columns: the same values
  PipeReadResult result;
  const PipeFile pipe = readFile({kStraightnessBlock, kWallMatrixBlock, kJobInfo1Block, kOdMatrixBlock, wide,
                                  jobInfo1WithoutNominalOd()},
                                 &result);
  EXPECT_TRUE(result.wallMatrixRead);
  EXPECT_EQ(pipe.header.kqNumber, 999);
  EXPECT_EQ(pipe.wallMatrix.rows, 1U);
  EXPECT_EQ(pipe.wallMatrix.columns, 4U);
  EXPECT_FLOAT_EQ(pipe.wallMatrix.length, 0.0F);
  EXPECT_TRUE(pipe.odMatrix.present());
  EXPECT_TRUE(pipe.straightness.present());
}

TEST(PipeFileRead, OdMatrixTakesTheCalibrationOdWhenNominalOdIsZero) {
  // Without job information 1, or with a nominal OD of 0: the calibration OD read before it.
  for (const auto& blocks : {std::vector{kJobInfo2LongBlock, kOdMatrixBlock},
                             {jobInfo1WithoutNominalOd(), kJobInfo2LongBlock, kOdMatrixBlock}}) {
    const PipeFile pipe = readFile(blocks);
    EXPECT_EQ(pipe.header.nominalOd, static_cast<double>(7.01F));
    EXPECT_EQ(pipe.header.nominalOdMils, 7010);
  }
  // A nominal OD is kept, and a calibration OD read after the OD matrix does not count.
  EXPECT_EQ(readFile({kJobInfo1Block, kJobInfo2LongBlock, kOdMatrixBlock}).header.nominalOdMils, 7000);
  EXPECT_EQ(readFile({kOdMatrixBlock, kJobInfo2LongBlock}).header.nominalOdMils, 0);
}

TEST(PipeFileRead, ChannelNumbersOutOfRangeSetTheFlagButFillNothing) {
  BlockFixture wall = kRawWallBlock;
  BlockFixture od = kRawOdBlock;
  wall.payload[0] = 5;
  od.payload[0] = 3;
  PipeFile pipe = readFile({wall, od});
  wall.payload[0] = 0;
  EXPECT_EQ(readFile({wall}).dataPresent[kRawWallPresent], 1);
  EXPECT_EQ(pipe.dataPresent[kRawWallPresent], 1);
  EXPECT_EQ(pipe.dataPresent[kRawOdPresent], 1);
  for (const WallChannel& channel : pipe.wallChannels) {
    EXPECT_EQ(channel.sampleCount, 0U);
    EXPECT_EQ(channel.wallScale, 0.0);
  }
  for (const OdChannel& channel : pipe.odChannels) EXPECT_EQ(channel.inchesPerCount, 0.0);
}

TEST(PipeFileRead, AMatrixWithoutRowsOrColumnsIsNoMatrixAWallStartOfZeroKeepsThePrevious) {
  const PipeFile zero = readFile({kWallStartBlock, {9, {0, 0, 0, 0}}});
  EXPECT_EQ(zero.wallStartCounts, 0U);
  EXPECT_DOUBLE_EQ(zero.wallStart, 10000 * kInchesPerCount - 34.0);
  for (const std::size_t sizeField : {8U, 20U}) {
    BlockFixture empty = kWallMatrixBlock;
    empty.payload[sizeField] = 0;
    PipeReadResult result;
    const PipeFile pipe = readFile({kWallMatrixBlock, empty}, &result);
    EXPECT_FALSE(result.wallMatrixRead);
    EXPECT_EQ(pipe.dataPresent[kWallMatrixPresent], 1);
    EXPECT_FALSE(pipe.wallMatrix.present());
    EXPECT_EQ(pipe.wallMatrix.rows * pipe.wallMatrix.columns, 0U);
    EXPECT_EQ(pipe.wallMatrix.length, 0.0F);
  }
}

TEST(PipeFileRead, UnreadableFileClearsOnlyTheFlagsAndOneWithoutWallMatrixKeepsWhatItRead) {
  TempDir dir;
  PipeFile pipe;
  pipe.path = "before";
  pipe.header.kqNumber = 5;
  pipe.dataPresent.fill(1);
  for (const std::string& path : {dir.file("missing.kqvw"), dir.path().string()}) {
    const PipeReadResult result = readPipeFile(pipe, path);
    EXPECT_FALSE(result.opened);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(pipe.dataPresent, DataPresentFlags{});
    EXPECT_EQ(pipe.path, "before");
    EXPECT_EQ(pipe.header.kqNumber, 5);
  }
  const std::string path = dir.file("od-only.kqvw");
  writeBytes(path, chainBlocks({kOdMatrixBlock}));
  const PipeReadResult result = readPipeFile(pipe, path);
  EXPECT_TRUE(result.opened);
  EXPECT_FALSE(result.wallMatrixRead);
  EXPECT_EQ(pipe.path, path);
  EXPECT_TRUE(pipe.odMatrix.present());
}

}  // namespace
}  // namespace ductora::testing
