#include "app/dialogs/wall_matrix_dialog.h"

#include <string>

#include "analysis/rebuild/correction/channel_correction.h"
#include "analysis/rebuild/matrix_fields.h"
#include "analysis/rebuild/wall_build_check.h"
#include "app/dialogs/help_dialogs.h"
#include "app/document/matrix_rebuild.h"
#include "data/exports/fixed_text.h"
#include "resources/matrix_dialogs.h"
#include "resources/shell_dialogs.h"

namespace ductora {
namespace {

using namespace resources;
using Kind = platform::DialogEvent::Kind;

void fill(const AppState& app, platform::Dialog& dialog) {
  const PipeFile empty;
  const PipeFile* current = app.pipeString.current();
  const PipeFile& pipe = current == nullptr ? empty : *current;
  const WallMatrixFields fields = WallMatrixFieldsOf(pipe);
  for (std::size_t i = 0; i < kMatrixChannelControls.size(); ++i) {
    const WallChannelControls& controls = kMatrixChannelControls[i];
    const WallChannel& channel = pipe.wallChannels[i];
    dialog.setText(controls.sampleCount, std::to_string(channel.sampleCount));
    dialog.setText(controls.wallScale, fixedText(channel.wallScale, kWallScaleDecimals));
    dialog.setText(controls.velocity, fixedText(channel.velocity, 4));
  }
  dialog.setText(kMatrixJumpSize, std::to_string(fields.jumpSize));
  dialog.setInt(kMatrixPrimary, fields.primary);
  dialog.setInt(kMatrixSecondary, fields.secondary);
  dialog.setText(kMatrixRemoveFront, fixedText(fields.removeFront / kCountsPerInch, kRemovalDecimals));
  dialog.setText(kMatrixRemoveBack, fixedText(fields.removeBack / kCountsPerInch, kRemovalDecimals));
  dialog.setText(kMatrixDeltaX, fixedText(fields.deltaX, kPitchDecimals));
  dialog.setText(kMatrixDeltaY, fixedText(fields.deltaY, kPitchDecimals));
  // Unless Left is chosen the secondary channel goes behind the primary.
  dialog.setChecked(kMatrixRight, true);
  dialog.setChecked(kJumpFilterCorroborated, true);
}

// The velocity typed (inches per microsecond) as a wall scale at the 100 MHz sampling clock.
void calcWallScale(platform::Dialog& dialog, const WallChannelControls& controls) {
  const double velocity = dialog.numberValue(controls.velocity);
  const double wallScale = 1000.0 / (1e8 / (velocity * 1e6)) / 2.0;
  dialog.setText(controls.wallScale, fixedText(wallScale, kWallScaleDecimals));
}

void switchChannels(platform::Dialog& dialog) {
  const int primary = dialog.intValue(kMatrixPrimary);
  dialog.setInt(kMatrixPrimary, dialog.intValue(kMatrixSecondary));
  dialog.setInt(kMatrixSecondary, primary);
}

WallBuildRequest readRequest(const platform::Dialog& dialog) {
  WallBuildRequest request;
  request.jumpSize = dialog.intValue(kMatrixJumpSize);
  for (std::size_t i = 0; i < kMatrixChannelControls.size(); ++i) {
    request.wallScales[i] = dialog.numberValue(kMatrixChannelControls[i].wallScale);
  }
  request.deltaX = dialog.numberValue(kMatrixDeltaX);
  request.deltaY = dialog.numberValue(kMatrixDeltaY);
  request.removeFrontInches = dialog.numberValue(kMatrixRemoveFront);
  request.removeBackInches = dialog.numberValue(kMatrixRemoveBack);
  request.primary = dialog.intValue(kMatrixPrimary);
  request.secondary = dialog.intValue(kMatrixSecondary);
  request.displayRaw = dialog.isChecked(kMatrixDisplayRaw);
  request.direction = dialog.isChecked(kMatrixLeft) ? AppendDirection::kLeft : AppendDirection::kRight;
  request.jumpFilter =
      dialog.isChecked(kJumpFilterReplace) ? JumpFilter::kReplace : JumpFilter::kCorroborated;
  return request;
}

}  // namespace

void runWallMatrixDialog(AppState& app) {
  focusPipeView(app);
  app.platform.runModalDialog(kDialogModifyPipeMatrix, WallMatrixProcedure(app));
}

void WallMatrixProcedure::operator()(platform::Dialog& dialog, const platform::DialogEvent& event) {
  if (event.kind == Kind::kPaint && !filled_) {
    fill(app_, dialog);
    filled_ = true;
    return;
  }
  if (event.kind == Kind::kClose) return dialog.end(kIdCancel);
  if (event.kind != Kind::kCommand) return;
  for (const WallChannelControls& controls : kMatrixChannelControls) {
    if (event.id == controls.calcWallScale) return calcWallScale(dialog, controls);
  }
  switch (event.id) {
    case kMatrixSwitch:
      switchChannels(dialog);
      break;
    case kMatrixOk:
      ok(dialog);
      break;
    case kIdCancel:
      dialog.end(kIdCancel);
      break;
    case kIdHelp:
      showHelpDialog(app_, kHelpModifyMatrix);
      break;
    default:
      break;
  }
}

// A build the settings or the data do not allow is refused with the pipe untouched and the
// dialog left open to correct them.
void WallMatrixProcedure::ok(platform::Dialog& dialog) {
  PipeFile* pipe = app_.pipeString.current();
  if (pipe == nullptr) return dialog.end(kMatrixOk);
  const WallBuildRequest request = readRequest(dialog);
  if (request.jumpSize == 0) {
    // The operator's way out without a rebuild.
    pipe->edited();
    return dialog.end(kMatrixOk);
  }
  if (const auto problem = CheckWallBuild(*pipe, request)) return refuseRebuild(app_, problem->message);

  beginRebuild(app_);
  // One channel alone is built with the pipe's stored settings; the values typed are not applied.
  FilterSummary filters;
  const BuildStatus status =
      request.secondary != 0
          ? BuildMergedWallMatrix(*pipe, MergedBuildOf(request, WallMatrixFieldsOf(*pipe), kEncoderCountFile),
                                  app_.revolutionStartCounts, &filters)
          : BuildWallMatrix(*pipe, request.primary - 1, kEncoderCountFile, request.jumpFilter, &filters);
  if (status == BuildStatus::kBuilt) {
    pipe->edited();
  }
  endRebuild(app_);
  if (status != BuildStatus::kBuilt) {
    return refuseRebuild(
        app_, "The wall matrix cannot be rebuilt: " + std::string(DescribeBuildStatus(status)) + ".");
  }
  dialog.end(kMatrixOk);
  reportRebuild(app_, filters);
}

}  // namespace ductora
