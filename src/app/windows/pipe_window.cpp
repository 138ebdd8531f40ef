#include "app/windows/pipe_window.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <optional>
#include <string>

#include "analysis/grading/joint_figures.h"
#include "analysis/placement/cursor_rows.h"
#include "analysis/placement/display_rows.h"
#include "analysis/placement/no_reading_areas.h"
#include "analysis/queries/range_queries.h"
#include "analysis/queries/range_values.h"
#include "app/dialogs/help_dialogs.h"
#include "app/navigation/navigation.h"
#include "resources/shell_dialogs.h"
#include "resources/statistics_dialogs.h"

namespace ductora {
namespace {

using namespace resources;
using Kind = platform::DialogEvent::Kind;

// How each measure is shown: wall, CSA, 64-point and low wall carry a percent of their average;
// eccentricity and ovality are percents themselves.
struct GroupForm {
  RangeGroup RangeValues::*values;
  bool relative;
  const char* unit;
};
constexpr std::array<GroupForm, kPipeWindowGroups.size()> kGroupForms = {{
    {&RangeValues::wall, true, ""},
    {&RangeValues::csa, true, ""},
    {&RangeValues::average64, true, ""},
    {&RangeValues::lowWall, true, ""},
    {&RangeValues::eccentricity, false, " %"},
    {&RangeValues::ovality, false, " %"},
    {&RangeValues::od, false, ""},
    {&RangeValues::id, false, ""},
}};

// Where a Min or Max button puts the cursor: a display row of its measure's pitch and, for the
// matrix measures, a display column of its matrix's columns.
struct CursorTarget {
  std::int32_t index = 0;
  std::optional<std::int32_t> column;
  double deltaX = 0.0;
  std::int64_t columns = 0;
};

CursorTarget atRow(const RowLocation& found, double deltaX) { return {found.index, std::nullopt, deltaX, 0}; }

CursorTarget atCell(const CellLocation& found, double deltaX, std::uint32_t columns) {
  return {found.index, found.column, deltaX, columns};
}

using Locate = CursorTarget (*)(const PipeFile&, RangeIndices);
struct Locators {
  Locate min;
  Locate max;
};

// In the order of the window's groups; each runs the location query behind its fields.
constexpr std::array<Locators, kPipeWindowGroups.size()> kLocators = {{
    {[](const PipeFile& p, RangeIndices r) {
       return atCell(MinWallLocation(p, r.from, r.to, kRangeLowLimit), p.wallMatrix.deltaX,
                     p.wallMatrix.columns);
     },
     [](const PipeFile& p, RangeIndices r) {
       return atCell(MaxWallLocation(p, r.from, r.to, kRangeHighLimit), p.wallMatrix.deltaX,
                     p.wallMatrix.columns);
     }},
    {[](const PipeFile& p, RangeIndices r) {
       return atRow(MinCsaLocation(p, r.from, r.to, kRangeLowLimit), p.wallMatrix.deltaX);
     },
     [](const PipeFile& p, RangeIndices r) {
       return atRow(MaxCsaLocation(p, r.from, r.to, kRangeHighLimit), p.wallMatrix.deltaX);
     }},
    {[](const PipeFile& p, RangeIndices r) {
       return atRow(Min64Location(p, r.from, r.to), p.wallMatrix.deltaX);
     },
     [](const PipeFile& p, RangeIndices r) {
       return atRow(Max64Location(p, r.from, r.to), p.wallMatrix.deltaX);
     }},
    {[](const PipeFile& p, RangeIndices r) {
       return atRow(MinRevWallLocation(p, r.from, r.to), p.wallMatrix.deltaX);
     },
     [](const PipeFile& p, RangeIndices r) {
       return atRow(MaxRevWallLocation(p, r.from, r.to), p.wallMatrix.deltaX);
     }},
    {[](const PipeFile& p, RangeIndices r) {
       return atRow(MinEccentricity(p, r.from, r.to), p.wallMatrix.deltaX);
     },
     [](const PipeFile& p, RangeIndices r) {
       return atRow(MaxEccentricity(p, r.from, r.to), p.wallMatrix.deltaX);
     }},
    // Ovality rows are OD rows, and the window shows their places at the OD pitch.
    {[](const PipeFile& p, RangeIndices r) {
       return atRow(MinOvalityLocation(p, r.from, r.to, kRangeLowLimit), p.odMatrix.deltaX);
     },
     [](const PipeFile& p, RangeIndices r) {
       return atRow(MaxOvalityLocation(p, r.from, r.to, kRangeHighLimit), p.odMatrix.deltaX);
     }},
    {[](const PipeFile& p, RangeIndices r) {
       return atCell(MinOdLocation(p, r.from, r.to, kRangeLowLimit), p.odMatrix.deltaX, p.odMatrix.columns);
     },
     [](const PipeFile& p, RangeIndices r) {
       return atCell(MaxOdLocation(p, r.from, r.to, kRangeHighLimit), p.odMatrix.deltaX, p.odMatrix.columns);
     }},
    {[](const PipeFile& p, RangeIndices r) {
       return atCell(MinIdLocation(p, r.from, r.to), p.idMatrix.deltaX, p.idMatrix.columns);
     },
     [](const PipeFile& p, RangeIndices r) {
       return atCell(MaxIdLocation(p, r.from, r.to), p.idMatrix.deltaX, p.idMatrix.columns);
     }},
}};

// Whole inches of a length, safe for any float.
int wholeInches(float value) {
  if (!(value > 0.0F)) return 0;
  return value >= static_cast<float>(INT_MAX) ? INT_MAX : static_cast<int>(value);
}

// The stretch between the sliders (inches), the nearer end first: swapping the sliders changes
// nothing, and a slider at 0 is the start of the pipe, never "to the end".
struct Stretch {
  double from = 0.0;
  double to = 0.0;
};

Stretch sliderStretch(const platform::Dialog& dialog) {
  const int left = dialog.sliderPosition(kPipeLeft);
  const int right = dialog.sliderPosition(kPipeRight);
  return {static_cast<double>(std::min(left, right)), static_cast<double>(std::max(left, right))};
}

void moveToExtreme(AppState& app, const platform::Dialog& dialog, int buttonId) {
  const PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) return;
  for (std::size_t i = 0; i < kPipeWindowGroups.size(); ++i) {
    const PipeWindowGroup& group = kPipeWindowGroups[i];
    if (buttonId != group.minButton && buttonId != group.maxButton) continue;
    const Locate locate = buttonId == group.minButton ? kLocators[i].min : kLocators[i].max;
    const Stretch stretch = sliderStretch(dialog);
    const CursorTarget target = locate(*pipe, RangeIndicesOf(*pipe, stretch.from, stretch.to));
    // The middle of the found revolution, where the window shows it.
    setX(app.pipeString, static_cast<float>(IndexMiddle(target.index, target.deltaX)));
    if (target.column) setY(app.pipeString, CursorAtColumn(*target.column, target.columns));
    return;
  }
}

void pipeWindowProcedure(AppState& app, platform::Dialog& dialog, const platform::DialogEvent& event) {
  switch (event.kind) {
    case Kind::kClose:
      dialog.hide();
      break;
    case Kind::kSliderMoved:
    case Kind::kSliderReleased:
      FillPipeWindow(app);
      break;
    case Kind::kCommand:
      if (event.id == kIdOk || event.id == kIdCancel) {
        dialog.hide();
      } else if (event.id == kIdHelp) {
        showHelpDialog(app, kHelpPipe);
      } else {
        moveToExtreme(app, dialog, event.id);
      }
      break;
    default:
      break;
  }
}

void write(AppState& app, platform::Dialog& dialog, int id, const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  app.pipeWindowReadouts.write(dialog, id, text);
}

void fillExtreme(AppState& app, platform::Dialog& dialog, int valueId, int positionId,
                 const RangeExtreme& extreme, const GroupForm& form) {
  char text[96];
  if (form.relative) {
    std::snprintf(text, sizeof text, "%.3f (%.2f %%)", extreme.value, extreme.percent);
  } else {
    std::snprintf(text, sizeof text, "%.3f%s", extreme.value, form.unit);
  }
  app.pipeWindowReadouts.write(dialog, valueId, text);
  write(app, dialog, positionId, "%.1f''", extreme.position);
}

void fillAverage(AppState& app, platform::Dialog& dialog, int id, double average, const GroupForm& form) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f%s", average, form.unit);
  app.pipeWindowReadouts.write(dialog, id, text);
}

