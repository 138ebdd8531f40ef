#include "app/dialogs/indication_dialog.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>
#include <vector>

#include "analysis/placement/display_rows.h"
#include "app/dialogs/help_dialogs.h"
#include "app/navigation/navigation.h"
#include "data/indications/indication_file.h"
#include "resources/data_dialogs.h"
#include "resources/shell_dialogs.h"

namespace ductora {
namespace {

using namespace resources;
using Kind = platform::DialogEvent::Kind;

// The line's columns: it is made of the file's fields, each a single word.
std::vector<std::string> columns(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

std::optional<double> number(const std::string& text) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

void fillList(platform::Dialog& dialog, const std::string& pipePath) {
  dialog.clearList(kIndicationList);
  const std::optional<std::string> found = findIndicationFile(pipePath);
  if (!found) return;
  for (const std::string& line : readIndicationList(*found).lines) dialog.addListLine(kIndicationList, line);
}

void goToLine(AppState& app, const std::string& line) {
  const PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) return;
  const auto target = indicationLineTarget(line, *pipe);
  if (!target) return;
  setX(app.pipeString, target->position, true);
  setOverlayX(app.pipeString, target->position);
  setY(app.pipeString, target->angle, true);
}

void indicationProcedure(AppState& app, platform::Dialog& dialog, const platform::DialogEvent& event) {
  if (event.kind == Kind::kClose) return dialog.hide();
  if (event.kind == Kind::kListDoubleClick && event.id == kIndicationList)
    return goToLine(app, dialog.selectedListText(kIndicationList));
  if (event.kind != Kind::kCommand) return;
  switch (event.id) {
    case kIndicationOn:
      app.viewMode = ViewMode::kIndications;
      break;
    case kIndicationOff:
      app.viewMode = ViewMode::k2DWall;
      break;
    case kIdCancel:
      dialog.hide();
      break;
    case kIdHelp:
      showHelpDialog(app, kHelpIndication);
      break;
    default:
      break;
  }
}

}  // namespace

void createIndicationDialog(AppState& app) {
  app.dialogs.keep(Modeless::kIndication,
                   app.platform.createDialog(kDialogIndication, [&app](platform::Dialog& dialog,
                                                                       const platform::DialogEvent& event) {
                     indicationProcedure(app, dialog, event);
                   }));
}

void showIndications(AppState& app) {
  const PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) {
    app.platform.messageBox("No Corvix file is opened!", "Warning", platform::MessageButtons::kOk,
                            platform::MessageIcon::kNone);
    return;
  }
  if (!findIndicationFile(pipe->path)) {
    app.platform.messageBox(
        "Unable to locate associated indication file: " + indicationFileNames(pipe->path).primary, "ERROR",
        platform::MessageButtons::kOk, platform::MessageIcon::kWarning);
    return;
  }
  platform::Dialog* dialog = app.dialogs.get(Modeless::kIndication);
  if (dialog == nullptr) return;
  fillList(*dialog, pipe->path);
  dialog->show();
}

std::optional<IndicationTarget> indicationLineTarget(const std::string& line, const PipeFile& pipe) {
  const std::vector<std::string> words = columns(line);
  if (words.size() < 6) return std::nullopt;
  const std::optional<double> inches = number(words[3]);
  const std::optional<double> degrees = number(words[5]);
  if (!inches || !degrees) return std::nullopt;
  // The file names the place on the pipe as inspected; the circle, and so the cursor, stands where
  // the wall map shows that place: along a reversed pipe from its far end, round a flipped one the
  // other way.
  const double deltaX = pipe.wallMatrix.deltaX;
  double position = 0.0;
  if (const auto index = DisplayIndexAt(std::max(*inches, 0.0), deltaX)) {
    const DisplayRows rows = WallDisplayRows(pipe);
    position = static_cast<double>(std::max<std::int64_t>(rows.IndexOf(*index - rows.offset), 0)) * deltaX;
  }
  const auto wallColumns = static_cast<std::int64_t>(pipe.wallMatrix.columns);
  double angle = 0.0;
  if (const auto column = DisplayColumnAt(*degrees, wallColumns)) {
    angle = ColumnAngle(ShownColumn(pipe, *column, wallColumns), wallColumns);
  }
  return IndicationTarget{static_cast<float>(position), static_cast<float>(angle)};
}

}  // namespace ductora
