#include <gtest/gtest.h>

#include <vector>

#include "data/pipe_blocks.h"
#include "data/pipe_file_io.h"
#include "support/block_fixtures.h"
#include "support/temp_dir.h"

namespace ductora::testing {
namespace {

// What reading gives beyond the fields of each block: order, repetition, forms and gaps.

PipeFile readFile(const std::vector<BlockFixture>& blocks, PipeReadResult* result = nullptr) {
  TempDir dir;
  const std::string path = dir.file("pipe.kqvw");
  writeBytes(path, chainBlocks(blocks));
  PipeFile pipe;
  const PipeReadResult read = readPipeFile(pipe, path);
  if (result != nullptr) {
    *result = read;
  }
  return pipe;
}

// The fixture's job information 1 with KQ 999 and no nominal OD.
BlockFixture jobInfo1WithoutNominalOd() {
  BlockFixture block = kJobInfo1Bytes;
  block.payload[14] = 0xE7;  // KQ 999
  block.payload[15] = 0x03;
  block.payload[35] = block.payload[36] = 0;  // nominal OD
  return block;
}

TEST(PipeFileRead, AShortJobInfo2RunningToTheEndOfTheFileIsTheShortForm) {
  const PipeFile pipe = readFile({kJobInfo2ShortBytes});
  EXPECT_EQ(pipe.header.wallAngle, kShortFormWallAngle);
  EXPECT_EQ(pipe.header.calibrationOd, 7.01F);
  EXPECT_EQ(pipe.header.odJumpSize, 25);
}

TEST(PipeFileRead, BlocksComeInAnyOrderAndLaterOnesReplaceEarlier) {
  BlockFixture wide = kWallMatrixBytes;
  wide.payload[8] = 1;   // 1 row
  wide.payload[20] = 4;  // 4 columns: the same values
  PipeReadResult result;
  const PipeFile pipe = readFile({kStraightnessBytes, kWallMatrixBytes, kJobInfo1Bytes, kOdMatrixBytes, wide,
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
  for (const auto& blocks : {std::vector{kJobInfo2LongBytes, kOdMatrixBytes},
                             {jobInfo1WithoutNominalOd(), kJobInfo2LongBytes, kOdMatrixBytes}}) {
    const PipeFile pipe = readFile(blocks);
    EXPECT_EQ(pipe.header.nominalOd, static_cast<double>(7.01F));
    EXPECT_EQ(pipe.header.nominalOdMils, 7010);
  }
  // A nominal OD is kept, and a calibration OD read after the OD matrix does not count.
  EXPECT_EQ(readFile({kJobInfo1Bytes, kJobInfo2LongBytes, kOdMatrixBytes}).header.nominalOdMils, 7000);
  EXPECT_EQ(readFile({kOdMatrixBytes, kJobInfo2LongBytes}).header.nominalOdMils, 0);
}

TEST(PipeFileRead, ChannelNumbersOutOfRangeSetTheFlagButFillNothing) {
  BlockFixture wall = kRawWallBytes;
  BlockFixture od = kRawOdBytes;
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
  for (const OdChannel& channel : pipe.odChannels) {
    EXPECT_EQ(channel.inchesPerCount, 0.0);
  }
}

TEST(PipeFileRead, WallStartOfZeroKeepsThePreviousWallStart) {
  const PipeFile pipe = readFile({kWallStartBytes, {9, {0, 0, 0, 0}}});
  EXPECT_EQ(pipe.wallStartCounts, 0U);
  EXPECT_DOUBLE_EQ(pipe.wallStart, 10000 * kInchesPerCount - 34.0);
}

TEST(PipeFileRead, MatrixWithoutRowsOrColumnsIsNoMatrix) {
  for (const std::size_t sizeField : {8U, 20U}) {
    BlockFixture empty = kWallMatrixBytes;
    empty.payload[sizeField] = 0;
    PipeReadResult result;
    const PipeFile pipe = readFile({kWallMatrixBytes, empty}, &result);
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
  writeBytes(path, chainBlocks({kOdMatrixBytes}));
  const PipeReadResult result = readPipeFile(pipe, path);
  EXPECT_TRUE(result.opened);
  EXPECT_FALSE(result.wallMatrixRead);
  EXPECT_EQ(pipe.path, path);
  EXPECT_TRUE(pipe.odMatrix.present());
}

}  // namespace
}  // namespace ductora::testing
