#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "data/pipe_file_io.h"
#include "data/raw_channels.h"
#include "support/temp_dir.h"

// Every block kind as bytes written out by hand from the file layout, field by field, so that a
// fault made alike in the reader and the writer cannot pass: the reader must decode each and the
// writer must give back each byte.

namespace ductora {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Fixture {
  std::uint8_t tag;
  Bytes payload;
};

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Blocks chained as the layout says: a 5-byte head of tag and the absolute offset of the next block,
// 0 in the last.
Bytes chain(const std::vector<Fixture>& blocks) {
  Bytes file;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const std::size_t end = file.size() + 5 + blocks[i].payload.size();
    const std::uint32_t next = i + 1 == blocks.size() ? 0 : static_cast<std::uint32_t>(end);
    file.push_back(blocks[i].tag);
    for (int shift = 0; shift < 32; shift += 8) file.push_back(static_cast<std::uint8_t>(next >> shift));
    file.insert(file.end(), blocks[i].payload.begin(), blocks[i].payload.end());
  }
  return file;
}

const Fixture kJobInfo1{0, concat({
                               {0x78, 0x56, 0x34, 0x12},                                // created 305419896
                               {'W', 'O', '-', '7', '7', 0, 0, 0, 0, 0},                // WO number
                               {0x67, 0x12},                                            // KQ 4711
                               {0x03},                                                  // unit
                               {'s', 'i', 'm', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // note
                               {0x02, 0x01},                                            // run, start-end
                               {0x58, 0x1B},                                            // nominal OD 7000
                               {0x28, 0x0A},                                            // weight 26.00
                               {'L', '8', '0', 0, 0, 0, 0, 0, 0, 0},                    // grade
                               {0x6A, 0x01, 0xA0, 0x01, 0x22, 0x01},                    // wall 362, 416, 290
                               {0x3C, 0x03},                                            // jump 60, range 3
                           })};

const Bytes kWallMarker{0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0};   // reading 1, counts 0
const Bytes kOdMarker{0x00, 0xF8, 0, 0, 0, 0, 0, 0, 0, 0};  // reading -2048, counts 0

// Channel 2: a lead-in marker, then two revolutions each followed by a marker.
const Fixture kRawWall{1, concat({
                              {0x02, 0x07, 0x00, 0x00, 0x00},              // channel 2, 7 records
                              {0, 0, 0, 0, 0, 0, 0xF8, 0x3F},              // wall scale 1.5
                              {0, 0, 0, 0, 0, 0, 0x38, 0x40},              // parameter 24.0
                              {0, 0, 0, 0, 0, 0, 0x00, 0xC0},              // -2.0
                              {0, 0, 0, 0, 0, 0, 0xE0, 0x3F},              // 0.5
                              {0, 0, 0, 0, 0, 0, 0x59, 0x40},              // 100.0
                              kWallMarker,                                 // lead-in
                              kWallMarker,                                 // first 12 o'clock
                              {0x6A, 0x01, 0x64, 0, 0, 0, 0x0A, 0, 0, 0},  // 362 at 100, 10
                              {0x68, 0x01, 0x65, 0, 0, 0, 0x14, 0, 0, 0},  // 360 at 101, 20
                              kWallMarker,                                 // second
                              {0x6D, 0x01, 0x66, 0, 0, 0, 0x1E, 0, 0, 0},  // 365 at 102, 30
                              kWallMarker,                                 // third
                          })};

const Fixture kWallMatrix{2, concat({
                                 {0, 0, 0, 0, 0, 0, 0xE0, 0x3F},                    // delta X 0.5
                                 {0x02, 0, 0, 0},                                   // 2 rows
                                 {0, 0, 0, 0, 0, 0x80, 0x66, 0x40},                 // delta Y 180.0
                                 {0x02, 0, 0, 0},                                   // 2 columns
                                 {0x6A, 0x01, 0x68, 0x01, 0x00, 0x00, 0xFF, 0xFF},  // 362 360 / 0 65535
                             })};

const Fixture kCsa{3, concat({
                          {0, 0, 0, 0, 0, 0, 0x12, 0x40},  // minimum 4.5
                          {0, 0, 0, 0, 0, 0, 0x16, 0x40},  // maximum 5.5
                          {0, 0, 0, 0, 0, 0, 0x14, 0x40},  // average 5.0
                          {0, 0, 0, 0, 0, 0, 0xC0, 0x3F},  // deviation 0.125
                      })};

const Fixture kWallStart{9, {0x10, 0x27, 0x00, 0x00}};  // 10000 counts

const Fixture kJobInfo2Long{10,
                            {0x62, 0x1B,  // calibration OD 7010
                             0x87, 0x00,  // wall angle 135
                             0x01, 0x00,  // rotation 1, from 0
                             0x28, 0x00,  // upper offset 40
                             0xD8, 0xFF,  // lower offset -40
                             0x19}};      // OD jump 25
const Fixture kJobInfo2Short{10, {0x62, 0x1B, 0x01, 0x00, 0x28, 0x00, 0xD8, 0xFF, 0x19}};

// Channel 1: a marker, then one revolution followed by a marker.
const Fixture kRawOd{11, concat({
                             {0x01, 0x04, 0x00, 0x00, 0x00},                    // channel 1, 4 records
                             {0xFC, 0xA9, 0xF1, 0xD2, 0x4D, 0x62, 0x50, 0x3F},  // 0.001 inch per count
                             kOdMarker,                                         // first 12 o'clock
                             {0xFD, 0xFF, 0xC8, 0, 0, 0, 0x05, 0, 0, 0},        // -3 at 200, 5
                             {0x04, 0x00, 0xC9, 0, 0, 0, 0x06, 0, 0, 0},        // 4 at 201, 6
                             kOdMarker,                                         // second
                         })};

const Fixture kOdMatrix{12, concat({
                                {0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0xD5, 0x3F},  // delta X 1/3
                                {0x01, 0, 0, 0},                                   // 1 row
                                {0, 0, 0, 0, 0, 0x80, 0x66, 0x40},                 // delta Y 180.0
                                {0x02, 0, 0, 0},                                   // 2 columns
                                {0xFB, 0xFF, 0x07, 0x00},                          // -5 7
                            })};

const Fixture kStraightness{22, concat({
                                    {0, 0, 0, 0, 0, 0, 0x28, 0x40},     // delta X 12.0
                                    {0x01, 0, 0, 0},                    // 1 row
                                    {0, 0, 0, 0, 0, 0x80, 0x66, 0x40},  // delta Y 180.0
                                    {0x02, 0, 0, 0},                    // 2 columns
                                    {0xC4, 0xFF, 0x3C, 0x00},           // -60 60
                                })};

// Every kind, in the order a save writes them.
std::vector<Fixture> completePipe(const Fixture& jobInfo2) {
  return {kJobInfo1, kRawWall, kWallMatrix, kCsa, kWallStart, jobInfo2, kRawOd, kOdMatrix, kStraightness};
}

class BlockBytes : public ::testing::Test {
 protected:
  PipeFile read(const Bytes& file) {
    testing::writeBytes(source, file);
    PipeFile pipe;
    const PipeReadResult result = readPipeFile(pipe, source);
    EXPECT_TRUE(result.wallMatrixRead);
    EXPECT_FALSE(result.truncated || result.malformed);
    return pipe;
  }

  testing::TempDir dir;
  std::string source = dir.file("fixture.kqvw");
};

TEST_F(BlockBytes, PayloadsHaveTheSizesOfTheLayout) {
  EXPECT_EQ(kJobInfo1.payload.size(), 57U);
  EXPECT_EQ(kRawWall.payload.size(), 45U + 10 * 7);
  EXPECT_EQ(kWallMatrix.payload.size(), 24U + 2 * 2 * 2);
  EXPECT_EQ(kCsa.payload.size(), 32U);
  EXPECT_EQ(kWallStart.payload.size(), 4U);
  EXPECT_EQ(kJobInfo2Long.payload.size(), 11U);
  EXPECT_EQ(kJobInfo2Short.payload.size(), 9U);
  EXPECT_EQ(kRawOd.payload.size(), 13U + 10 * 4);
  EXPECT_EQ(kOdMatrix.payload.size(), 24U + 2 * 1 * 2);
  EXPECT_EQ(kStraightness.payload.size(), 24U + 2 * 1 * 2);
}

TEST_F(BlockBytes, TheReaderDecodesEveryField) {
  PipeFile pipe = read(chain(completePipe(kJobInfo2Long)));
  const PipeHeader& h = pipe.header;
  EXPECT_EQ(h.created, 305419896U);
  EXPECT_EQ(h.woNumber, "WO-77");
  EXPECT_EQ(h.kqNumber, 4711);
  EXPECT_EQ(h.unitNumber, 3);
  EXPECT_EQ(h.note, "sim");
  EXPECT_EQ(h.runNumber, 2);
  EXPECT_EQ(h.startEnd, 1);
  EXPECT_EQ(h.nominalOd, 7.0);
  EXPECT_EQ(h.weight, 26.0);
  EXPECT_EQ(h.grade, "L80");
  EXPECT_EQ(h.nominalWall, 362);
  EXPECT_EQ(h.upperWall, 416);
  EXPECT_EQ(h.lowerWall, 290);
  EXPECT_EQ(h.wallJumpSize, 60);
  EXPECT_EQ(h.range, 3);
  EXPECT_EQ(h.calibrationOd, 7.01F);
  EXPECT_EQ(h.wallAngle, 135);
  EXPECT_EQ(h.rotation, 1);
  EXPECT_EQ(h.from, 0);
  EXPECT_EQ(h.upperOdOffset, 40);
  EXPECT_EQ(h.lowerOdOffset, -40);
  EXPECT_EQ(h.odJumpSize, 25);
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

TEST_F(BlockBytes, TheWriterGivesBackEveryByte) {
  // The short job information 2 is read with wall angle 135 and written in the long form.
  for (const Fixture& jobInfo2 : {kJobInfo2Long, kJobInfo2Short}) {
    PipeFile pipe = read(chain(completePipe(jobInfo2)));
    const std::string saved = dir.file("saved.kqvw");
    ASSERT_TRUE(savePipeFile(pipe, saved, true, true).ok);
    EXPECT_EQ(testing::readBytes(saved), chain(completePipe(kJobInfo2Long))) << jobInfo2.payload.size();
  }
}

}  // namespace
}  // namespace ductora
