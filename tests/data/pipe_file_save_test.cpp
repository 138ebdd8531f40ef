#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "data/format/byte_codec.h"
#include "data/format/pipe_blocks.h"
#include "data/format/pipe_file_io.h"
#include "data/format/raw_channels.h"
#include "support/block_file_builder.h"
#include "support/block_fixtures.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"

namespace ductora {
namespace {

using ductora::testing::BlockFixture;
using ductora::testing::Bytes;
using ductora::testing::chainBlocks;
using ductora::testing::completePipeBlocks;
using ductora::testing::readBytes;
using ductora::testing::SyntheticPipeOptions;
using ductora::testing::TempDir;
using ductora::testing::writeSyntheticPipe;

std::vector<std::vector<RawSample>> loadWall(PipeFile& pipe, int channel) {
  LoadWallRevolutions(pipe, channel, pipe.wallChannels[static_cast<std::size_t>(channel - 1)].wallScale);
  return pipe.wallChannels[static_cast<std::size_t>(channel - 1)].revolutions;
}

std::vector<std::vector<RawSample>> loadOd(PipeFile& pipe, int channel) {
  LoadOdRevolutions(pipe, channel, 0.0);
  return pipe.odChannels[static_cast<std::size_t>(channel - 1)].revolutions;
}

PipeFile readPipe(const std::string& path) {
  PipeFile pipe;
  EXPECT_TRUE(readPipeFile(pipe, path).opened);
  return pipe;
}

SyntheticPipeOptions smallPipe() {
  SyntheticPipeOptions options;
  options.lengthInches = 30.0;
  options.samplesPerRev = 90;
  return options;
}

std::vector<std::string> folderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  return names;
}

// The file a save of the blocks read gives.
std::vector<std::uint8_t> savedOf(const std::vector<BlockFixture>& blocks, bool withRawWall, bool withRawOd) {
  TempDir dir;
  const std::string path = dir.file("pipe.kqvw");
  ductora::testing::writeBytes(path, chainBlocks(blocks));
  PipeFile pipe = readPipe(path);
  EXPECT_TRUE(savePipeFile(pipe, path, withRawWall, withRawOd).ok);
  return readBytes(path);
}

TEST(PipeFileSave, BlocksOfAbsentDataAreLeftOutAndBlocksReadAreNeverDropped) {
  using namespace ductora::testing;
  // Without raw data asked for no raw block is written; a wall-only pipe ends with its CSA block.
  EXPECT_EQ(savedOf({kJobInfo1Block, kRawWallBlock, kWallMatrixBlock, kCsaBlock}, false, false),
            chainBlocks({kJobInfo1Block, kWallMatrixBlock, kCsaBlock}));
  // Its raw OD channels are what an OD matrix can be built from: kept, after a wall start and job
  // information 2 (the record's, zero here).
  EXPECT_EQ(
      savedOf({kJobInfo1Block, kWallMatrixBlock, kCsaBlock, kRawOdBlock}, true, true),
      chainBlocks(
          {kJobInfo1Block, kWallMatrixBlock, kCsaBlock, {9, Bytes(4, 0)}, {10, Bytes(11, 0)}, kRawOdBlock}));
  // A pipe with only an OD matrix starts with the wall start block.
  EXPECT_EQ(savedOf({kOdMatrixBlock}, true, true),
            chainBlocks({{9, Bytes(4, 0)}, {10, Bytes(11, 0)}, kOdMatrixBlock}));
  // Blocks read are written without the matrix that would otherwise bring them: the wall start,
  // the orientation flags and the straightness of a wall-only pipe, the job information of an
  // OD-only one.
  for (const std::vector<BlockFixture>& blocks :
       {std::vector{kJobInfo1Block, kWallMatrixBlock, kCsaBlock, kWallStartBlock, kJobInfo2LongBlock,
                    kStraightnessBlock},
        {kJobInfo1Block, kWallStartBlock, kJobInfo2LongBlock, kOdMatrixBlock, kStraightnessBlock}}) {
    EXPECT_EQ(savedOf(blocks, true, true), chainBlocks(blocks));
  }
}

TEST(PipeFileSave, RawChannelsSurviveRepeatedSavesOverTheirOwnFile) {
  TempDir dir;
  const std::string path = dir.file("pipe.kqvw");
  writeSyntheticPipe(path, smallPipe());
  const auto revolutions = static_cast<std::size_t>(ductora::testing::syntheticRevolutions(smallPipe()));
  PipeFile original = readPipe(path);
  std::vector<RevolutionList> wallBefore;
  for (int channel = 1; channel <= 4; ++channel) {
    wallBefore.push_back(loadWall(original, channel));
    ASSERT_EQ(wallBefore.back().size(), revolutions);
  }
  const auto odBefore = loadOd(original, 2);
  ASSERT_EQ(odBefore.size(), revolutions);

  for (int save = 1; save <= 2; ++save) {
    PipeFile pipe = readPipe(path);
    ASSERT_TRUE(savePipeFile(pipe, path, true, true).ok);
    EXPECT_TRUE(pipe.wallChannels[0].revolutions.empty());  // freed once written
    PipeFile reread = readPipe(path);
    for (int channel = 1; channel <= 4; ++channel)
      EXPECT_EQ(loadWall(reread, channel), wallBefore[static_cast<std::size_t>(channel - 1)]) << save;
    EXPECT_EQ(loadOd(reread, 2), odBefore) << save;
  }
  EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"pipe.kqvw"});
}

