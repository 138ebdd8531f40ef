#include "data/format/raw_channels.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "data/format/block_scanner.h"
#include "data/format/pipe_blocks.h"

namespace ductora {

namespace {

struct ChannelBlock {
  std::vector<std::uint8_t> head;
  std::vector<std::uint8_t> records;
};

// The head and records of the last intact block of the kind and channel in the pipe's file.
std::optional<ChannelBlock> readChannelBlock(const std::string& path, std::uint8_t tag,
                                             std::uint64_t headBytes, int channelNumber) {
  std::string error;
  auto file = InputFile::open(path, error);
  if (!file) {
    return std::nullopt;
  }
  BlockScanner scanner(*file);
  std::optional<BlockInfo> found;
  std::vector<std::uint8_t> foundHead;
  while (auto block = scanner.next()) {
    if (block->tag != tag) {
      continue;
    }
    auto head = readRawBlockHead(scanner, *block, headBytes);
    if (head && (*head)[0] == channelNumber) {
      found = block;
      foundHead = std::move(*head);
    }
  }
  if (!found) {
    return std::nullopt;
  }
  const std::uint64_t recordBytes = std::uint64_t{loadU32(foundHead.data() + 1)} * kRawRecordBytes;
  auto records = file->readVector(found->payloadOffset + headBytes, recordBytes);
  if (!records) {
    return std::nullopt;
  }
  return ChannelBlock{std::move(foundHead), std::move(*records)};
}

// Cuts a channel's records into revolutions at its markers. The first leadInMarks markers only
// discard what came before them; samples after the last marker belong to no revolution. Readings
// are converted once, then every revolution is allocated at its exact size.
template <typename Decode, typename Convert, typename IsMarker>
void cutRevolutions(const std::vector<std::uint8_t>& records, int leadInMarks, RevolutionLimit limit,
                    RevolutionList& revolutions, Decode decode, Convert convert, IsMarker isMarker) {
  const std::size_t count = records.size() / kRawRecordBytes;
  const std::size_t most = limit == RevolutionLimit::kAll ? count : kMaxRevolutions;
  std::vector<std::int32_t> readings(count);
  std::vector<std::pair<std::size_t, std::size_t>> spans;  // [first, end) record indices
  std::size_t first = 0;
  int marks = 0;
  for (std::size_t i = 0; i < count && spans.size() < most; ++i) {
    const std::int32_t stored = decode(records.data() + i * kRawRecordBytes).reading;
    readings[i] = convert(stored);
    if (!isMarker(stored, readings[i])) {
      continue;
    }
    if (marks < leadInMarks) {
      ++marks;
    } else if (i > first) {
      spans.emplace_back(first, i);
    }
    first = i + 1;
  }
  revolutions.reserve(spans.size());
  for (const auto& [begin, end] : spans) {
    RevolutionSamples& revolution = revolutions.emplace_back(end - begin);
    for (std::size_t i = begin; i < end; ++i) {
      const RawRecord record = decode(records.data() + i * kRawRecordBytes);
      RawSample& sample = revolution[i - begin];
      sample.reading = readings[i];
      sample.axialCount = record.axialCount;
      sample.rotationCount = record.rotationCount;
    }
  }
}

}  // namespace

std::int32_t rescaleWallReading(std::int32_t reading, double storedScale, double wallScale) {
  if (reading <= kWallMarkerReading || wallScale == 0.0 || storedScale == 0.0 || !std::isfinite(wallScale) ||
      !std::isfinite(storedScale)) {
    return reading;
  }
  const double r = reading / storedScale * wallScale;
  if (!(r > 0.0)) {
    return 0;
  }
  if (r >= 65535.0) {
    return 65535;
  }
  auto whole = static_cast<std::int32_t>(r);
  if (r - whole >= 0.5) {
    ++whole;
  }
  return whole;
}

std::int32_t convertOdReading(std::int32_t reading, double inchesPerCount) {
  // Scale first: reading * 0.001 * 1000.0 falls just short of the reading for hundreds of values,
  // which truncation would turn into a lost mil on every save.
  const double mils = reading * (inchesPerCount * 1000.0);
  if (std::isnan(mils)) {
    return 0;
  }
  return static_cast<std::int32_t>(std::clamp(mils, -32768.0, 32767.0));
}

std::size_t LoadWallRevolutions(PipeFile& pipe, int channelNumber, double wallScale, RevolutionLimit limit) {
  if (channelNumber < 1 || channelNumber > 4) {
    return 0;
  }
  RevolutionList& revolutions = pipe.wallChannels[static_cast<std::size_t>(channelNumber - 1)].revolutions;
  RevolutionList().swap(revolutions);
  const auto block = readChannelBlock(pipe.rawSource, kTagRawWall, kRawWallHeadBytes, channelNumber);
  if (!block) {
    return 0;
  }
  const double storedScale = decodeRawWallHead(block->head)->wallScale;
  cutRevolutions(
      block->records, 2, limit, revolutions, decodeWallRecord,
      [storedScale, wallScale](std::int32_t reading) {
        return rescaleWallReading(reading, storedScale, wallScale);
      },
      // The mark is tested after rescaling.
      [](std::int32_t, std::int32_t converted) { return converted == kWallMarkerReading; });
  return revolutions.size();
}

OdLoadResult LoadOdRevolutions(PipeFile& pipe, int channelNumber, double inchesPerCount,
                               RevolutionLimit limit) {
  if (channelNumber < 1 || channelNumber > 2) {
    return {};
  }
  RevolutionList& revolutions = pipe.odChannels[static_cast<std::size_t>(channelNumber - 1)].revolutions;
  RevolutionList().swap(revolutions);
  const auto block = readChannelBlock(pipe.rawSource, kTagRawOd, kRawOdHeadBytes, channelNumber);
  if (!block) {
    return {};
  }
  const double scale = inchesPerCount != 0.0 ? inchesPerCount : decodeRawOdHead(block->head)->inchesPerCount;
  cutRevolutions(
      block->records, 1, limit, revolutions, decodeOdRecord,
      [scale](std::int32_t reading) { return convertOdReading(reading, scale); },
      [](std::int32_t stored, std::int32_t) { return stored == kOdMarkerReading; });
  return {true, revolutions.size()};
}

void TrimRevolutions(RevolutionList& revolutions, std::uint32_t removeFront, std::uint32_t removeBack) {
  if (removeFront == 0 && removeBack == 0) {
    return;
  }
  std::erase_if(revolutions, [](const RevolutionSamples& revolution) { return revolution.empty(); });
  if (revolutions.empty()) {
    return;
  }
  // Signed 64-bit: start + removeFront must not wrap to a small count, nor end - removeBack to a
  // large one, or a long trim would keep everything.
  const std::int64_t low = std::int64_t{revolutions.front().front().axialCount} + removeFront;
  const std::int64_t high = std::int64_t{revolutions.back().back().axialCount} - removeBack;
  std::erase_if(revolutions, [low, high](const RevolutionSamples& revolution) {
    return !(revolution.back().axialCount > low && revolution.front().axialCount < high);
  });
}

}  // namespace ductora
