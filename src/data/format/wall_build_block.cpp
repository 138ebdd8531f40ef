#include <algorithm>

#include "data/format/pipe_blocks.h"

namespace ductora {

std::vector<std::uint8_t> encodeWallBuild(const WallMatrix& matrix) {
  const bool masked = matrix.hasNoReadingMask();
  ByteWriter out;
  out.text(matrix.jumpFilter, kJumpFilterNameBytes);
  out.u32(masked ? matrix.rows : 0);
  out.u32(masked ? matrix.columns : 0);
  std::vector<std::pair<std::uint32_t, std::uint32_t>> runs;
  if (masked) {
    const std::vector<std::uint8_t>& cells = matrix.noReading;
    for (std::size_t i = 0; i < cells.size();) {
      if (cells[i] == 0) {
        ++i;
        continue;
      }
      const std::size_t first = i;
      while (i < cells.size() && cells[i] != 0) ++i;
      runs.emplace_back(static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(i - first));
    }
  }
  out.u32(static_cast<std::uint32_t>(runs.size()));
  for (const auto& [first, count] : runs) {
    out.u32(first);
    out.u32(count);
  }
  return out.take();
}

std::optional<std::uint64_t> wallBuildBytes(std::span<const std::uint8_t> head) {
  if (head.size() < kWallBuildHeadBytes) {
    return std::nullopt;
  }
  const std::uint64_t runs = loadU32(head.data() + kWallBuildHeadBytes - 4);
  return kWallBuildHeadBytes + runs * kWallBuildRunBytes;
}

bool decodeWallBuild(std::span<const std::uint8_t> payload, WallMatrix& matrix) {
  const auto bytes = wallBuildBytes(payload);
  if (!bytes || *bytes > payload.size()) {
    return false;
  }
  ByteReader in(payload);
  std::string filter = in.text(kJumpFilterNameBytes);
  const std::uint32_t rows = in.u32();
  const std::uint32_t columns = in.u32();
  const std::uint32_t runs = in.u32();
  // A mask describes the matrix read before it, never another: that also bounds its size.
  const bool masked = rows != 0 || columns != 0;
  if (masked && (rows != matrix.rows || columns != matrix.columns || !matrix.present())) {
    return false;
  }
  const std::uint64_t cells = masked ? matrix.data.size() : 0;
  std::vector<std::uint8_t> mask(cells, 0);
  std::uint64_t end = 0;
  for (std::uint32_t r = 0; r < runs; ++r) {
    const std::uint64_t first = in.u32();
    const std::uint64_t count = in.u32();
    if (first < end || count == 0 || first + count > cells) {
      return false;
    }
    std::fill_n(mask.begin() + static_cast<std::ptrdiff_t>(first), count, std::uint8_t{1});
    end = first + count;
  }
  matrix.jumpFilter = std::move(filter);
  matrix.noReading = std::move(mask);
  return true;
}

}  // namespace ductora
