#include <algorithm>
#include <array>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "data/files/atomic_file.h"
#include "data/format/block_file.h"
#include "data/format/pipe_blocks.h"
#include "data/format/pipe_file_io.h"
#include "data/format/raw_channels.h"

namespace ductora {

namespace {

// Scale that keeps stored OD readings (mils) unchanged.
constexpr double kOdReloadScale = 0.001;

struct PlannedBlock {
  std::uint8_t tag = 0;
  std::function<std::vector<std::uint8_t>()> payload;
};

// Record counts of the raw blocks planned, per channel slot; 0 where none is written.
struct RawRecordCounts {
  std::array<std::uint32_t, 4> wall{};
  std::array<std::uint32_t, kOdChannelSlots> od{};
};

bool holdsAllValues(std::uint32_t rows, std::uint32_t columns, std::size_t values) {
  return static_cast<std::uint64_t>(rows) * columns == values;
}

// A matrix whose data disagree with its size would be written as a file that reads back as
// garbage or not at all.
std::optional<std::string> checkMatrices(const PipeFile& pipe) {
  if (pipe.wallMatrix.present() &&
      !holdsAllValues(pipe.wallMatrix.rows, pipe.wallMatrix.columns, pipe.wallMatrix.data.size())) {
    return "the wall matrix does not hold rows x columns values";
  }
  if (pipe.odMatrix.present() &&
      !holdsAllValues(pipe.odMatrix.rows, pipe.odMatrix.columns, pipe.odMatrix.data.size())) {
    return "the OD matrix does not hold rows x columns values";
  }
  if (pipe.straightness.present() &&
      !holdsAllValues(pipe.straightness.rows, pipe.straightness.columns, pipe.straightness.data.size())) {
    return "the straightness matrix does not hold rows x columns values";
  }
  return std::nullopt;
}

// Saving keeps every revolution, but the user should know that the program uses only the first
// kMaxRevolutions of a longer channel.
template <typename Channel>
void noteLongChannels(std::span<const Channel> channels, const std::string& kind,
                      std::vector<std::string>& warnings) {
  for (std::size_t slot = 0; slot < channels.size(); ++slot) {
    const std::size_t revolutions = channels[slot].revolutions.size();
    if (revolutions > kMaxRevolutions) {
      warnings.push_back("raw " + kind + " channel " + std::to_string(slot + 1) + " holds " +
                         std::to_string(revolutions) +
                         " revolutions: all are saved, but the program uses only the first " +
                         std::to_string(kMaxRevolutions));
    }
  }
}

// The target may be the very file the samples come from, so all of them are loaded before a byte
// is written. Wall readings come back converted to each channel's current wall scale.
std::vector<std::string> reloadRawChannels(PipeFile& pipe, bool withRawWall, bool withRawOd) {
  std::vector<std::string> warnings;
  if (withRawWall) {
    for (int number = 1; number <= 4; ++number) {
      WallChannel& channel = pipe.wallChannels[static_cast<std::size_t>(number - 1)];
      const std::size_t loaded = LoadWallRevolutions(pipe, number, channel.wallScale, RevolutionLimit::kAll);
      if (loaded > 0) {
        TrimWallChannel(channel, pipe.wallMatrix.removeFront, pipe.wallMatrix.removeBack);
      }
    }
    noteLongChannels(std::span<const WallChannel>(pipe.wallChannels).first(4), "wall", warnings);
  }
  if (withRawOd) {
    for (int number = 1; number <= 2; ++number) {
      LoadOdRevolutions(pipe, number, kOdReloadScale, RevolutionLimit::kAll);
    }
    noteLongChannels(std::span<const OdChannel>(pipe.odChannels), "OD", warnings);
  }
  return warnings;
}

template <typename Channel>
void freeSamples(Channel& channel) {
  RevolutionList().swap(channel.revolutions);
  channel.leftovers = {};
}

void freeReloaded(PipeFile& pipe, bool withRawWall, bool withRawOd) {
  if (withRawWall) {
    for (std::size_t i = 0; i < 4; ++i) {
      freeSamples(pipe.wallChannels[i]);
    }
  }
  if (withRawOd) {
    for (auto& channel : pipe.odChannels) {
      freeSamples(channel);
    }
  }
}

// One raw block per channel with samples, numbered from 1 in slot order.
template <typename Channel, typename Count, typename Encode>
std::optional<std::string> planRawBlocks(std::span<Channel> channels, std::uint8_t tag,
                                         const std::string& kind, Count recordCount, Encode encode,
                                         std::span<std::uint32_t> counts, std::vector<PlannedBlock>& plan) {
  for (std::size_t slot = 0; slot < channels.size(); ++slot) {
    Channel& channel = channels[slot];
    const auto number = static_cast<std::uint8_t>(slot + 1);
    const std::uint64_t count = recordCount(channel);
    if (count > std::numeric_limits<std::uint32_t>::max()) {
      return "raw " + kind + " channel " + std::to_string(number) + " holds too many samples for one block";
    }
    counts[slot] = static_cast<std::uint32_t>(count);
    if (count > 0) {
      plan.push_back({tag, [&channel, number, encode] {
                        auto payload = *encode(number, channel);
                        freeSamples(channel);
                        return payload;
                      }});
    }
  }
  return std::nullopt;
}

bool holdsRawOd(const PipeFile& pipe) {
  return std::any_of(pipe.odChannels.begin(), pipe.odChannels.end(),
                     [](const OdChannel& channel) { return rawOdRecordCount(channel) > 0; });
}

// The blocks in file order. Raw payloads are encoded when written and their lists freed then.
// Job information, wall start and straightness are written whenever the pipe holds them, also
// without a wall or OD matrix, so that saving never drops what was read; raw OD channels, the
// only data an OD matrix can be built from, come after the wall start and job information 2.
std::optional<std::string> planBlocks(PipeFile& pipe, bool withRawWall, bool withRawOd,
                                      RawRecordCounts& rawCounts, std::vector<PlannedBlock>& plan) {
  const bool wall = pipe.wallMatrix.present();
  const bool odSide = pipe.odMatrix.present() || (withRawOd && holdsRawOd(pipe));
  if (wall || pipe.dataPresent[kJobInfo1Present] != 0) {
    plan.push_back({kTagJobInfo1, [&pipe] { return encodeJobInfo1(pipe.header); }});
  }
  if (withRawWall) {
    if (auto problem = planRawBlocks(std::span<WallChannel>(pipe.wallChannels).first(4), kTagRawWall, "wall",
                                     rawWallRecordCount, encodeRawWallChannel, rawCounts.wall, plan)) {
      return problem;
    }
  }
  if (wall) {
    plan.push_back({kTagWallMatrix, [&pipe] { return encodeWallMatrix(pipe.wallMatrix); }});
    plan.push_back({kTagCsa, [&pipe] { return encodeCsa(pipe.csa); }});
    if (!pipe.wallMatrix.jumpFilter.empty() || pipe.wallMatrix.hasNoReadingMask()) {
      plan.push_back({kTagWallBuild, [&pipe] { return encodeWallBuild(pipe.wallMatrix); }});
    }
  }
  if (odSide || pipe.dataPresent[kWallStartPresent] != 0) {
    plan.push_back({kTagWallStart, [&pipe] { return encodeWallStart(pipe.wallStartCounts); }});
  }
  if (odSide || pipe.dataPresent[kJobInfo2Present] != 0) {
    plan.push_back({kTagJobInfo2, [&pipe] { return encodeJobInfo2(pipe.header); }});
  }
  if (withRawOd) {
    if (auto problem = planRawBlocks(std::span<OdChannel>(pipe.odChannels), kTagRawOd, "OD", rawOdRecordCount,
                                     encodeRawOdChannel, rawCounts.od, plan)) {
      return problem;
    }
  }
  if (pipe.odMatrix.present()) {
    plan.push_back({kTagOdMatrix, [&pipe] { return encodeOdMatrix(pipe.odMatrix); }});
  }
  if (pipe.straightness.present()) {
    plan.push_back({kTagStraightness, [&pipe] { return encodeStraightness(pipe.straightness); }});
  }
  return std::nullopt;
}

std::optional<std::string> writeBlocks(std::vector<PlannedBlock>& plan, ByteSink& sink) {
  std::uint64_t offset = 0;
  for (std::size_t i = 0; i < plan.size(); ++i) {
    if (auto problem =
            writeChainedBlock(sink, offset, plan[i].tag, plan[i].payload(), i + 1 == plan.size())) {
      return problem;
    }
  }
  return std::nullopt;
}

std::optional<std::string> writeFile(PipeFile& pipe, const std::string& path, bool withRawWall,
                                     bool withRawOd, const SinkWrapper& wrapSink,
                                     std::vector<std::string>& warnings, RawRecordCounts& rawCounts) {
  if (auto problem = checkMatrices(pipe)) {
    return problem;
  }
  warnings = reloadRawChannels(pipe, withRawWall, withRawOd);
  std::vector<PlannedBlock> plan;
  if (auto problem = planBlocks(pipe, withRawWall, withRawOd, rawCounts, plan)) {
    return problem;
  }
  if (plan.empty()) {
    return std::string("nothing to save: the pipe holds no matrix and no raw data");
  }
  std::string error;
  const auto file = AtomicFile::create(path, error);
  if (!file) {
    return error;
  }
  std::unique_ptr<ByteSink> wrapped = wrapSink ? wrapSink(file->sink()) : nullptr;
  if (auto problem = writeBlocks(plan, wrapped ? *wrapped : file->sink())) {
    return problem;
  }
  wrapped.reset();
  if (!file->commit(error)) {
    return error;
  }
  return std::nullopt;
}

// The record becomes what reading the written file back gives. Its raw channels are the ones
// written, already trimmed, so the removals are spent: applied again they would cut the same
// revolutions off at every save and rebuild.
void adoptWrittenFile(PipeFile& pipe, const std::string& path, bool withRawWall, bool withRawOd,
                      const RawRecordCounts& rawCounts) {
  pipe.path = path;
  // Samples left out of the file stay where they were, to be trimmed when they are written.
  if (withRawWall || withRawOd) pipe.rawSource = path;
  if (withRawWall) {
    pipe.wallMatrix.removeFront = 0;
    pipe.wallMatrix.removeBack = 0;
    for (std::size_t slot = 0; slot < rawCounts.wall.size(); ++slot) {
      pipe.wallChannels[slot].sampleCount = rawCounts.wall[slot];
    }
  }
  if (withRawOd) {
    for (std::size_t slot = 0; slot < rawCounts.od.size(); ++slot) {
      pipe.odChannels[slot].sampleCount = rawCounts.od[slot];
    }
  }
}

}  // namespace

SaveResult savePipeFile(PipeFile& pipe, const std::string& path, bool withRawWall, bool withRawOd,
                        const SinkWrapper& wrapSink) {
  SaveResult result;
  if (path.empty()) {
    result.error = "no file name given";
    return result;
  }
  std::vector<std::string> warnings;
  RawRecordCounts rawCounts;
  if (auto problem = writeFile(pipe, path, withRawWall, withRawOd, wrapSink, warnings, rawCounts)) {
    result.error = *problem;
  } else {
    adoptWrittenFile(pipe, path, withRawWall, withRawOd, rawCounts);
    pipe.unsavedChanges = false;
    result.ok = true;
    result.warnings = std::move(warnings);
  }
  freeReloaded(pipe, withRawWall, withRawOd);
  return result;
}

}  // namespace ductora
