#include "analysis/rebuild/correction/channel_correction.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>
#include <sstream>
#include <vector>

#include "analysis/rebuild/correction/channel_filter.h"
#include "analysis/rebuild/correction/twelve_oclock.h"
#include "support/revolution_builders.h"
#include "support/temp_dir.h"
#include "support/working_directory.h"

namespace ductora {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::Lengths;
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
  // After is the mirror image.
  EXPECT_EQ(GatherAfter(list, 1, 3), Slots({204, 205, 301, 302, 303, 304, 305, 401, 402, 403, 404, 405}));
  EXPECT_EQ(GatherAfter(list, 3, 7), Neighbourhood{});
  // The same index in shorter neighbours.
  RevolutionList shorter = Numbered(3, 8);
  shorter[0].resize(2);
  EXPECT_EQ(GatherBefore(shorter, 2, 3), Slots({101, 201, 202, 203, 204, 205, 301, 302}));
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
  // Fewer than two usable values predict zero.
  EXPECT_EQ(PredictReading(Neighbourhood{}), 0);
  EXPECT_EQ(PredictReading(Slots({362})), 0);
  EXPECT_EQ(PredictReading(Slots({362, 4000, 5000})), 0);
  // Values of 4000 and more count only when inside the bounds. Usable: 3900 and 3999 (mean 3949.5, deviation
  // 70); 4010 lies inside and joins the mean, 9000 does not.
  EXPECT_EQ(PredictReading(Slots({3900, 3999, 4010, 9000})), (3900 + 3999 + 4010) / 3);
}

TEST(ZeroPass, ReplacesDropoutsFromTheSamplesBefore) {
  RevolutionList list = Constant(3, 20, 300);
  list[2][5].reading = 0;
  list[2][6].reading = 0;  // predicted from the replacement of the one before
  ZeroPass(list);
  EXPECT_EQ(list[2][5].reading, 300);
  EXPECT_EQ(list[2][6].reading, 300);
  // The very first sample has no neighbours and stays zero.
  RevolutionList first = Constant(2, 10, 300);
  first[0][0].reading = 0;
  ZeroPass(first);
  EXPECT_EQ(first[0][0].reading, 0);
}

