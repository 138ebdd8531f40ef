#include "support/block_file_builder.h"

#include <algorithm>

#include "data/format/pipe_blocks.h"

namespace ductora::testing {

BlockFileBuilder& BlockFileBuilder::add(std::uint8_t tag, std::span<const std::uint8_t> payload) {
  const std::size_t offset = bytes_.size();
  addWithNext(tag, nextBlockOffset(offset, payload.size(), false).value(), payload);
  lastBlock_ = offset;
  lastIsChained_ = true;
  return *this;
}

BlockFileBuilder& BlockFileBuilder::addWithNext(std::uint8_t tag, std::uint32_t nextOffset,
                                                std::span<const std::uint8_t> payload) {
  lastIsChained_ = false;
  const auto head = encodeBlockHead(tag, nextOffset);
  bytes_.insert(bytes_.end(), head.begin(), head.end());
  bytes_.insert(bytes_.end(), payload.begin(), payload.end());
  return *this;
}

std::vector<std::uint8_t> BlockFileBuilder::finish() const {
  std::vector<std::uint8_t> file = bytes_;
  if (lastIsChained_) {
    const auto head = encodeBlockHead(file[lastBlock_], 0);
    std::copy(head.begin(), head.end(), file.begin() + static_cast<std::ptrdiff_t>(lastBlock_));
  }
  return file;
}

}  // namespace ductora::testing
