#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace ductora::testing {

// Builds a single-pipe file in memory, block by block.
class BlockFileBuilder {
 public:
  // A block whose nextOffset points just past it; finish() makes it the end when nothing follows.
  BlockFileBuilder& add(std::uint8_t tag, std::span<const std::uint8_t> payload);
  // A block with a chosen nextOffset, kept as given.
  BlockFileBuilder& addWithNext(std::uint8_t tag, std::uint32_t nextOffset,
                                std::span<const std::uint8_t> payload);

  std::size_t size() const { return bytes_.size(); }
  // The file, its last block declaring nextOffset 0 when it was added by add().
  std::vector<std::uint8_t> finish() const;
  // The file as built: every block chained to the offset after it.
  const std::vector<std::uint8_t>& chained() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t lastBlock_ = 0;
  bool lastIsChained_ = false;
};

}  // namespace ductora::testing
