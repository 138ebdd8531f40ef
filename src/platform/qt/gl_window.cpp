#include "platform/qt/gl_window.h"

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
  format.setSwapInterval(1);
  setFormat(format);
}

int GlWindow::pixelWidth() const { return static_cast<int>(std::lround(width() * devicePixelRatio())); }
int GlWindow::pixelHeight() const { return static_cast<int>(std::lround(height() * devicePixelRatio())); }

void GlWindow::send(WindowEvent::Kind kind, int a, int b) {
  if (procedure_) procedure_({kind, a, b});
}

void GlWindow::keyPressEvent(QKeyEvent* event) {
  if (const int code = VirtualKeyCode(event->key())) send(WindowEvent::Kind::kKeyDown, code);
}

void GlWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat()) return;
  if (const int code = VirtualKeyCode(event->key())) send(WindowEvent::Kind::kKeyUp, code);
}

void GlWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) send(WindowEvent::Kind::kLeftDown);
  if (event->button() == Qt::RightButton) send(WindowEvent::Kind::kRightDown);
}

void GlWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) send(WindowEvent::Kind::kLeftUp);
  if (event->button() == Qt::RightButton) send(WindowEvent::Kind::kRightUp);
}

void GlWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position() * devicePixelRatio();
  send(WindowEvent::Kind::kMouseMove, static_cast<int>(at.x()), static_cast<int>(at.y()));
}

void GlWindow::resizeEvent(QResizeEvent*) { send(WindowEvent::Kind::kSize, pixelWidth(), pixelHeight()); }

}  // namespace ductora::platform::qt
