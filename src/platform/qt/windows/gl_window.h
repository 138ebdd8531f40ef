#pragma once

#include <QWindow>
#include <functional>

#include "platform/window_event.h"

namespace ductora::platform::qt {

// The native GL surface of a panel; turns its input into window messages.
class GlWindow : public QWindow {
 public:
  explicit GlWindow(WindowProc procedure);

  // The client size in device pixels, which GL viewports use.
  int pixelWidth() const;
  int pixelHeight() const;
  // Called first whenever the window is uncovered or shown, before the procedure hears of it.
  void setUncovered(std::function<void()> uncovered) { uncovered_ = std::move(uncovered); }
  // Called with true when a modal dialog starts blocking the window, false when it stops.
  void setBlocked(std::function<void(bool)> blocked) { blocked_ = std::move(blocked); }

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void exposeEvent(QExposeEvent* event) override;

 private:
  void send(const WindowEvent& event);

  WindowProc procedure_;
  std::function<void()> uncovered_;
  std::function<void(bool)> blocked_;
};

}  // namespace ductora::platform::qt
