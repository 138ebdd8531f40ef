#include "app/dialogs/gray_scale_dialog.h"

#include <cstdint>

#include "app/dialogs/help_dialogs.h"
#include "app/navigation/navigator_dialog.h"
#include "app/windows/pipe_window.h"
#include "app/windows/statistics_window.h"
#include "resources/dialog_table.h"

namespace ductora {
namespace {

using namespace resources;

void fillLimits(const AppState& app, platform::Dialog& dialog) {
  const PipeFile* pipe = app.pipeString.current();
  const PipeHeader header = pipe == nullptr ? PipeHeader{} : pipe->header;
  dialog.setInt(kGrayUpperWall, pipe == nullptr ? 0 : header.upperWall);
  dialog.setInt(kGrayLowerWall, pipe == nullptr ? 0 : header.lowerWall);
  dialog.setInt(kGrayUpperOffset, pipe == nullptr ? 0 : header.upperOdOffset);
  dialog.setInt(kGrayLowerOffset, pipe == nullptr ? 0 : header.lowerOdOffset);
}

// The number typed, kept to its low 16 bits as the limits are stored: -5 becomes 65531.
std::uint16_t lowBits(const platform::Dialog& dialog, int id) {
  return static_cast<std::uint16_t>(dialog.intValue(id));
}

// Stores what changed and redraws only those maps.
void applyLimits(AppState& app, const platform::Dialog& dialog) {
  PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) return;
  pipe->edited();
  if (app.pleaseWait) app.pleaseWait->show();
  PipeHeader& header = pipe->header;
  const std::uint16_t upperWall = lowBits(dialog, kGrayUpperWall);
  const std::uint16_t lowerWall = lowBits(dialog, kGrayLowerWall);
  if (upperWall != header.upperWall || lowerWall != header.lowerWall) {
    header.upperWall = upperWall;
    header.lowerWall = lowerWall;
  }
  const auto upperOffset = static_cast<std::int16_t>(lowBits(dialog, kGrayUpperOffset));
  const auto lowerOffset = static_cast<std::int16_t>(lowBits(dialog, kGrayLowerOffset));
  if (upperOffset != header.upperOdOffset || lowerOffset != header.lowerOdOffset) {
    header.upperOdOffset = upperOffset;
    header.lowerOdOffset = lowerOffset;
  }
  initPipeDialogSliders(app);
  // The Statistics sliders store both limits of a map: left at the old ones, the next drag
  // would put back what was typed here.
  initStatisticsSliders(app);
  initNavigator(app);
  if (app.pleaseWait) app.pleaseWait->hide();
}

}  // namespace

void runGrayScaleDialog(AppState& app) {
  app.platform.runModalDialog(kDialogGrayScale, GrayScaleProcedure(app));
}

void GrayScaleProcedure::operator()(platform::Dialog& dialog, const platform::DialogEvent& event) {
  using Kind = platform::DialogEvent::Kind;
  AppState& app = app_;
  switch (event.kind) {
    case Kind::kPaint:
      if (!filled_) fillLimits(app, dialog);
      filled_ = true;
      break;
    case Kind::kClose:
      dialog.end(kIdCancel);
      break;
    case Kind::kCommand:
      if (event.id == kIdOk) {
        applyLimits(app, dialog);
        dialog.end(kIdOk);
      } else if (event.id == kIdCancel) {
        dialog.end(kIdCancel);
      } else if (event.id == kIdHelp) {
        showHelpDialog(app, kHelpGrayScale);
      }
      break;
    default:
      break;
  }
}

}  // namespace ductora
