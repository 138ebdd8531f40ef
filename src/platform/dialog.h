#pragma once

#include <functional>
#include <string>

namespace ductora::platform {

struct DialogEvent {
  enum class Kind { kCommand, kClose, kKeyDown, kKeyUp };
  Kind kind;
  int id = 0;  // control id, or virtual-key code for keys
};

class Dialog;
using DialogProc = std::function<void(Dialog&, const DialogEvent&)>;

// A dialog built from its resource table and driven by control id.
class Dialog {
 public:
  virtual ~Dialog() = default;

  virtual int resourceId() const = 0;
  virtual void setText(int id, const std::string& text) = 0;
  virtual std::string text(int id) const = 0;
  virtual void setChecked(int id, bool checked) = 0;
  virtual bool isChecked(int id) const = 0;
  virtual void show() = 0;
  virtual void hide() = 0;
  virtual bool isVisible() const = 0;
  virtual void move(int x, int y) = 0;
  virtual void focus() = 0;
  // Ends a modal dialog; its run returns result.
  virtual void end(int result) = 0;

  void setInt(int id, int value) { setText(id, std::to_string(value)); }
  // The leading decimal number of the text; text that is not a number gives 0.
  int intValue(int id) const;
};

}  // namespace ductora::platform
