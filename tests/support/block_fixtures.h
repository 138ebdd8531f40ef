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

// Job information 1: created 305419896, WO "WO-77", KQ 4711, unit 3, note "sim", run 2, start-end 1,
// nominal OD 7000 mils, weight 26.00, grade "L80", walls 362 / 416 / 290, jump 60, range 3.
extern const BlockFixture kJobInfo1Block;
// Raw wall channel 2: wall scale 1.5, parameters 24, -2, 0.5, 100; a lead-in marker, then the
// revolutions {362 at 100/10, 360 at 101/20} and {365 at 102/30}, each followed by a marker.
extern const BlockFixture kRawWallBlock;
// Wall matrix: delta X 0.5, delta Y 180, 2 x 2 values 362 360 / 0 65535.
extern const BlockFixture kWallMatrixBlock;
// CSA statistics 4.5, 5.5, 5.0, 0.125.
extern const BlockFixture kCsaBlock;
// Wall start 10000 counts.
extern const BlockFixture kWallStartBlock;
// Job information 2: calibration OD 7010 mils, wall angle 135, rotation 1, from 0, offsets 40 and
// -40, OD jump 25; the short form the same without the wall angle.
extern const BlockFixture kJobInfo2LongBlock;
extern const BlockFixture kJobInfo2ShortBlock;
// Raw OD channel 1: 0.001 inch per count; a marker, the revolution {-3 at 200/5, 4 at 201/6}, a
// marker.
extern const BlockFixture kRawOdBlock;
// OD matrix: delta X 1/3, delta Y 180, 1 x 2 values -5 7.
extern const BlockFixture kOdMatrixBlock;
// Straightness: delta X 12, delta Y 180, 1 x 2 values -60 60.
extern const BlockFixture kStraightnessBlock;

// Blocks chained as the layout says: a 5-byte head of tag and the absolute offset of the next
// block, 0 in the last.
Bytes chainBlocks(const std::vector<BlockFixture>& blocks);

// Every kind, in the order a save writes them.
std::vector<BlockFixture> completePipeBlocks(const BlockFixture& jobInfo2 = kJobInfo2LongBlock);

}  // namespace ductora::testing
