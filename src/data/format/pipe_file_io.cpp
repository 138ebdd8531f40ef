#include "data/format/pipe_file_io.h"

#include <array>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "data/format/block_scanner.h"
#include "data/format/pipe_blocks.h"

namespace ductora {

namespace {

struct ReadMatrix {
  MatrixHead head;
  std::vector<std::uint8_t> payload;  // head and values

  std::span<const std::uint8_t> values() const { return std::span(payload).subspan(kMatrixHeadBytes); }
};

// A matrix payload at offset whose head and values all lie within the given bytes.
std::optional<ReadMatrix> readMatrix(InputFile& file, std::uint64_t offset, std::uint64_t bytes) {
  std::array<std::uint8_t, kMatrixHeadBytes> headBytes{};
  if (bytes < kMatrixHeadBytes || !file.readAt(offset, headBytes)) {
    return std::nullopt;
  }
  const MatrixHead head = *decodeMatrixHead(headBytes);
  if (!head.valuesFit(bytes - kMatrixHeadBytes)) {
    return std::nullopt;
  }
  auto payload = file.readVector(offset, kMatrixHeadBytes + 2 * head.valueCount());
  if (!payload) {
    return std::nullopt;
  }
  return ReadMatrix{head, std::move(*payload)};
}

std::optional<ReadMatrix> readMatrixPayload(BlockScanner& scanner, const BlockInfo& block) {
  auto read = readMatrix(scanner.file(), block.payloadOffset, block.payloadBytes);
  if (!read) {
    scanner.noteShortBlock(block);
  }
  return read;
}

// Fills a freshly made matrix. One without rows or columns holds nothing and stays no matrix.
template <typename Matrix, typename Decode>
void installMatrix(Matrix& matrix, const ReadMatrix& read, Decode decodeValues) {
  matrix.deltaX = read.head.deltaX;
  matrix.deltaY = read.head.deltaY;
  if (read.head.valueCount() != 0) {
    matrix.rows = read.head.rows;
    matrix.columns = read.head.columns;
    matrix.data = decodeValues(read.values());
  }
}

template <typename Matrix>
void setLength(Matrix& matrix) {
  matrix.length = matrix.rows == 0 ? 0.0F : static_cast<float>((matrix.rows - 1.0) * matrix.deltaX);
}

bool readWallMatrix(PipeFile& pipe, BlockScanner& scanner, const BlockInfo& block) {
  const auto read = readMatrixPayload(scanner, block);
  if (!read) {
    return false;
  }
  // Statistics and series belong to the old data; trimming settings are not stored in the file.
  WallMatrix matrix;
  matrix.removeFront = pipe.wallMatrix.removeFront;
  matrix.removeBack = pipe.wallMatrix.removeBack;
  installMatrix(matrix, *read, decodeU16Values);
  setLength(matrix);
  pipe.wallMatrix = std::move(matrix);
  return true;
}

bool readOdMatrix(PipeFile& pipe, BlockScanner& scanner, const BlockInfo& block) {
  const auto read = readMatrixPayload(scanner, block);
  if (!read) {
    return false;
  }
  PipeHeader& header = pipe.header;
  if (header.nominalOd == 0.0) {
    header.nominalOd = header.calibrationOd;
    header.nominalOdMils = static_cast<std::uint16_t>(header.calibrationOd * 1000.0F);
  }
  OdMatrix matrix;
  installMatrix(matrix, *read, decodeI16Values);
  setLength(matrix);
  pipe.odMatrix = std::move(matrix);
  return true;
}

bool readStraightness(PipeFile& pipe, BlockScanner& scanner, const BlockInfo& block) {
  const auto read = readMatrixPayload(scanner, block);
  if (!read) {
    return false;
  }
  StraightnessMatrix matrix;
  installMatrix(matrix, *read, decodeI16Values);
  pipe.straightness = std::move(matrix);
  return true;
}

bool readRawWallHead(PipeFile& pipe, BlockScanner& scanner, const BlockInfo& block) {
  const auto bytes = readRawBlockHead(scanner, block, kRawWallHeadBytes);
  if (!bytes) {
    return false;
  }
  const RawWallHead head = *decodeRawWallHead(*bytes);
  if (head.channel >= 1 && head.channel <= 4) {
    WallChannel& channel = pipe.wallChannels[head.channel - 1U];
    channel.channel = head.channel;
    channel.sampleCount = head.recordCount;
    channel.setWallScale(head.wallScale);
    channel.parameters = head.parameters;
  }
  return true;
}

bool readRawOdHead(PipeFile& pipe, BlockScanner& scanner, const BlockInfo& block) {
  const auto bytes = readRawBlockHead(scanner, block, kRawOdHeadBytes);
  if (!bytes) {
    return false;
  }
  const RawOdHead head = *decodeRawOdHead(*bytes);
  if (head.channel >= 1 && head.channel <= 2) {
    OdChannel& channel = pipe.odChannels[head.channel - 1U];
    channel.channel = head.channel;
    channel.sampleCount = head.recordCount;
    channel.inchesPerCount = head.inchesPerCount;
  }
  return true;
}

bool readJobInfo1(PipeFile& pipe, BlockScanner& scanner, const BlockInfo& block) {
  const auto payload = scanner.readPayload(block, kJobInfo1Bytes);
  return payload && decodeJobInfo1(*payload, pipe.header);
}

bool readJobInfo2(PipeFile& pipe, BlockScanner& scanner, const BlockInfo& block) {
  const std::uint64_t bytes =
      block.payloadBytes == kJobInfo2ShortBytes ? kJobInfo2ShortBytes : kJobInfo2Bytes;
  const auto payload = scanner.readPayload(block, bytes);
  return payload && decodeJobInfo2(*payload, pipe.header);
}

bool readCsa(PipeFile& pipe, BlockScanner& scanner, const BlockInfo& block) {
  const auto payload = scanner.readPayload(block, kCsaBytes);
  return payload && decodeCsa(*payload, pipe.csa);
}

bool readWallStart(PipeFile& pipe, BlockScanner& scanner, const BlockInfo& block) {
  const auto payload = scanner.readPayload(block, kWallStartBytes);
  if (!payload) {
    return false;
  }
  pipe.setWallStartCounts(*decodeWallStart(*payload));
  return true;
}

// Ours: how the wall matrix read before it was built. A block that does not fit that matrix is
// skipped, as a reader that does not know the tag skips it.
void readWallBuild(PipeFile& pipe, BlockScanner& scanner, const BlockInfo& block) {
  const auto head = scanner.readPayload(block, kWallBuildHeadBytes);
  if (!head) {
    return;
  }
  if (const auto payload = scanner.readPayload(block, *wallBuildBytes(*head))) {
    decodeWallBuild(*payload, pipe.wallMatrix);
  }
}

// Applies one block; sets its data-present flag when the block was intact.
void applyBlock(PipeFile& pipe, BlockScanner& scanner, const BlockInfo& block, PipeReadResult& result) {
  auto flagIf = [&pipe](bool applied, DataPresentIndex index) {
    if (applied) {
      pipe.dataPresent[index] = 1;
    }
  };
  switch (block.tag) {
    case kTagJobInfo1:
      flagIf(readJobInfo1(pipe, scanner, block), kJobInfo1Present);
      break;
    case kTagRawWall:
      flagIf(readRawWallHead(pipe, scanner, block), kRawWallPresent);
      break;
    case kTagWallMatrix:
      if (readWallMatrix(pipe, scanner, block)) {
        pipe.dataPresent[kWallMatrixPresent] = 1;
        result.wallMatrixRead = pipe.wallMatrix.present();
      }
      break;
    case kTagCsa:
      flagIf(readCsa(pipe, scanner, block), kCsaPresent);
      break;
    case kTagWallStart:
      flagIf(readWallStart(pipe, scanner, block), kWallStartPresent);
      break;
    case kTagJobInfo2:
      flagIf(readJobInfo2(pipe, scanner, block), kJobInfo2Present);
      break;
    case kTagRawOd:
      flagIf(readRawOdHead(pipe, scanner, block), kRawOdPresent);
      break;
    case kTagOdMatrix:
      flagIf(readOdMatrix(pipe, scanner, block), kOdMatrixPresent);
      break;
    case kTagStraightness:
      flagIf(readStraightness(pipe, scanner, block), kStraightnessPresent);
      break;
    case kTagWallBuild:
      readWallBuild(pipe, scanner, block);
      break;
    default:
      break;
  }
}

// The payload bytes the block's content takes by its kind and heads; empty for kinds of no known
// size and for heads or values that are not all there (the reader notes those).
std::optional<std::uint64_t> contentBytes(InputFile& file, const BlockInfo& block) {
  switch (block.tag) {
    case kTagJobInfo1:
      return kJobInfo1Bytes;
    case kTagCsa:
      return kCsaBytes;
    case kTagWallStart:
      return kWallStartBytes;
    case kTagJobInfo2:
      return block.payloadBytes == kJobInfo2ShortBytes ? kJobInfo2ShortBytes : kJobInfo2Bytes;
    case kTagRawWall:
    case kTagRawOd: {
      std::array<std::uint8_t, 5> head{};  // channel number and record count
      if (!file.readAt(block.payloadOffset, head)) return std::nullopt;
      const std::uint64_t headBytes = block.tag == kTagRawWall ? kRawWallHeadBytes : kRawOdHeadBytes;
      return headBytes + std::uint64_t{loadU32(head.data() + 1)} * kRawRecordBytes;
    }
    case kTagWallMatrix:
    case kTagOdMatrix:
    case kTagStraightness: {
      std::array<std::uint8_t, kMatrixHeadBytes> bytes{};
      if (block.payloadBytes < kMatrixHeadBytes || !file.readAt(block.payloadOffset, bytes))
        return std::nullopt;
      const MatrixHead head = *decodeMatrixHead(bytes);
      if (!head.valuesFit(block.payloadBytes - kMatrixHeadBytes)) return std::nullopt;
      return kMatrixHeadBytes + 2 * head.valueCount();
    }
    case kTagWallBuild: {
      std::array<std::uint8_t, kWallBuildHeadBytes> head{};
      if (block.payloadBytes < kWallBuildHeadBytes || !file.readAt(block.payloadOffset, head))
        return std::nullopt;
      return wallBuildBytes(head);
    }
    default:
      return std::nullopt;
  }
}

// A last block followed by bytes it does not hold: a nextOffset of 0 cut the chain short, as one
// that points back to the start of the file would.
void checkChainReachesEnd(BlockScanner& scanner, const BlockInfo& block) {
  if (!block.declaredLast) return;
  const auto used = contentBytes(scanner.file(), block);
  if (used && *used < block.payloadBytes) scanner.noteUnreachedBytes(block, *used);
}

}  // namespace

PipeReadResult readPipeFile(PipeFile& pipe, const std::string& path) {
  std::string error;
  auto file = InputFile::open(path, error);
  if (!file) {
    pipe.dataPresent.fill(0);
    PipeReadResult result;
    result.error = std::move(error);
    return result;
  }
  PipeReadResult result = readPipeFile(pipe, *file);
  if (result.opened) {
    pipe.path = path;
    pipe.rawSource = path;
  }
  return result;
}

PipeReadResult readPipeFile(PipeFile& pipe, InputFile& file) {
  PipeReadResult result;
  pipe.dataPresent.fill(0);
  if (file.size() == 0) {
    result.error = "the file is empty (0 bytes)";
    return result;
  }
  result.opened = true;
  BlockScanner scanner(file);
  while (const auto block = scanner.next()) {
    applyBlock(pipe, scanner, *block, result);
    checkChainReachesEnd(scanner, *block);
  }
  result.truncated = scanner.truncated();
  result.malformed = scanner.malformed();
  result.damage = scanner.damage();
  pipe.changed();
  return result;
}

StraightnessImportResult importStraightnessFile(PipeFile& pipe, const std::string& path) {
  StraightnessImportResult result;
  auto file = InputFile::open(path, result.error);
  if (!file) {
    return result;
  }
  if (file->size() < kMatrixHeadBytes) {
    result.error = "too short for a straightness matrix";
    return result;
  }
  const auto read = readMatrix(*file, 0, file->size());
  if (!read) {
    result.error = "the straightness matrix announces more values than the file holds";
    return result;
  }
  if (read->head.valueCount() == 0) {
    result.error = "the straightness matrix has no rows or no columns";
    return result;
  }
  StraightnessMatrix matrix;
  installMatrix(matrix, *read, decodeI16Values);
  pipe.straightness = std::move(matrix);
  pipe.dataPresent[kStraightnessPresent] = 1;
  result.ok = true;
  return result;
}

}  // namespace ductora
