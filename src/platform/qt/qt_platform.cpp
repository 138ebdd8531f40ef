#include "platform/qt/qt_platform.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>

#include "platform/qt/widgets/qt_dialog.h"
#include "platform/qt/widgets/tool_run.h"
#include "platform/qt/windows/main_surface.h"
#include "platform/qt/windows/panel_surface.h"
#include "platform/qt/windows/please_wait.h"
#include "platform/qt/windows/window_menu.h"
#include "resources/dialog_table.h"
#include "resources/menu_table.h"

namespace ductora::platform::qt {

QtPlatform::QtPlatform() : window_(std::make_unique<MainWindow>()) {
  menu_ = std::make_unique<QtMenu>(*window_->menuBar(), [this](int id) { window_->send(CommandEvent{id}); });
  addOpenRecentMenu();
  addWindowMenu(*window_->menuBar(), window_->area());
}

// File > Open Recent, right under File > Open.
void QtPlatform::addOpenRecentMenu() {
  auto* open = qobject_cast<QMenu*>(menu_->action(resources::kCmdOpenPipe)->parent());
  auto* file = qobject_cast<QMenu*>(open->parentWidget());
  auto* recent = new QMenu(QStringLiteral("Open &Recent"), file);
  const QList<QAction*> items = file->actions();
  const qsizetype after = items.indexOf(open->menuAction()) + 1;
  file->insertMenu(after < items.size() ? items[after] : nullptr, recent);
  recent_ = new RecentFiles(
      *recent, [this](const QString& path) { window_->send(OpenFileEvent{path.toStdString()}); });
}

QtPlatform::~QtPlatform() = default;

SurfaceCreation QtPlatform::createSurface(const SurfaceSpec& request) {
  SurfaceSpec plan = request;
  plan.procedure = delivered_.watch(request.procedure);
  SurfaceCreation creation;
  if (plan.parent == nullptr) {
    MainSurface::create(*window_, plan, creation);
    if (creation.failedStep == SurfaceStep::kNone && plan.show) {
      creation.surface->show();
      // Let the window take its size before panels are placed in it.
      QCoreApplication::processEvents();
    }
  } else {
    PanelSurface::create(*window_, plan, creation);
  }
  return creation;
}

std::unique_ptr<Dialog> QtPlatform::createDialog(int resourceId, DialogProc procedure) {
  const resources::DialogTable* table = resources::FindDialog(resourceId);
  if (table == nullptr) return nullptr;
  if (resourceId == resources::kDialogPleaseWait)
    return std::make_unique<PleaseWaitDialog>(*table, delivered_.watch(std::move(procedure)), window_.get());
  return std::make_unique<QtDialog>(*table, delivered_.watch(std::move(procedure)), window_.get());
}

int QtPlatform::runModalDialog(int resourceId, DialogProc procedure) {
  const resources::DialogTable* table = resources::FindDialog(resourceId);
  if (table == nullptr) return -1;
  QtDialog dialog(*table, delivered_.watch(std::move(procedure)), nullptr);
  return dialog.exec();
}

MessageResult QtPlatform::messageBox(const std::string& text, const std::string& caption,
                                     MessageButtons buttons, MessageIcon icon) {
  QMessageBox box(window_.get());
  box.setText(QString::fromStdString(text));
  box.setWindowTitle(QString::fromStdString(caption));
  switch (icon) {
    case MessageIcon::kWarning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageIcon::kInformation:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageIcon::kNone:
      break;
  }
  switch (buttons) {
    case MessageButtons::kOk:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MessageButtons::kYesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MessageButtons::kYesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return MessageResult::kYes;
    case QMessageBox::No:
      return MessageResult::kNo;
    case QMessageBox::Cancel:
      return MessageResult::kCancel;
    default:
      // Closing a Yes/No box without a choice is a No; a Yes/No/Cancel box, a Cancel.
      if (buttons == MessageButtons::kYesNo) return MessageResult::kNo;
      if (buttons == MessageButtons::kYesNoCancel) return MessageResult::kCancel;
      return MessageResult::kOk;
  }
}

namespace {

QString filterText(const FileFilter& filter) {
  return QString::fromStdString(filter.name + " (" + filter.pattern + ")");
}

constexpr QLatin1StringView kLastFolderKey("files/lastFolder");

// The chosen file's folder is where the next file dialog starts when no document is open.
std::string keepFolderOf(const QString& chosen) {
  if (!chosen.isEmpty()) QSettings().setValue(kLastFolderKey, QFileInfo(chosen).absolutePath());
  return chosen.toStdString();
}

}  // namespace

// File dialogs start in the current document's folder, else in the one last used.
QString QtPlatform::startFolder() const {
  const QString document = window_->windowFilePath();
  if (!document.isEmpty()) return QFileInfo(document).absolutePath();
  return QSettings().value(kLastFolderKey).toString();
}

std::string QtPlatform::openFileDialog(const std::string& caption, const FileFilter& filter) {
  return keepFolderOf(QFileDialog::getOpenFileName(window_.get(), QString::fromStdString(caption),
                                                   startFolder(), filterText(filter)));
}

// Qt's save dialog asks before it replaces an existing file.
std::string QtPlatform::saveFileDialog(const std::string& caption, const FileFilter& filter) {
  return keepFolderOf(QFileDialog::getSaveFileName(window_.get(), QString::fromStdString(caption),
                                                   startFolder(), filterText(filter)));
}

void QtPlatform::runTool(const std::string& caption, const std::string& tool,
                         const std::vector<std::string>& arguments, ToolDone done) {
  startToolRun(window_.get(), caption, tool, arguments, std::move(done));
}

double QtPlatform::nowMs() const {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
}

ScreenMetrics QtPlatform::screen() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {1280, 1024, 2};
  return {screen->geometry().width(), screen->geometry().height(), 2, screen->devicePixelRatio()};
}

void QtPlatform::showDocument(const std::string& path, bool unsavedChanges) {
  window_->showDocument(QString::fromStdString(path), unsavedChanges);
}

void QtPlatform::addRecentFile(const std::string& path) { recent_->add(QString::fromStdString(path)); }

void QtPlatform::setBusy(bool busy) {
  if (!busy) {
    QGuiApplication::restoreOverrideCursor();
    return;
  }
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  // On the screen before the work starts, which holds the loop up.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPlatform::processEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtPlatform::waitForEvents(double timeoutMs) { qt::waitForEvents(timeoutMs); }

}  // namespace ductora::platform::qt
