#include "cli/options/pipe_view_picture.h"

#include <iostream>

#include "analysis/measures/pipe_measures.h"
#include "app/document/open_data_file.h"
#include "app/shell/frame.h"
#include "app/shell/menu_rules.h"
#include "app/shell/startup.h"
#include "cli/commands/command.h"
#include "cli/options/load_pipe.h"

namespace ductora::cli {
namespace {

std::string whyStringRefused(const std::string& path) { return PipeString(LoadPipeForUse).open(path).error; }

// A file that could not be read stays in the string as an empty record and a damaged one holds
// what could be read: neither is drawn. The program has reported them already, so the file is read
// again for the reason; a sound one costs a read.
std::optional<Failure> currentUnusable(const PipeString& string) {
  const std::string& name = string.names().at(string.currentIndex());
  PipeFile pipe;
  if (const auto reason = unusableReason(readPipeFile(pipe, name))) return Failure{kFileError, name, *reason};
  return std::nullopt;
}

}  // namespace

void warn(const std::string& text) {
  std::string line = text;
  for (char& c : line) {
    if (c == '\n') c = ' ';
  }
  std::cerr << "ductora-cli: warning: " << line << '\n';
}

int report(const Failure& failure) {
  std::cerr << "ductora-cli: " << failure.subject << ": " << failure.reason << '\n';
  return failure.exitCode;
}

HeadlessProgram::HeadlessProgram() { startApp(app, {}); }

std::optional<Failure> openFile(HeadlessProgram& program, const std::string& path) {
  // Not through the command line, whose quote rule would cut a path holding quotes.
  openDataFile(program.app, path, false);
  if (program.app.pipeString.current() == nullptr) return Failure{kFileError, path, whyStringRefused(path)};
  if (auto unusable = currentUnusable(program.app.pipeString)) return unusable;
  // What the program says in message boxes: pipes of the window it could not read, skipped lines.
  for (const auto& message : program.platform.messages()) program.warnings.push_back(message.text);
  return std::nullopt;
}

std::optional<Failure> choosePipe(HeadlessProgram& program, std::int64_t number, const std::string& path) {
  PipeString& string = program.app.pipeString;
  if (number > string.nameCount()) {
    return Failure{kUsageError, "render",
                   "--pipe " + std::to_string(number) + ": " + path + " holds " +
                       std::to_string(string.nameCount()) + " pipe(s)"};
  }
  if (number == string.currentIndex() + std::int64_t{1}) return std::nullopt;
  string.jumpTo(number);
  if (auto unusable = currentUnusable(string)) return unusable;
  for (const FileProblem& file : string.takeUnreadFiles())
    program.warnings.push_back(file.name + " could not be read: " + file.reason);
  for (const FileProblem& file : string.takeDamagedFiles())
    program.warnings.push_back(file.name + " is damaged: " + file.reason);
  platform::Menu& menu = program.platform.menu();
  disableFileMenuItems(menu);
  enableMenuForData(menu, string.current());
  return std::nullopt;
}

std::optional<Failure> loadOverlay(HeadlessProgram& program, const std::string& path) {
  PipeString& string = program.app.pipeString;
  PipeReadResult read;
  string.loadOverlay(path, &read);
  if (const auto reason = unusableReason(read)) return Failure{kFileError, path, *reason};
  string.overlay()->moveCursor(string.position);
  return std::nullopt;
}

RgbPicture windowPicture(HeadlessProgram& program, int slot, const std::optional<PictureSize>& size) {
  platform::headless::HeadlessSurface* surface = program.platform.surface(slot);
  if (surface == nullptr) return {};
  if (size) surface->resize(size->width, size->height);
  const int width = surface->geometry().width;
  const int height = surface->geometry().height;
  const int swaps = surface->swapCount();
  runFrame(program.app, 0.0);
  const std::vector<std::uint8_t>& rgba = surface->frame();
  if (surface->swapCount() == swaps || rgba.size() < std::size_t{4} * width * height) return {};
  // GL keeps the bottom row first; PNG wants the top row first and no alpha.
  RgbPicture picture{width, height, std::vector<std::uint8_t>(std::size_t{3} * width * height)};
  for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
    const std::uint8_t* from = rgba.data() + (static_cast<std::size_t>(height) - 1 - y) * width * 4;
    std::uint8_t* to = picture.bytes.data() + y * width * 3;
    for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x, from += 4, to += 3) {
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
    }
  }
  return picture;
}

}  // namespace ductora::cli
