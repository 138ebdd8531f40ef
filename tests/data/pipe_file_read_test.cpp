#include <gtest/gtest.h>

#include <vector>

#include "data/byte_codec.h"
#include "data/pipe_blocks.h"
#include "data/pipe_file_io.h"
#include "support/block_file_builder.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"

namespace ductora {
namespace {

using ductora::testing::BlockFileBuilder;
using ductora::testing::TempDir;

PipeHeader sampleHeader() {
  PipeHeader header;
  header.kqNumber = 321;
  header.nominalOdMils = 5500;
  header.grade = "P110";
  return header;
}

WallMatrix sampleWallMatrix() {
  WallMatrix matrix;
  matrix.deltaX = 0.5;
  matrix.rows = 3;
  matrix.deltaY = 90.0;
  matrix.columns = 4;
  matrix.data = {300, 301, 302, 303, 310, 311, 312, 313, 65535, 0, 1, 2};
  return matrix;
}

OdMatrix sampleOdMatrix() {
  OdMatrix matrix;
  matrix.deltaX = 0.3333333333333333;
  matrix.rows = 2;
  matrix.deltaY = 120.0;
  matrix.columns = 3;
  matrix.data = {-32768, 32767, 0, -5, 5, -2048};
  return matrix;
}

StraightnessMatrix sampleStraightness() {
  StraightnessMatrix matrix;
  matrix.deltaX = 12.0;
  matrix.rows = 2;
  matrix.deltaY = 180.0;
  matrix.columns = 2;
  matrix.data = {-60, 60, 7, -7};
  return matrix;
}

std::vector<std::uint8_t> shortJobInfo2(std::uint16_t calibrationMils) {
  ByteWriter out;
  out.u16(calibrationMils);
  out.u8(1);    // rotation
  out.u8(0);    // from
  out.i16(20);  // upper offset
  out.i16(-20);
  out.u8(9);
  return out.take();
}

PipeFile readBytes(const std::vector<std::uint8_t>& bytes, PipeReadResult* result = nullptr) {
  TempDir dir;
  const std::string path = dir.file("pipe.kqvw");
  ductora::testing::writeBytes(path, bytes);
  PipeFile pipe;
  const PipeReadResult read = readPipeFile(pipe, path);
  if (result != nullptr) {
    *result = read;
  }
  return pipe;
}

TEST(PipeFileRead, AShortJobInfo2RunningToTheEndOfTheFileIsTheShortForm) {
  BlockFileBuilder shortForm;
  shortForm.add(kTagJobInfo2, shortJobInfo2(6625));
  const PipeFile pipe = readBytes(shortForm.finish());
  EXPECT_EQ(pipe.header.wallAngle, kShortFormWallAngle);
  EXPECT_EQ(pipe.header.calibrationOd, 6.625F);
  EXPECT_EQ(pipe.header.odJumpSize, 9);
}

TEST(PipeFileRead, BlocksComeInAnyOrderAndLaterOnesReplaceEarlier) {
  PipeHeader first = sampleHeader();
  PipeHeader second = sampleHeader();
  second.kqNumber = 999;
  second.grade = "J55";
  WallMatrix small = sampleWallMatrix();
  WallMatrix other;
  other.deltaX = 1.0;
  other.rows = 2;
  other.deltaY = 180.0;
  other.columns = 2;
  other.data = {1, 2, 3, 4};

  BlockFileBuilder file;
  file.add(kTagStraightness, encodeStraightness(sampleStraightness()));
  file.add(kTagWallMatrix, encodeWallMatrix(small));
  file.add(kTagJobInfo1, encodeJobInfo1(first));
  file.add(kTagOdMatrix, encodeOdMatrix(sampleOdMatrix()));
  file.add(kTagWallMatrix, encodeWallMatrix(other));
  file.add(kTagJobInfo1, encodeJobInfo1(second));
  PipeReadResult result;
  const PipeFile pipe = readBytes(file.finish(), &result);
  EXPECT_TRUE(result.wallMatrixRead);
  EXPECT_EQ(pipe.header.kqNumber, 999);
  EXPECT_EQ(pipe.header.grade, "J55");
  EXPECT_EQ(pipe.wallMatrix.rows, 2U);
  EXPECT_EQ(pipe.wallMatrix.data, other.data);
  EXPECT_FLOAT_EQ(pipe.wallMatrix.length, 1.0F);
  EXPECT_TRUE(pipe.odMatrix.present());
  EXPECT_TRUE(pipe.straightness.present());
}

TEST(PipeFileRead, OdMatrixTakesTheCalibrationOdWhenNominalOdIsZero) {
  PipeHeader header;
  header.calibrationOdMils = 7001;

  BlockFileBuilder noJobInfo1;
  noJobInfo1.add(kTagJobInfo2, encodeJobInfo2(header));
  noJobInfo1.add(kTagOdMatrix, encodeOdMatrix(sampleOdMatrix()));
  PipeFile pipe = readBytes(noJobInfo1.finish());
  EXPECT_EQ(pipe.header.nominalOd, static_cast<double>(7.001F));
  EXPECT_EQ(pipe.header.nominalOdMils, 7001);

  // A job information block with a nominal OD keeps it.
  PipeHeader withOd = sampleHeader();
  BlockFileBuilder withNominal;
  withNominal.add(kTagJobInfo1, encodeJobInfo1(withOd));
  withNominal.add(kTagJobInfo2, encodeJobInfo2(header));
  withNominal.add(kTagOdMatrix, encodeOdMatrix(sampleOdMatrix()));
  pipe = readBytes(withNominal.finish());
  EXPECT_EQ(pipe.header.nominalOd, 5.5);
  EXPECT_EQ(pipe.header.nominalOdMils, 5500);

  // Only what was read before the OD matrix counts.
  BlockFileBuilder calibrationLater;
  calibrationLater.add(kTagOdMatrix, encodeOdMatrix(sampleOdMatrix()));
  calibrationLater.add(kTagJobInfo2, encodeJobInfo2(header));
  pipe = readBytes(calibrationLater.finish());
  EXPECT_EQ(pipe.header.nominalOd, 0.0);
  EXPECT_EQ(pipe.header.nominalOdMils, 0);
}

TEST(PipeFileRead, ChannelNumbersOutOfRangeSetTheFlagButFillNothing) {
  WallChannel wall;
  wall.setWallScale(2.0);
  wall.revolutions = {{RawSample{300, 1, 1, 0, 0}}};
  OdChannel od;
  od.inchesPerCount = 0.5;
  od.revolutions = {{RawSample{3, 1, 1, 0, 0}}};
  BlockFileBuilder file;
  file.add(kTagRawWall, *encodeRawWallChannel(5, wall));
  file.add(kTagRawWall, *encodeRawWallChannel(0, wall));
  file.add(kTagRawOd, *encodeRawOdChannel(3, od));
  const PipeFile pipe = readBytes(file.finish());
  EXPECT_EQ(pipe.dataPresent[kRawWallPresent], 1);
  EXPECT_EQ(pipe.dataPresent[kRawOdPresent], 1);
  for (const WallChannel& channel : pipe.wallChannels) {
    EXPECT_EQ(channel.channel, 0);
    EXPECT_EQ(channel.sampleCount, 0U);
    EXPECT_EQ(channel.wallScale, 0.0);
  }
  for (const OdChannel& channel : pipe.odChannels) {
    EXPECT_EQ(channel.sampleCount, 0U);
    EXPECT_EQ(channel.inchesPerCount, 0.0);
  }
}

TEST(PipeFileRead, WallStartOfZeroKeepsThePreviousWallStart) {
  BlockFileBuilder file;
  file.add(kTagWallStart, encodeWallStart(6641));
  file.add(kTagWallStart, encodeWallStart(0));
  const PipeFile pipe = readBytes(file.finish());
  EXPECT_EQ(pipe.wallStartCounts, 0U);
  EXPECT_DOUBLE_EQ(pipe.wallStart, 6641 * kInchesPerCount - 34.0);
  EXPECT_EQ(pipe.dataPresent[kWallStartPresent], 1);
}

TEST(PipeFileRead, MatrixWithoutRowsOrColumnsIsNoMatrix) {
  for (const std::uint32_t rows : {0U, 5U}) {
    WallMatrix empty;
    empty.deltaX = 0.25;
    empty.rows = rows;
    empty.deltaY = 1.0;
    empty.columns = rows == 0 ? 360 : 0;
    BlockFileBuilder file;
    file.add(kTagWallMatrix, encodeWallMatrix(sampleWallMatrix()));
    file.add(kTagWallMatrix, encodeWallMatrix(empty));
    PipeReadResult result;
    const PipeFile pipe = readBytes(file.finish(), &result);
    EXPECT_FALSE(result.wallMatrixRead);
    EXPECT_EQ(pipe.dataPresent[kWallMatrixPresent], 1);
    EXPECT_FALSE(pipe.wallMatrix.present());
    EXPECT_EQ(pipe.wallMatrix.rows, 0U);
    EXPECT_EQ(pipe.wallMatrix.columns, 0U);
    EXPECT_EQ(pipe.wallMatrix.length, 0.0F);
    EXPECT_EQ(pipe.wallMatrix.deltaX, 0.25);
  }
}

TEST(PipeFileRead, UnreadableFileClearsOnlyTheFlags) {
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
}

TEST(PipeFileRead, FileWithoutWallMatrixKeepsWhatItReadAndSetsThePath) {
  TempDir dir;
  const std::string path = dir.file("od-only.kqvw");
  BlockFileBuilder file;
  file.add(kTagOdMatrix, encodeOdMatrix(sampleOdMatrix()));
  ductora::testing::writeBytes(path, file.finish());
  PipeFile pipe;
  const PipeReadResult result = readPipeFile(pipe, path);
  EXPECT_TRUE(result.opened);
  EXPECT_FALSE(result.wallMatrixRead);
  EXPECT_EQ(pipe.path, path);
  EXPECT_TRUE(pipe.odMatrix.present());
}

}  // namespace
}  // namespace ductora
