#pragma once

#include <span>
#include <string_view>

namespace ductora::resources {

// Controls without an id of their own (labels, group boxes).
constexpr int kNoControlId = -1;
// The button ids every dialog answers to.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdHelp = 9;

enum DialogId : int {
  kDialogAbout = 105,
  kDialogPleaseWait = 110,
  kDialogControls = 111,
  kDialogGrayScale = 112,
  kDialogCollapsePressure = 165,
  kDialogBurst = 203,
  kHelpGrayScale = 202,
};

// Gray Scale: the string's limits (not used yet) and the current pipe's wall and OD limits.
enum GrayScaleControl : int {
  kGrayStringUpperWall = 1076,
  kGrayStringLowerWall = 1077,
  kGrayUpperWall = 1078,
  kGrayLowerWall = 1079,
  kGrayUpperOffset = 1080,
  kGrayLowerOffset = 1081,
};

// Collapse Pressure: four groups of six option buttons (maximum, minimum and average for the pipe,
// then for the slice), the material fields and the three collapse pressures.
enum CollapsePressureControl : int {
  kCollapseFirstOd = 1155,            // .. 1160
  kCollapseFirstWall = 1162,          // .. 1167
  kCollapseFirstOvality = 1171,       // .. 1176
  kCollapseFirstEccentricity = 1177,  // .. 1182
  kCollapseApiActual = 1168,
  kCollapseApiNominal = 1169,
  kCollapseTamano = 1170,
  kCollapsePlot = 1183,
  kCollapseAxialStress = 1188,
  kCollapseResidualStress = 1189,
  kCollapseYoungsModulus = 1190,
  kCollapsePoissonsRatio = 1191,
  kCollapseYield = 1217,
  kCollapseApi5c3 = 1218,
};
constexpr int kCollapseChoiceCount = 6;

// Burst: one option button and one field per formula, in the formulas' order.
enum BurstControl : int {
  kBurstFirstField = 1190,  // .. 1203
  kBurstMaxDOverT = 1204,
  kBurstFirstOption = 1237,  // .. 1250
  kBurstDisplay = 1251,
  kBurstYieldStrength = 1252,
};

enum class ControlKind {
  kLabel,
  kButton,
  kDefaultButton,
  kEdit,
  kReadOnlyEdit,
  kCheckBox,
  kRadioButton,
  kGroupBox,
  kSlider,
  kVerticalSlider,
  kListBox,
  kPicture,  // shows the bitmap resource whose id is the entry's id
  // The labels of a table shown in the dialog's one list box, whatever their rows: the n-th row
  // label beside the n-th line; the first column header over the row labels, the n-th after it
  // over the n-th field (a run of characters between blanks) of the lines.
  kRowLabel,
  kColumnHeader
};

// Controls sharing a row stand side by side in table order; rows run top to bottom. A control
// with a group other than 0 sits inside the group box carrying that group number.
struct ControlEntry {
  ControlKind kind;
  int id;
  std::string_view text;
  int row;
  int group = 0;
};

struct DialogTable {
  int resourceId;
  std::string_view caption;
  bool modal;
  std::span<const ControlEntry> controls;
};

// Null when no dialog has that resource id.
const DialogTable* FindDialog(int resourceId);

}  // namespace ductora::resources
