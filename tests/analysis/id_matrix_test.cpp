#include "analysis/id_matrix.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/pipe_sampler.h"
#include "support/matrix_builders.h"

namespace ductora {
namespace {

using testing::MakeOdMatrix;
using testing::MakePipe;
using testing::MakeWallMatrix;
using testing::PipeSpec;

PipeFile SmallPipe() {
  PipeSpec plan;
  plan.wall = MakeWallMatrix({{100, 200, 300, 0}, {100, 100, 100, 100}});
  plan.od = MakeOdMatrix({{10, 20, 30, 40}, {0, 0, 0, 0}});
  plan.calibrationOd = 5.0F;
  return MakePipe(plan);
}

TEST(IdMatrix, DiameterLessBothWalls) {
  // Row 0, c 0: D = 0.010 + 0.030 + 5 = 5.04, walls 0.1 and 0.3 -> 4.64 at columns 0 and 2.
  // Row 0, c 1: the wall at column 3 is 0 -> columns 1 and 3 stay 0.
  // Row 1: D = 5.0, walls 0.1 + 0.1 -> 4.8 everywhere.
  // avgId over the three pairs that hold an ID: (4.64 + 4.8 + 4.8) / 3 = 4.7467, above minId.
  PipeFile pipe = SmallPipe();
  BuildIdMatrix(pipe);
  const IdMatrix& id = pipe.idMatrix;
  ASSERT_EQ(id.rows, 2U);
  ASSERT_EQ(id.columns, 4U);
  EXPECT_NEAR(id.at(0, 0), 4640, 1);
  EXPECT_EQ(id.at(0, 2), id.at(0, 0));
  EXPECT_EQ(id.at(0, 1), 0);
  EXPECT_EQ(id.at(0, 3), 0);
  EXPECT_NEAR(id.at(1, 0), 4800, 1);
  EXPECT_NEAR(id.at(1, 3), 4800, 1);
  EXPECT_NEAR(id.maxId, 4.8, 1e-6);
  EXPECT_NEAR(id.minId, 4.64, 1e-6);
  EXPECT_NEAR(id.avgId, 4.746667, 1e-5);
  EXPECT_EQ(id.deltaX, pipe.odMatrix.deltaX);
}

// Turning row 7 into 7 x (1/3) inch and back gives 6.999..., i.e. row 6. The ID uses the row.
TEST(IdMatrix, UsesTheOdRowItselfNotARoundTrippedPosition) {
  constexpr double kThird = 0.3333333333333333;
  PipeSpec plan;
  // OD cell = 10 r: D(r) = 0.020 r + 5; walls 0.1 each: ID(7) = 5.14 - 0.2 = 4.94, ID(6) = 4.92.
  plan.od = MakeOdMatrix(
      10, 4, [](std::uint32_t r, std::uint32_t) { return static_cast<std::int16_t>(10 * r); }, kThird);
  plan.wall = MakeWallMatrix(
      10, 4, [](std::uint32_t, std::uint32_t) -> std::uint16_t { return 100; }, kThird);
  plan.calibrationOd = 5.0F;
  PipeFile pipe = MakePipe(plan);
  ASSERT_EQ(static_cast<int>(7 * kThird / kThird), 6);  // the rounding this guards against
  BuildIdMatrix(pipe);
  EXPECT_NEAR(pipe.idMatrix.at(7, 0), 4940, 1);
  EXPECT_NEAR(pipe.idMatrix.at(6, 0), 4920, 1);
}

TEST(IdMatrix, NothingIsReadOutsideEitherMatrix) {
  // Wall of 5 rows (N = 4) against 2 OD rows, reversed: OD rows 0 and 1 reverse to 4 and 3, past
  // the OD matrix. A wall of 2 columns against an OD of 4 has no opposite wall. No wall: no ID.
  PipeSpec plan;
  plan.wall = MakeWallMatrix(5, 4, [](std::uint32_t, std::uint32_t) -> std::uint16_t { return 100; });
  plan.od = MakeOdMatrix({{0, 0, 0, 0}, {0, 0, 0, 0}});
  plan.calibrationOd = 5.0F;
  plan.reversed = true;
  PipeSpec narrow = plan;
  narrow.wall = MakeWallMatrix({{100, 100}});
  narrow.reversed = false;
  for (const PipeSpec& spec : {plan, narrow}) {
    PipeFile pipe = MakePipe(spec);
    BuildIdMatrix(pipe);
    EXPECT_EQ(std::count(pipe.idMatrix.data.begin(), pipe.idMatrix.data.end(), 0), pipe.idMatrix.data.size());
    EXPECT_EQ(pipe.idMatrix.minId, 0.0);
    EXPECT_EQ(pipe.idMatrix.avgId, 0.0);
    pipe.wallMatrix = WallMatrix{};
    BuildIdMatrix(pipe);
    EXPECT_FALSE(pipe.idMatrix.present());
  }
}

}  // namespace
}  // namespace ductora
