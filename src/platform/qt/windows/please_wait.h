#pragma once

#include "platform/qt/widgets/qt_dialog.h"

namespace ductora::platform::qt {

// The "Please wait..." window brackets the long operations (open, save, pipe steps, rebuilds),
// which block the loop: shown, it is on the screen and painted before the work starts, and
// the busy cursor shows until it is hidden.
class PleaseWaitDialog : public QtDialog {
 public:
  using QtDialog::QtDialog;
  ~PleaseWaitDialog() override;

  void show() override;
  void hide() override;

 private:
  bool busy_ = false;
};

}  // namespace ductora::platform::qt
