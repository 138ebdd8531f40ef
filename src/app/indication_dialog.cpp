#include "app/indication_dialog.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "analysis/revolution_starts.h"
#include "app/help_dialogs.h"
#include "app/navigation.h"
#include "data/indication_file.h"
#include "resources/data_dialogs.h"
#include "resources/shell_dialogs.h"

namespace ductora {
namespace {

using namespace resources;
using Kind = platform::DialogEvent::Kind;

std::vector<std::string> splitTokens(const std::string& line) {
  std::vector<std::string> tokens;
  std::size_t at = line.find_first_not_of(' ');
  if (at == std::string::npos) return tokens;
  std::size_t end = line.find(' ', at);
  tokens.push_back(line.substr(at, end - at));
  constexpr const char* kSeparators = " ,.";
  while (end != std::string::npos) {
    at = line.find_first_not_of(kSeparators, end);
    if (at == std::string::npos) break;
    end = line.find_first_of(kSeparators, at);
    tokens.push_back(line.substr(at, end == std::string::npos ? std::string::npos : end - at));
  }
  return tokens;
}

// The leading integer of a token, 0 when it has none.
long leadingInteger(const std::string& token) { return std::strtol(token.c_str(), nullptr, 10); }

void fillList(platform::Dialog& dialog, const std::string& pipePath) {
  dialog.clearList(kIndicationList);
  const std::optional<std::string> found = findIndicationFile(pipePath);
  if (!found) return;
  for (const std::string& line : readIndicationList(*found).lines) dialog.addListLine(kIndicationList, line);
}

void goToLine(AppState& app, const std::string& line) {
  const PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) return;
  const auto target = IndicationLineTarget(line, *pipe, app.pipeString.revolutionStartCounts);
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
  app.indicationDialog = app.platform.createDialog(
      kDialogIndication, [&app](platform::Dialog& dialog, const platform::DialogEvent& event) {
        indicationProcedure(app, dialog, event);
      });
}

void destroyIndicationDialog(AppState& app) { app.indicationDialog.reset(); }

void showIndications(AppState& app) {
  const PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) {
    app.platform.messageBox("No Corvix file is opened!", "Warning", platform::MessageButtons::kOk,
                            platform::MessageIcon::kNone);
    return;
  }
  const std::optional<std::string> found = findIndicationFile(pipe->path);
  app.indicationPath = found ? *found : indicationFileNames(pipe->path).primary;
  if (!found) {
    app.platform.messageBox("Unable to locate associated indication file: " + app.indicationPath, "ERROR",
                            platform::MessageButtons::kOk, platform::MessageIcon::kWarning);
    return;
  }
  if (!app.indicationDialog) return;
  fillList(*app.indicationDialog, pipe->path);
  app.indicationDialog->show();
}

std::optional<IndicationTarget> IndicationLineTarget(
    const std::string& line, const PipeFile& pipe, const std::array<std::uint32_t, kMaxRevolutions>& starts) {
  const std::vector<std::string> tokens = splitTokens(line);
  if (tokens.size() < 6) return std::nullopt;
  const long a = leadingInteger(tokens[4]);
  const long b = leadingInteger(tokens[5]);
  const double deltaX = pipe.wallMatrix.deltaX;
  const double revolution = deltaX > 0.0 ? std::trunc(static_cast<double>(a) / deltaX) : 0.0;
  // A count below zero lies before every revolution.
  const std::uint32_t count =
      b < 0 ? 0U : static_cast<std::uint32_t>(std::min<long>(b, std::numeric_limits<std::uint32_t>::max()));
  // The angle is in degrees; the cursor goes to the start of the column it falls in.
  const double degrees = AngleOfRotationCount(starts, count);
  const double deltaY = pipe.wallMatrix.deltaY;
  const double angle = deltaY > 0.0 ? std::trunc(degrees / deltaY) * deltaY : degrees;
  return IndicationTarget{static_cast<float>(revolution * deltaX), static_cast<float>(angle)};
}

}  // namespace ductora
