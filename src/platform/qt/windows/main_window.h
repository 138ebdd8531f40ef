#pragma once

#include <QMainWindow>
#include <QMdiArea>
#include <QProxyStyle>

#include "platform/window_event.h"

namespace ductora::platform::qt {

// The program's top-level window: the menu bar over an MDI area that holds the panels.
// Its client area is the MDI area's viewport.
class MainWindow : public QMainWindow {
 public:
  MainWindow();

  QMdiArea& area() { return *area_; }
  // For the sub-windows: a maximised one keeps its caption and buttons, which would otherwise
  // replace the menu bar's corner, where Help is.
  QStyle* subWindowStyle() { return subWindowStyle_; }
  QWidget* viewport() const { return area_->viewport(); }
  void setProcedure(WindowProc procedure) { procedure_ = std::move(procedure); }
  void send(const WindowEvent& event);
  // The title names the file, marks unsaved changes and ends with the program's name.
  void showDocument(const QString& path, bool unsavedChanges);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  class CaptionKeepingStyle : public QProxyStyle {
   public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override;
  };

  QMdiArea* area_;
  // Drops on the GL windows, which are native windows of their own, come here as well.
  bool handleDrop(QEvent* event);

  CaptionKeepingStyle* subWindowStyle_;  // owned as a child
  WindowProc procedure_;
};

}  // namespace ductora::platform::qt
