#include "data/format/pipe_blocks.h"

#include <algorithm>
#include <limits>

namespace ductora {

namespace {

constexpr std::uint64_t kMaxOffset = std::numeric_limits<std::uint32_t>::max();

template <typename Value>
void writeMatrix(ByteWriter& out, double deltaX, std::uint32_t rows, double deltaY, std::uint32_t columns,
                 const std::vector<Value>& data) {
  out.reserve(kMatrixHeadBytes + 2 * data.size());
  out.f64(deltaX);
  out.u32(rows);
  out.f64(deltaY);
  out.u32(columns);
  for (const Value value : data) {
    out.u16(static_cast<std::uint16_t>(value));
  }
}

std::uint64_t sampleTotal(const RevolutionList& revolutions, std::uint64_t& filledRevolutions) {
  std::uint64_t samples = 0;
  filledRevolutions = 0;
  for (const auto& revolution : revolutions) {
    if (!revolution.empty()) {
      samples += revolution.size();
      ++filledRevolutions;
    }
  }
  return samples;
}

std::uint16_t saturatedWallReading(std::int32_t reading) {
  return static_cast<std::uint16_t>(std::clamp<std::int32_t>(reading, 0, 0xFFFF));
}

std::int16_t saturatedOdReading(std::int32_t reading) {
  return static_cast<std::int16_t>(std::clamp<std::int32_t>(reading, -0x8000, 0x7FFF));
}

void writeRecord(ByteWriter& out, std::uint16_t readingBits, std::uint32_t axialCount,
                 std::uint32_t rotationCount) {
  out.u16(readingBits);
  out.u32(axialCount);
  out.u32(rotationCount);
}

template <typename Saturate>
void writeSamples(ByteWriter& out, const RevolutionSamples& samples, Saturate saturate) {
  for (const RawSample& sample : samples) {
    writeRecord(out, static_cast<std::uint16_t>(saturate(sample.reading)), sample.axialCount,
                sample.rotationCount);
  }
}

std::uint64_t repeatedMarksBefore(const ChannelLeftovers& leftovers, std::size_t revolution) {
  return revolution < leftovers.repeatedMarks.size() ? leftovers.repeatedMarks[revolution] : 0;
}

// Records of a channel as written: its lead (or, without one, the lead-in markers the loader
// skips), every revolution after its repeated markers and followed by a marker, then its tail.
// Without a revolution the lead and tail are all there is.
std::uint64_t channelRecordCount(const RevolutionList& revolutions, const ChannelLeftovers& leftovers,
                                 std::uint64_t leadInMarks) {
  std::uint64_t filled = 0;
  const std::uint64_t samples = sampleTotal(revolutions, filled);
  const std::uint64_t leftoverRecords = leftovers.lead.size() + leftovers.tail.size();
  if (filled == 0) {
    return leftoverRecords;
  }
  std::uint64_t repeated = 0;
  for (std::size_t k = 0; k < revolutions.size(); ++k) {
    repeated += revolutions[k].empty() ? 0 : repeatedMarksBefore(leftovers, k);
  }
  return samples + filled + repeated + leftoverRecords + (leftovers.lead.empty() ? leadInMarks : 0);
}

template <typename Saturate>
void writeChannelRecords(ByteWriter& out, const RevolutionList& revolutions,
                         const ChannelLeftovers& leftovers, int leadInMarks, std::uint16_t markerBits,
                         Saturate saturate) {
  std::uint64_t filled = 0;
  sampleTotal(revolutions, filled);
  const auto writeMarks = [&](std::uint64_t marks) {
    for (std::uint64_t mark = 0; mark < marks; ++mark) {
      writeRecord(out, markerBits, 0, 0);
    }
  };
  if (filled > 0 && leftovers.lead.empty()) {
    writeMarks(static_cast<std::uint64_t>(leadInMarks));
  }
  writeSamples(out, leftovers.lead, saturate);
  for (std::size_t k = 0; k < revolutions.size(); ++k) {
    if (revolutions[k].empty()) {
      continue;
    }
    writeMarks(repeatedMarksBefore(leftovers, k));
    writeSamples(out, revolutions[k], saturate);
    writeMarks(1);
  }
  writeSamples(out, leftovers.tail, saturate);
}

// The loader ignores everything up to a wall channel's second marker and an OD channel's first.
constexpr int kWallLeadInMarks = 2;
constexpr int kOdLeadInMarks = 1;

}  // namespace

std::array<std::uint8_t, kBlockHeadBytes> encodeBlockHead(std::uint8_t tag, std::uint32_t nextOffset) {
  return {tag, static_cast<std::uint8_t>(nextOffset), static_cast<std::uint8_t>(nextOffset >> 8),
          static_cast<std::uint8_t>(nextOffset >> 16), static_cast<std::uint8_t>(nextOffset >> 24)};
}

std::optional<std::uint32_t> nextBlockOffset(std::uint64_t blockOffset, std::uint64_t payloadBytes,
                                             bool last) {
  if (blockOffset > kMaxOffset || payloadBytes > kMaxOffset - kBlockHeadBytes) {
    return std::nullopt;
  }
  const std::uint64_t end = blockOffset + kBlockHeadBytes + payloadBytes;
  if (end > kMaxOffset) {
    return std::nullopt;
  }
  return last ? 0U : static_cast<std::uint32_t>(end);
}

std::vector<std::uint8_t> encodeJobInfo1(const PipeHeader& header) {
  ByteWriter out;
  out.reserve(kJobInfo1Bytes);
  out.u32(header.created);
  out.text(header.woNumber, kWoNumberBytes);
  out.u16(header.kqNumber);
  out.u8(header.unitNumber);
  out.text(header.note, kNoteBytes);
  out.u8(header.runNumber);
  out.u8(header.startEnd);
  out.u16(header.nominalOdMils);
  out.u16(header.weightHundredths);
  out.text(header.grade, kGradeBytes);
  out.u16(header.nominalWall);
  out.u16(header.upperWall);
  out.u16(header.lowerWall);
  out.u8(header.wallJumpSize);
  out.u8(header.range);
  return out.take();
}

bool decodeJobInfo1(std::span<const std::uint8_t> payload, PipeHeader& header) {
  if (payload.size() < kJobInfo1Bytes) {
    return false;
  }
  ByteReader in(payload);
  header.created = in.u32();
  header.woNumber = in.text(kWoNumberBytes);
  header.kqNumber = in.u16();
  header.unitNumber = in.u8();
  header.note = in.text(kNoteBytes);
  header.runNumber = in.u8();
  header.startEnd = in.u8();
  header.nominalOdMils = in.u16();
  header.nominalOd = header.nominalOdMils / 1000.0;
  header.weightHundredths = in.u16();
  header.weight = header.weightHundredths / 100.0;
  header.grade = in.text(kGradeBytes);
  header.nominalWall = in.u16();
  header.upperWall = in.u16();
  header.lowerWall = in.u16();
  header.wallJumpSize = in.u8();
  header.range = in.u8();
  return true;
}

std::vector<std::uint8_t> encodeJobInfo2(const PipeHeader& header) {
  ByteWriter out;
  out.reserve(kJobInfo2Bytes);
  out.u16(header.calibrationOdMils);
  out.u16(header.wallAngle);
  out.u8(header.rotation);
  out.u8(header.from);
  out.i16(header.upperOdOffset);
  out.i16(header.lowerOdOffset);
  out.u8(header.odJumpSize);
  return out.take();
}

bool decodeJobInfo2(std::span<const std::uint8_t> payload, PipeHeader& header) {
  const bool shortForm = payload.size() == kJobInfo2ShortBytes;
  if (!shortForm && payload.size() < kJobInfo2Bytes) {
    return false;
  }
  ByteReader in(payload);
  header.calibrationOdMils = in.u16();
  header.calibrationOd = static_cast<float>(header.calibrationOdMils) / 1000.0F;
  header.wallAngle = shortForm ? kShortFormWallAngle : in.u16();
  header.rotation = in.u8();
  header.from = in.u8();
  header.upperOdOffset = in.i16();
  header.lowerOdOffset = in.i16();
  header.odJumpSize = in.u8();
  return true;
}

std::vector<std::uint8_t> encodeCsa(const CsaTable& csa) {
  ByteWriter out;
  out.reserve(kCsaBytes);
  out.f64(csa.minCsa);
  out.f64(csa.maxCsa);
  out.f64(csa.avgCsa);
  out.f64(csa.csaStdDev);
  return out.take();
}

bool decodeCsa(std::span<const std::uint8_t> payload, CsaTable& csa) {
  if (payload.size() < kCsaBytes) {
    return false;
  }
  ByteReader in(payload);
  csa.minCsa = in.f64();
  csa.maxCsa = in.f64();
  csa.avgCsa = in.f64();
  csa.csaStdDev = in.f64();
  return true;
}

std::vector<std::uint8_t> encodeWallStart(std::uint32_t counts) {
  ByteWriter out;
  out.u32(counts);
  return out.take();
}

std::optional<std::uint32_t> decodeWallStart(std::span<const std::uint8_t> payload) {
  if (payload.size() < kWallStartBytes) {
    return std::nullopt;
  }
  return loadU32(payload.data());
}

std::optional<MatrixHead> decodeMatrixHead(std::span<const std::uint8_t> payload) {
  if (payload.size() < kMatrixHeadBytes) {
    return std::nullopt;
  }
  ByteReader in(payload);
  MatrixHead head;
  head.deltaX = in.f64();
  head.rows = in.u32();
  head.deltaY = in.f64();
  head.columns = in.u32();
  return head;
}

std::vector<std::uint16_t> decodeU16Values(std::span<const std::uint8_t> bytes) {
  std::vector<std::uint16_t> values(bytes.size() / 2);
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = loadU16(bytes.data() + 2 * i);
  }
  return values;
}

