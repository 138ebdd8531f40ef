#include "analysis/od_build.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "analysis/pipe_measures.h"
#include "data/pipe_blocks.h"
#include "support/block_file_builder.h"
#include "support/matrix_builders.h"
#include "support/revolution_builders.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"

namespace ductora {
namespace {

class OdBuild : public ::testing::Test {
 protected:
  PipeFile open(double lengthInches, bool withRawOd = true) {
    testing::SyntheticPipeOptions options;
    options.lengthInches = lengthInches;
    options.withRawOd = withRawOd;
    testing::writeSyntheticPipe(path, options);
    PipeFile pipe;
    LoadPipeForUse(pipe, path);
    return pipe;
  }

  testing::TempDir dir;
  std::string path = dir.file("pipe.kqvw");
};

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
  PipeFile pipe = open(20.0, false);
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

PipeFile WithOdRows(std::uint32_t rows) {
  testing::PipeSpec plan;
  plan.od = testing::MakeOdMatrix(
      rows, 4, [](std::uint32_t r, std::uint32_t) { return static_cast<std::int16_t>(r + 1); }, kOdDeltaX);
  plan.calibrationOd = 7.0F;
  PipeFile pipe = testing::MakePipe(plan);
  pipe.wallStart = 10.0;
  pipe.wallStartCounts = 1000;
  return pipe;
}

TEST(OdLength, PadsAddRowsOfZeroAtEitherEnd) {
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
}

TEST(OdLength, CutsDropRowsAndMoveTheWallStart) {
  PipeFile pipe = WithOdRows(31);  // 10 inches
  CutOdEnd(pipe, 8.0);             // (10 - 8) / (1/3) = 6 rows
  ASSERT_EQ(pipe.odMatrix.rows, 25U);
  CutOdStart(pipe, 1.0);  // (1.1) / (1/3) = 3 rows
  ASSERT_EQ(pipe.odMatrix.rows, 22U);
  EXPECT_EQ(pipe.odMatrix.at(0, 0), 4);
  EXPECT_DOUBLE_EQ(pipe.wallStart, 10.0 - static_cast<double>(1.0F + 0.1F));
  EXPECT_EQ(pipe.wallStartCounts, 1000U - 214U);  // 1.1 x 195.35 = 214.9
  EXPECT_FLOAT_EQ(pipe.odMatrix.length, static_cast<float>(21 * kOdDeltaX));
}

TEST(OdLength, CutsKeepOneRowAndNothingHappensWithoutOdData) {
  PipeFile pipe = WithOdRows(10);
  CutOdStart(pipe, 100.0);
  EXPECT_EQ(pipe.odMatrix.rows, 1U);
  EXPECT_EQ(pipe.wallStartCounts, 0U);  // held at 0 rather than wrapping
  pipe = WithOdRows(10);
  CutOdEnd(pipe, -50.0);
  EXPECT_EQ(pipe.odMatrix.rows, 1U);

  pipe = WithOdRows(10);
  CutOdStart(pipe, std::numeric_limits<double>::infinity());
  CutOdEnd(pipe, std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(pipe.odMatrix.rows, 10U);

  PipeFile empty;
  PadOdStart(empty, 12.0);
  CutOdStart(empty, 1.0);
  EXPECT_FALSE(empty.odMatrix.present());
  EXPECT_EQ(empty.wallStart, 0.0);
}

}  // namespace
}  // namespace ductora
