#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "resources/dialog_table.h"

// What every platform's dialogs must do with sliders and lists, run against each implementation.
// A Driver type builds the dialog and acts as the user:
//   Driver(const resources::DialogTable&, platform::DialogProc)
//   platform::Dialog& dialog()
//   void drag(int id, int position)      the thumb moved there, then the button let go
//   void doubleClick(int id, int line)   a double-click on that line, or beside the lines
//   int tickFrequency(int id), int pageSize(int id)

namespace ductora::testing {

constexpr int kContractSlider = 1146;
constexpr int kContractUprightSlider = 1130;
constexpr int kContractList = 1184;
constexpr int kContractEdit = 1100;
constexpr int kNoSuchControl = 4242;

inline constexpr auto kContractControls = std::to_array<resources::ControlEntry>({
    {resources::ControlKind::kSlider, kContractSlider, "", 0},
    {resources::ControlKind::kListBox, kContractList, "", 1},
    {resources::ControlKind::kEdit, kContractEdit, "", 2},
    {resources::ControlKind::kVerticalSlider, kContractUprightSlider, "", 2},
    {resources::ControlKind::kDefaultButton, resources::kIdOk, "OK", 3},
});
inline constexpr resources::DialogTable kContractDialog{900, "Sliders and lists", false, kContractControls};

template <typename Driver>
class DialogContract : public ::testing::Test {
 protected:
  // A message as the procedure saw it, with the slider position and the selected line of that moment.
  struct Heard {
    platform::DialogEvent::Kind kind;
    int id;
    int position;
    std::string selection;
  };

  void fill(const std::vector<std::string>& lines) {
    dialog().clearList(kContractList);
    for (const std::string& line : lines) dialog().addListLine(kContractList, line);
  }
  platform::Dialog& dialog() { return driver.dialog(); }