// The whole pipe's class, whatever the sliders say: it is the joint's, as the report gives it.
void fillClass(AppState& app, platform::Dialog& dialog, const PipeFile* pipe) {
  std::string text;
  if (pipe != nullptr && pipe->wallMatrix.present()) {
    const JointFigures figures = ComputeJointFigures(*pipe, TubingRule(), std::nullopt);
    char percent[32];
    std::snprintf(percent, sizeof percent, " (%.1f %%)", figures.remainingBodyWall);
    text = figures.className + percent;
  }
  app.pipeWindowReadouts.write(dialog, kPipeClass, text.c_str());
}

// The whole pipe's no-reading cells, whatever the sliders say: an area anywhere leaves the pipe
// not fully verified.
std::string DescribeNoReading(const PipeFile& pipe) {
  const auto cells = NoReadingCellCount(pipe);
  if (!cells) return "not recorded";
  if (*cells == 0) return "none";
  return std::to_string(*cells) + " cells in " + std::to_string(NoReadingAreas(pipe).size()) + " areas";
}

}  // namespace

void createPipeWindow(AppState& app) {
  const bool wasShowing = app.dialogs.isVisible(Modeless::kPipeWindow);
  app.dialogs.destroy(Modeless::kPipeWindow);
  app.pipeWindowReadouts.clear();
  const PipeFile* pipe = app.pipeString.current();
  const int layout =
      pipe != nullptr && pipe->odMatrix.present() ? kDialogPipeWindow : kDialogPipeWindowWallOnly;
  platform::Dialog* window = app.dialogs.keep(
      Modeless::kPipeWindow,
      app.platform.createDialog(layout, [&app](platform::Dialog& dialog, const platform::DialogEvent& event) {
        pipeWindowProcedure(app, dialog, event);
      }));
  if (window == nullptr) return;
  window->move(app.windows.width(kMainWindowPanel) / 2 - 300, app.windows.height(kMainWindowPanel) / 2 - 200);
  if (wasShowing) window->show();
  initPipeDialogSliders(app);
}

