#include "data/format/raw_channels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "data/format/byte_codec.h"
#include "data/format/pipe_blocks.h"
#include "data/format/pipe_file_io.h"
#include "support/block_file_builder.h"
#include "support/block_fixtures.h"
#include "support/temp_dir.h"

namespace ductora {
namespace {

using Readings = std::vector<std::vector<std::int32_t>>;
using ductora::testing::BlockFileBuilder;
using ductora::testing::TempDir;

constexpr std::int32_t M = kWallMarkerReading;
constexpr std::int32_t OdM = kOdMarkerReading;

// Raw records whose axial count is their index, so tests can tell which records were kept.
std::vector<std::uint8_t> rawPayload(std::uint8_t tag, std::uint8_t channel, double scale,
                                     const std::vector<std::int32_t>& readings) {
  ByteWriter out;
  out.u8(channel);
  out.u32(static_cast<std::uint32_t>(readings.size()));
  out.f64(scale);
  if (tag == kTagRawWall) {
    for (int i = 0; i < 4; ++i) out.f64(0.0);
  }
  std::uint32_t index = 0;
  for (const std::int32_t reading : readings) {
    out.u16(static_cast<std::uint16_t>(reading));
    const bool marker = reading == (tag == kTagRawWall ? M : OdM);
    out.u32(marker ? 0 : index);
    out.u32(marker ? 0 : index * 7);
    ++index;
  }
  return out.take();
}

class RawChannels : public ::testing::Test {
 protected:
  void write(BlockFileBuilder& file) {
    pipe.rawSource = dir.file("raw.kqvw");
    ductora::testing::writeBytes(pipe.rawSource, file.finish());
  }
  void writeBlock(std::uint8_t tag, std::uint8_t channel, double scale,
                  const std::vector<std::int32_t>& readings) {
    BlockFileBuilder file;
    file.add(tag, rawPayload(tag, channel, scale, readings));
    write(file);
  }
  const RevolutionList& wall(int number) {
    return pipe.wallChannels[static_cast<std::size_t>(number - 1)].revolutions;
  }
  const RevolutionList& od(int number) {
    return pipe.odChannels[static_cast<std::size_t>(number - 1)].revolutions;
  }

  static std::vector<std::vector<std::int32_t>> readings(const RevolutionList& revolutions) {
    std::vector<std::vector<std::int32_t>> result;
    for (const auto& revolution : revolutions) {
      auto& values = result.emplace_back();
      for (const RawSample& sample : revolution) values.push_back(sample.reading);
    }
    return result;
  }

