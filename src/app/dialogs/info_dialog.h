#pragma once

#include "app/state/app_state.h"

namespace ductora {

// View > Info: the current pipe's job information and which blocks its file held, modal. The
// two "<>" buttons flip the rotation and from flags at once; OK stores the editable fields.
void runInfoDialog(AppState& app);

// The dialog's procedure for one showing; the fields are filled at the first paint only, so a
// repaint while the user types keeps what was typed.
class InfoProcedure {
 public:
  explicit InfoProcedure(AppState& app) : app_(app) {}
  void operator()(platform::Dialog& dialog, const platform::DialogEvent& event);

 private:
  AppState& app_;
  bool filled_ = false;
};

// ctime's form of a time stamp in local time, "Www Mmm dd hh:mm:ss yyyy", in English whatever
// the locale.
std::string createdText(std::uint32_t created);

}  // namespace ductora
