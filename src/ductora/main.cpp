#include <QApplication>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/shell/main_loop.h"
#include "app/shell/startup.h"
#include "app/state/app_state.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/windows/screenshot.h"

namespace {

// With DUCTORA_SCREENSHOT=FILE the program runs its frames for two seconds, saves the screen
// to FILE and ends: how it is shown where nobody watches the display.
int runForScreenshot(ductora::AppState& app, const std::string& path) {
  const double end = app.platform.nowMs() + 2000.0;
  while (!app.quitPosted && app.platform.nowMs() < end) ductora::loopIteration(app);
  if (!ductora::platform::qt::saveScreenshot(path)) {
    std::fprintf(stderr, "ductora: %s: cannot write the screenshot\n", path.c_str());
    return 1;
  }
  return 0;
}

// With DUCTORA_FRAME_RATE set, the program writes to stderr, for each second in which it drew,
// how many frames it drew and the longest wait between two frames in a row: how smooth it moves
// is measured on the machine it runs on.
int runCountingFrames(ductora::AppState& app) {
  double secondStart = app.platform.nowMs();
  std::uint64_t framesAtStart = app.framesRun;
  double lastFrameMs = -1.0;
  double longestMs = 0.0;
  while (!app.quitPosted) {
    const std::uint64_t before = app.framesRun;
    ductora::loopIteration(app);
    const double now = app.platform.nowMs();
    if (app.framesRun == before) {
      lastFrameMs = -1.0;  // slept: the next frame starts a new run
    } else {
      if (lastFrameMs >= 0.0) longestMs = std::max(longestMs, now - lastFrameMs);
      lastFrameMs = now;
    }
    if (now - secondStart < 1000.0) continue;
    if (app.framesRun != framesAtStart) {
      std::fprintf(stderr, "ductora: %.1f frames/s, longest %.1f ms\n",
                   static_cast<double>(app.framesRun - framesAtStart) * 1000.0 / (now - secondStart),
                   longestMs);
    }
    secondStart = now;
    framesAtStart = app.framesRun;
    longestMs = 0.0;
  }
  return 0;
}

}  // namespace

// ductora [FILE]: the arguments after the program, as one line, are the command line.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Where the recent files are kept: ~/.config/Ductora/ductora.conf
  QCoreApplication::setOrganizationName("Ductora");
  QCoreApplication::setApplicationName("ductora");
  const QStringList arguments = QCoreApplication::arguments().mid(1);
  const std::string commandLine = arguments.join(' ').toStdString();

  ductora::platform::qt::QtPlatform platform;
  ductora::AppState app(platform);
  ductora::startApp(app, commandLine);
  if (const char* screenshot = std::getenv("DUCTORA_SCREENSHOT")) return runForScreenshot(app, screenshot);
  if (std::getenv("DUCTORA_FRAME_RATE") != nullptr) return runCountingFrames(app);
  return ductora::runMainLoop(app);
}
