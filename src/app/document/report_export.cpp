#include "app/document/report_export.h"

#include <filesystem>

#include "app/document/pipe_writing.h"

namespace ductora {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;
using platform::ToolOutcome;

constexpr const char* kCaption = "Export Report";

void tell(AppState& app, const std::string& text, MessageIcon icon) {
  app.platform.messageBox(text, kCaption, MessageButtons::kOk, icon);
}

void reportOutcome(AppState& app, const std::string& path, const ToolOutcome& outcome) {
  if (outcome.end == ToolOutcome::End::kCancelled) return;
  if (outcome.end == ToolOutcome::End::kNotStarted) {
    tell(app, "The report could not be made: ductora-cli could not be started.", MessageIcon::kWarning);
  } else if (outcome.exitCode == 0) {
    tell(app, "The report was written to " + path + ".", MessageIcon::kInformation);
  } else if (outcome.exitCode == 1 && std::filesystem::exists(path)) {
    // The report goes on past files it cannot read, and names them on its cover.
    tell(app,
         "The report was written to " + path + ", but not every file could be read:\n" + outcome.messages,
         MessageIcon::kWarning);
  } else {
    tell(app, "The report could not be written:\n" + outcome.messages, MessageIcon::kWarning);
  }
}

}  // namespace

void exportReport(AppState& app) {
  if (app.pipeString.nameCount() == 0) return;
  // The report reads the files: changes not saved are not in it.
  for (PipeFile& pipe : app.pipeString.loadedPipes()) {
    if (pipe.unsavedChanges && !confirmDroppingPipe(app, pipe)) return;
  }
  const std::string path = app.platform.saveFileDialog(kCaption, {"PDF Files", "*.pdf"});
  if (path.empty()) return;
  // Every pipe of the string, not only those loaded; after "--", so no name is taken for an option.
  std::vector<std::string> arguments{"report", "--format", "pdf", "-o", path, "--progress", "--"};
  const std::vector<std::string>& names = app.pipeString.names();
  arguments.insert(arguments.end(), names.begin(), names.end());
  app.platform.runTool(kCaption, "ductora-cli", arguments,
                       [&app, path](const ToolOutcome& outcome) { reportOutcome(app, path, outcome); });
}

}  // namespace ductora
