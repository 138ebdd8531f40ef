#include "app/document/matrix_rebuild.h"

#include "app/shell/frame.h"

namespace ductora {

void focusPipeView(AppState& app) {
  app.windows.focus(kPipeViewPanel);
  app.windows.lower(kPipeViewPanel);
}

void beginRebuild(AppState& app) {
  app.dialogs.show(Modeless::kPleaseWait);
  runFrame(app, 0.0);
}

void endRebuild(AppState& app) {
  app.dialogs.hide(Modeless::kPleaseWait);
  app.windows.focus(kMainWindowPanel);
}

void refuseRebuild(AppState& app, const std::string& why) {
  app.platform.messageBox(why + "\nThe pipe was not changed.", "Error", platform::MessageButtons::kOk,
                          platform::MessageIcon::kWarning);
}

void reportRebuild(AppState& app, const FilterSummary& filters) {
  app.platform.messageBox(DescribeFilters(filters), "Notice", platform::MessageButtons::kOk,
                          platform::MessageIcon::kInformation);
}

}  // namespace ductora