TEST(JumpPasses, ForwardAndBackwardPassesReplaceChangesLargerThanTheJumpSize) {
  RevolutionList list = Constant(3, 20, 300);
  list[0][10].reading = 500;
  list[2][10].reading = 500;
  ForwardJumpPass(list, 30);
  EXPECT_EQ(list[0][10].reading, 500);
  EXPECT_EQ(list[2][10].reading, 300);
  // The replacement took part in the next comparison: nothing else changed.
  EXPECT_EQ(list[2][11].reading, 300);
  // Backward reaches the first revolution.
  list = Constant(3, 20, 300);
  list[0][10].reading = 500;
  BackwardJumpPass(list, 30);
  // Sample 9 differs from its successor first; the predictions from after restore both.
  EXPECT_EQ(list[0][9].reading, 300);
  EXPECT_EQ(list[0][10].reading, 300);
  // A change of exactly the jump size is no jump.
  list = Constant(3, 20, 300);
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

// Revolutions of the given lengths whose samples are numbered through the list, so that a test
// can tell that splits and joins keep every sample in order.
RevolutionList OfLengths(const std::vector<std::int32_t>& lengths) {
  RevolutionList list;
  std::uint32_t next = 0;
  for (const std::int32_t length : lengths) {
    std::vector<std::int32_t> readings(static_cast<std::size_t>(length));
    std::iota(readings.begin(), readings.end(), static_cast<std::int32_t>(next));
    list.push_back(testing::MakeRevolution(readings, next, next));
    next += static_cast<std::uint32_t>(length);
  }
  return list;
}

std::vector<std::int32_t> AllReadings(const RevolutionList& list) {
  std::vector<std::int32_t> readings;
  for (const auto& revolution : list) {
    for (const RawSample& sample : revolution) {
      readings.push_back(sample.reading);
    }
  }
  return readings;
}

std::vector<std::int32_t> Repeat(std::int32_t length, std::size_t count) {
  return std::vector<std::int32_t>(count, length);
}

std::vector<std::int32_t> With(std::vector<std::int32_t> lengths, std::size_t index, std::int32_t length) {
  lengths[index] = length;
  return lengths;
}

TEST(ReferenceLength, MeanOfTheLengthsWithinOneDeviation) {
  EXPECT_EQ(ReferenceLength(OfLengths(With(Repeat(100, 11), 5, 300))), 100);
  EXPECT_EQ(ReferenceLength(OfLengths({99, 100, 102})), 99);  // 102 lies outside 100.3 +- 1.5
  EXPECT_EQ(ReferenceLength(OfLengths({57})), 57);
  EXPECT_EQ(ReferenceLength({}), 0);
}

TEST(TypicalLength, IgnoresLengthsMoreThanThirtyAway) {
  const std::vector<std::int32_t> lengths{100, 101, 104, 131, 20, 0};
  EXPECT_EQ(TypicalLength(lengths, 100), 101);
  // Nothing near the reference: the reference itself.
  EXPECT_EQ(TypicalLength(std::vector<std::int32_t>{300, 310}, 100), 100);
}

TEST(MissingMarks, ExactlyOneAndAHalfTypicalLengthsIsNotSplit) {
  RevolutionList list = OfLengths(With(Repeat(100, 12), 4, 150));
  SplitMissingMarks(list, MarkRepairForm::kWall);
  EXPECT_EQ(Lengths(list), With(Repeat(100, 12), 4, 150));

  list = OfLengths(With(Repeat(100, 12), 4, 151));
  SplitMissingMarks(list, MarkRepairForm::kWall);
  std::vector<std::int32_t> expected = Repeat(100, 13);
  expected[5] = 51;
  EXPECT_EQ(Lengths(list), expected);
}

TEST(MissingMarks, ThreeTurnsInOneAreSplitInTwoPasses) {
  const RevolutionList original = OfLengths(With(Repeat(100, 12), 6, 300));
  RevolutionList list = original;
  SplitMissingMarks(list, MarkRepairForm::kWall);
  EXPECT_EQ(Lengths(list), Repeat(100, 14));
  EXPECT_EQ(AllReadings(list), AllReadings(original));
}

TEST(MissingMarks, TheOdFormCutsAlmostWholeTurnsEvenly) {
  // 295 samples are 2.95 turns of 100: the typical length becomes 295 / 3 = 98 for the rest of the
  // window, so the following 148 (not above 150) is split as well (above 147).
  std::vector<std::int32_t> lengths = Repeat(100, 12);
  lengths[0] = 295;
  lengths[1] = 148;
  RevolutionList list = OfLengths(lengths);
  SplitMissingMarks(list, MarkRepairForm::kOd);
  EXPECT_THAT(Lengths(list),
              ElementsAreArray({98, 98, 99, 98, 50, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100}));

  // The wall form keeps to the typical length.
  list = OfLengths(lengths);
  SplitMissingMarks(list, MarkRepairForm::kWall);
  EXPECT_THAT(Lengths(list),
              ElementsAreArray({100, 100, 95, 148, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100}));
}

TEST(MissingMarks, ShortListsAndAZeroTypicalLengthPassUnchanged) {
  RevolutionList list = OfLengths({100, 400, 100});
  SplitMissingMarks(list, MarkRepairForm::kWall);
  EXPECT_EQ(Lengths(list), (std::vector<std::int32_t>{100, 400, 100}));

  // Empty revolutions make the reference 0 and nothing lies near it: no length to split at.
  std::vector<std::int32_t> lengths = Repeat(0, 12);
  lengths[3] = 100;
  list = OfLengths(lengths);
  SplitMissingMarks(list, MarkRepairForm::kWall);
  EXPECT_EQ(Lengths(list), lengths);
}

TEST(MissingMarks, SplittingStopsAtTheRevolutionLimit) {
  // 90 revolutions of 60 turns among 700 normal ones would make 6100 revolutions.
  std::vector<std::int32_t> lengths = Repeat(100, 790);
  for (std::size_t i = 0; i < 90; ++i) {
    lengths[5 + 8 * i] = 6000;
  }
  RevolutionList list = OfLengths(lengths);
  SplitMissingMarks(list, MarkRepairForm::kWall);
  EXPECT_EQ(list.size(), kMaxRevolutions);
  EXPECT_EQ(Lengths(list), Repeat(100, kMaxRevolutions));
}

TEST(FalseMarks, AShortRevolutionJoinsItsShorterNeighbour) {
  // Before it 90, after it 100: joined to the one before.
  std::vector<std::int32_t> lengths = Repeat(100, 14);
  lengths[4] = 90;
  lengths[5] = 10;
  RevolutionList list = OfLengths(lengths);
  const std::vector<std::int32_t> readings = AllReadings(list);
  JoinFalseMarks(list);
  std::vector<std::int32_t> expected = Repeat(100, 12);
  expected[4] = 100;  // 90 + 10
  EXPECT_EQ(Lengths(list), expected);
  // Only the last revolution is gone.
  EXPECT_EQ(AllReadings(list), std::vector<std::int32_t>(readings.begin(), readings.end() - 100));
}

TEST(FalseMarks, OnATieTheFollowingRevolutionIsJoined) {
  RevolutionList list = OfLengths(With(Repeat(100, 14), 5, 10));
  JoinFalseMarks(list);
  std::vector<std::int32_t> expected = Repeat(100, 12);
  expected[5] = 110;
  EXPECT_EQ(Lengths(list), expected);
}

TEST(FalseMarks, AShortFirstRevolutionIsSeenWithItsPredecessorTheLastIsDroppedShortListsPass) {
  // The second window starts at the short revolution 12, which then joins revolution 11 or 13.
  std::vector<std::int32_t> lengths = Repeat(100, 30);
  lengths[11] = 95;
  lengths[12] = 20;
  RevolutionList list = OfLengths(lengths);
  JoinFalseMarks(list);
  EXPECT_EQ(list.size(), 28U);
  EXPECT_EQ(Lengths(list)[11], 115);
  // The last revolution is dropped unless joined.
  list = OfLengths(Repeat(100, 24));
  JoinFalseMarks(list);
  EXPECT_EQ(list.size(), 23U);

  // A short next-to-last revolution joins the last one, which is then kept inside the join.
  list = OfLengths(With(Repeat(100, 24), 22, 10));
  JoinFalseMarks(list);
  EXPECT_EQ(list.size(), 23U);
  EXPECT_EQ(Lengths(list).back(), 110);

  // A join elsewhere in the final window sends it round again; that costs no further revolution.
  list = OfLengths(With(Repeat(100, 24), 15, 10));
  JoinFalseMarks(list);
  EXPECT_EQ(list.size(), 22U);
  EXPECT_EQ(testing::SampleCount(list), 24U * 100U - 90U - 100U);

  // A short last revolution is never looked at: it is dropped like any other last one.
  list = OfLengths(With(Repeat(100, 24), 23, 10));
  JoinFalseMarks(list);
  EXPECT_EQ(Lengths(list), Repeat(100, 23));
  // Lists of fewer than twelve revolutions pass unchanged.
  list = OfLengths({100, 10, 100, 100});
  JoinFalseMarks(list);
  EXPECT_EQ(Lengths(list), (std::vector<std::int32_t>{100, 10, 100, 100}));
}

TEST(FalseMarks, WindowsThatGoRoundWithoutAJoinEnd) {
  // The first window sees only one-sample turns (nothing is short); the last window, filled up
  // from the finished list, sees the long one and steps back to the first window again. Found by
  // fuzzing: this went round for ever.
  RevolutionList list = OfLengths(With(Repeat(1, 13), 11, 31));
  JoinFalseMarks(list);
  EXPECT_EQ(Lengths(list), With(Repeat(1, 12), 11, 31));
}

TEST(FalseMarks, JoinsThatLeaveTooFewToFillAWindowEnd) {
  // Twelve revolutions, two of them false pieces: after joining (and dropping the last) only nine
  // remain, too few for another window.
  std::vector<std::int32_t> lengths = Repeat(100, 12);
  lengths[3] = 10;
  lengths[7] = 10;
  RevolutionList list = OfLengths(lengths);
  JoinFalseMarks(list);
  EXPECT_EQ(list.size(), 9U);
  EXPECT_EQ(testing::SampleCount(list), 1020U - 100U);
}

class EncoderCounts : public ::testing::Test {
 protected:
  std::string fileText() const {
    std::ifstream in(log);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  bool writtenInTheWorkingDirectory() const { return std::filesystem::exists(dir.file(kEncoderCountFile)); }

  testing::TempDir dir;
  std::string log = dir.file("counts.tab");
  testing::ScopedWorkingDirectory cwd{dir.path()};
};

TEST_F(EncoderCounts, EveryWallCorrectionAppendsABlockInTheDefaultFormatWhereAsked) {
  RevolutionList list = {testing::MakeRevolution({300, 300}, 5000),
                         testing::MakeRevolution({300, 300}, 1234567)};
  RevolutionList again = list;
  RevolutionList unlogged = list;
  CorrectWallChannel(list, {JumpFilter::kReplace, 30}, log);
  CorrectWallChannel(again, {JumpFilter::kReplace, 30}, log);
  CorrectWallChannel(unlogged, {JumpFilter::kReplace, 30}, "");
  EXPECT_EQ(fileText(), "5000\n1.23457e+06\n5000\n1.23457e+06\n");
  EXPECT_EQ(unlogged, list);
  // An OD correction writes none.
  RevolutionList od = {testing::MakeRevolution({3, -4}, 5000)};
  CorrectOdChannel(od, {JumpFilter::kReplace, 30});
  EXPECT_FALSE(writtenInTheWorkingDirectory());
}

TEST_F(EncoderCounts, AFileThatCannotBeOpenedIsSkipped) {
  std::filesystem::create_directory(log);
  RevolutionList list = testing::MakeRevolutions({});
  const RevolutionList before = list;
  CorrectWallChannel(list, {JumpFilter::kReplace, 30}, log);
  EXPECT_EQ(list.size(), before.size() - 1);  // the correction itself went on
}

TEST(OdCorrection, AJumpSizeOfZeroRunsNoJumpPass) {
  testing::RevolutionShape shape;
  shape.revolutions = 3;
  shape.samplesPerRev = 50;
  shape.reading = [](std::size_t, std::size_t) { return -20; };
  RevolutionList list = testing::MakeRevolutions(shape);
  list[1][10].reading = 400;
  RevolutionList filtered = list;
  CorrectOdChannel(list, {JumpFilter::kReplace, 0});
  EXPECT_EQ(list[1][10].reading, 400);
  CorrectOdChannel(filtered, {JumpFilter::kReplace, 25});
  EXPECT_EQ(filtered[1][10].reading, -20);
}

}  // namespace
}  // namespace ductora