  std::vector<Heard> heard;
  Driver driver{kContractDialog, [this](platform::Dialog& self, const platform::DialogEvent& event) {
                  if (event.kind == platform::DialogEvent::Kind::kPaint) return;
                  heard.push_back({event.kind, event.id, self.sliderPosition(kContractSlider),
                                   self.selectedListText(kContractList)});
                }};
};

TYPED_TEST_SUITE_P(DialogContract);

TYPED_TEST_P(DialogContract, SliderPositionsStayInTheRangeAndNotifyNobody) {
  platform::Dialog& dialog = this->dialog();
  // A fresh slider is a trackbar's 0 to 100; upright or not, a slider is a slider.
  for (const int id : {kContractSlider, kContractUprightSlider}) {
    dialog.setSliderPosition(id, 150);
    EXPECT_EQ(dialog.sliderPosition(id), 100) << id;
  }
  dialog.setSliderRange(kContractSlider, -1000, 1000);
  dialog.setSliderPosition(kContractSlider, 1500);
  EXPECT_EQ(dialog.sliderPosition(kContractSlider), 1000);
  dialog.setSliderPosition(kContractSlider, -1001);
  EXPECT_EQ(dialog.sliderPosition(kContractSlider), -1000);
  // Narrowing the range pulls the position in from either side; inside already, it is kept.
  dialog.setSliderRange(kContractSlider, -200, 200);
  EXPECT_EQ(dialog.sliderPosition(kContractSlider), -200);
  dialog.setSliderPosition(kContractSlider, 150);
  dialog.setSliderRange(kContractSlider, 0, 37);
  EXPECT_EQ(dialog.sliderPosition(kContractSlider), 37);
  dialog.setSliderPosition(kContractSlider, 18);
  dialog.setSliderRange(kContractSlider, 0, 37);
  EXPECT_EQ(dialog.sliderPosition(kContractSlider), 18);
  // A maximum below the minimum leaves one position, the minimum.
  dialog.setSliderRange(kContractSlider, 50, 30);
  EXPECT_EQ(dialog.sliderPosition(kContractSlider), 50);
  dialog.setSliderTickFrequency(kContractSlider, 5);
  dialog.setSliderPageSize(kContractSlider, 3);
  EXPECT_EQ(this->driver.tickFrequency(kContractSlider), 5);
  EXPECT_EQ(this->driver.pageSize(kContractSlider), 3);
  EXPECT_TRUE(this->heard.empty());
}

TYPED_TEST_P(DialogContract, TheUsersDragMovesThenReleasesAtTheClampedPosition) {
  this->dialog().setSliderRange(kContractSlider, 0, 37);
  this->driver.drag(kContractSlider, 20);
  this->driver.drag(kContractSlider, 99);
  using Kind = platform::DialogEvent::Kind;
  ASSERT_EQ(this->heard.size(), 4U);
  EXPECT_EQ(this->heard[0].kind, Kind::kSliderMoved);
  EXPECT_EQ(this->heard[0].id, kContractSlider);
  EXPECT_EQ(this->heard[0].position, 20);
  EXPECT_EQ(this->heard[1].kind, Kind::kSliderReleased);
  EXPECT_EQ(this->heard[1].id, kContractSlider);
  EXPECT_EQ(this->heard[2].kind, Kind::kSliderMoved);
  EXPECT_EQ(this->heard[2].position, 37);
  EXPECT_EQ(this->heard[3].kind, Kind::kSliderReleased);
}

TYPED_TEST_P(DialogContract, ListLinesKeepTheirOrderAndOnlyRealLinesAreSelected) {
  platform::Dialog& dialog = this->dialog();
  this->fill({"first", "second", "third"});
  EXPECT_EQ(dialog.listLineCount(kContractList), 3);
  EXPECT_EQ(dialog.selectedListIndex(kContractList), -1);
  EXPECT_EQ(dialog.selectedListText(kContractList), "");
  dialog.selectListLine(kContractList, 1);
  dialog.addListLine(kContractList, "fourth");  // appended; the selection stays on its line
  EXPECT_EQ(dialog.listLine(kContractList, 3), "fourth");
  EXPECT_EQ(dialog.selectedListText(kContractList), "second");
  for (const int line : {4, 14, -2}) {
    dialog.selectListLine(kContractList, line);
    EXPECT_EQ(dialog.selectedListIndex(kContractList), 1) << line;
  }
  EXPECT_EQ(dialog.listLine(kContractList, 4), "");
  EXPECT_EQ(dialog.listLine(kContractList, -1), "");
  dialog.selectListLine(kContractList, -1);
  EXPECT_EQ(dialog.selectedListIndex(kContractList), -1);
  // Clearing drops the selection, and a refill does not bring it back.
  dialog.selectListLine(kContractList, 2);
  this->fill({"a", "b"});
  EXPECT_EQ(dialog.listLineCount(kContractList), 2);
  EXPECT_EQ(dialog.selectedListIndex(kContractList), -1);
  EXPECT_TRUE(this->heard.empty());
}

TYPED_TEST_P(DialogContract, ADoubleClickSelectsTheLineBeforeTheProcedureHearsOfIt) {
  this->fill({"   1  Pit  1,  12.5, 300", "   2  Gouge  2,  40.0, 90", "   3  Dent  3,  77.1, 180"});
  this->dialog().selectListLine(kContractList, 0);
  this->driver.doubleClick(kContractList, 2);
  ASSERT_EQ(this->heard.size(), 1U);
  EXPECT_EQ(this->heard[0].kind, platform::DialogEvent::Kind::kListDoubleClick);
  EXPECT_EQ(this->heard[0].id, kContractList);
  EXPECT_EQ(this->heard[0].selection, "   3  Dent  3,  77.1, 180");
  // Beside the lines there is nothing to double-click.
  this->driver.doubleClick(kContractList, 3);
  this->fill({});
  this->driver.doubleClick(kContractList, 0);
  EXPECT_EQ(this->heard.size(), 1U);
}

TYPED_TEST_P(DialogContract, IdsOfOtherControlsOrNoneAreHarmless) {
  platform::Dialog& dialog = this->dialog();
  this->fill({"kept"});
  dialog.selectListLine(kContractList, 0);
  dialog.setSliderPosition(kContractSlider, 40);
  for (const int id :
       {kContractList, kContractEdit, resources::kIdOk, kNoSuchControl, resources::kNoControlId}) {
    dialog.setSliderRange(id, 5, 10);
    dialog.setSliderPosition(id, 7);
    dialog.setSliderTickFrequency(id, 3);
    dialog.setSliderPageSize(id, 3);
    EXPECT_EQ(dialog.sliderPosition(id), 0) << id;
  }
  for (const int id : {kContractSlider, kContractEdit, kNoSuchControl, resources::kNoControlId}) {
    dialog.addListLine(id, "stray");
    dialog.selectListLine(id, 0);
    dialog.clearList(id);
    EXPECT_EQ(dialog.listLineCount(id), 0) << id;
    EXPECT_EQ(dialog.selectedListIndex(id), -1) << id;
    EXPECT_EQ(dialog.selectedListText(id), "") << id;
  }
  // The real controls are untouched and nobody was told anything.
  EXPECT_EQ(dialog.sliderPosition(kContractSlider), 40);
  EXPECT_EQ(dialog.listLineCount(kContractList), 1);
  EXPECT_EQ(dialog.selectedListText(kContractList), "kept");
  EXPECT_TRUE(this->heard.empty());
}

REGISTER_TYPED_TEST_SUITE_P(DialogContract, SliderPositionsStayInTheRangeAndNotifyNobody,
                            TheUsersDragMovesThenReleasesAtTheClampedPosition,
                            ListLinesKeepTheirOrderAndOnlyRealLinesAreSelected,
                            ADoubleClickSelectsTheLineBeforeTheProcedureHearsOfIt,
                            IdsOfOtherControlsOrNoneAreHarmless);

}  // namespace ductora::testing
