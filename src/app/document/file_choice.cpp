#include "app/document/file_choice.h"

#include <filesystem>
#include <system_error>

namespace ductora {

const platform::FileFilter kPipeFilter{"Corvix Files", "*.kqvw"};
const platform::FileFilter kStringFilter{"Corvix String Files", "*.kqstr"};
const platform::FileFilter kTextFilter{"Text File", "*.txt"};

namespace {

constexpr const char* kCaption = "Select a data file.";

}  // namespace

std::string askForFile(AppState& app, const platform::FileFilter& filter) {
  return app.platform.openFileDialog(kCaption, filter);
}

std::string withFilterExtension(const std::string& path, const platform::FileFilter& filter) {
  const std::string extension = filter.pattern.substr(filter.pattern.find('.'));
  return path.find(extension) == std::string::npos ? path + extension : path;
}

std::string askForFileToWrite(AppState& app, const platform::FileFilter& filter) {
  const std::string chosen = app.platform.saveFileDialog(kCaption, filter);
  if (chosen.empty()) return {};
  const std::string path = withFilterExtension(chosen, filter);
  std::error_code error;
  if (path == chosen || !std::filesystem::exists(path, error)) return path;
  const platform::MessageResult answer =
      app.platform.messageBox(path + " already exists.\nDo you want to replace it?", "Notice",
                              platform::MessageButtons::kYesNo, platform::MessageIcon::kWarning);
  return answer == platform::MessageResult::kYes ? path : std::string();
}

void reportFileError(AppState& app, const std::string& text) {
  app.platform.messageBox(text, "Error", platform::MessageButtons::kOk, platform::MessageIcon::kWarning);
}

}  // namespace ductora
