#include "platform/qt/windows/backdrop.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QVariant>

namespace ductora::platform::qt {
namespace {

bool isLowest(const QWidget& widget) {
  for (const QObject* sibling : widget.parentWidget()->children()) {
    if (sibling->isWidgetType()) return sibling == &widget;
  }
  return true;
}

class BackdropKeeper : public QObject {
 public:
  explicit BackdropKeeper(QMdiSubWindow& subWindow) : QObject(&subWindow), subWindow_(subWindow) {
    subWindow.parentWidget()->installEventFilter(this);
    fill();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == subWindow_.parentWidget() && event->type() == QEvent::Resize) fill();
    // Like a maximised window it is not moved or sized apart from the area.
    if (watched == &subWindow_ &&
        (event->type() == QEvent::Show || event->type() == QEvent::Move || event->type() == QEvent::Resize))
      fill();
    if (watched == &subWindow_ && event->type() == QEvent::ZOrderChange && !isLowest(subWindow_))
      subWindow_.lower();
    return false;
  }

 private:
  void fill() {
    // Maximised or minimised by the user, it is the area's to place.
    if (subWindow_.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) return;
    const QRect area = subWindow_.parentWidget()->rect();
    if (subWindow_.geometry() != area) subWindow_.setGeometry(area);
  }

  QMdiSubWindow& subWindow_;
};

constexpr char kBackdrop[] = "ductoraBackdrop";

}  // namespace

void makeBackdrop(QMdiSubWindow& subWindow) {
  subWindow.setProperty(kBackdrop, true);
  subWindow.installEventFilter(new BackdropKeeper(subWindow));
}

bool isBackdrop(const QMdiSubWindow& subWindow) { return subWindow.property(kBackdrop).toBool(); }

}  // namespace ductora::platform::qt
