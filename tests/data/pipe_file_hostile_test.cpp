#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "data/byte_codec.h"
#include "data/pipe_blocks.h"
#include "data/pipe_file_io.h"
#include "data/raw_channels.h"
#include "support/block_file_builder.h"
#include "support/block_fixtures.h"
#include "support/temp_dir.h"

namespace ductora {
namespace {

using ductora::testing::BlockFileBuilder;
using ductora::testing::TempDir;

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

const std::vector<std::uint8_t>& csaPayload() { return ductora::testing::kCsaBytes.payload; }

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
  for (int i = 0; i < 5; ++i) {
    out.f64(1.0);
  }
  return out.take();
}

TEST(PipeFileHostile, EmptyFileReadsAsAnEmptyPipe) {
  const ReadOutcome read = readBytes({});
  EXPECT_TRUE(read.result.opened);
  EXPECT_FALSE(read.result.wallMatrixRead);
  EXPECT_FALSE(read.result.truncated);
  EXPECT_FALSE(read.result.malformed);
  EXPECT_EQ(read.pipe.dataPresent, DataPresentFlags{});
}

TEST(PipeFileHostile, NextOffsetThatDoesNotMoveForwardEndsTheScan) {
  // First block fine, second block's nextOffset points backwards, onto itself, or into its head.
  for (const std::uint32_t offsetFromSecond : {0U, 2U, 4U}) {
    BlockFileBuilder file;
    file.add(kTagWallStart, encodeWallStart(500));
    const auto second = static_cast<std::uint32_t>(file.size());
    file.addWithNext(kTagCsa, second + offsetFromSecond, csaPayload());
    file.add(kTagJobInfo2, encodeJobInfo2(PipeHeader{}));
    const ReadOutcome read = readBytes(file.finish());
    EXPECT_TRUE(read.result.malformed);
    EXPECT_EQ(read.pipe.dataPresent[kWallStartPresent], 1);
    EXPECT_EQ(read.pipe.dataPresent[kCsaPresent], 0);
    EXPECT_EQ(read.pipe.dataPresent[kJobInfo2Present], 0);
  }
  BlockFileBuilder backwards;
  backwards.add(kTagWallStart, encodeWallStart(500));
  backwards.addWithNext(kTagCsa, 3, csaPayload());
  EXPECT_TRUE(readBytes(backwards.finish()).result.malformed);
}

TEST(PipeFileHostile, NextOffsetPastTheEndEndsTheScanAsTruncated) {
  BlockFileBuilder file;
  file.add(kTagWallStart, encodeWallStart(500));
  file.addWithNext(kTagCsa, 1000000, csaPayload());  // its content is all there
  const ReadOutcome read = readBytes(file.finish());
  EXPECT_TRUE(read.result.truncated);
  EXPECT_EQ(read.pipe.dataPresent[kCsaPresent], 1);
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

TEST(PipeFileHostile, MatrixClaimingGigabytesInATinyFileIsRefused) {
  const std::vector<std::pair<std::uint32_t, std::uint32_t>> shapes = {
      {65536, 65536}, {0xFFFFFFFFU, 0xFFFFFFFFU}, {0x80000000U, 2}, {1, 0x80000001U}};
  for (const auto& [rows, columns] : shapes) {
    for (const std::uint8_t tag : {kTagWallMatrix, kTagOdMatrix, kTagStraightness}) {
      BlockFileBuilder file;
      auto payload = matrixHead(rows, columns);
      payload.resize(payload.size() + 8);
      file.add(tag, payload);
      file.add(kTagCsa, csaPayload());
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
  file.add(kTagCsa, csaPayload());
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

TEST(PipeFileHostile, BlockTooShortForItsContentIsSkipped) {
  BlockFileBuilder file;
  file.add(kTagJobInfo1, std::vector<std::uint8_t>(20, 0x41));
  file.add(kTagJobInfo2, std::vector<std::uint8_t>(10, 0));  // neither form
  file.add(kTagCsa, csaPayload());
  const ReadOutcome read = readBytes(file.finish());
  EXPECT_TRUE(read.result.malformed);
  EXPECT_FALSE(read.result.truncated);
  EXPECT_EQ(read.pipe.dataPresent[kJobInfo1Present], 0);
  EXPECT_EQ(read.pipe.dataPresent[kJobInfo2Present], 0);
  EXPECT_EQ(read.pipe.dataPresent[kCsaPresent], 1);
}

TEST(PipeFileHostile, UnknownTagsAreSkipped) {
  BlockFileBuilder file;
  file.add(5, std::vector<std::uint8_t>(13, 0xFF));
  file.add(kTagWallStart, encodeWallStart(700));
  file.add(8, {});
  file.add(200, std::vector<std::uint8_t>(3, 1));
  file.add(kTagCsa, csaPayload());
  file.add(255, std::vector<std::uint8_t>(1, 9));
  const ReadOutcome read = readBytes(file.finish());
  EXPECT_FALSE(read.result.malformed);
  EXPECT_FALSE(read.result.truncated);
  EXPECT_EQ(read.pipe.wallStartCounts, 700U);
  EXPECT_EQ(read.pipe.dataPresent[kCsaPresent], 1);
  EXPECT_EQ(read.pipe.dataPresent[kUnusedPresent], 0);
}

TEST(PipeFileHostile, AMillionTinyBlocksAreReadInOnePass) {
  // Every block is visited once and nothing of it is kept but what it sets.
  BlockFileBuilder file;
  for (std::uint32_t i = 0; i < 500'000; ++i) {
    file.add(8, {});  // no block of the format
    file.add(kTagWallStart, encodeWallStart(i));
  }
  file.add(kTagCsa, csaPayload());
  const ReadOutcome read = readBytes(file.finish());
  EXPECT_FALSE(read.result.malformed);
  EXPECT_FALSE(read.result.truncated);
  EXPECT_EQ(read.pipe.wallStartCounts, 499'999U);
  EXPECT_EQ(read.pipe.dataPresent[kCsaPresent], 1);
}

// Random damage to a small valid file must never crash a reader or a loader.
TEST(PipeFileHostile, DamagedFilesNeverCrashReadersOrLoaders) {
  const std::vector<std::uint8_t> valid =
      ductora::testing::chainBlocks(ductora::testing::completePipeBlocks());

  TempDir dir;
  const std::string path = dir.file("damaged.kqvw");
  std::mt19937 random(12345);
  for (int round = 0; round < 600; ++round) {
    std::vector<std::uint8_t> bytes = valid;
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < changes; ++i) {
      bytes[random() % bytes.size()] = static_cast<std::uint8_t>(random());
    }
    if (round % 3 == 0) {
      bytes.resize(random() % bytes.size());
    }
    ductora::testing::writeBytes(path, bytes);
    PipeFile pipe;
    readPipeFile(pipe, path);
    // The same bytes from memory read the same.
    InputFile memory = InputFile::fromBytes(bytes);
    PipeFile fromMemory;
    readPipeFile(fromMemory, memory);
    EXPECT_EQ(fromMemory.dataPresent, pipe.dataPresent);
    EXPECT_EQ(fromMemory.header, pipe.header);
    EXPECT_EQ(fromMemory.wallMatrix.data, pipe.wallMatrix.data);
    EXPECT_LE(LoadWallRevolutions(pipe, 2, 2.0), bytes.size() / kRawRecordBytes);
    EXPECT_LE(LoadOdRevolutions(pipe, 1, 0.0).revolutions, bytes.size() / kRawRecordBytes);
    if (pipe.wallMatrix.present()) {
      EXPECT_EQ(pipe.wallMatrix.data.size(), std::size_t{pipe.wallMatrix.rows} * pipe.wallMatrix.columns);
    }
  }
}

}  // namespace
}  // namespace ductora
