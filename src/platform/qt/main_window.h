#pragma once

#include <QMainWindow>
#include <QMdiArea>

#include "platform/window_event.h"

namespace ductora::platform::qt {

// The program's top-level window: the menu bar over an MDI area that holds the panels.
// Its client area is the MDI area's viewport.
class MainWindow : public QMainWindow {
 public:
  MainWindow();

  QMdiArea& area() { return *area_; }
  QWidget* viewport() const { return area_->viewport(); }
  void setProcedure(WindowProc procedure) { procedure_ = std::move(procedure); }
  void send(const WindowEvent& event);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QMdiArea* area_;
  WindowProc procedure_;
};

}  // namespace ductora::platform::qt
