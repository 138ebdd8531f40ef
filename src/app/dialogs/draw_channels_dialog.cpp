#include "app/dialogs/draw_channels_dialog.h"

#include <string>

#include "analysis/rebuild/correction/channel_correction.h"
#include "analysis/rebuild/wall_build.h"
#include "analysis/rebuild/wall_build_check.h"
#include "app/dialogs/help_dialogs.h"
#include "app/document/matrix_rebuild.h"
#include "app/navigation/navigation.h"
#include "data/exports/fixed_text.h"
#include "resources/matrix_dialogs.h"
#include "resources/shell_dialogs.h"

namespace ductora {
namespace {

using namespace resources;
using Kind = platform::DialogEvent::Kind;

constexpr int kChannelCount = 4;

void fill(const AppState& app, platform::Dialog& dialog) {
  const PipeFile* pipe = app.pipeString.current();
  const WallChannel none;
  for (std::size_t i = 0; i < kDrawChannelReadouts.size(); ++i) {
    const WallChannel& channel = pipe == nullptr ? none : pipe->wallChannels[i];
    dialog.setText(kDrawChannelReadouts[i].sampleCount, std::to_string(channel.sampleCount));
    dialog.setText(kDrawChannelReadouts[i].velocity, fixedText(channel.velocity, 4));
    dialog.setText(kDrawChannelReadouts[i].wallScale, fixedText(channel.wallScale, 3));
  }
  for (int number = 1; number <= kChannelCount; ++number) {
    dialog.setChecked(kDrawFirstChannelOption + number - 1, number == app.drawChannels.first);
    dialog.setChecked(kDrawSecondChannelOption + number - 1, number == app.drawChannels.second);
  }
}

// The overlay is the current pipe built from the second channel, made in memory: nothing is
// written beside the user's files. Either both maps are built or nothing changes.
bool drawChannels(AppState& app, PipeFile& pipe) {
  const DrawChannelChoice choice = app.drawChannels;
  for (const int number : {choice.second, choice.first}) {
    if (const auto problem = CheckWallBuild(pipe, {.primary = number})) {
      refuseRebuild(app, problem->message);
      return false;
    }
  }
  beginRebuild(app);
  PipeFile overlay = pipe;
  // As a pipe freshly loaded: its own offset and rotations start at 0.
  overlay.viewState = {};
  BuildStatus status = BuildWallMatrix(overlay, choice.second - 1, kEncoderCountFile);
  if (status == BuildStatus::kBuilt) status = BuildWallMatrix(pipe, choice.first - 1, kEncoderCountFile);
  if (status == BuildStatus::kBuilt) {
    pipe.edited();
    app.pipeString.setOverlay(std::move(overlay));
    app.viewMode = ViewMode::k2DWallOverlayTop;
    moveOverlay(app.pipeString, app.pipeString.position);
  }
  endRebuild(app);
  if (status != BuildStatus::kBuilt) {
    refuseRebuild(app, "The channels cannot be drawn: " + std::string(DescribeBuildStatus(status)) + ".");
  }
  return status == BuildStatus::kBuilt;
}

// Filled when drawn after being shown: the pipe may have changed while it was hidden.
class DrawChannelsProcedure {
 public:
  explicit DrawChannelsProcedure(AppState& app) : app_(app) {}

  void operator()(platform::Dialog& dialog, const platform::DialogEvent& event) {
    if (event.kind == Kind::kPaint && !filled_) {
      fill(app_, dialog);
      filled_ = true;
      return;
    }
    if (event.kind == Kind::kClose) return hide(dialog);
    if (event.kind != Kind::kCommand) return;
    const int first = event.id - kDrawFirstChannelOption + 1;
    const int second = event.id - kDrawSecondChannelOption + 1;
    if (second >= 1 && second <= kChannelCount) {
      app_.drawChannels.second = second;
    } else if (first >= 1 && first <= kChannelCount) {
      app_.drawChannels.first = first;
    } else if (event.id == kIdOk) {
      PipeFile* pipe = app_.pipeString.current();
      if (pipe == nullptr || drawChannels(app_, *pipe)) hide(dialog);
    } else if (event.id == kIdCancel) {
      hide(dialog);
    } else if (event.id == kIdHelp) {
      showHelpDialog(app_, kHelpDrawChannels);
    }
  }

 private:
  void hide(platform::Dialog& dialog) {
    dialog.hide();
    filled_ = false;
  }

  AppState& app_;
  bool filled_ = false;
};

}  // namespace

void createDrawChannelsDialog(AppState& app) {
  app.dialogs.keep(Modeless::kDrawChannels,
                   app.platform.createDialog(kDialogDrawChannels, DrawChannelsProcedure(app)));
}

void showDrawChannelsDialog(AppState& app) {
  focusPipeView(app);
  app.dialogs.show(Modeless::kDrawChannels);
}

}  // namespace ductora