// A copy saved without its raw samples leaves them in the file they came from: a later save
// with them still finds them there.
TEST(PipeFileSave, ACopyWithoutRawSamplesLeavesThemWhereTheyWereForTheNextSave) {
  TempDir dir;
  const std::string source = dir.file("pipe.kqvw");
  writeSyntheticPipe(source, smallPipe());
  const auto revolutions = static_cast<std::size_t>(ductora::testing::syntheticRevolutions(smallPipe()));
  PipeFile pipe = readPipe(source);
  ASSERT_TRUE(savePipeFile(pipe, dir.file("light.kqvw"), false, false).ok);
  EXPECT_EQ(pipe.path, dir.file("light.kqvw"));
  ASSERT_TRUE(savePipeFile(pipe, dir.file("full.kqvw"), true, true).ok);
  PipeFile full = readPipe(dir.file("full.kqvw"));
  EXPECT_EQ(loadWall(full, 1).size(), revolutions);
  EXPECT_EQ(loadOd(full, 2).size(), revolutions);
  EXPECT_EQ(pipe.rawSource, dir.file("full.kqvw"));
}

TEST(PipeFileSave, ChannelsLongerThanTheProgramUsesAreSavedWholeWithAWarning) {
  // Wall channel 2 and OD channel 1 of 7000 two-sample revolutions, beside a small wall matrix.
  constexpr std::uint32_t kRevolutions = 7000;
  std::vector<RawRecord> wall{{kWallMarkerReading, 0, 0}, {kWallMarkerReading, 0, 0}};
  std::vector<RawRecord> od{{kOdMarkerReading, 0, 0}};
  for (std::uint32_t i = 0; i < kRevolutions; ++i) {
    for (std::uint32_t sample = 0; sample < 2; ++sample) {
      wall.push_back({static_cast<std::int32_t>(300 + i % 50), 2 * i + sample, sample});
      od.push_back({static_cast<std::int32_t>(i % 90) - 45, 2 * i + sample, sample});
    }
    wall.push_back({kWallMarkerReading, 0, 0});
    od.push_back({kOdMarkerReading, 0, 0});
  }
  WallMatrix matrix;
  matrix.rows = 1;
  matrix.columns = 2;
  matrix.data = {300, 301};
  ductora::testing::BlockFileBuilder file;
  file.add(kTagRawWall, *encodeRawWallRecords({2, 0, 1.16, {}}, wall));
  file.add(kTagWallMatrix, encodeWallMatrix(matrix));
  file.add(kTagRawOd, *encodeRawOdRecords({1, 0, 0.001}, od));
  TempDir dir;
  const std::string source = dir.file("long.kqvw");
  ductora::testing::writeBytes(source, file.finish());

  PipeFile pipe = readPipe(source);
  const std::string target = dir.file("saved.kqvw");
  const SaveResult result = savePipeFile(pipe, target, true, true);
  ASSERT_TRUE(result.ok) << result.error;
  ASSERT_EQ(result.warnings.size(), 2U);
  EXPECT_NE(result.warnings[0].find("raw wall channel 2 holds 7000 revolutions"), std::string::npos)
      << result.warnings[0];
  EXPECT_NE(result.warnings[1].find("raw OD channel 1 holds 7000 revolutions"), std::string::npos)
      << result.warnings[1];

  PipeFile original = readPipe(source);
  PipeFile saved = readPipe(target);
  for (PipeFile* copy : {&original, &saved}) {
    ASSERT_EQ(LoadWallRevolutions(*copy, 2, 0.0, RevolutionLimit::kAll), kRevolutions);
    ASSERT_EQ(LoadOdRevolutions(*copy, 1, 0.0, RevolutionLimit::kAll).revolutions, kRevolutions);
  }
  EXPECT_EQ(saved.wallChannels[1].revolutions, original.wallChannels[1].revolutions);
  EXPECT_EQ(saved.odChannels[0].revolutions, original.odChannels[0].revolutions);
  // For use the program still takes the first 6000.
  EXPECT_EQ(LoadWallRevolutions(saved, 2, 0.0), kMaxRevolutions);
  EXPECT_EQ(LoadOdRevolutions(saved, 1, 0.0).revolutions, kMaxRevolutions);

  // A save that keeps no raw data has nothing to warn about.
  EXPECT_TRUE(savePipeFile(saved, target, false, false).warnings.empty());
}

