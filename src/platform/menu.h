#pragma once

#include <string>

namespace ductora::platform {

// The main window's menu bar, driven by item id.
class Menu {
 public:
  virtual ~Menu() = default;
  virtual void setEnabled(int id, bool enabled) = 0;
  virtual bool isEnabled(int id) const = 0;
  virtual void setChecked(int id, bool checked) = 0;
  virtual bool isChecked(int id) const = 0;
  virtual void setText(int id, const std::string& text) = 0;
  virtual std::string text(int id) const = 0;
};

}  // namespace ductora::platform
