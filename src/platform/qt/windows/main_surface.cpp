#include "platform/qt/windows/main_surface.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/widgets/kept_geometry.h"
#include "platform/qt/window_pixmaps.h"
#include "platform/qt/windows/window_manager.h"

namespace ductora::platform::qt {
namespace {

constexpr QLatin1StringView kGeometryKey("main");

}  // namespace

void MainSurface::create(MainWindow& window, const SurfaceSpec& plan, SurfaceCreation& creation) {
  creation.surface.reset(new MainSurface(window));
  auto* made = static_cast<MainSurface*>(creation.surface.get());
  window.setProcedure(plan.procedure);
  window.setWindowTitle(QString::fromStdString(plan.className));
  // Ends the title of every window, after the document's name.
  QGuiApplication::setApplicationDisplayName(QString::fromStdString(plan.className));
  // The main window's icon also stands for the program, e.g. on dialogs and the task bar.
  const QIcon icon = windowIcon(plan.iconId);
  window.setWindowIcon(icon);
  QGuiApplication::setWindowIcon(icon);
  window.viewport()->setCursor(windowCursor(plan.cursorId));
  made->offscreen_ = std::make_unique<QOffscreenSurface>();
  made->offscreen_->create();
  if (!made->offscreen_->isValid()) {
    creation.failedStep = SurfaceStep::kDeviceContext;
    return;
  }
  made->context_ = std::make_unique<QOpenGLContext>();
  if (!made->context_->create()) creation.failedStep = SurfaceStep::kContext;
}

bool MainSurface::makeCurrent() { return context_ != nullptr && context_->makeCurrent(offscreen_.get()); }

Size MainSurface::clientSize() const { return {window_.viewport()->width(), window_.viewport()->height()}; }

void MainSurface::show() {
  if (restoreWindowGeometry(window_, kGeometryKey)) {
    window_.show();
    return;
  }
  // A window manager maximises to what its title bar and panels leave. A size asked for as well
  // races with that and can leave the window taller than the room it was given, with the
  // bottom of every maximised panel out of sight. Without one, "maximised" means nothing, so
  // the window takes the screen's working area itself.
  if (!windowManagerRunning()) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      window_.setGeometry(screen->availableGeometry());
  }
  window_.showMaximized();
}

bool MainSurface::releaseContext() {
  context_.reset();
  return true;
}

bool MainSurface::releaseDeviceContext() {
  offscreen_.reset();
  return true;
}

bool MainSurface::destroyWindow() {
  keepWindowGeometry(window_, kGeometryKey);
  window_.setProcedure({});
  window_.hide();
  return true;
}

}  // namespace ductora::platform::qt