  TempDir dir;
  PipeFile pipe;
};

TEST_F(RawChannels, WallRevolutionsStartAfterTheSecondMarker) {
  writeBlock(kTagRawWall, 2, 1.0, {400, M, 401, M, 10, 11, M, M, 12, M, 402});
  EXPECT_EQ(LoadWallRevolutions(pipe, 2, 0.0), 2U);
  EXPECT_EQ(readings(wall(2)), (Readings{{10, 11}, {12}}));
  const RawSample& first = wall(2)[0][0];
  EXPECT_EQ(first.axialCount, 4U);
  EXPECT_EQ(first.rotationCount, 28U);
  EXPECT_EQ(LoadWallRevolutions(pipe, 1, 0.0), 0U);  // no block for that channel
}

TEST_F(RawChannels, OdRevolutionsStartAfterTheFirstMarker) {
  writeBlock(kTagRawOd, 1, 0.001, {-900, OdM, 5, -6, OdM, OdM, 0, OdM, 77});
  OdLoadResult result = LoadOdRevolutions(pipe, 1, 0.0);
  EXPECT_TRUE(result.found);
  EXPECT_EQ(result.revolutions, 2U);
  EXPECT_EQ(readings(od(1)), (Readings{{5, -6}, {0}}));

  // A given scale replaces the stored one; the markers are recognised before conversion.
  result = LoadOdRevolutions(pipe, 1, 0.002);
  EXPECT_EQ(readings(od(1)), (Readings{{10, -12}, {0}}));
  writeBlock(kTagRawOd, 1, 0.002, {OdM, -1024, OdM});
  LoadOdRevolutions(pipe, 1, 0.0);
  EXPECT_EQ(readings(od(1)), (Readings{{-2048}}));

  result = LoadOdRevolutions(pipe, 2, 0.0);
  EXPECT_FALSE(result.found);
  EXPECT_EQ(result.revolutions, 0U);

  writeBlock(kTagRawOd, 2, 0.001, {OdM, OdM, 3});
  result = LoadOdRevolutions(pipe, 2, 0.0);
  EXPECT_TRUE(result.found);
  EXPECT_EQ(result.revolutions, 0U);
}

TEST_F(RawChannels, WallReadingsAreRescaledHalfUpAndZeroIsKept) {
  writeBlock(kTagRawWall, 1, 2.0, {M, M, 7, 0, 2, 3, 65535, M});
  LoadWallRevolutions(pipe, 1, 1.0);
  // 7 -> 3.5 -> 4 (half up); 0 is kept; 2 -> 1, which reads as a 12 o'clock mark.
  EXPECT_EQ(readings(wall(1)), (Readings{{4, 0}, {2, 32768}}));
  LoadWallRevolutions(pipe, 1, 0.0);
  EXPECT_EQ(readings(wall(1)), (Readings{{7, 0, 2, 3, 65535}}));

  EXPECT_EQ(rescaleWallReading(5, 2.0, 3.0), 8);  // 7.5
  EXPECT_EQ(rescaleWallReading(9, 4.0, 1.0), 2);  // 2.25
  EXPECT_EQ(rescaleWallReading(362, 1.16, 1.16), 362);
  EXPECT_EQ(rescaleWallReading(0, 1.0, 5.0), 0);
  EXPECT_EQ(rescaleWallReading(1, 1.0, 5.0), 1);
  EXPECT_EQ(rescaleWallReading(60000, 1.0, 2.0), 65535);
  EXPECT_EQ(rescaleWallReading(300, 1.0, -2.0), 0);
  // A stored scale of 0 (or garbage) cannot be converted from: the reading stays as stored.
  EXPECT_EQ(rescaleWallReading(300, 0.0, 1.16), 300);
  EXPECT_EQ(rescaleWallReading(300, std::numeric_limits<double>::quiet_NaN(), 1.16), 300);
  EXPECT_EQ(rescaleWallReading(300, std::numeric_limits<double>::infinity(), 1.16), 300);
  EXPECT_EQ(rescaleWallReading(300, 1e-320, 1.16), 65535);

  writeBlock(kTagRawWall, 1, 0.0, {M, M, 300, 5, M});
  LoadWallRevolutions(pipe, 1, 1.16);
  EXPECT_EQ(readings(wall(1)), (Readings{{300, 5}}));
}

TEST_F(RawChannels, OdConversionKeepsEveryReadingAtTheThousandthScale) {
  for (std::int32_t reading = -32768; reading <= 32767; ++reading)
    ASSERT_EQ(convertOdReading(reading, 0.001), reading);
  EXPECT_EQ(convertOdReading(30000, 0.002), 32767);
  EXPECT_EQ(convertOdReading(-30000, 0.002), -32768);
  EXPECT_EQ(convertOdReading(7, 0.0005), 3);  // truncated toward zero
  EXPECT_EQ(convertOdReading(-7, 0.0005), -3);
  EXPECT_EQ(convertOdReading(5, std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST_F(RawChannels, TheLastBlockOfAChannelIsUsedAndOthersAreSkipped) {
  BlockFileBuilder file;
  file.add(kTagRawWall, rawPayload(kTagRawWall, 1, 1.0, {M, M, 100, M}));
  file.add(kTagRawOd, rawPayload(kTagRawOd, 1, 0.001, {OdM, 9, OdM}));
  file.add(kTagRawWall, rawPayload(kTagRawWall, 2, 1.0, {M, M, 200, M}));
  file.add(kTagRawWall, rawPayload(kTagRawWall, 1, 1.0, {M, M, 101, M, 102, M}));
  write(file);
  EXPECT_EQ(LoadWallRevolutions(pipe, 1, 0.0), 2U);
  EXPECT_EQ(readings(wall(1)), (Readings{{101}, {102}}));
  EXPECT_EQ(LoadWallRevolutions(pipe, 2, 0.0), 1U);
  EXPECT_EQ(readings(wall(2)), (Readings{{200}}));
  EXPECT_EQ(readings(od(1)), Readings{});
  EXPECT_EQ(LoadOdRevolutions(pipe, 1, 0.0).revolutions, 1U);
}

TEST_F(RawChannels, LoadingFreesTheOldListsAndRefusesBadChannelNumbers) {
  pipe.wallChannels[0].revolutions = {{RawSample{}}};
  pipe.odChannels[1].revolutions = {{RawSample{}}};
  pipe.rawSource = dir.file("missing.kqvw");
  EXPECT_EQ(LoadWallRevolutions(pipe, 1, 0.0), 0U);
  EXPECT_TRUE(wall(1).empty());
  EXPECT_FALSE(LoadOdRevolutions(pipe, 2, 0.0).found);
  EXPECT_TRUE(od(2).empty());

  writeBlock(kTagRawWall, 5, 1.0, {M, M, 100, M});
  EXPECT_EQ(LoadWallRevolutions(pipe, 5, 0.0), 0U);
  EXPECT_EQ(LoadWallRevolutions(pipe, 0, 0.0), 0U);
  EXPECT_FALSE(LoadOdRevolutions(pipe, 3, 0.0).found);
  EXPECT_TRUE(pipe.wallChannels[kRawDisplayChannel].revolutions.empty());
}

RevolutionList axialRevolutions(const std::vector<std::pair<std::uint32_t, std::uint32_t>>& spans) {
  RevolutionList revolutions;
  for (const auto& [first, last] : spans)
    revolutions.push_back({RawSample{300, first, 0, 0, 0}, RawSample{300, last, 0, 0, 0}});
  return revolutions;
}

std::vector<std::uint32_t> firstCounts(const RevolutionList& revolutions) {
  std::vector<std::uint32_t> counts;
  for (const auto& revolution : revolutions) counts.push_back(revolution.front().axialCount);
  return counts;
}

TEST(TrimRevolutions, KeepsRevolutionsReachingIntoTheKeptRangeWithoutWrapping) {
  const auto spans = std::vector<std::pair<std::uint32_t, std::uint32_t>>{
      {1000, 1060}, {1065, 1125}, {1130, 1190}, {1195, 1255}, {1260, 1320}};
  RevolutionList revolutions = axialRevolutions(spans);
  TrimRevolutions(revolutions, 0, 0);
  EXPECT_EQ(revolutions.size(), 5U);

  // Kept: last sample beyond 1000 + 125 and first sample before 1320 - 60.
  TrimRevolutions(revolutions, 125, 60);
  EXPECT_EQ(firstCounts(revolutions), (std::vector<std::uint32_t>{1130, 1195}));

  // Revolutions kept where they stand keep their samples.
  revolutions = axialRevolutions(spans);
  TrimRevolutions(revolutions, 0, 60);
  ASSERT_TRUE(std::ranges::none_of(revolutions, [](const auto& revolution) { return revolution.empty(); }));
  EXPECT_EQ(firstCounts(revolutions), (std::vector<std::uint32_t>{1000, 1065, 1130, 1195}));

  revolutions = axialRevolutions(spans);
  TrimRevolutions(revolutions, 60, 0);  // 1060 is not beyond 1060
  EXPECT_EQ(firstCounts(revolutions), (std::vector<std::uint32_t>{1065, 1130, 1195, 1260}));

  // Long trims remove everything instead of wrapping.
  revolutions = axialRevolutions({{4294967000U, 4294967100U}, {4294967200U, 4294967290U}});
  TrimRevolutions(revolutions, 1000, 0);  // start + 1000 passes 2^32
  EXPECT_TRUE(revolutions.empty());

  revolutions = axialRevolutions({{10, 20}, {30, 40}});
  TrimRevolutions(revolutions, 0, 100);  // end - 100 is below 0
  EXPECT_TRUE(revolutions.empty());

  RevolutionList empty;
  TrimRevolutions(empty, 5, 5);
  EXPECT_TRUE(empty.empty());
}

struct ReadOutcome {
  PipeReadResult result;
  PipeFile pipe;
};

ReadOutcome readBytes(const std::vector<std::uint8_t>& bytes) {
  TempDir dir;
  const std::string path = dir.file("hostile.kqvw");
  ductora::testing::writeBytes(path, bytes);
  ReadOutcome outcome;
  outcome.result = readPipeFile(outcome.pipe, path);
  return outcome;
}

std::vector<std::uint8_t> matrixHead(std::uint32_t rows, std::uint32_t columns) {
  ByteWriter out;
  out.f64(0.5);
  out.u32(rows);
  out.f64(1.0);
  out.u32(columns);
  return out.take();
}

std::vector<std::uint8_t> rawWallHead(std::uint8_t channel, std::uint32_t records) {
  ByteWriter out;
  out.u8(channel);
  out.u32(records);
  for (int i = 0; i < 5; ++i) out.f64(1.0);
  return out.take();
}

TEST(PipeFileHostile, NextOffsetsThatDoNotMoveForwardOrPassTheEndEndTheScan) {
  // First block fine, second block's nextOffset points backwards, onto itself, or into its head.
  for (const std::uint32_t offsetFromSecond : {0U, 2U, 4U}) {
    BlockFileBuilder file;
    file.add(kTagWallStart, encodeWallStart(500));
    const auto second = static_cast<std::uint32_t>(file.size());
    file.addWithNext(kTagCsa, second + offsetFromSecond, ductora::testing::kCsaBlock.payload);
    file.add(kTagJobInfo2, encodeJobInfo2(PipeHeader{}));
    const ReadOutcome read = readBytes(file.finish());
    EXPECT_TRUE(read.result.malformed);
    EXPECT_EQ(read.result.damage, "the block at byte 9 gives the next block at byte " +
                                      std::to_string(second + offsetFromSecond) +
                                      ", which does not lead forward: the chain of blocks loops");
    EXPECT_EQ(read.pipe.dataPresent[kWallStartPresent], 1);
    EXPECT_EQ(read.pipe.dataPresent[kCsaPresent], 0);
    EXPECT_EQ(read.pipe.dataPresent[kJobInfo2Present], 0);
  }
  BlockFileBuilder backwards;
  backwards.add(kTagWallStart, encodeWallStart(500));
  backwards.addWithNext(kTagCsa, 3, ductora::testing::kCsaBlock.payload);
  EXPECT_TRUE(readBytes(backwards.finish()).result.malformed);

  // One past the end ends the scan as truncated; the block's content is all there.
  BlockFileBuilder past;
  past.add(kTagWallStart, encodeWallStart(500));
  past.addWithNext(kTagCsa, 1000000, ductora::testing::kCsaBlock.payload);
  const ReadOutcome read = readBytes(past.finish());
  EXPECT_TRUE(read.result.truncated);
  EXPECT_EQ(read.pipe.csa.maxCsa, 5.5);

  // A matrix whose values are cut by the end of the file is not taken.
  BlockFileBuilder cut;
  auto payload = matrixHead(2, 2);
  payload.resize(payload.size() + 6);
  cut.addWithNext(kTagWallMatrix, 1000, payload);
  const ReadOutcome cutRead = readBytes(cut.finish());
  EXPECT_TRUE(cutRead.result.truncated);
  EXPECT_FALSE(cutRead.result.wallMatrixRead);
  EXPECT_EQ(cutRead.pipe.dataPresent[kWallMatrixPresent], 0);
}

TEST(PipeFileHostile, AnEmptyFileIsUnreadableAndAChainEndingBeforeTheFileIsDamage) {
  const ReadOutcome empty = readBytes({});
  EXPECT_FALSE(empty.result.opened);
  EXPECT_EQ(empty.result.error, "the file is empty (0 bytes)");
  EXPECT_TRUE(empty.pipe.path.empty());

  // The first block says it is the last, as a nextOffset pointing back to the start would.
  std::vector<std::uint8_t> bytes = BlockFileBuilder()
                                        .add(kTagWallStart, encodeWallStart(500))
                                        .add(kTagCsa, ductora::testing::kCsaBlock.payload)
                                        .finish();
  std::fill(bytes.begin() + 1, bytes.begin() + 5, 0);
  const ReadOutcome looped = readBytes(bytes);
  EXPECT_TRUE(looped.result.malformed);
  EXPECT_EQ(looped.result.damage,
            "the block at byte 0 is marked as the last (its next-block offset is 0), but 37 bytes follow it "
            "that no block reaches");
  EXPECT_EQ(looped.pipe.wallStartCounts, 500U);

  // A last block of every kind is sound as it is, damaged with one byte more.
  for (const ductora::testing::BlockFixture& block : ductora::testing::completePipeBlocks()) {
    std::vector<std::uint8_t> file = ductora::testing::chainBlocks({block});
    EXPECT_FALSE(readBytes(file).result.damaged()) << int{block.tag};
    file.push_back(0);
    EXPECT_TRUE(readBytes(file).result.damaged()) << int{block.tag};
  }
}

TEST(PipeFileHostile, MatrixClaimingGigabytesInATinyFileIsRefused) {
  const std::vector<std::pair<std::uint32_t, std::uint32_t>> shapes = {
      {65536, 65536}, {0xFFFFFFFFU, 0xFFFFFFFFU}, {0x80000000U, 2}, {1, 0x80000001U}};
  for (const auto& [rows, columns] : shapes) {
    for (const std::uint8_t tag : {kTagWallMatrix, kTagOdMatrix, kTagStraightness}) {
      BlockFileBuilder file;
      auto payload = matrixHead(rows, columns);
      payload.resize(payload.size() + 8);
      file.add(tag, payload);
      file.add(kTagCsa, ductora::testing::kCsaBlock.payload);
      const ReadOutcome read = readBytes(file.finish());
      EXPECT_TRUE(read.result.malformed);
      EXPECT_FALSE(read.pipe.wallMatrix.present());
      EXPECT_FALSE(read.pipe.odMatrix.present());
      EXPECT_FALSE(read.pipe.straightness.present());
      EXPECT_EQ(read.pipe.dataPresent[kCsaPresent], 1);  // the chain goes on
    }
  }
}

TEST(PipeFileHostile, RawRecordCountBeyondTheBytesIsRefused) {
  auto payload = rawWallHead(1, 1000000000);
  payload.resize(payload.size() + 30);  // three records
  BlockFileBuilder file;
  file.add(kTagRawWall, payload);
  file.add(kTagCsa, ductora::testing::kCsaBlock.payload);
  TempDir dir;
  const std::string path = dir.file("raw.kqvw");
  ductora::testing::writeBytes(path, file.finish());
  PipeFile pipe;
  const PipeReadResult result = readPipeFile(pipe, path);
  EXPECT_TRUE(result.malformed);
  EXPECT_EQ(pipe.dataPresent[kRawWallPresent], 0);
  EXPECT_EQ(pipe.wallChannels[0].sampleCount, 0U);
  EXPECT_EQ(pipe.dataPresent[kCsaPresent], 1);
  EXPECT_EQ(LoadWallRevolutions(pipe, 1, 0.0), 0U);

  // The same as the last block: cut by the end of the file.
  BlockFileBuilder last;
  last.add(kTagRawWall, payload);
  const ReadOutcome read = readBytes(last.finish());
  EXPECT_TRUE(read.result.truncated);
  EXPECT_EQ(read.pipe.dataPresent[kRawWallPresent], 0);
}

TEST(PipeFileHostile, TruncatedBlocksEndReading) {
  BlockFileBuilder file;
  file.add(kTagWallStart, encodeWallStart(500));
  file.add(kTagJobInfo1, encodeJobInfo1(PipeHeader{}));
  std::vector<std::uint8_t> bytes = file.finish();
  bytes.resize(bytes.size() - 20);
  const ReadOutcome read = readBytes(bytes);
  EXPECT_TRUE(read.result.truncated);
  EXPECT_EQ(read.pipe.dataPresent[kWallStartPresent], 1);
  EXPECT_EQ(read.pipe.dataPresent[kJobInfo1Present], 0);

  // A chain that leads to a head cut by the end of the file.
  std::vector<std::uint8_t> headCut = BlockFileBuilder().add(kTagWallStart, encodeWallStart(5)).chained();
  headCut.insert(headCut.end(), {kTagCsa, 0, 0});
  const ReadOutcome headRead = readBytes(headCut);
  EXPECT_TRUE(headRead.result.truncated);
  EXPECT_EQ(headRead.pipe.dataPresent[kWallStartPresent], 1);
}

TEST(PipeFileHostile, BlocksTooShortForTheirContentAndUnknownTagsAreSkipped) {
  BlockFileBuilder file;
  file.add(kTagJobInfo1, std::vector<std::uint8_t>(20, 0x41));
  file.add(kTagJobInfo2, std::vector<std::uint8_t>(10, 0));  // neither form
  file.add(kTagCsa, ductora::testing::kCsaBlock.payload);
  const ReadOutcome read = readBytes(file.finish());
  EXPECT_TRUE(read.result.malformed);
  EXPECT_FALSE(read.result.truncated);
  EXPECT_EQ(read.pipe.dataPresent[kJobInfo1Present], 0);
  EXPECT_EQ(read.pipe.dataPresent[kJobInfo2Present], 0);
  EXPECT_EQ(read.pipe.dataPresent[kCsaPresent], 1);

  // Unknown tags are skipped.
  BlockFileBuilder unknown;
  unknown.add(5, std::vector<std::uint8_t>(13, 0xFF));
  unknown.add(kTagWallStart, encodeWallStart(700));
  unknown.add(8, {});
  unknown.add(200, std::vector<std::uint8_t>(3, 1));
  unknown.add(kTagCsa, ductora::testing::kCsaBlock.payload);
  unknown.add(255, std::vector<std::uint8_t>(1, 9));
  const ReadOutcome skipped = readBytes(unknown.finish());
  EXPECT_FALSE(skipped.result.malformed || skipped.result.truncated);
  EXPECT_EQ(skipped.pipe.wallStartCounts, 700U);
  EXPECT_EQ(skipped.pipe.dataPresent[kCsaPresent], 1);
  EXPECT_EQ(skipped.pipe.dataPresent[kUnusedPresent], 0);
}

}  // namespace
}  // namespace ductora
