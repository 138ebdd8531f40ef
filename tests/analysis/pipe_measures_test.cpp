#include "analysis/pipe_measures.h"

#include <gtest/gtest.h>

#include "analysis/csa.h"
#include "analysis/revolution_metrics.h"
#include "support/matrix_builders.h"
#include "support/temp_dir.h"

namespace ductora {
namespace {

using testing::MakeOdMatrix;
using testing::MakePipe;
using testing::MakeWallMatrix;
using testing::PipeSpec;

PipeSpec FullSpec() {
  PipeSpec plan;
  plan.wall = MakeWallMatrix({{500, 500, 500, 500}, {400, 600, 400, 600}, {500, 500, 500, 500}});
  plan.od = MakeOdMatrix({{10, 20, 30, 40}, {0, 0, 0, 0}, {0, 0, 0, 0}});
  plan.nominalOd = 5.0F;
  plan.nominalWall = 500;
  plan.calibrationOd = 5.0F;
  return plan;
}

TEST(PipeMeasures, ComputesEveryStoredMeasure) {
  PipeFile pipe = MakePipe(FullSpec());
  pipe.csa.avgCsa = 123.0;  // as read from the file
  ComputePipeMeasures(pipe);
  EXPECT_EQ(pipe.wallMatrix.minWallPerRev.size(), 3U);
  EXPECT_DOUBLE_EQ(pipe.wallMatrix.maxWall, 0.6);
  EXPECT_DOUBLE_EQ(pipe.csa.nominalCsa, 2.25 * kPi);
  EXPECT_EQ(pipe.csa.rows, 3U);
  EXPECT_NEAR(pipe.csa.csaPerRev[1], 2.24 * kPi, 1e-12);
  EXPECT_EQ(pipe.csa.avgCsa, 123.0);
  EXPECT_NEAR(pipe.odMatrix.maxOd, 5.06, 1e-6);
  EXPECT_TRUE(pipe.idMatrix.present());
  EXPECT_EQ(pipe.revolutionMetrics.size(), 3U);
  // Wall only: no ID matrix, also none left from an earlier build.
  pipe.odMatrix = OdMatrix{};
  ComputePipeMeasures(pipe);
  EXPECT_FALSE(pipe.idMatrix.present());
  EXPECT_EQ(pipe.revolutionMetrics.size(), 3U);
}

TEST(PipeMeasures, NominalOdSetterRecomputesTheAreas) {
  PipeFile pipe = MakePipe(FullSpec());
  ComputePipeMeasures(pipe);
  SetNominalOd(pipe, 1.9F);
  EXPECT_EQ(pipe.header.nominalOdMils, 1900);  // single-precision product, truncated
  EXPECT_DOUBLE_EQ(pipe.header.nominalOd, static_cast<double>(1.9F));
  EXPECT_NEAR(pipe.csa.nominalCsa, kPi * 0.5 * (1.9 - 0.5), 1e-6);

  SetNominalOd(pipe, -2.0F);
  EXPECT_EQ(pipe.header.nominalOdMils, 0);
  SetNominalOd(pipe, 100.0F);
  EXPECT_EQ(pipe.header.nominalOdMils, 65535);
}

TEST(PipeMeasures, CalibrationOdSetterRecomputesWhatReadsIt) {
  PipeFile pipe = MakePipe(FullSpec());
  ComputePipeMeasures(pipe);
  const std::int16_t idBefore = pipe.idMatrix.at(1, 0);
  SetCalibrationOd(pipe, 6.0F);
  EXPECT_EQ(pipe.header.calibrationOdMils, 6000);
  EXPECT_NEAR(pipe.odMatrix.minOd, 6.0, 1e-6);
  EXPECT_NEAR(pipe.idMatrix.at(1, 0) - idBefore, 1000, 1);
  EXPECT_FLOAT_EQ(pipe.revolutionMetrics[1][kMetricMinOd], 6.0F);
}

TEST(PipeMeasures, LoadingAPipeAddsItsMeasures) {
  testing::TempDir dir;
  PipeFile missing = MakePipe(FullSpec());
  EXPECT_FALSE(LoadPipeForUse(missing, dir.file("absent.kqvw")).opened);
  EXPECT_TRUE(missing.revolutionMetrics.empty());

  const std::string path = dir.file("measured.kqvw");
  PipeFile saved = MakePipe(FullSpec());
  ASSERT_TRUE(savePipeFile(saved, path, false, false).ok);

  PipeFile loaded;
  const PipeReadResult result = LoadPipeForUse(loaded, path);
  ASSERT_TRUE(result.opened);
  EXPECT_EQ(loaded.wallMatrix.minWallPerRev.size(), 3U);
  EXPECT_EQ(loaded.csa.csaPerRev.size(), 3U);
  EXPECT_TRUE(loaded.idMatrix.present());
  EXPECT_EQ(loaded.revolutionMetrics.size(), 3U);
}

}  // namespace
}  // namespace ductora
