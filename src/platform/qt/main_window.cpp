#include "platform/qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <cmath>

namespace ductora::platform::qt {

MainWindow::MainWindow() : area_(new QMdiArea(this)) {
  setCentralWidget(area_);
  area_->setBackground(QBrush(Qt::darkGray));
  area_->viewport()->installEventFilter(this);
  // Keys and buttons let go in another program are never reported to this one.
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive) send(FocusLostEvent{});
  });
}

void MainWindow::send(const WindowEvent& event) {
  if (procedure_) procedure_(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The exit prompts decide; quitting ends the loop, not this window.
  event->ignore();
  send(CloseEvent{});
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) send(ActivateEvent{isMinimized()});
  QMainWindow::changeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == area_->viewport() && event->type() == QEvent::Resize) {
    const double ratio = devicePixelRatio();
    send(SizeEvent{static_cast<int>(std::lround(area_->viewport()->width() * ratio)),
                   static_cast<int>(std::lround(area_->viewport()->height() * ratio))});
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace ductora::platform::qt
