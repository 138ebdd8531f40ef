#include "platform/qt/windows/please_wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWindow>

namespace ductora::platform::qt {
namespace {

// A window manager maps a new window in a few milliseconds; never hold the work up longer.
constexpr qint64 kLongestWaitForScreenMs = 500;

}  // namespace

PleaseWaitDialog::~PleaseWaitDialog() {
  if (busy_) QGuiApplication::restoreOverrideCursor();
}

void PleaseWaitDialog::show() {
  QtDialog::show();
  if (!busy_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  busy_ = true;
  QDialog& window = widget();
  QElapsedTimer waited;
  waited.start();
  while ((window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) &&
         waited.elapsed() < kLongestWaitForScreenMs)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
  window.repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void PleaseWaitDialog::hide() {
  QtDialog::hide();
  if (busy_) QGuiApplication::restoreOverrideCursor();
  busy_ = false;
}

}  // namespace ductora::platform::qt
