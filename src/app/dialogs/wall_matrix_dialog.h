#pragma once

#include "app/state/app_state.h"

namespace ductora {

// Modify > Wall Matrix: the wall channels' settings and a rebuild of the current pipe's wall
// matrix, modal.
void runWallMatrixDialog(AppState& app);

// The dialog's procedure for one showing. The fields are filled when it is first painted, so that
// a repaint while the user types keeps what was typed.
class WallMatrixProcedure {
 public:
  explicit WallMatrixProcedure(AppState& app) : app_(app) {}
  void operator()(platform::Dialog& dialog, const platform::DialogEvent& event);

 private:
  void ok(platform::Dialog& dialog);

  AppState& app_;
  bool filled_ = false;
};

}  // namespace ductora
