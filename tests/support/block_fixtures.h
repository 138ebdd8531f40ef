#pragma once

#include <cstdint>
#include <vector>

// Every block kind of a pipe file as bytes written out by hand from the file layout, field by
// field, independent of the program's encoders: a fault made alike in the reader and the writer
// cannot pass a test built on them. The values are given beside each field.

namespace ductora::testing {

using Bytes = std::vector<std::uint8_t>;

struct BlockFixture {
  std::uint8_t tag;
  Bytes payload;
};

// The values are written beside each field in block_fixtures.cpp.
extern const BlockFixture kJobInfo1Block;
extern const BlockFixture kRawWallBlock;  // channel 2: a lead-in marker, two revolutions
extern const BlockFixture kWallMatrixBlock;
extern const BlockFixture kCsaBlock;
extern const BlockFixture kWallStartBlock;
extern const BlockFixture kJobInfo2LongBlock;
extern const BlockFixture kJobInfo2ShortBlock;  // the long form's values without the wall angle
extern const BlockFixture kRawOdBlock;          // channel 1: one revolution
extern const BlockFixture kOdMatrixBlock;
extern const BlockFixture kStraightnessBlock;

// Blocks chained as the layout says: a 5-byte head of tag and the absolute offset of the next
// block, 0 in the last.
Bytes chainBlocks(const std::vector<BlockFixture>& blocks);

// Every kind, in the order a save writes them.
std::vector<BlockFixture> completePipeBlocks(const BlockFixture& jobInfo2 = kJobInfo2LongBlock);

}  // namespace ductora::testing
