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
  kPicture  // shows the bitmap resource whose id is the entry's id
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
