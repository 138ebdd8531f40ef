#pragma once

#include <map>
#include <string>

#include "platform/menu.h"

namespace ductora::platform::headless {

// The menu table's items as values in memory; every item starts enabled and unchecked.
class HeadlessMenu : public Menu {
 public:
  HeadlessMenu();

  void setEnabled(int id, bool enabled) override;
  bool isEnabled(int id) const override;
  void setChecked(int id, bool checked) override;
  bool isChecked(int id) const override;
  void setText(int id, const std::string& text) override;
  std::string text(int id) const override;

 private:
  struct Item {
    std::string text;
    bool enabled = true;
    bool checked = false;
  };
  Item& item(int id);
  const Item& item(int id) const;

  std::map<int, Item> items_;
};

}  // namespace ductora::platform::headless
