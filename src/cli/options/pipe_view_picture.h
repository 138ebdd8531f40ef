#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/state/app_state.h"
#include "platform/headless/headless_platform.h"

namespace ductora::cli {

// A step that cannot go on: "ductora-cli: SUBJECT: reason" and the exit code.
struct Failure {
  int exitCode = 0;
  std::string subject;
  std::string reason;
};

// Prints the failure and gives its exit code.
int report(const Failure& failure);
// Prints "ductora-cli: warning: text" on one line.
void warn(const std::string& text);

// The program's shell on the headless platform, started without a file.
struct HeadlessProgram {
  HeadlessProgram();

  platform::headless::HeadlessPlatform platform;
  AppState app{platform};
  // What the program would show in message boxes, or files of the window it could not read.
  std::vector<std::string> warnings;
};

// Opens the file as the program's command line does. Fails when its current pipe could not be
// read or is damaged; other such files of the window are warnings.
std::optional<Failure> openFile(HeadlessProgram& program, const std::string& path);
// Makes pipe N (from 1) current with the program's window of loaded pipes around it, and sets the
// menu as opening it would.
std::optional<Failure> choosePipe(HeadlessProgram& program, std::int64_t number, const std::string& path);
// Loads the overlay pipe as File > Overlay does: placed at the current position. Fails when it
// could not be read or is damaged.
std::optional<Failure> loadOverlay(HeadlessProgram& program, const std::string& path);

// An RGB picture, top row first.
struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bytes;
};

struct PictureSize {
  int width = 0;
  int height = 0;
};

// One frame of the program with the window of that slot (the pipe view or a plot panel) resized
// to size, or at the size the program gives it on the default screen: that window's picture.
// Empty when it could not be drawn.
RgbPicture windowPicture(HeadlessProgram& program, int slot, const std::optional<PictureSize>& size);

}  // namespace ductora::cli
