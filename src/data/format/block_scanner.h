#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/files/input_file.h"

namespace ductora {

// One block as the chain of nextOffsets describes it.
struct BlockInfo {
  std::uint8_t tag = 0;
  std::uint64_t offset = 0;         // of the block head
  std::uint64_t payloadOffset = 0;  // of the byte after the head
  std::uint64_t payloadBytes = 0;   // payload bytes present in the file
  bool reachesEnd = false;          // the payload runs up to the end of the file
  bool declaredLast = false;        // its nextOffset is 0
};

// Walks the blocks of a single-pipe file from byte 0. The one place for the framing rules:
// - nextOffset 0 marks the last block, whose payload runs to the end of the file;
// - a nextOffset that does not lead past the block's own head ends the scan (malformed);
// - a nextOffset beyond the end of the file cuts the block there and ends the scan (truncated);
// - a head cut by the end of the file ends the scan (truncated).
// What is damaged is also said in words, with the byte offsets, for the user.
// The scan only moves forward, so it ends after at most size / 5 blocks.
class BlockScanner {
 public:
  explicit BlockScanner(InputFile& file) : file_(file) {}

  std::optional<BlockInfo> next();

  // The payload of the block (or its first `bytes` bytes), when that many are present; otherwise
  // the shortfall is noted (truncated at the end of the file, malformed elsewhere).
  std::optional<std::vector<std::uint8_t>> readPayload(const BlockInfo& block);
  std::optional<std::vector<std::uint8_t>> readPayload(const BlockInfo& block, std::uint64_t bytes);
  // The block lacks bytes its content needs.
  void noteShortBlock(const BlockInfo& block);

  // The chain ends at a block whose content does not take the bytes up to the end of the file.
  void noteUnreachedBytes(const BlockInfo& block, std::uint64_t contentBytes);

  InputFile& file() { return file_; }
  bool truncated() const { return truncated_; }
  bool malformed() const { return malformed_; }
  // The first damage found, in words naming its place; empty while there is none.
  const std::string& damage() const { return damage_; }

 private:
  void noteTruncated(std::string what);
  void noteMalformed(std::string what);

  InputFile& file_;
  std::uint64_t position_ = 0;
  bool done_ = false;
  bool truncated_ = false;
  bool malformed_ = false;
  std::string damage_;
};

// The head of a raw channel block (tags 1 and 11: channel byte, then the u32 record count) when
// every record it announces is present; otherwise the shortfall is noted and the block is unusable.
std::optional<std::vector<std::uint8_t>> readRawBlockHead(BlockScanner& scanner, const BlockInfo& block,
                                                          std::uint64_t headBytes);

}  // namespace ductora
