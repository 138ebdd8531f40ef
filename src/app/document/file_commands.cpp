#include "app/document/file_commands.h"

#include "analysis/placement/placed_exports.h"
#include "app/document/file_choice.h"
#include "app/shell/menu_rules.h"
#include "data/files/text_file.h"
#include "data/format/pipe_file_io.h"

namespace ductora {
namespace {

TextExport makeExport(const AppState& app, TextExportKind kind) {
  const PipeFile* pipe = app.pipeString.current();
  switch (kind) {
    case TextExportKind::kLengthAtY:
      return ExportLengthAtY(pipe, app.pipeString.angle);
    case TextExportKind::kRevAtX:
      return ExportRevAtX(pipe, app.pipeString.position);
    case TextExportKind::kHalden:
      break;
  }
  return ExportHalden(pipe);
}

void warn(AppState& app, const std::string& text) {
  app.platform.messageBox(text, "Warning", platform::MessageButtons::kOk, platform::MessageIcon::kWarning);
}

}  // namespace

void loadOverlayPipe(AppState& app) {
  const std::string path = askForFile(app, kPipeFilter);
  if (path.empty()) return;
  PipeString& string = app.pipeString;
  PipeReadResult read;
  if (!string.loadOverlay(path, &read)) {
    reportFileError(app, "The overlay pipe could not be read from " + path + ": " + read.error);
    return;
  }
  if (read.damaged()) {
    warn(app, "The overlay pipe " + path + " is damaged; what could be read is shown:\n" + read.damage);
  }
  app.viewMode = ViewMode::k2DWallOverlayTop;
  string.overlay()->moveCursor(string.position);
}

void importStraightness(AppState& app) {
  const std::string chosen = askForFile(app, kPipeFilter);
  if (chosen.empty()) return;
  const std::string path = withFilterExtension(chosen, kPipeFilter);
  PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) return;
  const StraightnessImportResult imported = importStraightnessFile(*pipe, path);
  if (!imported.ok) {
    reportFileError(app, "No straightness matrix could be imported from " + path + ": " + imported.error);
    return;
  }
  pipe->edited();
  // The straightness plot and the edits that go with it become available.
  enableMenuForData(app.platform.menu(), pipe);
}

void exportText(AppState& app, TextExportKind kind) {
  const std::string path = askForFileToWrite(app, kTextFilter);
  if (path.empty()) return;
  const TextExport made = makeExport(app, kind);
  switch (made.status) {
    case ExportStatus::kNoPipe:
      return;
    case ExportStatus::kNoMatrix:
      // Without an OD matrix the Halden file is empty; the wall exports have nothing to say.
      if (kind == TextExportKind::kHalden) break;
      warn(app, "The current pipe has no wall matrix: nothing was written to " + path + ".");
      return;
    case ExportStatus::kOutsideMatrix:
      warn(app, "The cursor lies outside the wall matrix: nothing was written to " + path + ".");
      return;
    case ExportStatus::kWritten:
      break;
  }
  const SaveResult written = writeTextFile(path, made.text);
  if (!written.ok) reportFileError(app, "The export could not be written to " + path + ": " + written.error);
}

}  // namespace ductora
