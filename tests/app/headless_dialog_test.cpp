#include "platform/headless/headless_dialog.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace ductora::platform::headless {
namespace {

using resources::ControlKind;

constexpr int kSlider = 1146;
constexpr int kList = 1184;
constexpr int kEdit = 1100;
constexpr int kUpright = 1130;

constexpr auto kControls = std::to_array<resources::ControlEntry>({
    {ControlKind::kSlider, kSlider, "", 0},
    {ControlKind::kListBox, kList, "", 1},
    {ControlKind::kEdit, kEdit, "", 2},
    {ControlKind::kVerticalSlider, kUpright, "", 2},
    {ControlKind::kDefaultButton, resources::kIdOk, "OK", 3},
});
constexpr resources::DialogTable kTestDialog{900, "Sliders and lists", false, kControls};

// What the procedure saw: each message with the slider position and the selected line of that
// moment.
struct Seen {
  DialogEvent::Kind kind;
  int id;
  int position;
  std::string selection;
};

class HeadlessDialogTest : public ::testing::Test {
 protected:
  HeadlessDialog dialog{
      kTestDialog,
      [this](Dialog& self, const DialogEvent& event) {
        seen.push_back({event.kind, event.id, self.sliderPosition(kSlider), self.selectedListText(kList)});
      },
      nullptr};
  std::vector<Seen> seen;

