#include "dialog_table.h"

#include <array>

#include "shell_dialogs.h"

namespace ductora::resources {
namespace {

using K = ControlKind;

constexpr auto kPleaseWaitControls = std::to_array<ControlEntry>({
    {K::kDefaultButton, kIdOk, "OK", 0},
});

constexpr auto kAboutControls = std::to_array<ControlEntry>({
    {K::kLabel, kNoControlId, "Ductora 7.0", 0},
    {K::kDefaultButton, kIdOk, "OK", 1},
});

constexpr auto kControlsControls = std::to_array<ControlEntry>({
    {K::kLabel, kNoControlId, "Rotate Pipe:", 0},
    {K::kLabel, kNoControlId,
     "Click and hold left mouse button over pipe and move mouse up/down/left/right. (3D view only)", 0},
    {K::kLabel, kNoControlId, "Spin Pipe:", 1},
    {K::kLabel, kNoControlId, "Click and hold the right mouse button over pipe and move mouse up/down.", 1},
    {K::kLabel, kNoControlId, "Zoom In/Out:", 2},
    {K::kLabel, kNoControlId,
     "Click and hold both the right and left mouse buttons over pipe and move mouse up/down.", 2},
    {K::kLabel, kNoControlId, "Move X:", 3},
    {K::kLabel, kNoControlId, "Left/right arrow keys.", 3},
    {K::kLabel, kNoControlId, "Move Y:", 4},
    {K::kLabel, kNoControlId, "Up/down arrow keys.", 4},
    {K::kLabel, kNoControlId, "Move * 10:", 5},
    {K::kLabel, kNoControlId, "Hold down the spacebar while you press up/down/left/right.", 5},
    {K::kDefaultButton, kIdOk, "OK", 6},
});

constexpr std::string_view kCurrentPipeNote =
    "The upper and lower wall scale values for the current pipe will remain as long as the pipe is in view.  "
    "Changes will be permanent if the file is saved.";

constexpr auto kGrayScaleControls = std::to_array<ControlEntry>({
    {K::kGroupBox, kNoControlId, "String", 0, 1},
    {K::kLabel, kNoControlId,
     "(COMING SOON) The upper and lower wall scale values for the string of pipe will temporarily override "
     "each "
     "pipes individual values.  Any changes made to these values will not be saved in any corvix files.",
     0, 1},
    {K::kLabel, kNoControlId, "Upper Wall:", 1, 1},
    {K::kReadOnlyEdit, kGrayStringUpperWall, "", 1, 1},
    {K::kLabel, kNoControlId, "Lower Wall:", 2, 1},
    {K::kReadOnlyEdit, kGrayStringLowerWall, "", 2, 1},
    {K::kGroupBox, kNoControlId, "Current Pipe Wall", 1, 2},
    {K::kLabel, kNoControlId, kCurrentPipeNote, 0, 2},
    {K::kLabel, kNoControlId, "Upper Wall:", 1, 2},
    {K::kEdit, kGrayUpperWall, "", 1, 2},
    {K::kLabel, kNoControlId, "Lower Wall:", 2, 2},
    {K::kEdit, kGrayLowerWall, "", 2, 2},
    {K::kGroupBox, kNoControlId, "Current Pipe OD", 2, 3},
    {K::kLabel, kNoControlId, kCurrentPipeNote, 0, 3},
    {K::kLabel, kNoControlId, "Upper Offset:", 1, 3},
    {K::kEdit, kGrayUpperOffset, "", 1, 3},
    {K::kLabel, kNoControlId, "Lower Offset:", 2, 3},
    {K::kEdit, kGrayLowerOffset, "", 2, 3},
    {K::kDefaultButton, kIdOk, "OK", 3},
    {K::kButton, kIdCancel, "Cancel", 3},
    {K::kButton, kIdHelp, "Help", 3},
});

constexpr auto kDialogs = std::to_array<DialogTable>({
    {kDialogAbout, "About Ductora", true, kAboutControls},
    {kDialogPleaseWait, "Please wait...", false, kPleaseWaitControls},
    {kDialogControls, "Controls", true, kControlsControls},
    {kDialogGrayScale, "Gray Scale", true, kGrayScaleControls},
});

}  // namespace

const DialogTable* FindDialog(int resourceId) {
  for (const DialogTable& table : kDialogs) {
    if (table.resourceId == resourceId) return &table;
  }
  for (const DialogTable& table : ShellDialogs()) {
    if (table.resourceId == resourceId) return &table;
  }
  return nullptr;
}

}  // namespace ductora::resources
