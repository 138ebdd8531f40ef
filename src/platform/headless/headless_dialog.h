#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "resources/dialog_table.h"

namespace ductora::platform::headless {

// A slider's settings as a test reads them; a fresh slider is a trackbar's 0 to 100.
struct SliderState {
  int minimum = 0;
  int maximum = 100;
  int position = 0;
  int tickFrequency = 1;
  int pageSize = 20;
};

class HeadlessPlatform;

// A dialog whose controls are values in memory, filled from its table.
class HeadlessDialog : public Dialog {
 public:
  // A dialog known to registry is listed there until it is destroyed.
  HeadlessDialog(const resources::DialogTable& table, DialogProc procedure, HeadlessPlatform* registry);
  ~HeadlessDialog() override;
  HeadlessDialog(const HeadlessDialog&) = delete;
  HeadlessDialog& operator=(const HeadlessDialog&) = delete;

  int resourceId() const override { return table_.resourceId; }
  void setText(int id, const std::string& text) override { texts_[id] = text; }
  std::string text(int id) const override;
  void setChecked(int id, bool checked) override { checks_[id] = checked; }
  bool isChecked(int id) const override;
  void show() override { visible_ = true; }
  void hide() override { visible_ = false; }
  bool isVisible() const override { return visible_; }
  void move(int x, int y) override;
  void focus() override {}
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

  // What a test reads and does.
  std::string caption() const { return std::string(table_.caption); }
  int x() const { return x_; }
  int y() const { return y_; }
  bool ended() const { return ended_; }
  int result() const { return result_; }
  // Null when id is no slider of this dialog.
  const SliderState* slider(int id) const;
  // Empty when id is no list box of this dialog.
  std::vector<std::string> listLines(int id) const;
  // Sends a message to the procedure, as a click on a button or the close box does.
  void send(const DialogEvent& event);
  // The user drags the slider's thumb to position and lets go: moved, then released.
  void dragSlider(int id, int position);
  // The user double-clicks an existing line: it becomes the selection, then the message follows.
  void doubleClickListLine(int id, int index);

 private:
  struct ListState {
    std::vector<std::string> lines;
    int selected = -1;
  };
  SliderState* findSlider(int id);
  ListState* findList(int id);
  const ListState* findList(int id) const;

  const resources::DialogTable& table_;
  HeadlessPlatform* registry_;
  DialogProc procedure_;
  std::map<int, std::string> texts_;
  std::map<int, bool> checks_;
  std::map<int, SliderState> sliders_;
  std::map<int, ListState> lists_;
  bool visible_ = false;
  int x_ = 0;
  int y_ = 0;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace ductora::platform::headless
