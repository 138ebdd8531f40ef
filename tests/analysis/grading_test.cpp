#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analysis/grading/grading_rule.h"
#include "analysis/grading/joint_figures.h"
#include "analysis/grading/joint_yield.h"
#include "analysis/pressures/api5c3.h"
#include "support/matrix_builders.h"

namespace ductora {
namespace {

TEST(Api5c3Collapse, ReproducesPublishedRatingsAndMeetsItselfAtEveryRegimeLimit) {
  struct Rating {
    double od, wall, yield, published;
    CollapseRegime regime;
  };
  for (const Rating& r : {Rating{7.0, 0.362, 110000.0, 6230.0, CollapseRegime::kPlastic},
                          Rating{9.625, 0.472, 80000.0, 4750.0, CollapseRegime::kPlastic},
                          Rating{2.875, 0.217, 80000.0, 11160.0, CollapseRegime::kYield}}) {
    const Api5c3Rating rating = Api5c3Collapse(r.yield, r.od / r.wall);
    EXPECT_NEAR(rating.pressure, r.published, 10.0) << r.od << " x " << r.wall;
    EXPECT_EQ(rating.regime, r.regime) << r.od << " x " << r.wall;
  }
  // N-80's limits as the tables give them: 13.38, 22.47 and 31.02.
  const Api5c3Factors n80 = Api5c3FactorsOf(80000.0);
  EXPECT_NEAR(n80.yieldPlastic, 13.38, 0.01);
  EXPECT_NEAR(n80.plasticTransition, 22.47, 0.01);
  EXPECT_NEAR(n80.transitionElastic, 31.02, 0.01);
  // One D/t in each regime, and each pair of formulas nearly meets at their limit.
  const CollapseRegime regimes[] = {CollapseRegime::kYield, CollapseRegime::kPlastic,
                                    CollapseRegime::kTransition, CollapseRegime::kElastic};
  const double limits[] = {0.0, n80.yieldPlastic, n80.plasticTransition, n80.transitionElastic, 60.0};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Api5c3Collapse(80000.0, (limits[i] + limits[i + 1]) / 2.0 + 0.5).regime, regimes[i]);
    if (i == 0) continue;
    const double below = Api5c3Collapse(80000.0, limits[i] - 1e-9).pressure;
    const double above = Api5c3Collapse(80000.0, limits[i] + 1e-9).pressure;
    EXPECT_NEAR(above / below, 1.0, 0.01) << CollapseRegimeName(regimes[i]);
  }
  EXPECT_TRUE(std::isnan(Api5c3Collapse(80000.0, 1.0).pressure));
}

TEST(GradingRule, ClassesTurnAtTheirEdgesUnrounded) {
  const GradingRule tubing = TubingRule();
  EXPECT_EQ(ClassOf(tubing, RemainingBodyWall(340, 400)).name, "Yellow");  // exactly 85 %
  EXPECT_EQ(ClassOf(tubing, RemainingBodyWall(339, 400)).name, "Blue");    // 84.75 %
  EXPECT_EQ(ClassOf(tubing, RemainingBodyWall(280, 400)).name, "Blue");    // 70 %
  EXPECT_EQ(ClassOf(tubing, RemainingBodyWall(199, 400)).name, "Red");
  EXPECT_EQ(ClassOf(tubing, RemainingBodyWall(420, 400)).name, "Yellow");  // above nominal
  const GradingRule drill = DrillPipeRule();
  EXPECT_EQ(ClassOf(drill, RemainingBodyWall(800, 1000)).name, "Premium");
  EXPECT_EQ(ClassOf(drill, RemainingBodyWall(799, 1000)).name, "Class 2");  // 79.9 %
  EXPECT_EQ(ClassOf(drill, RemainingBodyWall(699, 1000)).name, "Class 3");
  EXPECT_EQ(drill.classes[0].bands, 2);
}

TEST(GradingRule, ARuleThatCannotGradeEveryJointIsRefusedWithItsReason) {
  GradingRule rule{"file", "", {{"A", "red", {}, 1, 60.0}, {"B", "blue", {}, 1, 90.0}}};
  EXPECT_NE(CheckGradingRule(rule).find("one class must start at 0"), std::string::npos);
  rule.classes.push_back({"C", "green", {}, 1, 0.0});
  EXPECT_EQ(CheckGradingRule(rule), "");
  EXPECT_EQ(rule.classes[0].name, "B");  // ordered highest minimum first
  rule.classes.push_back({"D", "green", {}, 1, 60.0});
  EXPECT_NE(CheckGradingRule(rule).find("the same remaining body wall"), std::string::npos);
}

TEST(JointYield, GivenThenTheGradesMinimumThenTheDefault) {
  EXPECT_EQ(ChooseYield(95.0, "P110").psi, 95000.0);  // thousands below 1000
  const JointYield grade = ChooseYield(std::nullopt, " p-110");
  EXPECT_EQ(grade.psi, 110000.0);
  EXPECT_EQ(YieldSourceText(grade), "grade P110");
  EXPECT_EQ(ChooseYield(std::nullopt, "K55").psi, 55000.0);
  const JointYield unknown = ChooseYield(std::nullopt, "X42");
  EXPECT_EQ(unknown.psi, 110000.0);
  EXPECT_EQ(unknown.source, YieldSource::kDefault);
}

TEST(JointFigures, TheThinnestCellPlacesAndGradesTheJointAndManyUnreadCellsMarkIt) {
  testing::PipeShape shape;
  shape.wall = testing::MakeWallMatrix(10, 36, [](std::uint32_t r, std::uint32_t c) {
    return static_cast<std::uint16_t>(r == 6 && c == 9 ? 339 : 400);
  });
  shape.nominalOd = 7.0F;
  shape.nominalWall = 400;
  PipeFile pipe = testing::MakeMeasuredPipe(shape);
  pipe.wallMatrix.noReading.assign(pipe.wallMatrix.data.size(), 0);
  std::fill_n(pipe.wallMatrix.noReading.begin(), kVerifiedNoReadingCells, 1);
  JointFigures f = ComputeJointFigures(pipe, TubingRule(), std::nullopt);
  EXPECT_EQ(f.thinnest.position, 6.5);  // the middle of row 6
  EXPECT_EQ(f.thinnest.angle, 90.0);
  EXPECT_EQ(f.className, "Blue");
  EXPECT_EQ(f.noReadingCells, kVerifiedNoReadingCells);
  EXPECT_FALSE(f.notVerified);
  pipe.wallMatrix.noReading.back() = 1;
  EXPECT_TRUE(ComputeJointFigures(pipe, TubingRule(), std::nullopt).notVerified);
  pipe.header.nominalWall = 0;
  EXPECT_EQ(ComputeJointFigures(pipe, TubingRule(), std::nullopt).className, kNotGraded);
}

}  // namespace
}  // namespace ductora
