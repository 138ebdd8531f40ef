#include "app/dialogs/gray_scale_dialog.h"

#include <cstdint>

#include "app/dialogs/help_dialogs.h"
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

// Stores the limits typed; the next frame draws the maps again from them.
void applyLimits(AppState& app, const platform::Dialog& dialog) {
  PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) return;
  PipeHeader& header = pipe->header;
  header.upperWall = lowBits(dialog, kGrayUpperWall);
  header.lowerWall = lowBits(dialog, kGrayLowerWall);
  header.upperOdOffset = static_cast<std::int16_t>(lowBits(dialog, kGrayUpperOffset));
  header.lowerOdOffset = static_cast<std::int16_t>(lowBits(dialog, kGrayLowerOffset));
  pipe->edited();
  // The Statistics sliders store both limits of a map: left at the old ones, the next drag
  // would put back what was typed here.
  app.requests.followPipe = true;
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
