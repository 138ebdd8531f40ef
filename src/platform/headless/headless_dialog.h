#pragma once

#include <map>
#include <string>

#include "platform/dialog.h"
#include "resources/dialog_table.h"

namespace ductora::platform::headless {

// A dialog whose controls are values in memory, filled from its table.
class HeadlessPlatform;

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

  // What a test reads and does.
  std::string caption() const { return std::string(table_.caption); }
  int x() const { return x_; }
  int y() const { return y_; }
  bool ended() const { return ended_; }
  int result() const { return result_; }
  // Sends a message to the procedure, as a click on a button or the close box does.
  void send(const DialogEvent& event);

 private:
  const resources::DialogTable& table_;
  HeadlessPlatform* registry_;
  DialogProc procedure_;
  std::map<int, std::string> texts_;
  std::map<int, bool> checks_;
  bool visible_ = false;
  int x_ = 0;
  int y_ = 0;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace ductora::platform::headless
