#include "cli/options/panel_choice.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

#include "app/shell/commands.h"
#include "cli/commands/command.h"
#include "resources/dialog_table.h"
#include "resources/menu_table.h"

namespace ductora::cli {
namespace {

using namespace resources;

// A panel is the View menu item that brings it up and what it draws from; its menu item says
// whether the current pipe's data allow it, unless the row says what the pipe lacks for it.
struct PanelRow {
  const char* name;
  PanelId panel;
  int command;
  const char* needs;
  const char* (*lacks)(const PipeFile&) = nullptr;  // nullptr when the pipe has what it needs
};

// The menu item needs the matrix, and the program makes the panel only for a pipe with OD data.
const char* straightnessLacks(const PipeFile& pipe) {
  if (pipe.odMatrix.present()) return pipe.straightness.present() ? nullptr : "a straightness matrix";
  return pipe.straightness.present() ? "an OD matrix" : "a straightness matrix and an OD matrix";
}

constexpr std::array<PanelRow, 13> kPanels = {{
    {"wall-thickness", kWallThicknessPanel, kCmdPlotWallThickness, "a wall matrix"},
    {"csa", kCsaPanel, kCmdPlotCsa, "a wall matrix"},
    {"length-at-y", kLengthAtYPanel, kCmdPlotLengthAtY, "a wall matrix"},
    {"eccentricity", kEccentricityPanel, kCmdPlotEccentricity, "a wall matrix"},
    {"od-offset", kOdOffsetPanel, kCmdPlotOdOffset, "an OD matrix"},
    {"straightness", kStraightnessPanel, kCmdPlotStraightness, nullptr, straightnessLacks},
    {"ovality", kOvalityPanel, kCmdPlotOvality, "an OD matrix"},
    {"64-point-average", kAverage64Panel, kCmdPlot64PointAve, "a wall matrix"},
    {"low-wall", kLowWallPanel, kCmdPlotLowWall, "a wall matrix"},
    {"pipe-id", kPipeIdPanel, kCmdPlotPipeId, "wall and OD matrices"},
    {"collapse", kCollapsePanel, kCmdPlotCollapse, "wall and OD matrices"},
    {"burst", kBurstPanel, kCmdPlotBurst, "wall and OD matrices"},
    // Once shown, the slice goes on drawing whatever pipe the string moves to, so it is drawn for
    // any pipe it can draw, though its menu item needs OD data.
    {"slice", kSlicePanel, kCmdDrawSlice, nullptr,
     [](const PipeFile& pipe) {
       return pipe.wallMatrix.present() || pipe.odMatrix.present() ? nullptr : "wall or OD data";
     }},
}};

// What the pipe lacks for the panel; nullptr when it has what the panel needs.
const char* lackedFor(const PanelRow& panel, const PipeFile& pipe, const platform::Menu& menu) {
  if (panel.lacks != nullptr) return panel.lacks(pipe);
  return menu.isEnabled(panel.command) ? nullptr : panel.needs;
}

// The shortest text that reads back as the same number.
std::string numberText(double value) {
  char text[32];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  return std::string(text, end);
}

void click(platform::headless::HeadlessDialog& dialog, int id) {
  dialog.send({platform::DialogEvent::Kind::kCommand, id});
}

void choose(platform::headless::HeadlessDialog& dialog, int option) {
  dialog.setChecked(option, true);
  click(dialog, option);
}

}  // namespace

std::vector<std::string> panelNames() {
  std::vector<std::string> names;
  for (const PanelRow& panel : kPanels) names.emplace_back(panel.name);
  return names;
}

std::optional<Failure> choosePanel(HeadlessProgram& program, const std::string& name,
                                   const PressureSettings& settings, int& slot) {
  // The option's check admits only names of the table.
  const PanelRow& panel = *std::find_if(kPanels.begin(), kPanels.end(),
                                        [&name](const PanelRow& row) { return name == row.name; });
  const PipeFile& current = *program.app.pipeString.current();
  if (const char* lacking = lackedFor(panel, current, program.platform.menu())) {
    return Failure{kFileError, current.path, std::string("panel ") + panel.name + " needs " + lacking};
  }
  platform::headless::HeadlessDialog* collapse = program.platform.dialog(kDialogCollapsePressure);
  platform::headless::HeadlessDialog* burst = program.platform.dialog(kDialogBurst);
  if (collapse == nullptr || burst == nullptr)
    return Failure{kFileError, name, "the pressure dialogs are missing"};
  collapse->setText(kCollapseYield, numberText(settings.yield));
  runCommand(program.app, panel.command);
  if (panel.panel == kCollapsePanel) {
    const CollapseChoices& choices = settings.collapse;
    for (const auto& [firstOption, choice] : {std::pair{kCollapseFirstOd, choices.od},
                                              {kCollapseFirstWall, choices.wall},
                                              {kCollapseFirstOvality, choices.ovality},
                                              {kCollapseFirstEccentricity, choices.eccentricity}}) {
      if (choice > 0) choose(*collapse, firstOption + static_cast<int>(choice) - 1);
    }
    click(*collapse, kCollapsePlot);
  } else if (panel.panel == kBurstPanel) {
    choose(*burst, kBurstFirstOption + static_cast<int>(settings.burstFormula));
    click(*burst, kBurstDisplay);
  }
  for (const PanelId id : kFrameOrder) {
    if (id != panel.panel) program.app.windows.hide(id);
  }
  slot = panel.panel;
  return std::nullopt;
}

}  // namespace ductora::cli
