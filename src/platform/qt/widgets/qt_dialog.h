#pragma once

#include <QDialog>
#include <QPointer>
#include <map>

#include "platform/dialog.h"
#include "resources/dialog_table.h"

namespace ductora::platform::qt {

class DialogWindow;
class TableList;

// A dialog built from its table with Qt layouts.
class QtDialog : public Dialog {
 public:
  QtDialog(const resources::DialogTable& table, DialogProc procedure, QWidget* owner);
  ~QtDialog() override;
  QtDialog(const QtDialog&) = delete;
  QtDialog& operator=(const QtDialog&) = delete;

  int resourceId() const override { return table_.resourceId; }
  void setText(int id, const std::string& text) override;
  std::string text(int id) const override;
  void setChecked(int id, bool checked) override;
  bool isChecked(int id) const override;
  void show() override;
  void hide() override;
  bool isVisible() const override;
  void move(int x, int y) override;
  void focus() override;
  void end(int result) override;

  void setSliderRange(int id, int minimum, int maximum) override;
  void setSliderPosition(int id, int position) override;
  int sliderPosition(int id) const override;
  void setSliderTickFrequency(int id, int frequency) override;
  void setSliderPageSize(int id, int pageSize) override;

  void clearList(int id) override;
  void addListLine(int id, const std::string& line) override;
  void selectListLine(int id, int index) override;
  int selectedListIndex(int id) const override;
  int listLineCount(int id) const override;
  std::string listLine(int id, int index) const override;

  // Runs the dialog modally; returns the result given to end.
  int exec();
  QDialog& widget();
  void deliver(const DialogEvent& event);
  // The window has been drawn; the procedure hears of it once the paint is over.
  void painted();
  // The widget of a control id; null for none.
  QWidget* control(int id) const;

 private:
  void build();
  void keepAboveActiveModal();
  QWidget* makeSlider(int id, Qt::Orientation orientation);
  TableList* makeList(int id);
  QWidget* makePicture(int bitmapId);

  const resources::DialogTable& table_;
  DialogProc procedure_;
  QPointer<DialogWindow> window_;
  std::map<int, QWidget*> controls_;
  bool paintPending_ = false;
};

}  // namespace ductora::platform::qt
