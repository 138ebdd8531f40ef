#pragma once

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <memory>

#include "platform/platform.h"
#include "platform/qt/windows/main_window.h"

namespace ductora::platform::qt {

// Slot 0: the main window. It never draws, but keeps a context of its own like every slot.
class MainSurface : public Surface {
 public:
  static void create(MainWindow& window, const SurfaceSpec& plan, SurfaceCreation& creation);

  bool makeCurrent() override;
  void swapBuffers() override {}
  Size clientSize() const override;
  void show() override;
  void hide() override { window_.hide(); }
  void raise() override { window_.raise(); }
  void lower() override { window_.lower(); }
  void focus() override { window_.activateWindow(); }
  void setTitle(const std::string& title) override { window_.setWindowTitle(QString::fromStdString(title)); }
  std::string title() const override { return window_.windowTitle().toStdString(); }
  bool releaseContext() override;
  bool releaseDeviceContext() override;
  bool destroyWindow() override;

 private:
  explicit MainSurface(MainWindow& window) : window_(window) {}

  MainWindow& window_;
  std::unique_ptr<QOffscreenSurface> offscreen_;
  std::unique_ptr<QOpenGLContext> context_;
};

}  // namespace ductora::platform::qt
