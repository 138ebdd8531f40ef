#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "data/format/pipe_file_io.h"

namespace ductora {

struct Block {
  std::uint8_t tag = 0;
  std::vector<std::uint8_t> payload;
};

// Writes one block of a chain: its head points just past it, or is 0 when it is the last. offset is
// where the block starts and is moved past it. Returns what went wrong, if anything.
std::optional<std::string> writeChainedBlock(ByteSink& sink, std::uint64_t& offset, std::uint8_t tag,
                                             std::span<const std::uint8_t> payload, bool last);

// Writes the blocks in the given order as one pipe file, each pointing at the next and the last at
// 0, through a temporary file beside path that replaces it only when complete.
SaveResult writeBlockFile(const std::string& path, const std::vector<Block>& blocks);

}  // namespace ductora
