#include "shell_dialogs.h"

#include "bitmaps.h"

namespace ductora::resources {
namespace {

using K = ControlKind;

constexpr auto kNavigatorControls = std::to_array<ControlEntry>({
    {K::kGroupBox, kNoControlId, "Quick File Browse", 0, 1},
    {K::kButton, kNavPreviousFile, "<- Prev", 0, 1},
    {K::kButton, kNavNextFile, "Next ->", 0, 1},
    {K::kButton, kNavHelp, "HELP", 0, 1},
    {K::kGroupBox, kNoControlId, " Pipe Scroller", 1, 2},
    {K::kSlider, kNavScroller, "", 0, 2},
    {K::kGroupBox, kNoControlId, "Control", 2, 3},
    {K::kButton, kNavPreviousPipe, "<", 0, 3},
    {K::kLabel, kNavCounter, "0000/0000", 0, 3},
    {K::kButton, kNavNextPipe, ">", 0, 3},
    {K::kEdit, kNavJumpNumber, "", 1, 3},
    {K::kButton, kNavJump, "Jump", 1, 3},
    {K::kRadioButton, kNavModeAll, "All", 2, 3},
    {K::kRadioButton, kNavModeCurrent, "Current", 2, 3},
    {K::kRadioButton, kNavModeOverlay, "Overlay", 2, 3},
    {K::kLabel, kNoControlId, "X Speed:", 3, 3},
    {K::kEdit, kNavXSpeed, "", 3, 3},
    {K::kLabel, kNoControlId, "\"/sec", 3, 3},
    {K::kLabel, kNoControlId, "Y Speed:", 4, 3},
    {K::kEdit, kNavYSpeed, "", 4, 3},
    {K::kLabel, kNoControlId, "deg/sec", 4, 3},
});

constexpr auto kGotoControls = std::to_array<ControlEntry>({
    {K::kLabel, kNoControlId, "X:", 0},
    {K::kEdit, kGotoX, "", 0},
    {K::kButton, kGotoXFromFront, "<--", 0},
    {K::kButton, kGotoXFromBack, "-->", 0},
    {K::kLabel, kNoControlId, "Y:", 1},
    {K::kEdit, kGotoY, "", 1},
    {K::kButton, kGotoYFromFront, "<--", 1},
    {K::kButton, kGotoYFromBack, "-->", 1},
    {K::kDefaultButton, kIdOk, "OK", 2},
    {K::kButton, kIdCancel, "Cancel", 2},
    {K::kButton, kIdHelp, "Help", 2},
});

constexpr auto kGotoHelpControls = std::to_array<ControlEntry>({
    {K::kPicture, kGotoHelpBitmapId, "", 0},
    {K::kGroupBox, kNoControlId, "Overview", 1, 1},
    {K::kLabel, kNoControlId,
     "X is the position along the pipe in inches, Y the angle around it in degrees. Type a value and press "
     "\"<--\" to measure it from the front of the pipe (X) or from 0 degrees (Y), or \"-->\" to measure it "
     "from the back of the pipe or backwards from 360 degrees.",
     0, 1},
    {K::kDefaultButton, kIdOk, "OK", 2},
    {K::kButton, kIdCancel, "Cancel", 2},
});

constexpr auto kDataDisplayHelpControls = std::to_array<ControlEntry>({
    {K::kPicture, kDataDisplayHelpBitmapId, "", 0},
    {K::kLabel, kNoControlId,
     "This dialog is used to manipulate the Wall or OD values of the pipe.   You can change the column "
     "to the left or right by the selection of the start and end point position. The change is "
     "reflected on the pipe image as you change the values.",
     1},
    {K::kDefaultButton, kIdOk, "OK", 2},
    {K::kButton, kIdCancel, "Cancel", 2},
});

// A help window of one titled box holding its explanation, and OK.
constexpr std::array<ControlEntry, 3> Help(std::string_view title, std::string_view text) {
  return {{{K::kGroupBox, kNoControlId, title, 0, 1},
           {K::kLabel, kNoControlId, text, 0, 1},
           {K::kDefaultButton, kIdOk, "OK", 1}}};
}

// A help window of one paragraph, and OK.
constexpr std::array<ControlEntry, 2> Text(std::string_view text) {
  return {{{K::kLabel, kNoControlId, text, 0}, {K::kDefaultButton, kIdOk, "OK", 1}}};
}

// A help window of two paragraphs, and OK.
constexpr std::array<ControlEntry, 3> Paragraphs(std::string_view first, std::string_view second) {
  return {{{K::kLabel, kNoControlId, first, 0},
           {K::kLabel, kNoControlId, second, 1},
           {K::kDefaultButton, kIdOk, "OK", 2}}};
}

constexpr auto kWallThicknessHelp =
    Help("Wall Thickness ",
         "The wall thickness around the pipe at the cursor position X, one revolution from 0 to 360 degrees, "
         "with the nominal wall as a line across it and the cursor angle Y as a line from top to bottom.");
constexpr auto kCsaHelp =
    Help("CSA",
         "The cross-sectional area of the pipe, revolution by revolution along its length, in percent of "
         "the nominal area. The line from top to bottom marks the cursor position X.");
constexpr auto kLengthAtYHelp = Help(
    "Lengthy At Y",
    "The wall thickness along the whole length of the pipe at the cursor angle Y. Turn Y with the up and "
    "down arrow keys.");
constexpr auto kEccentricityHelp =
    Help("Eccentricity",
         "The eccentricity of every revolution along the pipe in percent: how far the bore stands off the "
         "centre of the pipe, so that the wall is thin on one side and thick on the other.");
constexpr auto k64PointAverageHelp =
    Help("64 Point Average.", "The wall thickness averaged over 64 revolutions at a time, along the pipe.");
constexpr auto kLowWallHelp = Help("Low Wall", "The thinnest wall of every revolution along the pipe.");
constexpr auto kOdOffsetHelp =
    Help("OD Offset",
         "The outside diameter around the pipe at the cursor position X, as its offset from the calibration "
         "diameter, one revolution from 0 to 360 degrees.");
constexpr auto kOvalityHelp =
    Help("Ovality",
         "The ovality of the pipe: how far its outside departs from a circle, from the largest and the "
         "smallest diameter of each revolution.");
constexpr auto kPipeIdHelp =
    Help("Pipe ID",
         "The inside diameter around the pipe at the cursor position X, one revolution from 0 to 360 "
         "degrees.");
constexpr auto kNavigatorHelp = Paragraphs(
    "Click <-Prev or Next-> button to load other Corvix file in the current folder.",
    "Click the Jump button to move the position indication line to the desired position specified in the "
    "editor box. Or drag the pipe scroller to the desired position.");
constexpr auto kPipeHelp = Paragraphs(
    "The Pipe dialog allows users to view the statistic data in details.",
    "Drag the Left and Right sliders to choose the stretch of the pipe the values are taken from. Each Min "
    "and Max button moves the cursor to the place on that stretch where the smallest or largest value lies.");
constexpr auto kDrawChannelsHelp = Paragraphs(
    "The Draw Channels dialog builds a wall image from each of two wall channels of the pipe.",
    "Choose the two channels and press OK: the two images are shown one above the other, so the channels can "
    "be compared.");
constexpr auto kInfoHelp = Text(
    "The Info dialog shows the information related to the pipe. You can edit the data where the edit box is "
    "enabled.");
constexpr auto kIndicationHelp =
    Paragraphs("The Indication dialog lists the indications found on the pipe by the inspection unit.",
               "Switch the circles on to mark every indication on the wall image. Double-click a line "
               "to move the cursor to that indication.");
constexpr auto kModifyMatrixHelp = Text(
    "The Modify Matrix dialog allows users to reclaculate wall scale and change the display of "
    "wall thickness images. ");
constexpr auto kOdMatrixHelp =
    Help("OD Matrix",
         "The OD Matrix dialog builds the OD image again from the raw OD channels of the pipe, with "
         "the jump size entered.");
constexpr auto kGrayScaleHelp = Text(
    "Users can change the gray scale of the wall thickness image from the Gray Scale dialog. "
    "Change the Lower Wall and Upper Wall value to meet your preference. ");

constexpr auto kShellDialogs = std::to_array<DialogTable>({
    {kDialogNavigator, "Navigator", false, kNavigatorControls},
    {kDialogGoto, "Goto", false, kGotoControls},
    {kHelpGoto, "Dialog", false, kGotoHelpControls},
    {kHelpDataDisplay, "Dialog", false, kDataDisplayHelpControls},
    {kHelpWallThickness, "Help", false, kWallThicknessHelp},
    {kHelpCsa, "Help", false, kCsaHelp},
    {kHelpLengthAtY, "Help", false, kLengthAtYHelp},
    {kHelpEccentricity, "Help", false, kEccentricityHelp},
    {kHelp64PointAverage, "Help", false, k64PointAverageHelp},
    {kHelpLowWall, "Help", false, kLowWallHelp},
    {kHelpOdOffset, "Help", false, kOdOffsetHelp},
    {kHelpOvality, "Help", false, kOvalityHelp},
    {kHelpPipeId, "Help", false, kPipeIdHelp},
    {kHelpNavigator, "Nevigator Help", false, kNavigatorHelp},
    {kHelpPipe, "Pipe Help", false, kPipeHelp},
    {kHelpDrawChannels, "Help", false, kDrawChannelsHelp},
    {kHelpInfo, "Help", false, kInfoHelp},
    {kHelpIndication, "Indication Help", false, kIndicationHelp},
    {kHelpModifyMatrix, "Modify Matrix Help", false, kModifyMatrixHelp},
    {kHelpOdMatrix, "Help", false, kOdMatrixHelp},
    {kHelpGrayScale, "Gray Scale Help", false, kGrayScaleHelp},
});

}  // namespace

std::span<const DialogTable> ShellDialogs() { return kShellDialogs; }

}  // namespace ductora::resources
