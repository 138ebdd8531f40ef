#pragma once

#include <QMdiSubWindow>
#include <QOpenGLContext>
#include <QPointer>
#include <functional>
#include <memory>

#include "platform/platform.h"
#include "platform/qt/windows/gl_window.h"
#include "platform/qt/windows/last_frame.h"
#include "platform/qt/windows/main_window.h"

namespace ductora::platform::qt {

// A panel: an MDI sub-window with caption, sizing frame and the three boxes, holding a GL
// window with its own context.
class PanelSurface : public Surface {
 public:
  // Builds the window step by step into creation; on failure creation keeps what was built.
  static void create(MainWindow& window, const SurfaceSpec& plan, SurfaceCreation& creation);
  ~PanelSurface() override;

  bool makeCurrent() override;
  void swapBuffers() override;
  Size clientSize() const override;
  void show() override;
  void hide() override;
  void raise() override;
  void lower() override;
  void focus() override;
  void setTitle(const std::string& title) override;
  std::string title() const override;
  bool releaseContext() override;
  bool releaseDeviceContext() override;
  bool destroyWindow() override;

  // Shows the last frame again at once, whether frames run or not.
  void showLastFrame();
  // Keeps the frame last shown while a modal dialog blocks the window, drops it afterwards.
  void keepLastFrame(bool blocked);

  QMdiSubWindow* subWindow() const { return subWindow_; }
  GlWindow* glWindow() const { return glWindow_; }

 private:
  void inOwnContext(const std::function<void()>& work);
  void keepGeometry() const;
  PanelSurface() = default;

  QPointer<QMdiSubWindow> subWindow_;
  GlWindow* glWindow_ = nullptr;  // owned by its container widget
  std::unique_ptr<QOpenGLContext> context_;
  LastFrame lastFrame_;
  QString geometryKey_;  // none for the backdrop, which the area places
};

}  // namespace ductora::platform::qt
