#include "analysis/placement/display_rows.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/measures/cursor_measures.h"
#include "analysis/placement/cursor_rows.h"
#include "analysis/placement/pipe_sampler.h"
#include "analysis/placement/placed_exports.h"
#include "analysis/queries/range_rows.h"
#include "support/matrix_builders.h"

namespace ductora {
namespace {

using testing::MakeOdMatrix;
using testing::MakePipe;
using testing::MakeWallMatrix;
using testing::PipeShape;

// Wall cell (r, c) = 100 r + c + 1, so every read names its cell; rows an inch apart.
WallMatrix NumberedWall(std::uint32_t rows, std::uint32_t columns) {
  return MakeWallMatrix(rows, columns, [](std::uint32_t r, std::uint32_t c) {
    return static_cast<std::uint16_t>(100 * r + c + 1);
  });
}

PipeFile WallPipe(std::uint32_t rows, double wallStart, bool reversed, bool flipped = false) {
  PipeShape plan;
  plan.wall = NumberedWall(rows, 4);
  plan.wallStart = wallStart;
  plan.reversed = reversed;
  plan.flipped = flipped;
  return MakePipe(std::move(plan));
}

// The wall start is rounded to the nearest row; a reversed pipe runs its rows backwards over its
// own rows, and RowOf and IndexOf undo each other.
TEST(DisplayRows, TheWallStartRoundsToTheNearestRowAndReversingStaysWithinTheMatrix) {
  struct Case {
    double wallStart;
    bool reversed;
    std::int64_t offset;
    std::int64_t rowAtFirstIndex;  // row shown at index `offset`
  };
  for (const Case c : {Case{0.0, false, 0, 0}, Case{2.49, false, 2, 0}, Case{2.5, false, 3, 0},
                       Case{3.98, false, 4, 0}, Case{-1.6, false, -2, 0}, Case{3.98, true, 4, 4}}) {
    const DisplayRows rows = WallDisplayRows(WallPipe(5, c.wallStart, c.reversed));
    EXPECT_EQ(rows.offset, c.offset) << c.wallStart;
    EXPECT_EQ(rows.RowOf(c.offset), c.rowAtFirstIndex) << c.wallStart;
    EXPECT_FALSE(rows.RowInside(c.offset - 1)) << c.wallStart;
    EXPECT_FALSE(rows.RowInside(c.offset + 5)) << c.wallStart;
    for (std::int64_t row = 0; row < 5; ++row) EXPECT_EQ(rows.RowOf(rows.IndexOf(row)), row);
  }
  // Each matrix reverses over its own rows, whatever the other's length.
  PipeShape plan;
  plan.wall = NumberedWall(3, 4);
  plan.od = MakeOdMatrix(7, 4, [](std::uint32_t, std::uint32_t) -> std::int16_t { return 0; });
  plan.reversed = true;
  const PipeFile pipe = MakePipe(plan);
  EXPECT_EQ(WallDisplayRows(pipe).RowOf(0), 2);
  EXPECT_EQ(OdDisplayRows(pipe).RowOf(0), 6);
  EXPECT_EQ(WallAt(pipe, 0, 1), 202);
  EXPECT_EQ(WallAt(pipe, 3, 1), 0);
  // A zero pitch gives no offset.
  PipeFile flat = WallPipe(5, 2.5, false);
  flat.wallMatrix.deltaX = 0.0;
  EXPECT_EQ(WallDisplayRows(flat).offset, 0);
}

TEST(PlaceAtCursor, RowsAndColumnsAreWhereTheMapsDrawThemAndBackAgain) {
  struct Case {
    double wallStart;
    bool reversed;
    bool flipped;
    double x, y;
    std::int64_t row, column;
  };
  // 5 rows an inch apart from the rounded wall start, 4 columns of 90 degrees.
  for (const Case c : {Case{0.0, false, false, 2.5, 100.0, 2, 1}, Case{1.6, false, false, 2.0, 359.9, 0, 3},
                       Case{1.6, false, false, 6.99, 0.0, 4, 0}, Case{1.6, true, false, 2.0, 90.0, 4, 1},
                       Case{1.6, true, true, 6.5, 90.0, 0, 2}, Case{0.0, false, true, 0.5, 0.0, 0, 3}}) {
    const PipeFile pipe = WallPipe(5, c.wallStart, c.reversed, c.flipped);
    const CursorCell cell = PlaceAtCursor(pipe, c.x, c.y).wall;
    ASSERT_TRUE(cell.row && cell.column) << c.x;
    EXPECT_EQ(*cell.row, c.row) << c.x;
    EXPECT_EQ(*cell.column, c.column) << c.y;
    EXPECT_EQ(MeasuresAtCursor(pipe, c.x, c.y).wall * 1000.0, 100.0 * c.row + c.column + 1);
    // Back: the middle of the row's stretch and the start of the column read the cell again.
    const DisplayRows rows = WallDisplayRows(pipe);
    const double position = IndexMiddle(rows.IndexOf(c.row), 1.0);
    EXPECT_EQ(std::floor(position), std::floor(c.x));
    const CursorCell again =
        PlaceAtCursor(pipe, position, CursorAtColumn(ShownColumn(pipe, c.column, 4), 4)).wall;
    EXPECT_EQ(again.row, cell.row);
    EXPECT_EQ(again.column, cell.column);
  }
  // Outside the data nothing is placed.
  EXPECT_FALSE(PlaceAtCursor(WallPipe(5, 1.6, false), 1.5, 0.0).wall.row);
  EXPECT_FALSE(PlaceAtCursor(WallPipe(5, 0.0, false), std::nan(""), 0.0).wall.row);
  EXPECT_FALSE(PlaceAtCursor(PipeFile{}, 1.0, 0.0).wall.column);
}

TEST(DisplayColumnAt, SplitsTheTurnEquallyFromZeroDegrees) {
  EXPECT_EQ(DisplayColumnAt(0.0, 360), 0);
  EXPECT_EQ(DisplayColumnAt(353.7, 360), 353);
  EXPECT_EQ(DisplayColumnAt(353.7, 180), 176);
  EXPECT_EQ(DisplayColumnAt(-1.0, 180), 179);
  EXPECT_EQ(DisplayColumnAt(720.5, 4), 0);
  EXPECT_FALSE(DisplayColumnAt(std::nan(""), 360));
  EXPECT_FALSE(DisplayColumnAt(10.0, 0));
  for (const std::int64_t columns : {360, 180, 7}) {
    for (std::int64_t column = 0; column < columns; ++column)
      ASSERT_EQ(DisplayColumnAt(CursorAtColumn(column, columns), columns), column) << columns;
  }
}

DisplayRows Plain(std::int64_t offset, std::int64_t rows, bool reversed = false) {
  DisplayRows mapping;
  mapping.offset = offset;
  mapping.rows = rows;
  mapping.reversed = reversed;
  return mapping;
}

void ExpectRange(RowRange range, std::int64_t first, std::int64_t last) {
  EXPECT_EQ(range.first, first);
  EXPECT_EQ(range.last, last);
}

TEST(NormalizeRange, SwapsRunsToTheEndMapsBothEndsAndStaysInsideTheData) {
  const DisplayRows rows = Plain(0, 10);
  ExpectRange(NormalizeRange(5, 2, rows), 2, 5);
  ExpectRange(NormalizeRange(2, 5, rows), 2, 5);
  ExpectRange(NormalizeRange(3, 0, rows), 3, 10);
  ExpectRange(NormalizeRange(0, 0, rows), 0, 10);
  EXPECT_TRUE(NormalizeRange(12, 15, rows).empty());
  ExpectRange(NormalizeRange(-4, 3, rows), 0, 3);
  ExpectRange(NormalizeRange(8, 40, rows), 8, 10);
  // Offset 2: indices before the data hold nothing; to = 0 runs to the data's last index.
  const DisplayRows shifted = Plain(2, 10);
  EXPECT_TRUE(NormalizeRange(0, 2, shifted).empty());
  ExpectRange(NormalizeRange(3, 5, shifted), 1, 3);
  ExpectRange(NormalizeRange(3, 0, shifted), 1, 10);
  // Reversed: indices 3..4 show rows 8 and 7.
  ExpectRange(NormalizeRange(3, 5, Plain(2, 10, true)), 7, 9);
  ExpectRange(NormalizeRange(0, 0, Plain(2, 10, true)), 0, 10);
}

// A cursor put in the middle of a revolution reads that revolution back.
TEST(IndexMiddle, ReadsBackItsOwnIndex) {
  for (const double pitch : {1.0 / 3, 0.2, 0.1, 10.0 / 36}) {
    for (std::int64_t index = 0; index < 3000; ++index)
      ASSERT_EQ(DisplayIndexAt(static_cast<float>(IndexMiddle(index, pitch)), pitch), index) << pitch;
  }
  EXPECT_FALSE(DisplayIndexAt(1.0, 0.0));
  EXPECT_FALSE(DisplayIndexAt(1e300, 1e-300));
}

TEST(OdDiameterAt, SumsOppositeColumnsOfTheShownCell) {
  // Row 1 = {10, 20, 30, 40}: angle 90 pairs columns 1 and 3 -> 0.020 + 0.040 + 5.
  PipeShape plan;
  plan.od = MakeOdMatrix({{0, 0, 0, 0}, {10, 20, 30, 40}}, 0.5);
  plan.calibrationOd = 5.0F;
  EXPECT_FLOAT_EQ(OdDiameterAt(MakePipe(plan), 0.7, 179.0), 5.06F);
  EXPECT_FLOAT_EQ(OdDiameterAt(MakePipe(plan), 0.5, 450.0), 5.06F);  // angles wrap around
  EXPECT_EQ(OdDiameterAt(MakePipe(plan), 9.0, 90.0), 0.0F);          // past the end: no data
  plan.flipped = true;                                               // columns 1, 3 mirror to 2, 0
  EXPECT_FLOAT_EQ(OdDiameterAt(MakePipe(plan), 0.5, 90.0), 5.04F);
  plan.flipped = false;
  plan.reversed = true;  // display row 1 shows row 0
  EXPECT_FLOAT_EQ(OdDiameterAt(MakePipe(plan), 0.5, 90.0), 5.0F);
  EXPECT_EQ(OdDiameterAt(PipeFile{}, 0.5, 90.0), 0.0F);
}

// The exports read where the cursor and the OD rows are shown.
TEST(PlacedExports, ReadTheRowsAndColumnsTheDisplayShows) {
  const PipeFile pipe = WallPipe(3, 1.0, true, true);  // k = 1, reversed, flipped
  EXPECT_EQ(ExportRevAtX(&pipe, 1.5).text, "201\n202\n203\n204\n");
  EXPECT_EQ(ExportRevAtX(&pipe, 0.5).status, ExportStatus::kOutsideMatrix);
  EXPECT_EQ(ExportLengthAtY(&pipe, 10.0).text, "0, 4\n1, 104\n2, 204\n");
  EXPECT_EQ(ExportLengthAtY(nullptr, 10.0).status, ExportStatus::kNoPipe);
  PipeShape plan;
  plan.wall = NumberedWall(2, 4);
  plan.od = MakeOdMatrix(4, 4, [](std::uint32_t, std::uint32_t) -> std::int16_t { return 0; });
  plan.wallStart = 1.0;
  plan.nominalWall = 500;
  // OD rows 1 and 2 show wall rows 0 and 1; OD row 0 and 3 the nominal wall.
  const PipeFile shifted = MakePipe(plan);
  EXPECT_EQ(WallRowAtOdRow(shifted, 0), std::nullopt);
  EXPECT_EQ(WallRowAtOdRow(shifted, 2), 1);
  plan.reversed = true;  // OD row 2 is shown at index 1, where wall row 1 is
  EXPECT_EQ(WallRowAtOdRow(MakePipe(plan), 2), 1);
  EXPECT_EQ(ExportHalden(&shifted).text.substr(0, 10), "-0.5, 0, 0");
}

}  // namespace
}  // namespace ductora