// Raw records whose counts are their index, markers where the readings say.
std::vector<RawRecord> rawRecords(const std::vector<std::int32_t>& readings, std::int32_t marker) {
  std::vector<RawRecord> records;
  for (std::uint32_t i = 0; i < readings.size(); ++i) {
    const bool isMarker = readings[i] == marker;
    records.push_back({readings[i], isMarker ? 0 : i, isMarker ? 0 : 7 * i});
  }
  return records;
}

// Channels as a unit writes them: samples before the lead-in marks and after the last mark, a
// doubled mark, a channel without a whole revolution.
TEST(PipeFileSave, EveryRecordOfARawChannelIsWrittenBackAndARemovalDropsItsEnd) {
  using namespace ductora::testing;
  constexpr std::int32_t M = kWallMarkerReading;
  constexpr std::int32_t OdM = kOdMarkerReading;
  const std::vector<RawRecord> wall = rawRecords({400, M, 401, M, 10, 11, M, M, 12, 13, M, 402, 403}, M);
  BlockFileBuilder file;
  file.add(kTagJobInfo1, kJobInfo1Block.payload);
  file.add(kTagRawWall, *encodeRawWallRecords({2, 0, 1.16, {}}, wall));
  file.add(kTagRawWall, *encodeRawWallRecords({3, 0, 1.16, {}}, rawRecords({300, M, 301}, M)));
  for (const BlockFixture& block : {kWallMatrixBlock, kCsaBlock, kWallStartBlock, kJobInfo2LongBlock})
    file.add(block.tag, block.payload);
  file.add(kTagRawOd,
           *encodeRawOdRecords({1, 0, 0.001}, rawRecords({-900, OdM, 5, -6, OdM, OdM, 0, OdM, 77}, OdM)));
  file.add(kTagOdMatrix, kOdMatrixBlock.payload);
  TempDir dir;
  const std::string path = dir.file("unit.kqvw");
  const std::vector<std::uint8_t> unit = file.finish();
  ductora::testing::writeBytes(path, unit);
  for (int save = 1; save <= 2; ++save) {
    PipeFile pipe = readPipe(path);
    ASSERT_TRUE(savePipeFile(pipe, path, true, true).ok);
    EXPECT_EQ(readBytes(path), unit) << save;
    EXPECT_EQ(pipe.wallChannels[1].sampleCount, wall.size());
  }

  // Remove Front drops the first revolution and the lead before it; the tail stays.
  PipeFile pipe = readPipe(path);
  pipe.wallMatrix.removeFront = 1;
  ASSERT_TRUE(savePipeFile(pipe, dir.file("trimmed.kqvw"), true, false).ok);
  PipeFile trimmed = readPipe(dir.file("trimmed.kqvw"));
  EXPECT_EQ(trimmed.wallChannels[1].sampleCount, 8U);  // two lead-in marks, the doubled one
  ASSERT_EQ(LoadWallRevolutions(trimmed, 2, 0.0), 1U);
  const WallChannel& channel = trimmed.wallChannels[1];
  EXPECT_EQ(channel.revolutions[0], (RevolutionSamples{{12, 8, 56}, {13, 9, 63}}));
  EXPECT_EQ(channel.leftovers.lead, RevolutionSamples(3, RawSample{M, 0, 0}));
  EXPECT_EQ(channel.leftovers.tail, (RevolutionSamples{{402, 11, 77}, {403, 12, 84}}));
  EXPECT_EQ(trimmed.wallChannels[2].sampleCount, 3U);  // nothing to trim without a revolution
}

