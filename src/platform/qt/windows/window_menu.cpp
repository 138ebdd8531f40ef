#include "platform/qt/windows/window_menu.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "platform/qt/windows/panel_arrangement.h"

namespace ductora::platform::qt {
namespace {

// The tool windows shown now: the modeless dialogs.
QList<QWidget*> shownToolWindows() {
  QList<QWidget*> tools;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->windowType() == Qt::Tool) tools.push_back(window);
  }
  return tools;
}

void bringToFront(QMdiArea& area, QMdiSubWindow& panel) {
  if (panel.isMinimized()) panel.showNormal();
  area.setActiveSubWindow(&panel);
  if (panel.widget() != nullptr) panel.widget()->setFocus(Qt::OtherFocusReason);
}

void bringToFront(QWidget& tool) {
  tool.setWindowState(tool.windowState() & ~Qt::WindowMinimized);
  tool.raise();
  tool.activateWindow();
}

// An item per window, numbered 1 to 9 for the keyboard, the active one checked.
void listWindows(QMenu& menu, QMdiArea& area) {
  int number = 0;
  auto add = [&menu, &number](const QString& title, bool active) {
    ++number;
    const QString text = number <= 9 ? QStringLiteral("&%1 %2").arg(number).arg(title) : title;
    QAction* item = menu.addAction(text);
    item->setCheckable(true);
    item->setChecked(active);
    return item;
  };
  for (QMdiSubWindow* panel : area.subWindowList(QMdiArea::CreationOrder)) {
    if (!panel->isVisible()) continue;
    QAction* item =
        add(panel->windowTitle(), panel == area.activeSubWindow() && area.window()->isActiveWindow());
    QObject::connect(item, &QAction::triggered, panel, [&area, panel] { bringToFront(area, *panel); });
  }
  for (QWidget* tool : shownToolWindows()) {
    QAction* item = add(tool->windowTitle(), tool->isActiveWindow());
    QObject::connect(item, &QAction::triggered, tool, [tool] { bringToFront(*tool); });
  }
}

}  // namespace

void addWindowMenu(QMenuBar& bar, QMdiArea& area) {
  QMenu* menu = bar.addMenu(QStringLiteral("&Window"));
  QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &area] {
    menu->clear();
    menu->addAction(QStringLiteral("&Tile"), &area, [&area] { tilePanels(area); });
    menu->addAction(QStringLiteral("&Cascade"), &area, [&area] { cascadePanels(area); });
    menu->addAction(QStringLiteral("&Arrange Panels"), &area, [&area] { arrangePanels(area); });
    menu->addSeparator();
    listWindows(*menu, area);
  });
}

}  // namespace ductora::platform::qt
