#include "app/windows/data_display_dialog.h"

#include <array>
#include <cstdio>

#include "analysis/measures/pipe_measures.h"
#include "app/dialogs/help_dialogs.h"
#include "app/windows/data_display_edits.h"
#include "resources/data_dialogs.h"
#include "resources/shell_dialogs.h"

namespace ductora {
namespace {

using namespace resources;
using Kind = platform::DialogEvent::Kind;

struct OperationButton {
  int id;
  DataOperation operation;
};
constexpr std::array<OperationButton, 6> kOperationButtons = {{
    {kDataFillDown, DataOperation::kFillFromBelow},
    {kDataFillUp, DataOperation::kFillFromAbove},
    {kDataShiftUp, DataOperation::kShiftFromAbove},
    {kDataShiftDown, DataOperation::kShiftFromBelow},
    {kDataCopyFirstAngle, DataOperation::kCopyFirstAngle},
    {kDataCopyLastAngle, DataOperation::kCopyLastAngle},
}};

// The mode lives in its static: "0" wall, "1" OD.
DataMode shownMode(const platform::Dialog& dialog) {
  return dialog.text(kDataMode) == "1" ? DataMode::kOd : DataMode::kWall;
}
void showMode(platform::Dialog& dialog, DataMode mode) {
  const std::string text = mode == DataMode::kOd ? "1" : "0";
  if (dialog.text(kDataMode) != text) dialog.setText(kDataMode, text);
}

void showTable(AppState& app, platform::Dialog& dialog) {
  const PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) return;
  // Another pipe of the string may lack the matrix shown so far.
  showMode(dialog, settledDataMode(pipe, shownMode(dialog)));
  const DataTable table =
      makeDataTable(*pipe, shownMode(dialog), app.pipeString.position, app.pipeString.angle);
  const std::string revolution = std::to_string(table.revolution);
  if (dialog.text(kDataRevolution) != revolution) dialog.setText(kDataRevolution, revolution);
  bool same = dialog.listLineCount(kDataTable) == kDataTableAngles;
  for (int i = 0; i < kDataTableAngles && same; ++i) same = dialog.listLine(kDataTable, i) == table.lines[i];
  if (!same) {
    dialog.clearList(kDataTable);
    for (const std::string& line : table.lines) dialog.addListLine(kDataTable, line);
  }
  for (int i = 0; i < kDataTableAngles; ++i) {
    const std::string angle = std::to_string(table.angles[i]);
    if (dialog.text(kDataFirstAngleLabel + i) != angle) dialog.setText(kDataFirstAngleLabel + i, angle);
  }
}

// "%.3f" and the degree sign.
void putCursorAngle(AppState& app, platform::Dialog& dialog, int id) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f \u00B0", static_cast<double>(app.pipeString.angle));
  dialog.setText(id, text);
}

void runOperation(AppState& app, platform::Dialog& dialog, DataOperation operation) {
  PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) return;
  const DataMode mode = shownMode(dialog);
  DataEdit edit{operation};
  edit.revolution = dataRevolution(*pipe, mode, app.pipeString.position);
  edit.start = dialog.intValue(kDataStart);
  edit.end = dialog.intValue(kDataEnd);
  edit.count = dialog.intValue(kDataCount);
  edit.fixedValue = dialog.numberValue(kDataFixedValue);
  if (!applyDataEdit(*pipe, mode, edit)) return;
  // The measures and pictures made from the matrix follow the edit, and the windows that show
  // them follow the new revision.
  ComputePipeMeasures(*pipe);
  if (mode == DataMode::kWall) ComputeStoredCsaStatistics(*pipe);
  pipe->edited();
  showTable(app, dialog);
}

void dataDisplayProcedure(AppState& app, platform::Dialog& dialog, const platform::DialogEvent& event) {
  const PipeFile* pipe = app.pipeString.current();
  showMode(dialog, settledDataMode(pipe, shownMode(dialog)));
  if (event.kind == Kind::kClose) return dialog.hide();
  if (event.kind != Kind::kCommand) return;
  for (const OperationButton& button : kOperationButtons) {
    if (button.id == event.id) return runOperation(app, dialog, button.operation);
  }
  switch (event.id) {
    case kDataWallButton:
    case kDataOdButton:
      showMode(dialog, chosenDataMode(pipe, shownMode(dialog),
                                      event.id == kDataWallButton ? DataMode::kWall : DataMode::kOd));
      showTable(app, dialog);
      break;
    case kDataStartButton:
      putCursorAngle(app, dialog, kDataStart);
      break;
    case kDataEndButton:
      putCursorAngle(app, dialog, kDataEnd);
      break;
    case kDataHelp:
      showHelpDialog(app, kHelpDataDisplay);
      break;
    default:
      break;
  }
}

}  // namespace

void createDataDisplayDialog(AppState& app) {
  platform::Dialog* dialog = app.dialogs.keep(
      Modeless::kDataDisplay,
      app.platform.createDialog(kDialogDataDisplay,
                                [&app](platform::Dialog& dialog, const platform::DialogEvent& event) {
                                  dataDisplayProcedure(app, dialog, event);
                                }));
  if (dialog != nullptr) showMode(*dialog, settledDataMode(app.pipeString.current(), DataMode::kWall));
}

void showDataDisplayDialog(AppState& app) {
  platform::Dialog* dialog = app.dialogs.get(Modeless::kDataDisplay);
  if (dialog == nullptr) return;
  showTable(app, *dialog);
  dialog->show();
}

void refreshDataDisplay(AppState& app) {
  if (app.dialogs.isVisible(Modeless::kDataDisplay)) showTable(app, *app.dialogs.get(Modeless::kDataDisplay));
}

}  // namespace ductora
