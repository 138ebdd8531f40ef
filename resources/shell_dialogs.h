#pragma once

#include <array>
#include <span>

#include "dialog_table.h"

namespace ductora::resources {

constexpr int kDialogNavigator = 103;
constexpr int kDialogGoto = 141;

enum HelpDialogId : int {
  kHelpGoto = 182,
  kHelpDataDisplay = 183,
  kHelpWallThickness = 186,
  kHelpCsa = 187,
  kHelpLengthAtY = 188,
  kHelpEccentricity = 189,
  kHelp64PointAverage = 190,
  kHelpLowWall = 191,
  kHelpOdOffset = 192,
  kHelpOvality = 193,
  kHelpPipeId = 194,
  kHelpNavigator = 195,
  kHelpPipe = 196,
  kHelpDrawChannels = 197,
  kHelpInfo = 198,
  kHelpIndication = 199,
  kHelpModifyMatrix = 200,
  kHelpOdMatrix = 201,
};

// Every file opened re-creates the help windows, in this order.
constexpr std::array<int, 19> kHelpDialogOrder = {
    kHelpGoto,         kHelpDataDisplay, kHelpWallThickness,  kHelpCsa,          kHelpGrayScale,
    kHelpModifyMatrix, kHelpOdMatrix,    kHelp64PointAverage, kHelpEccentricity, kHelpIndication,
    kHelpInfo,         kHelpLowWall,     kHelpLengthAtY,      kHelpOdOffset,     kHelpPipeId,
    kHelpPipe,         kHelpOvality,     kHelpNavigator,      kHelpDrawChannels};

enum NavigatorControl : int {
  kNavPreviousPipe = 1001,
  kNavNextPipe = 1002,
  kNavJump = 1003,
  kNavCounter = 1004,
  kNavXSpeed = 1010,
  kNavYSpeed = 1016,
  kNavJumpNumber = 1026,
  kNavModeAll = 1056,
  kNavModeCurrent = 1058,
  kNavModeOverlay = 1060,
  kNavScroller = 1146,
  kNavPreviousFile = 1147,
  kNavNextFile = 1148,
  kNavHelp = 1222,
};

enum GotoControl : int {
  kGotoX = 1100,
  kGotoXFromFront = 1102,
  kGotoXFromBack = 1104,
  kGotoY = 1141,
  kGotoYFromFront = 1143,
  kGotoYFromBack = 1145,
};

// The shell's own dialogs: Navigator, Goto and the help windows.
std::span<const DialogTable> ShellDialogs();

}  // namespace ductora::resources