  void fillList(const std::vector<std::string>& lines) {
    dialog.clearList(kList);
    for (const std::string& line : lines) dialog.addListLine(kList, line);
  }
};

TEST_F(HeadlessDialogTest, TheSliderPositionStaysInsideTheRangeWithoutNotifying) {
  ASSERT_NE(dialog.slider(kUpright), nullptr);  // upright or not, a slider is a slider
  const SliderState* state = dialog.slider(kSlider);
  ASSERT_NE(state, nullptr);
  EXPECT_EQ(state->minimum, 0);
  EXPECT_EQ(state->maximum, 100);

  dialog.setSliderRange(kSlider, -1000, 1000);
  dialog.setSliderPosition(kSlider, 1500);
  EXPECT_EQ(dialog.sliderPosition(kSlider), 1000);
  dialog.setSliderPosition(kSlider, -1001);
  EXPECT_EQ(dialog.sliderPosition(kSlider), -1000);

  // Narrowing the range pulls the position in from either side.
  dialog.setSliderRange(kSlider, -200, 200);
  EXPECT_EQ(dialog.sliderPosition(kSlider), -200);
  dialog.setSliderPosition(kSlider, 150);
  dialog.setSliderRange(kSlider, 0, 37);
  EXPECT_EQ(dialog.sliderPosition(kSlider), 37);
  dialog.setSliderPosition(kSlider, 18);
  dialog.setSliderRange(kSlider, 0, 37);
  EXPECT_EQ(dialog.sliderPosition(kSlider), 18);  // inside already: kept

  // A maximum below the minimum leaves one position, the minimum.
  dialog.setSliderRange(kSlider, 50, 30);
  EXPECT_EQ(state->maximum, 50);
  EXPECT_EQ(dialog.sliderPosition(kSlider), 50);

  dialog.setSliderTickFrequency(kSlider, 1);
  dialog.setSliderPageSize(kSlider, 1);
  EXPECT_EQ(state->tickFrequency, 1);
  EXPECT_EQ(state->pageSize, 1);
  EXPECT_TRUE(seen.empty());
}

TEST_F(HeadlessDialogTest, DraggingMovesThenReleasesAtTheClampedPosition) {
  dialog.setSliderRange(kSlider, 0, 37);
  dialog.dragSlider(kSlider, 20);
  dialog.dragSlider(kSlider, 99);
  ASSERT_EQ(seen.size(), 4U);
  EXPECT_EQ(seen[0].kind, DialogEvent::Kind::kSliderMoved);
  EXPECT_EQ(seen[0].id, kSlider);
  EXPECT_EQ(seen[0].position, 20);
  EXPECT_EQ(seen[1].kind, DialogEvent::Kind::kSliderReleased);
  EXPECT_EQ(seen[1].id, kSlider);
  EXPECT_EQ(seen[2].position, 37);
  EXPECT_EQ(seen[3].position, 37);
}

TEST_F(HeadlessDialogTest, ListLinesAreKeptInOrderAndClearingDropsTheSelection) {
  fillList({"first", "second", "third"});
  EXPECT_EQ(dialog.listLineCount(kList), 3);
  EXPECT_EQ(dialog.selectedListIndex(kList), -1);
  EXPECT_EQ(dialog.selectedListText(kList), "");

  dialog.selectListLine(kList, 1);
  dialog.addListLine(kList, "fourth");  // appended; the selection stays on its line
  EXPECT_EQ(dialog.listLines(kList), (std::vector<std::string>{"first", "second", "third", "fourth"}));
  EXPECT_EQ(dialog.selectedListIndex(kList), 1);
  EXPECT_EQ(dialog.selectedListText(kList), "second");

  dialog.clearList(kList);
  EXPECT_EQ(dialog.listLineCount(kList), 0);
  EXPECT_EQ(dialog.selectedListIndex(kList), -1);
  EXPECT_EQ(dialog.selectedListText(kList), "");
  // A refill does not bring the old selection back.
  fillList({"a", "b"});
  EXPECT_EQ(dialog.selectedListIndex(kList), -1);
}

TEST_F(HeadlessDialogTest, SelectingALineThatDoesNotExistChangesNothing) {
  fillList({"a", "b", "c"});
  dialog.selectListLine(kList, 2);
  for (int index : {3, 14, -2, -100}) {
    dialog.selectListLine(kList, index);
    EXPECT_EQ(dialog.selectedListIndex(kList), 2) << index;
  }
  EXPECT_EQ(dialog.listLine(kList, 3), "");
  EXPECT_EQ(dialog.listLine(kList, -1), "");
  dialog.selectListLine(kList, -1);
  EXPECT_EQ(dialog.selectedListIndex(kList), -1);
}

TEST_F(HeadlessDialogTest, ADoubleClickSelectsTheLineBeforeTheProcedureHearsOfIt) {
  fillList({"   1  Pit  1,  12.5, 300", "   2  Gouge  2,  40.0, 90", "   3  Dent  3,  77.1, 180"});
  dialog.selectListLine(kList, 0);
  dialog.doubleClickListLine(kList, 2);
  ASSERT_EQ(seen.size(), 1U);
  EXPECT_EQ(seen[0].kind, DialogEvent::Kind::kListDoubleClick);
  EXPECT_EQ(seen[0].id, kList);
  EXPECT_EQ(seen[0].selection, "   3  Dent  3,  77.1, 180");

  // Beside the lines there is nothing to double-click.
  dialog.doubleClickListLine(kList, 3);
  dialog.doubleClickListLine(kList, -1);
  dialog.clearList(kList);
  dialog.doubleClickListLine(kList, 0);
  EXPECT_EQ(seen.size(), 1U);
}

TEST_F(HeadlessDialogTest, IdsOfOtherControlsOrNoneAreHarmless) {
  fillList({"kept"});
  dialog.selectListLine(kList, 0);
  dialog.setSliderPosition(kSlider, 40);
  for (int id : {kList, kEdit, resources::kIdOk, 4242, resources::kNoControlId}) {
    SCOPED_TRACE(id);
    dialog.setSliderRange(id, 5, 10);
    dialog.setSliderPosition(id, 7);
    dialog.setSliderTickFrequency(id, 3);
    dialog.setSliderPageSize(id, 3);
    dialog.dragSlider(id, 7);
    EXPECT_EQ(dialog.sliderPosition(id), 0);
    EXPECT_EQ(dialog.slider(id), nullptr);
  }
  for (int id : {kSlider, kEdit, 4242, resources::kNoControlId}) {
    SCOPED_TRACE(id);
    dialog.addListLine(id, "stray");
    dialog.selectListLine(id, 0);
    dialog.clearList(id);
    dialog.doubleClickListLine(id, 0);
    EXPECT_EQ(dialog.listLineCount(id), 0);
    EXPECT_EQ(dialog.selectedListIndex(id), -1);
    EXPECT_EQ(dialog.selectedListText(id), "");
    EXPECT_TRUE(dialog.listLines(id).empty());
  }
  // The real controls are untouched and nobody was told anything.
  EXPECT_EQ(dialog.sliderPosition(kSlider), 40);
  EXPECT_EQ(dialog.listLines(kList), std::vector<std::string>{"kept"});
  EXPECT_EQ(dialog.selectedListText(kList), "kept");
  EXPECT_TRUE(seen.empty());
}

}  // namespace
}  // namespace ductora::platform::headless
