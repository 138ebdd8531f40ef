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
  header.created = 1234567890;
  header.woNumber = "WO12345678";  // fills the field: no terminator
  header.kqNumber = 321;
  header.unitNumber = 7;
  header.note = "carried along";
  header.runNumber = 4;
  header.startEnd = 9;
  header.nominalOdMils = 5500;
  header.nominalOd = 5.5;
  header.weightHundredths = 1700;
  header.weight = 17.0;
  header.grade = "P110";
  header.nominalWall = 304;
  header.upperWall = 350;
  header.lowerWall = 250;
  header.wallJumpSize = 40;
  header.range = 2;
  header.calibrationOdMils = 5512;
  header.calibrationOd = 5.512F;
  header.wallAngle = 90;
  header.rotation = 1;
  header.from = 3;
  header.upperOdOffset = 45;
  header.lowerOdOffset = -35;
  header.odJumpSize = 12;
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

RevolutionList revolutionsOf(std::vector<std::vector<std::int32_t>> readings) {
  RevolutionList revolutions;
  std::uint32_t count = 100;
  for (const auto& revolution : readings) {
    RevolutionSamples& samples = revolutions.emplace_back();
    for (const std::int32_t reading : revolution) {
      RawSample sample;
      sample.reading = reading;
      sample.axialCount = count;
      sample.rotationCount = count * 3;
      samples.push_back(sample);
      ++count;
    }
  }
  return revolutions;
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

TEST(PipeFileRead, EveryBlockKindRoundTripsFieldByField) {
  const PipeHeader header = sampleHeader();
  WallChannel wall;
  wall.setWallScale(1.25);
  wall.parameters = {1.5, -2.0, 3.25, 1e9};
  wall.revolutions = revolutionsOf({{300, 301}, {302}});
  OdChannel od;
  od.inchesPerCount = 0.002;
  od.revolutions = revolutionsOf({{-3, 4, 5}});
  CsaTable csa;
  csa.minCsa = 4.5;
  csa.maxCsa = 5.5;
  csa.avgCsa = 5.0;
  csa.csaStdDev = 0.125;

  BlockFileBuilder file;
  file.add(kTagJobInfo1, encodeJobInfo1(header));
  file.add(kTagRawWall, *encodeRawWallChannel(3, wall));
  file.add(kTagWallMatrix, encodeWallMatrix(sampleWallMatrix()));
  file.add(kTagCsa, encodeCsa(csa));
  file.add(kTagWallStart, encodeWallStart(10000));
  file.add(kTagJobInfo2, encodeJobInfo2(header));
  file.add(kTagRawOd, *encodeRawOdChannel(2, od));
  file.add(kTagOdMatrix, encodeOdMatrix(sampleOdMatrix()));
  file.add(kTagStraightness, encodeStraightness(sampleStraightness()));

  PipeReadResult result;
  const PipeFile pipe = readBytes(file.finish(), &result);
  EXPECT_TRUE(result.opened);
  EXPECT_TRUE(result.wallMatrixRead);
  EXPECT_FALSE(result.truncated);
  EXPECT_FALSE(result.malformed);
  EXPECT_EQ(pipe.header, header);
  EXPECT_EQ(pipe.dataPresent, (DataPresentFlags{1, 1, 1, 1, 1, 1, 1, 1, 0, 1}));

  const WallChannel& readWall = pipe.wallChannels[2];
  EXPECT_EQ(readWall.channel, 3);
  EXPECT_EQ(readWall.sampleCount, 3U + 2 + 2);  // samples, one marker per revolution, lead-in
  EXPECT_EQ(readWall.wallScale, 1.25);
  EXPECT_DOUBLE_EQ(readWall.velocity, 0.25);
  EXPECT_EQ(readWall.parameters, wall.parameters);
  EXPECT_TRUE(readWall.revolutions.empty());  // raw records are only loaded on demand
  EXPECT_EQ(pipe.wallChannels[0].sampleCount, 0U);

  const OdChannel& readOd = pipe.odChannels[1];
  EXPECT_EQ(readOd.channel, 2);
  EXPECT_EQ(readOd.sampleCount, 3U + 1 + 1);
  EXPECT_EQ(readOd.inchesPerCount, 0.002);

  const WallMatrix expectedWall = sampleWallMatrix();
  EXPECT_EQ(pipe.wallMatrix.deltaX, expectedWall.deltaX);
  EXPECT_EQ(pipe.wallMatrix.rows, expectedWall.rows);
  EXPECT_EQ(pipe.wallMatrix.deltaY, expectedWall.deltaY);
  EXPECT_EQ(pipe.wallMatrix.columns, expectedWall.columns);
  EXPECT_EQ(pipe.wallMatrix.data, expectedWall.data);
  EXPECT_FLOAT_EQ(pipe.wallMatrix.length, 1.0F);

  EXPECT_EQ(pipe.csa.minCsa, csa.minCsa);
  EXPECT_EQ(pipe.csa.maxCsa, csa.maxCsa);
  EXPECT_EQ(pipe.csa.avgCsa, csa.avgCsa);
  EXPECT_EQ(pipe.csa.csaStdDev, csa.csaStdDev);

  EXPECT_EQ(pipe.wallStartCounts, 10000U);
  EXPECT_DOUBLE_EQ(pipe.wallStart, 10000 * kInchesPerCount - 34.0);

  const OdMatrix expectedOd = sampleOdMatrix();
  EXPECT_EQ(pipe.odMatrix.deltaX, expectedOd.deltaX);
  EXPECT_EQ(pipe.odMatrix.rows, 2U);
  EXPECT_EQ(pipe.odMatrix.deltaY, 120.0);
  EXPECT_EQ(pipe.odMatrix.columns, 3U);
  EXPECT_EQ(pipe.odMatrix.data, expectedOd.data);
  EXPECT_FLOAT_EQ(pipe.odMatrix.length, static_cast<float>(expectedOd.deltaX));

  const StraightnessMatrix expectedStraightness = sampleStraightness();
  EXPECT_EQ(pipe.straightness.deltaX, 12.0);
  EXPECT_EQ(pipe.straightness.rows, 2U);
  EXPECT_EQ(pipe.straightness.deltaY, 180.0);
  EXPECT_EQ(pipe.straightness.columns, 2U);
  EXPECT_EQ(pipe.straightness.data, expectedStraightness.data);
}

TEST(PipeFileRead, JobInfo2FormIsChosenByPayloadLength) {
  PipeHeader header = sampleHeader();
  header.wallAngle = 77;

  BlockFileBuilder longForm;
  longForm.add(kTagJobInfo2, encodeJobInfo2(header));
  PipeFile pipe = readBytes(longForm.finish());
  EXPECT_EQ(pipe.header.wallAngle, 77);
  EXPECT_EQ(pipe.header.calibrationOdMils, 5512);
  EXPECT_EQ(pipe.dataPresent[kJobInfo2Present], 1);

  // Short form, both inside the chain and as the last block running to the end of the file.
  for (const bool last : {false, true}) {
    BlockFileBuilder shortForm;
    shortForm.add(kTagJobInfo2, shortJobInfo2(6625));
    if (!last) {
      shortForm.add(kTagWallStart, encodeWallStart(1));
    }
    pipe = readBytes(shortForm.finish());
    EXPECT_EQ(pipe.header.wallAngle, kShortFormWallAngle);
    EXPECT_EQ(pipe.header.calibrationOdMils, 6625);
    EXPECT_EQ(pipe.header.calibrationOd, 6.625F);
    EXPECT_EQ(pipe.header.rotation, 1);
    EXPECT_EQ(pipe.header.from, 0);
    EXPECT_EQ(pipe.header.upperOdOffset, 20);
    EXPECT_EQ(pipe.header.lowerOdOffset, -20);
    EXPECT_EQ(pipe.header.odJumpSize, 9);
    EXPECT_EQ(pipe.dataPresent[kJobInfo2Present], 1);
  }
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
  wall.revolutions = revolutionsOf({{300}});
  OdChannel od;
  od.inchesPerCount = 0.5;
  od.revolutions = revolutionsOf({{3}});
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

TEST(PipeFileRead, SyntheticPipeOpensWithEveryBlock) {
  TempDir dir;
  const std::string path = dir.file("synthetic.kqvw");
  ductora::testing::writeSyntheticPipe(path, {});
  PipeFile pipe;
  const PipeReadResult result = readPipeFile(pipe, path);
  ASSERT_TRUE(result.wallMatrixRead);
  EXPECT_FALSE(result.truncated);
  EXPECT_FALSE(result.malformed);
  EXPECT_EQ(pipe.dataPresent, (DataPresentFlags{1, 1, 1, 1, 1, 1, 1, 1, 0, 1}));
  EXPECT_EQ(pipe.wallMatrix.rows, 1441U);
  EXPECT_EQ(pipe.wallMatrix.columns, 360U);
  EXPECT_NEAR(pipe.wallMatrix.length, 480.0F, 1e-3);
  EXPECT_EQ(pipe.odMatrix.rows, 1441U);
  EXPECT_EQ(pipe.straightness.columns, 36U);
  for (int channel = 0; channel < 4; ++channel) {
    EXPECT_EQ(pipe.wallChannels[static_cast<std::size_t>(channel)].sampleCount, 1440U * 361 + 2);
  }
  EXPECT_EQ(pipe.odChannels[1].sampleCount, 1440U * 361 + 1);
  EXPECT_EQ(pipe.header.nominalWall, 362);
}

}  // namespace
}  // namespace ductora