TEST(PipeFileSave, NewWallScaleAndTrimmingAreAppliedToTheSavedSamples) {
  TempDir dir;
  const std::string source = dir.file("source.kqvw");
  writeSyntheticPipe(source, smallPipe());
  PipeFile pipe = readPipe(source);
  const double storedScale = pipe.wallChannels[0].wallScale;
  const auto before = loadWall(pipe, 1);

  pipe.wallChannels[0].setWallScale(storedScale * 2.0);
  pipe.wallMatrix.removeFront = 500;
  pipe.wallMatrix.removeBack = 300;
  const std::string target = dir.file("rescaled.kqvw");
  ASSERT_TRUE(savePipeFile(pipe, target, true, false).ok);

  PipeFile reread = readPipe(target);
  EXPECT_EQ(reread.wallChannels[0].wallScale, storedScale * 2.0);
  EXPECT_EQ(reread.wallMatrix.removeFront, 0U);
  EXPECT_EQ(reread.wallMatrix.removeBack, 0U);
  RevolutionList expected = before;
  TrimRevolutions(expected, 500, 300);
  ASSERT_LT(expected.size(), before.size());
  for (auto& revolution : expected) {
    for (RawSample& sample : revolution)
      sample.reading = rescaleWallReading(sample.reading, storedScale, storedScale * 2.0);
  }
  EXPECT_EQ(loadWall(reread, 1), expected);
  EXPECT_EQ(reread.dataPresent[kRawOdPresent], 0);  // not asked for
}

TEST(PipeFileSave, UnwritableTargetsAndInconsistentMatricesFailCleanly) {
  TempDir dir;
  const std::string source = dir.file("source.kqvw");
  writeSyntheticPipe(source, smallPipe());
  PipeFile pipe = readPipe(source);

  SaveResult result = savePipeFile(pipe, dir.file("no-such-folder/pipe.kqvw"), true, true);
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(pipe.path, source);
  EXPECT_TRUE(pipe.wallChannels[0].revolutions.empty());

  result = savePipeFile(pipe, "", true, true);
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());

  // A folder of that name cannot be replaced.
  std::filesystem::create_directory(dir.file("taken.kqvw"));
  result = savePipeFile(pipe, dir.file("taken.kqvw"), false, false);
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("taken.kqvw")));
  EXPECT_EQ(pipe.path, source);

  PipeFile empty;
  result = savePipeFile(empty, dir.file("empty.kqvw"), true, true);
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(std::filesystem::exists(dir.file("empty.kqvw")));
  // A matrix whose data disagree with its size is refused before anything is written.
  PipeFile bad;
  bad.wallMatrix.rows = 3;
  bad.wallMatrix.columns = 3;
  bad.wallMatrix.data = {1, 2, 3};
  EXPECT_FALSE(savePipeFile(bad, dir.file("bad.kqvw"), false, false).ok);
  EXPECT_FALSE(std::filesystem::exists(dir.file("bad.kqvw")));
}

// Passes at most `budget` bytes on, then fails every write.
class FailingSink final : public ByteSink {
 public:
  FailingSink(ByteSink& inner, std::size_t budget) : inner_(inner), budget_(budget) {}
  bool write(std::span<const std::uint8_t> bytes) override {
    if (bytes.size() > budget_) {
      inner_.write(bytes.first(budget_));
      budget_ = 0;
      return false;
    }
    budget_ -= bytes.size();
    return inner_.write(bytes);
  }

 private:
  ByteSink& inner_;
  std::size_t budget_;
};

TEST(PipeFileSave, AWriteFailingAfterAnyByteLeavesTheOldFileUntouched) {
  TempDir dir;
  const std::string source = dir.file("source.kqvw");
  // Every block kind, a few hundred bytes, so a save can be cut after each byte.
  const auto complete = chainBlocks(completePipeBlocks());
  ductora::testing::writeBytes(source, complete);
  const std::string target = dir.file("target.kqvw");
  ductora::testing::writeText(target, "the old file");
  const auto oldBytes = readBytes(target);
  const std::size_t total = complete.size();

  for (std::size_t budget = 0; budget < total; ++budget) {
    PipeFile pipe = readPipe(source);
    const SaveResult result = savePipeFile(pipe, target, true, true, [budget](ByteSink& sink) {
      return std::make_unique<FailingSink>(sink, budget);
    });
    ASSERT_FALSE(result.ok) << budget;
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(pipe.path, source);
    ASSERT_EQ(readBytes(target), oldBytes) << budget;
    const auto entries = folderEntries(dir.path());
    ASSERT_EQ(entries.size(), 2U) << "a temporary file was left behind at budget " << budget;
  }
  PipeFile pipe = readPipe(source);
  const SaveResult result = savePipeFile(pipe, target, true, true, [total](ByteSink& sink) {
    return std::make_unique<FailingSink>(sink, total);
  });
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(readBytes(target), complete);
  EXPECT_EQ(pipe.path, target);
}

}  // namespace
}  // namespace ductora