std::vector<std::int16_t> decodeI16Values(std::span<const std::uint8_t> bytes) {
  std::vector<std::int16_t> values(bytes.size() / 2);
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = static_cast<std::int16_t>(loadU16(bytes.data() + 2 * i));
  }
  return values;
}

std::vector<std::uint8_t> encodeWallMatrix(const WallMatrix& matrix) {
  ByteWriter out;
  writeMatrix(out, matrix.deltaX, matrix.rows, matrix.deltaY, matrix.columns, matrix.data);
  return out.take();
}

std::vector<std::uint8_t> encodeOdMatrix(const OdMatrix& matrix) {
  ByteWriter out;
  writeMatrix(out, matrix.deltaX, matrix.rows, matrix.deltaY, matrix.columns, matrix.data);
  return out.take();
}

std::vector<std::uint8_t> encodeStraightness(const StraightnessMatrix& matrix) {
  ByteWriter out;
  writeMatrix(out, matrix.deltaX, matrix.rows, matrix.deltaY, matrix.columns, matrix.data);
  return out.take();
}

std::optional<RawWallHead> decodeRawWallHead(std::span<const std::uint8_t> payload) {
  if (payload.size() < kRawWallHeadBytes) {
    return std::nullopt;
  }
  ByteReader in(payload);
  RawWallHead head;
  head.channel = in.u8();
  head.recordCount = in.u32();
  head.wallScale = in.f64();
  for (double& parameter : head.parameters) {
    parameter = in.f64();
  }
  return head;
}

