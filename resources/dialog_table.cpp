#include "dialog_table.h"

#include <array>

#include "data_dialogs.h"
#include "matrix_dialogs.h"
#include "shell_dialogs.h"
#include "statistics_dialogs.h"

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

constexpr auto kCollapsePressureControls = std::to_array<ControlEntry>({
    {K::kGroupBox, kNoControlId, "OD", 0, 1},
    {K::kRadioButton, kCollapseFirstOd + 0, "Max OD for Pipe", 0, 1},
    {K::kRadioButton, kCollapseFirstOd + 1, "Min OD for Pipe", 1, 1},
    {K::kRadioButton, kCollapseFirstOd + 2, "Ave OD for Pipe", 2, 1},
    {K::kRadioButton, kCollapseFirstOd + 3, "Max OD for Slice", 3, 1},
    {K::kRadioButton, kCollapseFirstOd + 4, "Min OD for Slice", 4, 1},
    {K::kRadioButton, kCollapseFirstOd + 5, "Ave OD for Slice", 5, 1},
    {K::kGroupBox, kNoControlId, "Wall", 0, 2},
    {K::kRadioButton, kCollapseFirstWall + 0, "Max Wall for Pipe", 0, 2},
    {K::kRadioButton, kCollapseFirstWall + 1, "Min Wall for Pipe", 1, 2},
    {K::kRadioButton, kCollapseFirstWall + 2, "Ave Wall for Pipe", 2, 2},
    {K::kRadioButton, kCollapseFirstWall + 3, "Max Wall for Slice", 3, 2},
    {K::kRadioButton, kCollapseFirstWall + 4, "Min Wall for Slice", 4, 2},
    {K::kRadioButton, kCollapseFirstWall + 5, "Ave Wall for Slice", 5, 2},
    {K::kGroupBox, kNoControlId, "Ovality", 0, 3},
    {K::kRadioButton, kCollapseFirstOvality + 0, "Max Ovality for Pipe", 0, 3},
    {K::kRadioButton, kCollapseFirstOvality + 1, "Min Ovality for Pipe", 1, 3},
    {K::kRadioButton, kCollapseFirstOvality + 2, "Ave Ovality for Pipe", 2, 3},
    {K::kRadioButton, kCollapseFirstOvality + 3, "Max Ovality for Slice", 3, 3},
    {K::kRadioButton, kCollapseFirstOvality + 4, "Min Ovality for Slice", 4, 3},
    {K::kRadioButton, kCollapseFirstOvality + 5, "Ave Ovality for Slice", 5, 3},
    {K::kGroupBox, kNoControlId, "Eccentricity", 0, 4},
    {K::kRadioButton, kCollapseFirstEccentricity + 0, "Max ECC for Pipe", 0, 4},
    {K::kRadioButton, kCollapseFirstEccentricity + 1, "Min ECC for Pipe", 1, 4},
    {K::kRadioButton, kCollapseFirstEccentricity + 2, "Ave ECC for Pipe", 2, 4},
    {K::kRadioButton, kCollapseFirstEccentricity + 3, "Max ECC for Slice", 3, 4},
    {K::kRadioButton, kCollapseFirstEccentricity + 4, "Min ECC for Slice", 4, 4},
    {K::kRadioButton, kCollapseFirstEccentricity + 5, "Ave ECC for Slice", 5, 4},
    {K::kGroupBox, kNoControlId, "Material", 1, 5},
    {K::kLabel, kNoControlId, "Yield", 0, 5},
    {K::kEdit, kCollapseYield, "", 0, 5},
    {K::kLabel, kNoControlId, "Axial Stress", 1, 5},
    {K::kEdit, kCollapseAxialStress, "", 1, 5},
    {K::kLabel, kNoControlId, "Residual Stress", 2, 5},
    {K::kEdit, kCollapseResidualStress, "", 2, 5},
    {K::kLabel, kNoControlId, "Youngs Modulus", 3, 5},
    {K::kEdit, kCollapseYoungsModulus, "", 3, 5},
    {K::kLabel, kNoControlId, "Poisson's Ratio", 4, 5},
    {K::kEdit, kCollapsePoissonsRatio, "", 4, 5},
    {K::kGroupBox, kNoControlId, "Pressure (psi)", 1, 6},
    {K::kLabel, kNoControlId, "API Actual", 0, 6},
    {K::kReadOnlyEdit, kCollapseApiActual, "", 0, 6},
    {K::kLabel, kNoControlId, "API Nominal", 1, 6},
    {K::kReadOnlyEdit, kCollapseApiNominal, "", 1, 6},
    {K::kLabel, kNoControlId, "Tamano", 2, 6},
    {K::kReadOnlyEdit, kCollapseTamano, "", 2, 6},
    {K::kLabel, kNoControlId, "API 5C3 Nominal", 3, 6},
    {K::kReadOnlyEdit, kCollapseApi5c3, "", 3, 6},
    {K::kDefaultButton, kCollapsePlot, "Plot", 2},
    {K::kButton, kIdCancel, "Close", 2},
});

