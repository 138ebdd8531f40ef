#include "dialog_table.h"

#include <array>

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

constexpr auto kDialogs = std::to_array<DialogTable>({
    {kDialogAbout, "About Ductora", true, kAboutControls},
    {kDialogPleaseWait, "Please wait...", false, kPleaseWaitControls},
    {kDialogControls, "Controls", true, kControlsControls},
});

}  // namespace

const DialogTable* FindDialog(int resourceId) {
  for (const DialogTable& table : kDialogs) {
    if (table.resourceId == resourceId) return &table;
  }
  return nullptr;
}

}  // namespace ductora::resources
