#pragma once

#include "app/state/app_state.h"

namespace ductora {

// Modify > Gray Scale: the current pipe's wall and OD limits of the gray-scale maps, modal.
void runGrayScaleDialog(AppState& app);

// The dialog's procedure for one showing. The limits are written when it is first painted, not
// at every paint: a repaint while the user types must not put the old values back.
class GrayScaleProcedure {
 public:
  explicit GrayScaleProcedure(AppState& app) : app_(app) {}
  void operator()(platform::Dialog& dialog, const platform::DialogEvent& event);

 private:
  AppState& app_;
  bool filled_ = false;
};

}  // namespace ductora
