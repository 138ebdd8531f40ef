#include "data/format/block_scanner.h"

#include <array>
#include <utility>

#include "data/format/pipe_blocks.h"

namespace ductora {

namespace {

std::string blockAt(std::uint64_t offset) { return "the block at byte " + std::to_string(offset); }

}  // namespace

std::optional<BlockInfo> BlockScanner::next() {
  const std::uint64_t size = file_.size();
  if (done_ || position_ >= size) {
    done_ = true;
    return std::nullopt;
  }
  std::array<std::uint8_t, kBlockHeadBytes> head{};
  if (!file_.readAt(position_, head)) {
    noteTruncated("the file ends inside the head of " + blockAt(position_));
    done_ = true;
    return std::nullopt;
  }
  BlockInfo block;
  block.tag = head[0];
  block.offset = position_;
  block.payloadOffset = position_ + kBlockHeadBytes;
  const std::uint64_t nextOffset = loadU32(head.data() + 1);
  std::uint64_t end = nextOffset;
  if (nextOffset == 0) {
    end = size;
    done_ = true;
    block.declaredLast = true;
  } else if (nextOffset < block.payloadOffset) {
    noteMalformed(blockAt(position_) + " gives the next block at byte " + std::to_string(nextOffset) +
                  ", which does not lead forward: the chain of blocks loops");
    done_ = true;
    return std::nullopt;
  } else if (nextOffset >= size) {
    // The last block says 0; any other block promises one more, which the file does not hold.
    end = size;
    noteTruncated("the file ends inside " + blockAt(position_) + " (its next block would start at byte " +
                  std::to_string(nextOffset) + ")");
    done_ = true;
  }
  block.payloadBytes = end - block.payloadOffset;
  block.reachesEnd = end == size;
  position_ = end;
  return block;
}

std::optional<std::vector<std::uint8_t>> BlockScanner::readPayload(const BlockInfo& block) {
  return readPayload(block, block.payloadBytes);
}

std::optional<std::vector<std::uint8_t>> BlockScanner::readPayload(const BlockInfo& block,
                                                                   std::uint64_t bytes) {
  if (bytes > block.payloadBytes) {
    noteShortBlock(block);
    return std::nullopt;
  }
  auto payload = file_.readVector(block.payloadOffset, bytes);
  if (!payload) {
    // The file shrank or failed under us: nothing after this can be trusted.
    noteTruncated("the file could not be read within " + blockAt(block.offset));
    done_ = true;
  }
  return payload;
}

void BlockScanner::noteShortBlock(const BlockInfo& block) {
  if (block.reachesEnd) {
    noteTruncated("the file ends inside " + blockAt(block.offset));
  } else {
    noteMalformed(blockAt(block.offset) + " (tag " + std::to_string(block.tag) +
                  ") is too short for what it holds");
  }
}

void BlockScanner::noteUnreachedBytes(const BlockInfo& block, std::uint64_t contentBytes) {
  const std::uint64_t end = block.payloadOffset + contentBytes;
  noteMalformed(blockAt(block.offset) + " is marked as the last (its next-block offset is 0), but " +
                std::to_string(file_.size() - end) + " bytes follow it that no block reaches");
}

void BlockScanner::noteTruncated(std::string what) {
  truncated_ = true;
  if (damage_.empty()) damage_ = std::move(what);
}

void BlockScanner::noteMalformed(std::string what) {
  malformed_ = true;
  if (damage_.empty()) damage_ = std::move(what);
}

std::optional<std::vector<std::uint8_t>> readRawBlockHead(BlockScanner& scanner, const BlockInfo& block,
                                                          std::uint64_t headBytes) {
  auto head = scanner.readPayload(block, headBytes);
  if (!head) {
    return std::nullopt;
  }
  const std::uint32_t recordCount = loadU32(head->data() + 1);
  if (!rawRecordsFit(recordCount, block.payloadBytes - headBytes)) {
    scanner.noteShortBlock(block);
    return std::nullopt;
  }
  return head;
}

}  // namespace ductora
