#include "platform/qt/windows/panel_arrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QVariant>
#include <algorithm>
#include <cmath>

#include "platform/qt/windows/backdrop.h"

namespace ductora::platform::qt {
namespace {

constexpr char kLayoutClient[] = "ductoraLayoutClient";
constexpr char kLayoutAreaWidth[] = "ductoraLayoutAreaWidth";

// Normal again, so that it can be placed.
void makeNormal(QMdiSubWindow& panel) {
  if (panel.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) panel.showNormal();
}

}  // namespace

void rememberLayout(QMdiSubWindow& panel, QRect client, int areaWidth) {
  panel.setProperty(kLayoutClient, client);
  panel.setProperty(kLayoutAreaWidth, areaWidth);
}

QList<QMdiSubWindow*> arrangeablePanels(const QMdiArea& area) {
  QList<QMdiSubWindow*> panels;
  for (QMdiSubWindow* panel : area.subWindowList(QMdiArea::CreationOrder)) {
    if (panel->isVisible() && !isBackdrop(*panel)) panels.push_back(panel);
  }
  return panels;
}

void bringIntoArea(QMdiSubWindow& panel) {
  const QMdiArea* area = panel.mdiArea();
  if (area == nullptr || isBackdrop(panel) ||
      (panel.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
    return;
  const QRect room = area->viewport()->rect();
  if (room.isEmpty()) return;
  QRect frame = panel.geometry();
  frame.setSize(frame.size().boundedTo(room.size()).expandedTo(panel.minimumSize()));
  frame.moveLeft(std::max(0, std::min(frame.x(), room.width() - frame.width())));
  frame.moveTop(std::max(0, std::min(frame.y(), room.height() - frame.height())));
  if (frame != panel.geometry()) panel.setGeometry(frame);
}

void tilePanels(QMdiArea& area) {
  const QList<QMdiSubWindow*> panels = arrangeablePanels(area);
  if (panels.isEmpty()) return;
  const auto count = static_cast<int>(panels.size());
  const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
  const int rows = (count + columns - 1) / columns;
  const QRect room = area.viewport()->rect();
  for (int index = 0; index < count; ++index) {
    const int row = index / columns;
    const int column = index % columns;
    // The last row shares the width among the panels it holds.
    const int inRow = row == rows - 1 ? count - row * columns : columns;
    const int left = room.width() * column / inRow;
    const int top = room.height() * row / rows;
    makeNormal(*panels[index]);
    panels[index]->setGeometry(left, top, room.width() * (column + 1) / inRow - left,
                               room.height() * (row + 1) / rows - top);
  }
}

void cascadePanels(QMdiArea& area) {
  int step = 0;
  for (QMdiSubWindow* panel : arrangeablePanels(area)) {
    makeNormal(*panel);
    const int offset = panel->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, panel);
    panel->move(step, step);
    bringIntoArea(*panel);
    panel->raise();
    step += offset;
  }
}

void arrangePanels(QMdiArea& area) {
  const int areaWidth = area.viewport()->width();
  for (QMdiSubWindow* panel : arrangeablePanels(area)) {
    const QRect client = panel->property(kLayoutClient).toRect();
    const int madeFor = panel->property(kLayoutAreaWidth).toInt();
    if (client.isNull() || madeFor <= 0) continue;
    makeNormal(*panel);
    const double scale = static_cast<double>(areaWidth) / madeFor;
    const auto scaled = [scale](int value) { return static_cast<int>(std::lround(value * scale)); };
    const QMargins margins = panel->contentsMargins();
    panel->setGeometry(scaled(client.x()), scaled(client.y()),
                       scaled(client.width()) + margins.left() + margins.right(),
                       scaled(client.height()) + margins.top() + margins.bottom());
    bringIntoArea(*panel);
  }
}

}  // namespace ductora::platform::qt
