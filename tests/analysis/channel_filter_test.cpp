#include "analysis/channel_filter.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/revolution_builders.h"

namespace ductora {
namespace {

using testing::MakeRevolution;

// Revolutions whose reading tells where it is: 100 x (revolution + 1) + sample.
RevolutionList Numbered(std::size_t revolutions, std::size_t samples) {
  RevolutionList list;
  for (std::size_t i = 0; i < revolutions; ++i) {
    std::vector<std::int32_t> readings;
    for (std::size_t j = 0; j < samples; ++j) {
      readings.push_back(static_cast<std::int32_t>(100 * (i + 1) + j));
    }
    list.push_back(MakeRevolution(readings));
  }
  return list;
}

RevolutionList Constant(std::size_t revolutions, std::size_t samples, std::int32_t reading) {
  return RevolutionList(revolutions, MakeRevolution(std::vector<std::int32_t>(samples, reading)));
}

Neighbourhood Slots(std::initializer_list<std::int32_t> values) {
  Neighbourhood slots{};
  std::copy(values.begin(), values.end(), slots.begin());
  return slots;
}

TEST(Gathering, BeforeTakesTwoEarlierRevolutionsThenTheSamplesAlreadyPassed) {
  const RevolutionList list = Numbered(4, 8);
  EXPECT_EQ(GatherBefore(list, 2, 3), Slots({101, 102, 103, 104, 105, 201, 202, 203, 204, 205, 301, 302}));
  // At the start of the list and of the revolution nothing has been passed yet.
  EXPECT_EQ(GatherBefore(list, 0, 0), Neighbourhood{});
  // Sample indices outside a revolution are skipped, not wrapped into the next one.
  EXPECT_EQ(GatherBefore(list, 1, 0), Slots({100, 101, 102}));
}

TEST(Gathering, AfterIsTheMirrorImage) {
  const RevolutionList list = Numbered(4, 8);
  EXPECT_EQ(GatherAfter(list, 1, 3), Slots({204, 205, 301, 302, 303, 304, 305, 401, 402, 403, 404, 405}));
  EXPECT_EQ(GatherAfter(list, 3, 7), Neighbourhood{});
}

TEST(Gathering, UsesTheSameIndexInShorterNeighbours) {
  RevolutionList list = Numbered(3, 8);
  list[0].resize(2);
  EXPECT_EQ(GatherBefore(list, 2, 3), Slots({101, 201, 202, 203, 204, 205, 301, 302}));
}

TEST(Prediction, MeanOfTheSlotsWithinOneDeviation) {
  // mean 521.5, deviation about 319: the outlier goes, the mean of the rest is truncated.
  EXPECT_EQ(PredictReading(Slots({360, 362, 365, 1000})), 362);
  // Values equal to a bound stay: {10, 20} has mean 15 and deviation 7.07, so all stay.
  EXPECT_EQ(PredictReading(Slots({10, 20})), 15);
  // OD offsets may be negative: -15 lies outside mean -12.3 +- 2.5, and -11 is the mean of the rest.
  EXPECT_EQ(PredictReading(Slots({-10, -12, -15})), -11);
  // The truncation is toward zero: -10.5 gives -10.
  EXPECT_EQ(PredictReading(Slots({-10, -11})), -10);
}

TEST(Prediction, FewerThanTwoUsableValuesPredictZero) {
  EXPECT_EQ(PredictReading(Neighbourhood{}), 0);
  EXPECT_EQ(PredictReading(Slots({362})), 0);
  EXPECT_EQ(PredictReading(Slots({362, 4000, 5000})), 0);
}

TEST(Prediction, ValuesOf4000AndMoreCountOnlyWhenInsideTheBounds) {
  // Usable: 3900 and 3999 (mean 3949.5, deviation 70); 4010 lies inside and joins the mean,
  // 9000 does not.
  EXPECT_EQ(PredictReading(Slots({3900, 3999, 4010, 9000})), (3900 + 3999 + 4010) / 3);
}

TEST(ZeroPass, ReplacesDropoutsFromTheSamplesBefore) {
  RevolutionList list = Constant(3, 20, 300);
  list[2][5].reading = 0;
  list[2][6].reading = 0;  // predicted from the replacement of the one before
  ZeroPass(list);
  EXPECT_EQ(list[2][5].reading, 300);
  EXPECT_EQ(list[2][6].reading, 300);
}

TEST(ZeroPass, TheVeryFirstSampleHasNoNeighboursAndStaysZero) {
  RevolutionList list = Constant(2, 10, 300);
  list[0][0].reading = 0;
  ZeroPass(list);
  EXPECT_EQ(list[0][0].reading, 0);
}

TEST(JumpPasses, ForwardReplacesAJumpButLeavesTheFirstRevolution) {
  RevolutionList list = Constant(3, 20, 300);
  list[0][10].reading = 500;
  list[2][10].reading = 500;
  ForwardJumpPass(list, 30);
  EXPECT_EQ(list[0][10].reading, 500);
  EXPECT_EQ(list[2][10].reading, 300);
  // The replacement took part in the next comparison: nothing else changed.
  EXPECT_EQ(list[2][11].reading, 300);
}

TEST(JumpPasses, BackwardReachesTheFirstRevolution) {
  RevolutionList list = Constant(3, 20, 300);
  list[0][10].reading = 500;
  BackwardJumpPass(list, 30);
  // Sample 9 differs from its successor first; the predictions from after restore both.
  EXPECT_EQ(list[0][9].reading, 300);
  EXPECT_EQ(list[0][10].reading, 300);
}

TEST(JumpPasses, AChangeOfExactlyTheJumpSizeIsNoJump) {
  RevolutionList list = Constant(3, 20, 300);
  list[1][10].reading = 330;
  ForwardJumpPass(list, 30);
  EXPECT_EQ(list[1][10].reading, 330);
  ForwardJumpPass(list, 0);  // a jump size of 0 makes every change a jump
  EXPECT_EQ(list[1][10].reading, 300);
}

TEST(JumpPasses, DifferencesAreTakenInSixteenBits) {
  // 65535 after 0 is a difference of -1 in the 16-bit registers: no jump.
  RevolutionList list = Constant(3, 20, 0);
  list[1][10].reading = 65535;
  ForwardJumpPass(list, 30);
  EXPECT_EQ(list[1][10].reading, 65535);
}

}  // namespace
}  // namespace ductora
