#include "app/dialogs/help_dialogs.h"

#include "resources/shell_dialogs.h"

namespace ductora {
namespace {

using Kind = platform::DialogEvent::Kind;

// OK, Cancel and the close box all put a help window away.
void helpProcedure(platform::Dialog& dialog, const platform::DialogEvent& event) {
  const bool closing =
      event.kind == Kind::kClose ||
      (event.kind == Kind::kCommand && (event.id == resources::kIdOk || event.id == resources::kIdCancel));
  if (closing) dialog.hide();
}

}  // namespace

void createHelpDialogs(AppState& app) {
  for (const int id : resources::kHelpDialogOrder) {
    if (auto dialog = app.platform.createDialog(id, helpProcedure))
      app.dialogs.keepHelpWindow(std::move(dialog));
  }
}

void showHelpDialog(AppState& app, int helpDialogId) {
  for (const auto& dialog : app.dialogs.helpWindows()) {
    if (dialog->resourceId() == helpDialogId) {
      dialog->show();
      return;
    }
  }
}

}  // namespace ductora
