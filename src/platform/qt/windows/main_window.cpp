#include "platform/qt/windows/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMdiSubWindow>

#include "platform/qt/key_codes.h"
#include "platform/qt/widgets/file_drops.h"
#include "platform/qt/windows/gl_window.h"
#include "platform/qt/windows/panel_arrangement.h"

namespace ductora::platform::qt {

MainWindow::MainWindow() : area_(new QMdiArea(this)), subWindowStyle_(new CaptionKeepingStyle()) {
  subWindowStyle_->setParent(this);
  setCentralWidget(area_);
  area_->setBackground(QBrush(Qt::darkGray));
  area_->viewport()->installEventFilter(this);
  // Panels keep the size the user gave them when another one is activated.
  area_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
  setAcceptDrops(true);
  qApp->installEventFilter(this);
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

void MainWindow::showDocument(const QString& path, bool unsavedChanges) {
  if (path != windowFilePath()) {
    // Without a title of its own the window shows the file's name, the marker and the
    // program's name.
    setWindowTitle(path.isEmpty() ? QGuiApplication::applicationDisplayName() : QString());
    setWindowFilePath(path);
  }
  // Every frame asks; only a change may touch the title.
  if (unsavedChanges != isWindowModified()) setWindowModified(unsavedChanges);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) { handleDrop(event); }

void MainWindow::dragMoveEvent(QDragMoveEvent* event) { handleDrop(event); }

void MainWindow::dropEvent(QDropEvent* event) { handleDrop(event); }

bool MainWindow::handleDrop(QEvent* event) {
  auto* drop = static_cast<QDropEvent*>(event);
  const QStringList files = droppableFiles(drop->mimeData());
  if (files.isEmpty()) {
    drop->ignore();
    return true;
  }
  drop->acceptProposedAction();
  if (event->type() == QEvent::Drop) {
    for (qsizetype index = 0; index < files.size(); ++index)
      send(OpenFileEvent{files[index].toStdString(), index > 0});
  }
  return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) &&
      dynamic_cast<GlWindow*>(watched) != nullptr)
    return handleDrop(event);
  // The menu bar takes the focus from the panels, which lie in windows of their own; keys that
  // reach this window then still walk the pipe, as they do wherever else the focus is. A key let
  // go over a menu or a dialog that took the focus while it was held is let go all the same, or
  // the walk would run on by itself.
  if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && (widget->window() == this || type == QEvent::KeyRelease)) {
      if (const auto key = shellKeyEvent(*static_cast<QKeyEvent*>(event))) send(*key);
    }
  }
  if (watched == area_->viewport() && event->type() == QEvent::Resize) {
    // A smaller window leaves no panel outside, where nothing would reach it.
    for (QMdiSubWindow* panel : area_->subWindowList()) bringIntoArea(*panel);
    send(SizeEvent{area_->viewport()->width(), area_->viewport()->height()});
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace ductora::platform::qt
