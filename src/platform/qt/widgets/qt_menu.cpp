#include "platform/qt/widgets/qt_menu.h"

#include <QMenu>
#include <vector>

#include "resources/menu_table.h"

namespace ductora::platform::qt {
namespace {

// The usual keys for the file commands. They belong to the main window: text typed in a
// dialog never reaches them.
QKeySequence standardKey(int id) {
  switch (id) {
    case resources::kCmdOpenPipe:
      return Qt::CTRL | Qt::Key_O;
    case resources::kCmdSave:
      return Qt::CTRL | Qt::Key_S;
    case resources::kCmdSaveAs:
      return Qt::CTRL | Qt::SHIFT | Qt::Key_S;
    case resources::kCmdExit:
      return Qt::CTRL | Qt::Key_Q;
    default:
      return {};
  }
}

}  // namespace

QtMenu::QtMenu(QMenuBar& bar, std::function<void(int)> onCommand) {
  using resources::MenuEntryKind;
  std::vector<QMenu*> open;  // the popup at each depth
  QMenuBar* rightBar = nullptr;
  for (const resources::MenuEntry& entry : resources::MainMenu()) {
    const auto depth = static_cast<std::size_t>(entry.depth);
    open.resize(depth);
    const QString text = QString::fromUtf8(entry.text.data(), static_cast<qsizetype>(entry.text.size()));
    if (entry.kind == MenuEntryKind::kPopup) {
      QMenu* popup = nullptr;
      if (depth > 0) {
        popup = open.back()->addMenu(text);
      } else if (entry.rightAligned) {
        // Right-aligned popups go into a corner bar of their own.
        if (rightBar == nullptr) {
          rightBar = new QMenuBar(&bar);
          bar.setCornerWidget(rightBar, Qt::TopRightCorner);
        }
        popup = rightBar->addMenu(text);
      } else {
        popup = bar.addMenu(text);
      }
      open.push_back(popup);
    } else if (entry.kind == MenuEntryKind::kSeparator) {
      open.back()->addSeparator();
    } else {
      QAction* action = open.back()->addAction(text);
      const int id = entry.id;
      action->setShortcut(standardKey(id));
      QObject::connect(action, &QAction::triggered, action, [onCommand, id] { onCommand(id); });
      actions_[id] = action;
    }
  }
}

QAction* QtMenu::action(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

void QtMenu::setEnabled(int id, bool enabled) {
  if (QAction* item = action(id)) item->setEnabled(enabled);
}

bool QtMenu::isEnabled(int id) const {
  const QAction* item = action(id);
  return item != nullptr && item->isEnabled();
}

void QtMenu::setChecked(int id, bool checked) {
  if (QAction* item = action(id)) {
    item->setCheckable(true);
    item->setChecked(checked);
  }
}

bool QtMenu::isChecked(int id) const {
  const QAction* item = action(id);
  return item != nullptr && item->isChecked();
}

void QtMenu::setText(int id, const std::string& text) {
  if (QAction* item = action(id)) item->setText(QString::fromStdString(text));
}

std::string QtMenu::text(int id) const {
  const QAction* item = action(id);
  return item == nullptr ? std::string() : item->text().toStdString();
}

}  // namespace ductora::platform::qt