void initPipeDialogSliders(AppState& app) {
  platform::Dialog* dialog = app.dialogs.get(Modeless::kPipeWindow);
  if (dialog == nullptr) return;
  const int length = wholeInches(app.pipeString.currentLength());
  for (const int id : {kPipeLeft, kPipeRight}) {
    dialog->setSliderRange(id, 0, length);
    dialog->setSliderTickFrequency(id, 1);
    dialog->setSliderPageSize(id, 1);
  }
  dialog->setSliderPosition(kPipeLeft, 0);
  dialog->setSliderPosition(kPipeRight, length);
  FillPipeWindow(app);
}

void FillPipeWindow(AppState& app) {
  platform::Dialog* dialog = app.dialogs.get(Modeless::kPipeWindow);
  // A hidden window is filled when it is shown: each step into the next pipe would otherwise
  // read the whole pipe for nobody.
  if (dialog == nullptr || !app.dialogs.isVisible(Modeless::kPipeWindow)) return;
  const PipeFile* pipe = app.pipeString.current();
  const Stretch stretch = sliderStretch(*dialog);
  const RangeValues values =
      pipe == nullptr ? RangeValues{} : PipeRangeValues(*pipe, stretch.from, stretch.to);
  for (std::size_t i = 0; i < kPipeWindowGroups.size(); ++i) {
    const PipeWindowGroup& ids = kPipeWindowGroups[i];
    const GroupForm& form = kGroupForms[i];
    const RangeGroup& group = values.*form.values;
    fillExtreme(app, *dialog, ids.minValue, ids.minPosition, group.min, form);
    fillExtreme(app, *dialog, ids.maxValue, ids.maxPosition, group.max, form);
    fillAverage(app, *dialog, ids.average, group.average, form);
  }
  fillClass(app, *dialog, pipe);
  app.pipeWindowReadouts.write(*dialog, kPipeNoReading,
                               pipe == nullptr ? "" : DescribeNoReading(*pipe).c_str());
}

void refreshPipeWindowReadouts(AppState& app) {
  platform::Dialog* dialog = app.dialogs.get(Modeless::kPipeWindow);
  if (dialog == nullptr) return;
  write(app, *dialog, kPipeLeftReadout, "%.3f", dialog->sliderPosition(kPipeLeft));
  write(app, *dialog, kPipeRightReadout, "%.3f", dialog->sliderPosition(kPipeRight));
}

}  // namespace ductora
