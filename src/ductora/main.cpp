#include <QApplication>
#include <QStringList>
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
  return ductora::runMainLoop(app);
}
