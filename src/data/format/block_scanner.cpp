#include "data/format/block_scanner.h"

#include <array>

#include "data/format/pipe_blocks.h"

namespace ductora {

std::optional<BlockInfo> BlockScanner::next() {
  const std::uint64_t size = file_.size();
  if (done_ || position_ >= size) {
    done_ = true;
    return std::nullopt;
  }
  std::array<std::uint8_t, kBlockHeadBytes> head{};
  if (!file_.readAt(position_, head)) {
    truncated_ = true;
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
  } else if (nextOffset < block.payloadOffset) {
    malformed_ = true;
    done_ = true;
    return std::nullopt;
  } else if (nextOffset >= size) {
    // The last block says 0; any other block promises one more, which the file does not hold.
    end = size;
    truncated_ = true;
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
    truncated_ = true;
    done_ = true;
  }
  return payload;
}

void BlockScanner::noteShortBlock(const BlockInfo& block) {
  if (block.reachesEnd) {
    truncated_ = true;
  } else {
    malformed_ = true;
  }
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
