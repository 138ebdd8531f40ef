#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "data/format/byte_codec.h"
#include "data/format/pipe_file.h"

namespace ductora {

// The byte layout of the blocks of a single-pipe file, shared by the reader, the writer, the raw
// channel loaders and the tools that build files.

enum BlockTag : std::uint8_t {
  kTagJobInfo1 = 0,
  kTagRawWall = 1,
  kTagWallMatrix = 2,
  kTagCsa = 3,
  kTagWallStart = 9,
  kTagJobInfo2 = 10,
  kTagRawOd = 11,
  kTagOdMatrix = 12,
  kTagStraightness = 22,
  // Our own: how the wall matrix was built (see encodeWallBuild). Readers skip tags they do not know.
  kTagWallBuild = 64,
};

constexpr std::size_t kBlockHeadBytes = 5;
constexpr std::size_t kJobInfo1Bytes = 57;
constexpr std::size_t kRawWallHeadBytes = 45;
constexpr std::size_t kRawOdHeadBytes = 13;
constexpr std::size_t kRawRecordBytes = 10;
constexpr std::size_t kMatrixHeadBytes = 24;
constexpr std::size_t kCsaBytes = 32;
constexpr std::size_t kWallStartBytes = 4;
constexpr std::size_t kJobInfo2Bytes = 11;
constexpr std::size_t kJobInfo2ShortBytes = 9;
constexpr std::size_t kWallBuildHeadBytes = 28;
constexpr std::size_t kWallBuildRunBytes = 8;
constexpr std::size_t kJumpFilterNameBytes = 16;

constexpr std::int32_t kWallMarkerReading = 1;
constexpr std::int32_t kOdMarkerReading = -2048;
// The short job-information form predates the wall angle; such files were all taken at 135 degrees.
constexpr std::uint16_t kShortFormWallAngle = 135;

// Block head --------------------------------------------------------------------------------------

std::array<std::uint8_t, kBlockHeadBytes> encodeBlockHead(std::uint8_t tag, std::uint32_t nextOffset);

// The nextOffset a block at blockOffset declares: the offset of the byte after it, or 0 for the
// last block. Empty when that offset does not fit the 32-bit field.
std::optional<std::uint32_t> nextBlockOffset(std::uint64_t blockOffset, std::uint64_t payloadBytes,
                                             bool last);

// Fixed payloads -----------------------------------------------------------------------------------

std::vector<std::uint8_t> encodeJobInfo1(const PipeHeader& header);
// Fills the tag-0 fields of the header; false (header untouched) when fewer than 57 bytes are given.
bool decodeJobInfo1(std::span<const std::uint8_t> payload, PipeHeader& header);

// Always the long form.
std::vector<std::uint8_t> encodeJobInfo2(const PipeHeader& header);
// A payload of exactly 9 bytes is the short form; anything else must hold the 11-byte long form.
bool decodeJobInfo2(std::span<const std::uint8_t> payload, PipeHeader& header);

// Minimum, maximum, average and standard deviation of the per-revolution area.
std::vector<std::uint8_t> encodeCsa(const CsaTable& csa);
bool decodeCsa(std::span<const std::uint8_t> payload, CsaTable& csa);

std::vector<std::uint8_t> encodeWallStart(std::uint32_t counts);
std::optional<std::uint32_t> decodeWallStart(std::span<const std::uint8_t> payload);

// How the wall matrix was built (tag 64): text 16 the jump filter's name, u32 rows and u32 columns
// of the matrix it describes, u32 the number of runs, then each run of no-reading cells as u32
// first cell (row-major) and u32 cell count.
std::vector<std::uint8_t> encodeWallBuild(const WallMatrix& matrix);
// The filter name and mask into the matrix's jumpFilter and noReading. False (nothing changed)
// when the head's rows and columns are not the matrix's (0 x 0: no mask) or the runs are not all
// there, overlap or leave the grid.
bool decodeWallBuild(std::span<const std::uint8_t> payload, WallMatrix& matrix);
// The payload bytes the head announces; empty when the head is not all there.
std::optional<std::uint64_t> wallBuildBytes(std::span<const std::uint8_t> head);

// Matrices (tags 2, 12, 22) ---------------------------------------------------------------------------

struct MatrixHead {
  double deltaX = 0.0;
  std::uint32_t rows = 0;
  double deltaY = 0.0;
  std::uint32_t columns = 0;

