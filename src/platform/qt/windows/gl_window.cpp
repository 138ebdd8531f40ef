#include "platform/qt/windows/gl_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <cmath>

#include "platform/qt/key_codes.h"

namespace ductora::platform::qt {

GlWindow::GlWindow(WindowProc procedure) : procedure_(std::move(procedure)) {
  setSurfaceType(QSurface::OpenGLSurface);
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  format.setDepthBufferSize(16);
  format.setStencilBufferSize(1);
  // The loop paces the frames; a swap that waited for the display would wait once per panel.
  format.setSwapInterval(0);
  setFormat(format);
}

int GlWindow::pixelWidth() const { return static_cast<int>(std::lround(width() * devicePixelRatio())); }
int GlWindow::pixelHeight() const { return static_cast<int>(std::lround(height() * devicePixelRatio())); }

void GlWindow::send(const WindowEvent& event) {
  if (procedure_) procedure_(event);
}

bool GlWindow::event(QEvent* event) {
  if (blocked_ && (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked))
    blocked_(event->type() == QEvent::WindowBlocked);
  return QWindow::event(event);
}

void GlWindow::keyPressEvent(QKeyEvent* event) {
  if (const auto key = shellKeyEvent(*event)) send(*key);
}

void GlWindow::keyReleaseEvent(QKeyEvent* event) {
  if (const auto key = shellKeyEvent(*event)) send(*key);
}

void GlWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) send(ButtonEvent{MouseButton::kLeft, true});
  if (event->button() == Qt::RightButton) send(ButtonEvent{MouseButton::kRight, true});
}

void GlWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) send(ButtonEvent{MouseButton::kLeft, false});
  if (event->button() == Qt::RightButton) send(ButtonEvent{MouseButton::kRight, false});
}

void GlWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position() * devicePixelRatio();
  send(PointerMoveEvent{static_cast<int>(at.x()), static_cast<int>(at.y())});
}

void GlWindow::resizeEvent(QResizeEvent*) { send(SizeEvent{pixelWidth(), pixelHeight()}); }

void GlWindow::exposeEvent(QExposeEvent*) {
  if (!isExposed()) return;
  if (uncovered_) uncovered_();
  send(ExposeEvent{});
}

}  // namespace ductora::platform::qt
