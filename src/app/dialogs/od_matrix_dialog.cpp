#include "app/dialogs/od_matrix_dialog.h"

#include <limits>
#include <string>

#include "analysis/rebuild/od_build.h"
#include "app/dialogs/help_dialogs.h"
#include "app/document/matrix_rebuild.h"
#include "app/views/panels.h"
#include "data/exports/fixed_text.h"
#include "resources/matrix_dialogs.h"
#include "resources/shell_dialogs.h"

namespace ductora {
namespace {

using namespace resources;
using Kind = platform::DialogEvent::Kind;

void fill(const PipeFile& pipe, platform::Dialog& dialog) {
  for (std::size_t i = 0; i < kOdChannelSlots; ++i) {
    dialog.setText(kOdSampleCountControls[i], std::to_string(pipe.odChannels[i].sampleCount));
    dialog.setText(kOdInchesPerPixelControls[i], fixedText(pipe.odChannels[i].inchesPerCount, 5));
  }
  dialog.setInt(kOdJumpSize, pipe.header.odJumpSize);
  dialog.setChecked(kJumpFilterCorroborated, true);
}

// Both channels are read with the scale OD channel 1 has; the fields typed are not read. What
// does not build leaves the pipe as it was, its channel scales and jump size included.
void rebuild(AppState& app, PipeFile& pipe, platform::Dialog& dialog) {
  const int jumpSize = dialog.intValue(kOdJumpSize);
  constexpr int kMostJump = std::numeric_limits<decltype(pipe.header.odJumpSize)>::max();
  if (jumpSize < 0 || jumpSize > kMostJump) {
    return refuseRebuild(app, "OD Jump Size must be from 0 to " + std::to_string(kMostJump) + ".");
  }
  beginRebuild(app);
  const double secondScale = pipe.odChannels[1].inchesPerCount;
  pipe.odChannels[1].inchesPerCount = pipe.odChannels[0].inchesPerCount;
  const JumpFilter filter =
      dialog.isChecked(kJumpFilterReplace) ? JumpFilter::kReplace : JumpFilter::kCorroborated;
  FilterSummary filters;
  const BuildStatus status = BuildOdMatrix(pipe, jumpSize, filter, &filters);
  if (status == BuildStatus::kBuilt) {
    pipe.edited();
    pipe.header.odJumpSize = static_cast<std::uint8_t>(jumpSize);
  } else {
    pipe.odChannels[1].inchesPerCount = secondScale;
  }
  endRebuild(app);
  if (status != BuildStatus::kBuilt) {
    return refuseRebuild(
        app, "The OD matrix cannot be rebuilt: " + std::string(DescribeBuildStatus(status)) + ".");
  }
  dialog.end(kIdOk);
  reportRebuild(app, filters);
}

// Filled at the first paint, so that a repaint while the user types keeps what was typed.
class OdMatrixProcedure {
 public:
  explicit OdMatrixProcedure(AppState& app) : app_(app) {}

  void operator()(platform::Dialog& dialog, const platform::DialogEvent& event) {
    PipeFile* pipe = app_.pipeString.current();
    if (event.kind == Kind::kPaint && !filled_) {
      if (pipe != nullptr) fill(*pipe, dialog);
      filled_ = true;
    } else if (event.kind == Kind::kClose || (event.kind == Kind::kCommand && event.id == kIdCancel)) {
      dialog.end(kIdCancel);
    } else if (event.kind == Kind::kCommand && event.id == kIdOk) {
      if (pipe == nullptr) return dialog.end(kIdOk);
      rebuild(app_, *pipe, dialog);
    } else if (event.kind == Kind::kCommand && event.id == kIdHelp) {
      showHelpDialog(app_, kHelpOdMatrix);
    }
  }

 private:
  AppState& app_;
  bool filled_ = false;
};

}  // namespace

void runOdMatrixDialog(AppState& app) {
  if (!currentHasOdData(app)) return;
  focusPipeView(app);
  app.platform.runModalDialog(kDialogOdMatrix, OdMatrixProcedure(app));
}

}  // namespace ductora