  std::uint64_t valueCount() const { return static_cast<std::uint64_t>(rows) * columns; }
  // Whether the values the head announces fit in the given number of bytes.
  bool valuesFit(std::uint64_t bytes) const { return valueCount() <= bytes / 2; }
};

std::optional<MatrixHead> decodeMatrixHead(std::span<const std::uint8_t> payload);
std::vector<std::uint16_t> decodeU16Values(std::span<const std::uint8_t> bytes);
std::vector<std::int16_t> decodeI16Values(std::span<const std::uint8_t> bytes);

// Values are written as held; the caller checks that data holds rows x columns values.
std::vector<std::uint8_t> encodeWallMatrix(const WallMatrix& matrix);
std::vector<std::uint8_t> encodeOdMatrix(const OdMatrix& matrix);
std::vector<std::uint8_t> encodeStraightness(const StraightnessMatrix& matrix);

// Raw channels (tags 1 and 11) --------------------------------------------------------------------

struct RawWallHead {
  std::uint8_t channel = 0;
  std::uint32_t recordCount = 0;
  double wallScale = 0.0;
  std::array<double, 4> parameters{};
};

struct RawOdHead {
  std::uint8_t channel = 0;
  std::uint32_t recordCount = 0;
  double inchesPerCount = 0.0;
};

std::optional<RawWallHead> decodeRawWallHead(std::span<const std::uint8_t> payload);
std::optional<RawOdHead> decodeRawOdHead(std::span<const std::uint8_t> payload);

inline bool rawRecordsFit(std::uint32_t recordCount, std::uint64_t bytes) {
  return recordCount <= bytes / kRawRecordBytes;
}

struct RawRecord {
  std::int32_t reading = 0;
  std::uint32_t axialCount = 0;
  std::uint32_t rotationCount = 0;
};

// One 10-byte record; the caller guarantees the bytes are there.
inline RawRecord decodeWallRecord(const std::uint8_t* record) {
  return {loadU16(record), loadU32(record + 2), loadU32(record + 6)};
}
inline RawRecord decodeOdRecord(const std::uint8_t* record) {
  return {static_cast<std::int16_t>(loadU16(record)), loadU32(record + 2), loadU32(record + 6)};
}

// Record counts as written: the channel's lead, or without one the lead-in markers the loader
// skips (two for a wall channel, one for an OD channel), then every revolution followed by a
// marker, then the tail. Empty revolutions are not written. A channel without a revolution holds
// its lead and tail only; 0 when it holds no record at all.
std::uint64_t rawWallRecordCount(const WallChannel& channel);
std::uint64_t rawOdRecordCount(const OdChannel& channel);

// Payloads of the raw blocks from the channel head, its revolution lists and ends; readings are saturated
// to the 16-bit range of their kind. Empty when the record count does not fit 32 bits.
std::optional<std::vector<std::uint8_t>> encodeRawWallChannel(std::uint8_t channelNumber,
                                                              const WallChannel& channel);
std::optional<std::vector<std::uint8_t>> encodeRawOdChannel(std::uint8_t channelNumber,
                                                            const OdChannel& channel);

// Payloads of raw blocks from records exactly as acquired, markers wherever they fell, as an
// inspection unit writes them. The head's record count is taken from the records. Empty when
// there are more records than a block can count.
std::optional<std::vector<std::uint8_t>> encodeRawWallRecords(const RawWallHead& head,
                                                              std::span<const RawRecord> records);
std::optional<std::vector<std::uint8_t>> encodeRawOdRecords(const RawOdHead& head,
                                                            std::span<const RawRecord> records);

}  // namespace ductora
