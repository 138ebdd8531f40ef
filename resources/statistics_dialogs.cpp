#include "statistics_dialogs.h"

#include <algorithm>

namespace ductora::resources {
namespace {

using K = ControlKind;

// One layout from parts shared by both layouts of a window.
template <std::size_t... N>
constexpr std::array<ControlEntry, (N + ...)> Join(const std::array<ControlEntry, N>&... parts) {
  std::array<ControlEntry, (N + ...)> joined{};
  std::size_t at = 0;
  ((std::copy(parts.begin(), parts.end(), joined.begin() + static_cast<std::ptrdiff_t>(at)), at += N), ...);
  return joined;
}

// Group numbers of the Statistics window.
enum : int { kPositionBox = 1, kWallBox, kOdBox, kIdBox, kGrayBox, kScaleBox };

constexpr auto kPositionRows = std::to_array<ControlEntry>({
    {K::kGroupBox, kNoControlId, "Current / Overlay", 0, kPositionBox},
    {K::kLabel, kNoControlId, "X:", 0, kPositionBox},
    {K::kReadOnlyEdit, kStatX, "", 0, kPositionBox},
    {K::kReadOnlyEdit, kStatOverlayX, "", 0, kPositionBox},
    {K::kLabel, kNoControlId, "Y:", 1, kPositionBox},
    {K::kReadOnlyEdit, kStatY, "", 1, kPositionBox},
    {K::kReadOnlyEdit, kStatOverlayY, "", 1, kPositionBox},
});

constexpr auto kWallRows = std::to_array<ControlEntry>({
    {K::kGroupBox, kNoControlId, "Wall", 1, kWallBox},
    {K::kLabel, kNoControlId, "Current:", 0, kWallBox},
    {K::kReadOnlyEdit, kStatWall, "", 0, kWallBox},
    {K::kReadOnlyEdit, kStatOverlayWall, "", 0, kWallBox},
    {K::kLabel, kNoControlId, "CSA % Ave:", 1, kWallBox},
    {K::kReadOnlyEdit, kStatCsa, "", 1, kWallBox},
    {K::kReadOnlyEdit, kStatOverlayCsa, "", 1, kWallBox},
    {K::kLabel, kNoControlId, "Eccentricity:", 2, kWallBox},
    {K::kReadOnlyEdit, kStatEccentricity, "", 2, kWallBox},
    {K::kReadOnlyEdit, kStatOverlayEccentricity, "", 2, kWallBox},
    {K::kLabel, kNoControlId, "Min:", 3, kWallBox},
    {K::kReadOnlyEdit, kStatMinWall, "", 3, kWallBox},
    {K::kLabel, kNoControlId, "Max:", 3, kWallBox},
    {K::kReadOnlyEdit, kStatMaxWall, "", 3, kWallBox},
    {K::kLabel, kNoControlId, "Avg", 3, kWallBox},
    {K::kReadOnlyEdit, kStatAvgWall, "", 3, kWallBox},
});

constexpr auto kOdAndIdRows = std::to_array<ControlEntry>({
    {K::kGroupBox, kNoControlId, "OD", 2, kOdBox},
    {K::kLabel, kNoControlId, "Current:", 0, kOdBox},
    {K::kReadOnlyEdit, kStatOd, "", 0, kOdBox},
    {K::kReadOnlyEdit, kStatOverlayOd, "", 0, kOdBox},
    {K::kLabel, kNoControlId, "Ovality:", 1, kOdBox},
    {K::kReadOnlyEdit, kStatOvality, "", 1, kOdBox},
    {K::kReadOnlyEdit, kStatOverlayOvality, "", 1, kOdBox},
    {K::kLabel, kNoControlId, "Min:", 2, kOdBox},
    {K::kReadOnlyEdit, kStatMinOd, "", 2, kOdBox},
    {K::kLabel, kNoControlId, "Max:", 2, kOdBox},
    {K::kReadOnlyEdit, kStatMaxOd, "", 2, kOdBox},
    {K::kLabel, kNoControlId, "Avg", 2, kOdBox},
    {K::kReadOnlyEdit, kStatAvgOd, "", 2, kOdBox},
    {K::kLabel, kNoControlId, "OS:", 3, kOdBox},
    {K::kReadOnlyEdit, kStatStraightness, "", 3, kOdBox},
    {K::kGroupBox, kNoControlId, "ID", 3, kIdBox},
    {K::kLabel, kNoControlId, "Current:", 0, kIdBox},
    {K::kReadOnlyEdit, kStatId, "", 0, kIdBox},
    {K::kLabel, kNoControlId, "Min:", 1, kIdBox},
    {K::kReadOnlyEdit, kStatMinId, "", 1, kIdBox},
    {K::kLabel, kNoControlId, "Max:", 1, kIdBox},
    {K::kReadOnlyEdit, kStatMaxId, "", 1, kIdBox},
    {K::kLabel, kNoControlId, "Avg", 1, kIdBox},
    {K::kReadOnlyEdit, kStatAvgId, "", 1, kIdBox},
});

constexpr auto kWallSliderRows = std::to_array<ControlEntry>({
    {K::kGroupBox, kNoControlId, "Gray Scale", 4, kGrayBox},
    {K::kLabel, kNoControlId, "Upper Wall", 0, kGrayBox},
    {K::kSlider, kStatUpperWall, "", 0, kGrayBox},
    {K::kReadOnlyEdit, kStatUpperWallReadout, "", 0, kGrayBox},
    {K::kLabel, kNoControlId, "Lower Wall", 1, kGrayBox},
    {K::kSlider, kStatLowerWall, "", 1, kGrayBox},
    {K::kReadOnlyEdit, kStatLowerWallReadout, "", 1, kGrayBox},
});

constexpr auto kOdSliderRows = std::to_array<ControlEntry>({
    {K::kLabel, kNoControlId, "Upper Offset", 2, kGrayBox},
    {K::kSlider, kStatUpperOffset, "", 2, kGrayBox},
    {K::kReadOnlyEdit, kStatUpperOffsetReadout, "", 2, kGrayBox},
    {K::kLabel, kNoControlId, "Lower Offset", 3, kGrayBox},
    {K::kSlider, kStatLowerOffset, "", 3, kGrayBox},
    {K::kReadOnlyEdit, kStatLowerOffsetReadout, "", 3, kGrayBox},
    {K::kGroupBox, kNoControlId, "3D Scale", 4, kScaleBox},
    {K::kVerticalSlider, kStatDisplayScale, "", 0, kScaleBox},
});

constexpr auto kStatisticsControls =
    Join(kPositionRows, kWallRows, kOdAndIdRows, kWallSliderRows, kOdSliderRows);
constexpr auto kStatisticsWallOnlyControls = Join(kPositionRows, kWallRows, kWallSliderRows);

// Dialog rows of the Pipe window: the two sliders, two measures a row, the buttons.
constexpr int kFirstGroupRow = 2;
constexpr int kNoReadingRow = kFirstGroupRow + 4;
constexpr int kButtonRow = kNoReadingRow + 1;

constexpr std::size_t kGroupEntries = 11;

constexpr std::array<ControlEntry, kGroupEntries> GroupRows(std::size_t index) {
  const PipeWindowGroup& g = kPipeWindowGroups[index];
  const int box = static_cast<int>(index) + 1;
  const int row = kFirstGroupRow + static_cast<int>(index) / 2;
  return {{{K::kGroupBox, kNoControlId, g.title, row, box},
           {K::kLabel, kNoControlId, "Min:", 0, box},
           {K::kReadOnlyEdit, g.minValue, "", 0, box},
           {K::kButton, g.minButton, "Min", 0, box},
           {K::kReadOnlyEdit, g.minPosition, "", 0, box},
           {K::kLabel, kNoControlId, "Max:", 1, box},
           {K::kReadOnlyEdit, g.maxValue, "", 1, box},
           {K::kButton, g.maxButton, "Max", 1, box},
           {K::kReadOnlyEdit, g.maxPosition, "", 1, box},
           {K::kLabel, kNoControlId, "Average:", 2, box},
           {K::kReadOnlyEdit, g.average, "", 2, box}}};
}

constexpr auto kRangeRows = std::to_array<ControlEntry>({
    {K::kLabel, kNoControlId, "Left", 0},
    {K::kSlider, kPipeLeft, "", 0},
    {K::kReadOnlyEdit, kPipeLeftReadout, "", 0},
    {K::kLabel, kNoControlId, "Right", 1},
    {K::kSlider, kPipeRight, "", 1},
    {K::kReadOnlyEdit, kPipeRightReadout, "", 1},
});

constexpr auto kPipeButtonRows = std::to_array<ControlEntry>({
    {K::kLabel, kNoControlId, "No reading:", kNoReadingRow},
    {K::kReadOnlyEdit, kPipeNoReading, "", kNoReadingRow},
    {K::kLabel, kNoControlId, "Class:", kNoReadingRow},
    {K::kReadOnlyEdit, kPipeClass, "", kNoReadingRow},
    {K::kDefaultButton, kIdOk, "OK", kButtonRow},
    {K::kButton, kIdCancel, "Cancel", kButtonRow},
    {K::kButton, kIdHelp, "Help", kButtonRow},
});

constexpr auto kPipeWindowControls =
    Join(kRangeRows, GroupRows(0), GroupRows(1), GroupRows(2), GroupRows(3), GroupRows(4), GroupRows(5),
         GroupRows(6), GroupRows(7), kPipeButtonRows);
constexpr auto kPipeWindowWallOnlyControls =
    Join(kRangeRows, GroupRows(0), GroupRows(1), GroupRows(2), GroupRows(3), kPipeButtonRows);

constexpr auto kStatisticsDialogs = std::to_array<DialogTable>({
    {kDialogStatistics, "Statistics", false, kStatisticsControls},
    {kDialogStatisticsWallOnly, "Statistics", false, kStatisticsWallOnlyControls},
    {kDialogPipeWindow, "Pipe", false, kPipeWindowControls},
    {kDialogPipeWindowWallOnly, "Pipe", false, kPipeWindowWallOnlyControls},
});

}  // namespace

std::span<const DialogTable> StatisticsDialogs() { return kStatisticsDialogs; }

}  // namespace ductora::resources
