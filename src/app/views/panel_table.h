#pragma once

#include <array>
#include <string_view>

#include "platform/surface.h"

namespace ductora {

// A panel's number throughout the shell; for GL panels also its window slot.
enum PanelId : int {
  kMainWindowPanel = 0,
  kPipeViewPanel = 1,
  kWallThicknessPanel = 2,
  kCsaPanel = 3,
  kLengthAtYPanel = 4,
  kEccentricityPanel = 5,
  kOdOffsetPanel = 6,
  kStraightnessPanel = 7,
  kOvalityPanel = 8,
  kAverage64Panel = 9,
  kLowWallPanel = 10,
  kNavigatorPanel = 11,
  kStatisticsPanel = 12,
  kPipeDialogPanel = 13,
  kSlicePanel = 14,
  kCollapsePanel = 15,
  kPipeIdPanel = 16,
  kDataDisplayPanel = 17,
  kBurstPanel = 18,
};

// Slots of the window class names: the main window, the pipe view, "Plot 1" to "Plot 12", "Burst".
constexpr std::size_t kMainClassIndex = 0;
constexpr std::size_t kPipeViewClassIndex = 1;
constexpr std::size_t kFirstPlotClassIndex = 2;  // "Plot 1"
constexpr std::size_t kPlotClassCount = 12;
constexpr std::size_t kBurstClassIndex = kFirstPlotClassIndex + kPlotClassCount;
constexpr std::size_t kWindowClassCount = kBurstClassIndex + 1;
constexpr std::string_view kProgramName = "Ductora";
constexpr std::string_view kPipeViewClass = "Pipe/String";

constexpr int kNoHelpDialog = 0;

// The GL plot panels: where they stand, what they are called and how they clear.
struct PlotPanel {
  PanelId id;
  std::size_t classIndex;  // into the window class names
  std::string_view title;
  std::string_view menuTitle;
  double screenFraction;  // x = W - floor(fraction * S + offset)
  double offset;
  int y;                 // on a screen 1280 wide; scaled with the screen
  int helpDialog;        // a help dialog's resource id, or kNoHelpDialog
  bool blueClear;        // cleared in the pipe view's blue instead of white
  bool pixelProjection;  // projection in pixels, reset every frame
};

// Null for ids that are not GL plot panels.
const PlotPanel* findPlotPanel(int id);

// Draw order of every frame.
constexpr std::array<PanelId, 14> kFrameOrder = {
    kPipeViewPanel, kWallThicknessPanel, kCsaPanel,          kEccentricityPanel, kLengthAtYPanel,
    kOvalityPanel,  kSlicePanel,         kStraightnessPanel, kAverage64Panel,    kPipeIdPanel,
    kCollapsePanel, kBurstPanel,         kLowWallPanel,      kOdOffsetPanel};

// A plot panel's client geometry: quarter-screen wide, three quarters of that high, its row scaled.
platform::Geometry plotPanelGeometry(const PlotPanel& panel, int screenWidth, int mainWidth);

// The pipe view's client geometry in a main window of W x H with edge width e.
platform::Geometry pipeViewGeometry(int mainWidth, int mainHeight, int edge);

}  // namespace ductora