std::optional<RawOdHead> decodeRawOdHead(std::span<const std::uint8_t> payload) {
  if (payload.size() < kRawOdHeadBytes) {
    return std::nullopt;
  }
  ByteReader in(payload);
  RawOdHead head;
  head.channel = in.u8();
  head.recordCount = in.u32();
  head.inchesPerCount = in.f64();
  return head;
}

std::uint64_t rawWallRecordCount(const WallChannel& channel) {
  return channelRecordCount(channel.revolutions, channel.leftovers, kWallLeadInMarks);
}

std::uint64_t rawOdRecordCount(const OdChannel& channel) {
  return channelRecordCount(channel.revolutions, channel.leftovers, kOdLeadInMarks);
}

std::optional<std::vector<std::uint8_t>> encodeRawWallChannel(std::uint8_t channelNumber,
                                                              const WallChannel& channel) {
  const std::uint64_t count = rawWallRecordCount(channel);
  if (count > std::numeric_limits<std::uint32_t>::max()) {
    return std::nullopt;
  }
  ByteWriter out;
  out.reserve(kRawWallHeadBytes + kRawRecordBytes * count);
  out.u8(channelNumber);
  out.u32(static_cast<std::uint32_t>(count));
  out.f64(channel.wallScale);
  for (const double parameter : channel.parameters) {
    out.f64(parameter);
  }
  writeChannelRecords(out, channel.revolutions, channel.leftovers, kWallLeadInMarks,
                      static_cast<std::uint16_t>(kWallMarkerReading), saturatedWallReading);
  return out.take();
}

std::optional<std::vector<std::uint8_t>> encodeRawOdChannel(std::uint8_t channelNumber,
                                                            const OdChannel& channel) {
  const std::uint64_t count = rawOdRecordCount(channel);
  if (count > std::numeric_limits<std::uint32_t>::max()) {
    return std::nullopt;
  }
  ByteWriter out;
  out.reserve(kRawOdHeadBytes + kRawRecordBytes * count);
  out.u8(channelNumber);
  out.u32(static_cast<std::uint32_t>(count));
  out.f64(channel.inchesPerCount);
  writeChannelRecords(out, channel.revolutions, channel.leftovers, kOdLeadInMarks,
                      static_cast<std::uint16_t>(kOdMarkerReading), saturatedOdReading);
  return out.take();
}

std::optional<std::vector<std::uint8_t>> encodeRawWallRecords(const RawWallHead& head,
                                                              std::span<const RawRecord> records) {
  if (records.size() > std::numeric_limits<std::uint32_t>::max()) {
    return std::nullopt;
  }
  ByteWriter out;
  out.reserve(kRawWallHeadBytes + kRawRecordBytes * records.size());
  out.u8(head.channel);
  out.u32(static_cast<std::uint32_t>(records.size()));
  out.f64(head.wallScale);
  for (const double parameter : head.parameters) {
    out.f64(parameter);
  }
  for (const RawRecord& record : records) {
    writeRecord(out, saturatedWallReading(record.reading), record.axialCount, record.rotationCount);
  }
  return out.take();
}

std::optional<std::vector<std::uint8_t>> encodeRawOdRecords(const RawOdHead& head,
                                                            std::span<const RawRecord> records) {
  if (records.size() > std::numeric_limits<std::uint32_t>::max()) {
    return std::nullopt;
  }
  ByteWriter out;
  out.reserve(kRawOdHeadBytes + kRawRecordBytes * records.size());
  out.u8(head.channel);
  out.u32(static_cast<std::uint32_t>(records.size()));
  out.f64(head.inchesPerCount);
  for (const RawRecord& record : records) {
    writeRecord(out, static_cast<std::uint16_t>(saturatedOdReading(record.reading)), record.axialCount,
                record.rotationCount);
  }
  return out.take();
}

}  // namespace ductora
