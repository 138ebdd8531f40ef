#pragma once

#include <array>
#include <span>
#include <string_view>

#include "dialog_table.h"

namespace ductora::resources {

constexpr int kDialogModifyPipeMatrix = 107;
constexpr int kDialogOdMatrix = 137;
constexpr int kDialogDrawChannels = 170;

// One WDM channel's fields in Modify Pipe Matrix.
struct WallChannelControls {
  int sampleCount;
  int wallScale;
  int velocity;
  int calcWallScale;
};

// Channels 1 to 4 in order.
constexpr std::array<WallChannelControls, 4> kMatrixChannelControls = {{
    {1043, 1030, 1031, 1034},
    {1052, 1046, 1048, 1050},
    {1057, 1053, 1054, 1055},
    {1063, 1059, 1061, 1062},
}};

enum ModifyPipeMatrixControl : int {
  kMatrixOk = 1066,
  kMatrixJumpSize = 1067,
  kMatrixSwitch = 1068,
  kMatrixDisplayRaw = 1069,
  kMatrixPrimary = 1064,
  kMatrixSecondary = 1065,
  kMatrixRemoveFront = 1070,
  kMatrixRemoveBack = 1071,
  kMatrixDeltaY = 1072,
  kMatrixDeltaX = 1073,
  kMatrixLeft = 1074,
  kMatrixRight = 1075,
};

// OD channels 1 and 2.
constexpr std::array<int, 2> kOdSampleCountControls = {1086, 1088};
constexpr std::array<int, 2> kOdInchesPerPixelControls = {1087, 1090};
constexpr int kOdJumpSize = 1189;

// Ours, beside the matrix dialogs' own: the jump filter of a rebuild, in both dialogs.
enum JumpFilterControl : int {
  kJumpFilterCorroborated = 1301,
  kJumpFilterReplace = 1302,
};
constexpr std::string_view kJumpFilterHelp = "Corroborated keeps a jump the turns before or after confirm.";

// Draw Channels: one read-only group per WDM channel, 1 to 4.
struct ChannelReadoutControls {
  int sampleCount;
  int velocity;
  int wallScale;
};
constexpr std::array<ChannelReadoutControls, 4> kDrawChannelReadouts = {{
    {1043, 1031, 1030},
    {1045, 1036, 1034},
    {1044, 1032, 1033},
    {1046, 1035, 1037},
}};
// The option buttons of channels 1 to 4 follow these.
constexpr int kDrawFirstChannelOption = 1056;
constexpr int kDrawSecondChannelOption = 1060;

// Modify Pipe Matrix, OD Matrix and Draw Channels.
std::span<const DialogTable> MatrixDialogs();

}  // namespace ductora::resources
