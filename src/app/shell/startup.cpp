#include "app/shell/startup.h"

#include "app/document/open_data_file.h"
#include "app/shell/commands.h"
#include "app/shell/menu_rules.h"
#include "resources/dialog_table.h"

namespace ductora {
namespace {

void fillWindowClassNames(AppState& app) {
  app.windowClassNames[kMainClassIndex] = kProgramName;
  app.windowClassNames[kPipeViewClassIndex] = kPipeViewClass;
  for (std::size_t plot = 1; plot <= kPlotClassCount; ++plot)
    app.windowClassNames[kFirstPlotClassIndex + plot - 1] = "Plot " + std::to_string(plot);
  app.windowClassNames[kBurstClassIndex] = "Burst";
}

}  // namespace

std::string firstCommandLineToken(std::string_view commandLine) {
  const std::size_t start = commandLine.find_first_not_of('"');
  if (start == std::string_view::npos) return {};
  const std::size_t end = commandLine.find('"', start);
  return std::string(commandLine.substr(start, end == std::string_view::npos ? end : end - start));
}

void startApp(AppState& app, std::string_view commandLine) {
  app.appActive = true;
  app.documentState = DocumentState::kNone;
  app.viewMode = ViewMode::kNone;
  fillWindowClassNames(app);
  const platform::ScreenMetrics screen = app.platform.screen();
  app.windows.create(
      kMainWindowPanel, app.windowClassNames[kMainClassIndex], {0, 0, screen.width, screen.height},
      [&app](const platform::WindowEvent& event) { mainWindowProcedure(app, event); }, GlWindowSet::kNoParent,
      true);
  app.dialogs.keep(
      Modeless::kPleaseWait,
      app.platform.createDialog(
          resources::kDialogPleaseWait, [](platform::Dialog& dialog, const platform::DialogEvent& event) {
            if (event.kind == platform::DialogEvent::Kind::kCommand && event.id == resources::kIdOk)
              dialog.hide();
          }));
  app.windows.focus(kMainWindowPanel);
  disableFileMenuItems(app.platform.menu());
  if (!commandLine.empty()) openDataFile(app, firstCommandLineToken(commandLine), false);
  app.lastTickMs = app.platform.nowMs();
}

}  // namespace ductora
