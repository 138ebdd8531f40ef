#include "analysis/display_rows.h"

#include <gtest/gtest.h>

#include "analysis/range_rows.h"
#include "support/matrix_builders.h"

namespace ductora {
namespace {

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

TEST(DisplayRows, WithoutWallStartTheIndexIsTheRow) {
  const DisplayRows rows = WallDisplayRows(FiveRowPipe(0.0, false));
  EXPECT_EQ(rows.offset, 0);
  for (std::int64_t index = 0; index < 5; ++index) {
    EXPECT_EQ(rows.RowOf(index), index);
    EXPECT_EQ(rows.IndexOf(index), index);
  }
  EXPECT_EQ(rows.RowOf(9), 5);  // past the end: R
}

TEST(DisplayRows, WallStartShiftsTheDisplayByWholeRows) {
  // k = trunc(2.5 / 1.0) = 2: indices 0..1 map to row 0, 2..6 to rows 0..4, 7 and on to R = 5.
  const DisplayRows rows = WallDisplayRows(FiveRowPipe(2.5, false));
  EXPECT_EQ(rows.offset, 2);
  EXPECT_EQ(rows.RowOf(0), 0);
  EXPECT_EQ(rows.RowOf(1), 0);
  EXPECT_EQ(rows.RowOf(3), 1);
  EXPECT_EQ(rows.RowOf(6), 4);
  EXPECT_EQ(rows.RowOf(7), 5);
  EXPECT_EQ(rows.IndexOf(1), 3);
}

TEST(DisplayRows, NegativeWallStartMovesRowsTheOtherWay) {
  const DisplayRows rows = WallDisplayRows(FiveRowPipe(-2.5, false));
  EXPECT_EQ(rows.offset, -2);
  EXPECT_EQ(rows.RowOf(0), 2);
  EXPECT_EQ(rows.RowOf(3), 5);
}

TEST(DisplayRows, ReversedAddsTheOffsetAndCanPassTheLastRow) {
  // k = 2, R = 5, N = 4: index < 7 maps to index + 2 (up to 8), later ones to 5.
  const DisplayRows rows = WallDisplayRows(FiveRowPipe(2.5, true));
  EXPECT_EQ(rows.RowOf(0), 2);
  EXPECT_EQ(rows.RowOf(6), 8);
  EXPECT_FALSE(rows.Contains(rows.RowOf(6)));
  EXPECT_EQ(rows.RowOf(7), 5);
  // Results: row 1 -> 1 + 2 = 3 -> N - 3 = 1.
  EXPECT_EQ(rows.IndexOf(1), 1);
}

TEST(DisplayRows, ZeroPitchGivesNoOffset) {
  PipeFile pipe = FiveRowPipe(2.5, false);
  pipe.wallMatrix.deltaX = 0.0;
  EXPECT_EQ(WallDisplayRows(pipe).offset, 0);
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

TEST(NormalizeRange, SwapsAndRunsToTheEnd) {
  const DisplayRows rows = Plain(0, 10);
  ExpectRange(NormalizeRange(5, 2, rows, RangeMapping::kBothEnds), 2, 5);
  ExpectRange(NormalizeRange(2, 5, rows, RangeMapping::kBothEnds), 2, 5);
  ExpectRange(NormalizeRange(3, 0, rows, RangeMapping::kBothEnds), 3, 10);
  ExpectRange(NormalizeRange(0, 0, rows, RangeMapping::kBothEnds), 0, 10);
}

TEST(NormalizeRange, StaysInsideTheData) {
  const DisplayRows rows = Plain(0, 10);
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

}  // namespace
}  // namespace ductora
