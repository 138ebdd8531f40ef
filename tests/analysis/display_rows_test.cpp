#include "analysis/placement/display_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/placement/cursor_rows.h"
#include "analysis/placement/pipe_sampler.h"
#include "analysis/queries/range_rows.h"
#include "support/matrix_builders.h"

namespace ductora {
namespace {

using testing::MakeOdMatrix;
using testing::MakePipe;
using testing::MakeWallMatrix;
using testing::PipeSpec;

// Five wall rows, one inch apart.
PipeFile FiveRowPipe(double wallStart, bool reversed) {
  PipeSpec plan;
  plan.wall = MakeWallMatrix(5, 4, [](std::uint32_t, std::uint32_t) -> std::uint16_t { return 100; });
  plan.wallStart = wallStart;
  plan.reversed = reversed;
  return MakePipe(std::move(plan));
}

TEST(DisplayRows, WallStartShiftsTheDisplayByWholeRowsAndReversedAddsTheOffsetAndCanPassTheLastRow) {
  const DisplayRows plain = WallDisplayRows(FiveRowPipe(0.0, false));
  EXPECT_EQ(plain.offset, 0);
  for (std::int64_t index = 0; index < 5; ++index) {
    EXPECT_EQ(plain.RowOf(index), index);
    EXPECT_EQ(plain.IndexOf(index), index);
  }
  EXPECT_EQ(plain.RowOf(9), 5);  // past the end: R
  // k = trunc(2.5 / 1.0) = 2: indices 0..1 map to row 0, 2..6 to rows 0..4, 7 and on to R = 5.
  const DisplayRows shifted = WallDisplayRows(FiveRowPipe(2.5, false));
  EXPECT_EQ(shifted.offset, 2);
  EXPECT_EQ(shifted.RowOf(1), 0);
  EXPECT_EQ(shifted.RowOf(3), 1);
  EXPECT_EQ(shifted.RowOf(6), 4);
  EXPECT_EQ(shifted.RowOf(7), 5);
  EXPECT_EQ(shifted.IndexOf(1), 3);
  // A negative wall start moves rows the other way; a zero pitch gives no offset.
  const DisplayRows negative = WallDisplayRows(FiveRowPipe(-2.5, false));
  EXPECT_EQ(negative.offset, -2);
  EXPECT_EQ(negative.RowOf(0), 2);
  PipeFile flat = FiveRowPipe(2.5, false);
  flat.wallMatrix.deltaX = 0.0;
  EXPECT_EQ(WallDisplayRows(flat).offset, 0);
  // Reversed adds the offset and can pass the last row.
  // k = 2, R = 5, N = 4: index < 7 maps to index + 2 (up to 8), later ones to 5.
  const DisplayRows rows = WallDisplayRows(FiveRowPipe(2.5, true));
  EXPECT_EQ(rows.RowOf(0), 2);
  EXPECT_EQ(rows.RowOf(6), 8);
  EXPECT_FALSE(rows.Contains(rows.RowOf(6)));
  EXPECT_EQ(rows.RowOf(7), 5);
  // Results: row 1 -> 1 + 2 = 3 -> N - 3 = 1.
  EXPECT_EQ(rows.IndexOf(1), 1);
}

DisplayRows Plain(std::int64_t offset, std::int64_t rows, bool reversed = false) {
  DisplayRows mapping;
  mapping.offset = offset;
  mapping.rows = rows;
  mapping.lastIndex = rows - 1;
  mapping.reversed = reversed;
  return mapping;
}

void ExpectRange(RowRange range, std::int64_t first, std::int64_t last) {
  EXPECT_EQ(range.first, first);
  EXPECT_EQ(range.last, last);
}

TEST(NormalizeRange, SwapsRunsToTheEndAndStaysInsideTheData) {
  const DisplayRows rows = Plain(0, 10);
  ExpectRange(NormalizeRange(5, 2, rows, RangeMapping::kBothEnds), 2, 5);
  ExpectRange(NormalizeRange(2, 5, rows, RangeMapping::kBothEnds), 2, 5);
  ExpectRange(NormalizeRange(3, 0, rows, RangeMapping::kBothEnds), 3, 10);
  ExpectRange(NormalizeRange(0, 0, rows, RangeMapping::kBothEnds), 0, 10);
  // Ranges stay inside the data.
  EXPECT_TRUE(NormalizeRange(12, 15, rows, RangeMapping::kNone).empty());
  ExpectRange(NormalizeRange(-4, 3, rows, RangeMapping::kNone), 0, 3);
  ExpectRange(NormalizeRange(8, 40, rows, RangeMapping::kNone), 8, 10);
  // Reversed mapping with k = 2 sends index 9 to row 11: held at R.
  ExpectRange(NormalizeRange(6, 9, Plain(2, 10, true), RangeMapping::kBothEnds), 8, 10);
}

TEST(NormalizeRange, MapsTheEndsAsAsked) {
  const DisplayRows rows = Plain(2, 10);
  // Indices before the matrix all map to row 0: an empty range.
  EXPECT_TRUE(NormalizeRange(0, 2, rows, RangeMapping::kBothEnds).empty());
  ExpectRange(NormalizeRange(3, 5, rows, RangeMapping::kBothEnds), 1, 3);
  ExpectRange(NormalizeRange(3, 6, rows, RangeMapping::kEndOnly), 3, 4);
  // End mapped below the start: empty, not reversed.
  EXPECT_TRUE(NormalizeRange(4, 5, rows, RangeMapping::kEndOnly).empty());
  ExpectRange(NormalizeRange(3, 5, rows, RangeMapping::kNone), 3, 5);
}

// Wall cell (r, c) = 100 r + c + 1, so every read names its cell.
WallMatrix NumberedWall(std::uint32_t rows, std::uint32_t columns) {
  return MakeWallMatrix(rows, columns, [](std::uint32_t r, std::uint32_t c) {
    return static_cast<std::uint16_t>(100 * r + c + 1);
  });
}

// A cursor put on a row reads that row back, whatever the rounding of the single-precision cursor.
TEST(CursorAtStep, ReadsBackItsOwnRow) {
  for (const double pitch : {1.0 / 3, 0.2, 0.1, 10.0 / 36}) {
    for (std::int64_t index = 0; index < 3000; ++index) {
      const float cursor = CursorAtStep(index, pitch);
      ASSERT_EQ(std::trunc(static_cast<double>(cursor) / pitch), static_cast<double>(index)) << pitch;
      ASSERT_NEAR(cursor, index * pitch, 1e-3);
    }
  }
  EXPECT_EQ(CursorAtStep(5, 0.0), 0.0F);
  EXPECT_EQ(CursorAtStep(2000000000, 1e300), std::numeric_limits<float>::max());
}

TEST(WallAt, ReadsTheMappedCellAndRowsBeforeTheMatrixAreEmpty) {
  PipeSpec plan;
  plan.wall = NumberedWall(3, 4);
  const PipeFile pipe = MakePipe(plan);
  EXPECT_EQ(WallAt(pipe, 1, 2), 103);
  EXPECT_EQ(WallAt(pipe, 3, 0), 0);   // past the last row
  EXPECT_EQ(WallAt(pipe, 0, 4), 0);   // past the last column
  EXPECT_EQ(WallAt(pipe, -1, 0), 0);  // before the first row

  plan.flipped = true;
  EXPECT_EQ(WallAt(MakePipe(plan), 1, 0), 104);  // column 0 mirrors to 3

  // k = 1: display row 0 lies before the matrix, 1..3 are rows 0..2, 4 is past it.
  plan.flipped = false;
  plan.wallStart = 1.0;
  const PipeFile shifted = MakePipe(plan);
  EXPECT_EQ(WallAt(shifted, 0, 0), 0);
  EXPECT_EQ(WallAt(shifted, 1, 0), 1);
  EXPECT_EQ(WallAt(shifted, 3, 0), 201);
  EXPECT_EQ(WallAt(shifted, 4, 0), 0);
}

// The reversed mapping (index + k, then N - row) leaves the matrix; every such read is 0.
TEST(WallAt, ReversedRowsOutsideTheMatrixReadZero) {
  // R = 3, k = 1, N = 2: display 1 -> 2 -> row 0; display 2 -> 3 -> -1; display 3 -> 4 -> -2.
  PipeSpec plan;
  plan.wall = NumberedWall(3, 4);
  plan.wallStart = 1.0;
  plan.reversed = true;
  const PipeFile shifted = MakePipe(plan);
  EXPECT_EQ(WallAt(shifted, 1, 1), 2);
  EXPECT_EQ(WallAt(shifted, 2, 1), 0);
  EXPECT_EQ(WallAt(shifted, 3, 1), 0);

  // A longer OD matrix makes N = 5: wall display rows 0..2 reverse to rows 5..3, past R = 3.
  plan.wallStart = 0.0;
  plan.od = MakeOdMatrix(6, 4, [](std::uint32_t, std::uint32_t) -> std::int16_t { return 0; });
  const PipeFile longOd = MakePipe(plan);
  for (std::int32_t row = 0; row < 3; ++row) {
    EXPECT_EQ(WallAt(longOd, row, 0), 0) << row;
  }
}

TEST(OdDiameterAt, SumsOppositeColumnsAndCalibration) {
  // Row 1 = {10, 20, 30, 40}: angle 1 pairs columns 1 and 3 -> 0.020 + 0.040 + 5.
  PipeSpec plan;
  plan.od = MakeOdMatrix({{0, 0, 0, 0}, {10, 20, 30, 40}}, 0.5);
  plan.calibrationOd = 5.0F;
  const PipeFile pipe = MakePipe(plan);
  EXPECT_FLOAT_EQ(OdDiameterAt(pipe, 0.5, 1.0), 5.06F);
  EXPECT_FLOAT_EQ(OdDiameterAt(pipe, 0.7, 3.9), 5.06F);  // truncated row 1, column 3
  EXPECT_FLOAT_EQ(OdDiameterAt(pipe, 0.5, 5.0), 5.06F);  // angles wrap around the matrix
  EXPECT_FLOAT_EQ(OdDiameterAt(pipe, 9.0, 1.0), 5.0F);   // past the end reads row 0

  plan.flipped = true;  // columns 1, 3 mirror to 2, 0
  EXPECT_FLOAT_EQ(OdDiameterAt(MakePipe(plan), 0.5, 1.0), 5.04F);
  plan.flipped = false;
  plan.reversed = true;  // row 1 reverses to N - 1 = 0
  EXPECT_FLOAT_EQ(OdDiameterAt(MakePipe(plan), 0.5, 1.0), 5.0F);

  EXPECT_EQ(OdDiameterAt(PipeFile{}, 0.5, 1.0), 0.0F);
}

}  // namespace
}  // namespace ductora