constexpr auto kBurstControls = std::to_array<ControlEntry>({
    {K::kGroupBox, kNoControlId, "Burst Pressure", 0, 1},
    {K::kRadioButton, kBurstFirstOption + 0, "API", 0, 1},
    {K::kReadOnlyEdit, kBurstFirstField + 0, "", 0, 1},
    {K::kRadioButton, kBurstFirstOption + 1, "Tresca (Incipient Yield)", 1, 1},
    {K::kReadOnlyEdit, kBurstFirstField + 1, "", 1, 1},
    {K::kRadioButton, kBurstFirstOption + 2, "Triaxial", 2, 1},
    {K::kReadOnlyEdit, kBurstFirstField + 2, "", 2, 1},
    {K::kRadioButton, kBurstFirstOption + 3, "Modified Thin Wall", 3, 1},
    {K::kReadOnlyEdit, kBurstFirstField + 3, "", 3, 1},
    {K::kRadioButton, kBurstFirstOption + 4, "Barlow", 4, 1},
    {K::kReadOnlyEdit, kBurstFirstField + 4, "", 4, 1},
    {K::kRadioButton, kBurstFirstOption + 5, "Lame'", 5, 1},
    {K::kReadOnlyEdit, kBurstFirstField + 5, "", 5, 1},
    {K::kRadioButton, kBurstFirstOption + 6, "Thin Wall", 6, 1},
    {K::kReadOnlyEdit, kBurstFirstField + 6, "", 6, 1},
    {K::kRadioButton, kBurstFirstOption + 7, "Capped End Yield", 7, 1},
    {K::kReadOnlyEdit, kBurstFirstField + 7, "", 7, 1},
    {K::kRadioButton, kBurstFirstOption + 8, "Thin Wall Rupture", 8, 1},
    {K::kReadOnlyEdit, kBurstFirstField + 8, "", 8, 1},
    {K::kRadioButton, kBurstFirstOption + 9, "Tresca (Fully Plastic)", 9, 1},
    {K::kReadOnlyEdit, kBurstFirstField + 9, "", 9, 1},
    {K::kRadioButton, kBurstFirstOption + 10, "Plastic Failure Pressure", 10, 1},
    {K::kReadOnlyEdit, kBurstFirstField + 10, "", 10, 1},
    {K::kRadioButton, kBurstFirstOption + 11, "Hill's Burst Limit", 11, 1},
    {K::kReadOnlyEdit, kBurstFirstField + 11, "", 11, 1},
    {K::kRadioButton, kBurstFirstOption + 12, "Shell Paslay", 12, 1},
    {K::kReadOnlyEdit, kBurstFirstField + 12, "", 12, 1},
    {K::kRadioButton, kBurstFirstOption + 13, "Klever-Stewart", 13, 1},
    {K::kReadOnlyEdit, kBurstFirstField + 13, "", 13, 1},
    {K::kLabel, kNoControlId, "Yield Strength", 1},
    {K::kReadOnlyEdit, kBurstYieldStrength, "", 1},
    {K::kLabel, kNoControlId, "Max D/T", 2},
    {K::kReadOnlyEdit, kBurstMaxDOverT, "", 2},
    {K::kDefaultButton, kBurstDisplay, "Display", 3},
    {K::kButton, kIdCancel, "Cancel", 3},
});

constexpr auto kDialogs = std::to_array<DialogTable>({
    {kDialogAbout, "About Ductora", true, kAboutControls},
    {kDialogPleaseWait, "Please wait...", false, kPleaseWaitControls},
    {kDialogControls, "Controls", true, kControlsControls},
    {kDialogGrayScale, "Gray Scale", true, kGrayScaleControls},
    {kDialogCollapsePressure, "Collapse Pressure", false, kCollapsePressureControls},
    {kDialogBurst, "Burst", false, kBurstControls},
});

}  // namespace

const DialogTable* FindDialog(int resourceId) {
  for (const DialogTable& table : kDialogs) {
    if (table.resourceId == resourceId) return &table;
  }
  for (const auto tables : {ShellDialogs(), DataDialogs(), MatrixDialogs(), StatisticsDialogs()}) {
    for (const DialogTable& table : tables) {
      if (table.resourceId == resourceId) return &table;
    }
  }
  return nullptr;
}

}  // namespace ductora::resources
