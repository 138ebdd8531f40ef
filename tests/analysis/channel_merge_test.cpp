#include "analysis/channel_merge.h"

#include <gtest/gtest.h>

#include "analysis/revolution_starts.h"
#include "support/revolution_builders.h"

namespace ductora {
namespace {

using testing::MakeRevolutions;
using testing::RevolutionShape;

// Revolutions of 10 samples, one inch apart (195 counts), readings telling the channel (primary
// 1000 + revolution, secondary 2000 + revolution).
RevolutionList Channel(std::size_t revolutions, std::int32_t base, std::uint32_t axialStart,
                       std::uint32_t rotationStart) {
  RevolutionShape shape;
  shape.revolutions = revolutions;
  shape.samplesPerRev = 10;
  shape.pitchInches = 1.0;
  shape.axialStart = axialStart;
  shape.rotationStep = 1;
  shape.reading = [base](std::size_t r, std::size_t) { return base + static_cast<std::int32_t>(r); };
  RevolutionList list = MakeRevolutions(shape);
  for (RevolutionSamples& revolution : list) {
    for (RawSample& sample : revolution) {
      sample.rotationCount += rotationStart;
    }
  }
  return list;
}

TEST(MergeChannels, LeftPutsTheSecondaryInFrontOfThePrimary) {
  const RevolutionList a = Channel(20, 1000, 50000, 7000);
  const RevolutionList b = Channel(30, 2000, 100, 300);
  const auto merged = MergeChannels(a, b, AppendDirection::kLeft);
  ASSERT_TRUE(merged);
  // B[k] is the first revolution ending 13.5 inches past B's start: k = 13.
  const std::size_t k = 13;
  ASSERT_EQ(merged->size(), a.size() + k + 1);
  EXPECT_EQ(merged->at(k + 5), b[k + 5]);              // the first k + 6 of B as they are
  EXPECT_EQ(merged->at(k + 6).front().reading, 1005);  // then A from its sixth revolution
  // A's counts continue from the end of B[k].
  const RawSample& moved = merged->at(k + 6).front();
  EXPECT_EQ(moved.axialCount, b[k].back().axialCount + (a[5].front().axialCount - a[0].front().axialCount));
  EXPECT_EQ(moved.rotationCount,
            b[k].back().rotationCount + (a[5].front().rotationCount - a[0].front().rotationCount));
  EXPECT_EQ(a, Channel(20, 1000, 50000, 7000));  // the sources are not changed
}

TEST(MergeChannels, RightAppendsTheSecondaryFromFiveBeforeItsLastOverlap) {
  const RevolutionList a = Channel(20, 1000, 100, 300);
  const RevolutionList b = Channel(30, 2000, 90000, 5);
  const auto merged = MergeChannels(a, b, AppendDirection::kRight);
  ASSERT_TRUE(merged);
  // Going down, B[15] is the first revolution ending 13.5 inches before B's end: s = 16.
  const std::size_t s = 16;
  ASSERT_EQ(merged->size(), a.size() + b.size() - s);
  EXPECT_EQ(merged->at(a.size() - 6), a[a.size() - 6]);  // A without its last 5
  EXPECT_EQ(merged->at(a.size() - 5).front().reading, 2000 + static_cast<std::int32_t>(s - 5));
  // Counts continue from A's end; those before B[s] wrap below it, as unsigned counts do.
  const RawSample& atS = merged->at(a.size()).front();
  EXPECT_EQ(atS.axialCount, a.back().back().axialCount);
  const RawSample& before = merged->at(a.size() - 5).front();
  EXPECT_EQ(before.axialCount,
            a.back().back().axialCount - (b[s].front().axialCount - b[s - 5].front().axialCount));
}

TEST(MergeChannels, ChannelsTooShortForTheOverlapAreRefused) {
  const RevolutionList a = Channel(20, 1000, 100, 0);
  // 13.5 inches need 14 revolutions of B plus 5 more for Left.
  EXPECT_FALSE(MergeChannels(a, Channel(18, 2000, 0, 0), AppendDirection::kLeft));
  EXPECT_TRUE(MergeChannels(a, Channel(19, 2000, 0, 0), AppendDirection::kLeft));
  EXPECT_FALSE(MergeChannels(a, Channel(18, 2000, 0, 0), AppendDirection::kRight));
  EXPECT_TRUE(MergeChannels(a, Channel(19, 2000, 0, 0), AppendDirection::kRight));
  // A needs more than the 5 revolutions either direction drops.
  EXPECT_FALSE(MergeChannels(Channel(5, 1000, 0, 0), Channel(40, 2000, 0, 0), AppendDirection::kLeft));
  EXPECT_FALSE(MergeChannels(Channel(5, 1000, 0, 0), Channel(40, 2000, 0, 0), AppendDirection::kRight));
  EXPECT_FALSE(MergeChannels(a, {}, AppendDirection::kRight));
}

TEST(MergeChannels, TheJoinedListHoldsAtMostTheRevolutionLimit) {
  const RevolutionList a = Channel(kMaxRevolutions, 1000, 0, 0);
  const RevolutionList b = Channel(500, 2000, 0, 0);
  EXPECT_EQ(MergeChannels(a, b, AppendDirection::kRight)->size(), kMaxRevolutions);
  EXPECT_EQ(MergeChannels(a, b, AppendDirection::kLeft)->size(), kMaxRevolutions);
}

TEST(RevolutionStarts, AnglesFromTheStartCountsOfTheRevolutions) {
  RevolutionStartTable starts{};
  EXPECT_EQ(AngleOfRotationCount(starts, 12345), 0);  // empty table
  RecordRevolutionStarts(Channel(3, 0, 0, 1000), starts);
  ASSERT_EQ(starts[1], 1010U);
  EXPECT_EQ(AngleOfRotationCount(starts, 1000), 0);
  EXPECT_EQ(AngleOfRotationCount(starts, 1005), 180);
  EXPECT_EQ(AngleOfRotationCount(starts, 1019), 324);
  EXPECT_EQ(AngleOfRotationCount(starts, 1020), 0);  // no entry above: past the last start
  EXPECT_EQ(AngleOfRotationCount(starts, 999), 0);   // before the first revolution
  // A shorter build leaves nothing of a longer one.
  RecordRevolutionStarts(Channel(10, 0, 0, 1000), starts);
  RecordRevolutionStarts(Channel(2, 0, 0, 0), starts);
  EXPECT_EQ(starts[2], 0U);
  EXPECT_EQ(AngleOfRotationCount(starts, 15), 0);
}

}  // namespace
}  // namespace ductora
