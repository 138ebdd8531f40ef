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
// discard what came before them; samples after the last marker belong to no revolution; a marker
// right after another makes no revolution. All of these are kept in the channel's leftovers, as
// the records they are. Readings are converted once, then every revolution is allocated at its
// exact size.
template <typename Decode, typename Convert, typename IsMarker>
void cutRevolutions(const std::vector<std::uint8_t>& records, int leadInMarks, RevolutionLimit limit,
                    RevolutionList& revolutions, ChannelLeftovers& leftovers, Decode decode, Convert convert,
                    IsMarker isMarker) {
  const std::size_t count = records.size() / kRawRecordBytes;
  const std::size_t most = limit == RevolutionLimit::kAll ? count : kMaxRevolutions;
  std::vector<std::int32_t> readings(count);
  std::vector<std::pair<std::size_t, std::size_t>> spans;  // [first, end) record indices
  std::vector<std::uint32_t> repeatedMarks;                // before the span of the same index
  std::size_t first = 0;
  std::size_t converted = 0;  // records whose reading is in readings
  int marks = 0;
  for (std::size_t i = 0; i < count && spans.size() < most; ++i) {
    const std::int32_t stored = decode(records.data() + i * kRawRecordBytes).reading;
    readings[i] = convert(stored);
    converted = i + 1;
    if (!isMarker(stored, readings[i])) {
      continue;
    }
    if (marks < leadInMarks) {
      ++marks;
    } else if (i > first) {
      spans.emplace_back(first, i);
    } else if (!spans.empty()) {
      repeatedMarks.resize(spans.size() + 1);
      ++repeatedMarks[spans.size()];
    }
    first = i + 1;
  }
  auto sampleAt = [&](std::size_t i) {
    const RawRecord record = decode(records.data() + i * kRawRecordBytes);
    return RawSample{i < converted ? readings[i] : convert(record.reading), record.axialCount,
                     record.rotationCount};
  };
  auto copyRecords = [&](std::size_t begin, std::size_t end, RevolutionSamples& into) {
    into.reserve(end - begin);
    for (std::size_t i = begin; i < end; ++i) {
      into.push_back(sampleAt(i));
    }
  };
  revolutions.reserve(spans.size());
  for (const auto& [begin, end] : spans) {
    copyRecords(begin, end, revolutions.emplace_back());
  }
  leftovers = {};
  if (spans.empty()) {
    copyRecords(0, count, leftovers.lead);
    return;
  }
  copyRecords(0, spans.front().first, leftovers.lead);
  // The record at the last span's end is the marker that closes it; markers after it are tail.
  copyRecords(spans.back().second + 1, count, leftovers.tail);
  if (!repeatedMarks.empty()) {
    repeatedMarks.resize(spans.size());
    leftovers.repeatedMarks = std::move(repeatedMarks);
  }
}

// Which revolutions a trim keeps: those whose last sample lies beyond start + removeFront and whose
// first lies before end - removeBack, start and end being the first and last sample of the list.
// Empty revolutions go.
std::vector<bool> keptByTrim(const RevolutionList& revolutions, std::uint32_t removeFront,
                             std::uint32_t removeBack) {
  std::vector<bool> kept(revolutions.size(), false);
  const auto filled = [](const RevolutionSamples& revolution) { return !revolution.empty(); };
  const auto first = std::find_if(revolutions.begin(), revolutions.end(), filled);
  if (first == revolutions.end()) {
    return kept;
  }
  const auto last = std::find_if(revolutions.rbegin(), revolutions.rend(), filled);
  // Signed 64-bit: start + removeFront must not wrap to a small count, nor end - removeBack to a
  // large one, or a long trim would keep everything.
  const std::int64_t low = std::int64_t{first->front().axialCount} + removeFront;
  const std::int64_t high = std::int64_t{last->back().axialCount} - removeBack;
  for (std::size_t k = 0; k < revolutions.size(); ++k) {
    const RevolutionSamples& revolution = revolutions[k];
    kept[k] =
        filled(revolution) && revolution.back().axialCount > low && revolution.front().axialCount < high;
  }
  return kept;
}

template <typename Item>
void keepOnly(std::vector<Item>& items, const std::vector<bool>& kept) {
  std::size_t to = 0;
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (!kept[k]) {
      continue;
    }
    // Never onto itself: a vector moved onto itself comes out empty.
    if (to != k) {
      items[to] = std::move(items[k]);
    }
    ++to;
  }
  items.resize(to);
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
  WallChannel& channel = pipe.wallChannels[static_cast<std::size_t>(channelNumber - 1)];
  RevolutionList().swap(channel.revolutions);
  channel.leftovers = {};
  const auto block = readChannelBlock(pipe.rawSource, kTagRawWall, kRawWallHeadBytes, channelNumber);
  if (!block) {
    return 0;
  }
  const double storedScale = decodeRawWallHead(block->head)->wallScale;
  cutRevolutions(
      block->records, 2, limit, channel.revolutions, channel.leftovers, decodeWallRecord,
      [storedScale, wallScale](std::int32_t reading) {
        return rescaleWallReading(reading, storedScale, wallScale);
      },
      // The mark is tested after rescaling.
      [](std::int32_t, std::int32_t converted) { return converted == kWallMarkerReading; });
  return channel.revolutions.size();
}

OdLoadResult LoadOdRevolutions(PipeFile& pipe, int channelNumber, double inchesPerCount,
                               RevolutionLimit limit) {
  if (channelNumber < 1 || channelNumber > 2) {
    return {};
  }
  OdChannel& channel = pipe.odChannels[static_cast<std::size_t>(channelNumber - 1)];
  RevolutionList().swap(channel.revolutions);
  channel.leftovers = {};
  const auto block = readChannelBlock(pipe.rawSource, kTagRawOd, kRawOdHeadBytes, channelNumber);
  if (!block) {
    return {};
  }
  const double scale = inchesPerCount != 0.0 ? inchesPerCount : decodeRawOdHead(block->head)->inchesPerCount;
  cutRevolutions(
      block->records, 1, limit, channel.revolutions, channel.leftovers, decodeOdRecord,
      [scale](std::int32_t reading) { return convertOdReading(reading, scale); },
      [](std::int32_t stored, std::int32_t) { return stored == kOdMarkerReading; });
  return {true, channel.revolutions.size()};
}

void TrimRevolutions(RevolutionList& revolutions, std::uint32_t removeFront, std::uint32_t removeBack) {
  if (removeFront == 0 && removeBack == 0) {
    return;
  }
  keepOnly(revolutions, keptByTrim(revolutions, removeFront, removeBack));
}

void TrimWallChannel(WallChannel& channel, std::uint32_t removeFront, std::uint32_t removeBack) {
  if (removeFront == 0 && removeBack == 0) {
    return;
  }
  const std::vector<bool> kept = keptByTrim(channel.revolutions, removeFront, removeBack);
  keepOnly(channel.revolutions, kept);
  ChannelLeftovers& leftovers = channel.leftovers;
  if (!leftovers.repeatedMarks.empty()) {
    keepOnly(leftovers.repeatedMarks, kept);
  }
  // The lead lies before the first revolution and the tail after the last.
  if (removeFront != 0) {
    leftovers.lead.clear();
  }
  if (removeBack != 0) {
    leftovers.tail.clear();
  }
}

}  // namespace ductora
