#include "platform/qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>

namespace ductora::platform::qt {

MainWindow::MainWindow() : area_(new QMdiArea(this)), subWindowStyle_(new CaptionKeepingStyle()) {
  subWindowStyle_->setParent(this);
  setCentralWidget(area_);
  area_->setBackground(QBrush(Qt::darkGray));
  area_->viewport()->installEventFilter(this);
  // Panels keep the size the user gave them when another one is activated.
  area_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
  // Keys and buttons let go in another program are never reported to this one.
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive) send(FocusLostEvent{});
  });
}

int MainWindow::CaptionKeepingStyle::styleHint(StyleHint hint, const QStyleOption* option,
                                               const QWidget* widget, QStyleHintReturn* returned) const {
  if (hint == SH_Workspace_FillSpaceOnMaximize) return 1;
  return QProxyStyle::styleHint(hint, option, widget, returned);
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
  if (watched == area_->viewport() && event->type() == QEvent::Resize)
    send(SizeEvent{area_->viewport()->width(), area_->viewport()->height()});
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace ductora::platform::qt
