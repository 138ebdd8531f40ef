#pragma once

#include <QAction>
#include <QMenuBar>
#include <functional>
#include <map>

#include "platform/menu.h"

namespace ductora::platform::qt {

// The menu bar built from the menu table; a chosen item is reported by id.
class QtMenu : public Menu {
 public:
  QtMenu(QMenuBar& bar, std::function<void(int)> onCommand);

  void setEnabled(int id, bool enabled) override;
  bool isEnabled(int id) const override;
  void setChecked(int id, bool checked) override;
  bool isChecked(int id) const override;
  void setText(int id, const std::string& text) override;
  std::string text(int id) const override;

  QAction* action(int id) const;

 private:
  std::map<int, QAction*> actions_;
};

}  // namespace ductora::platform::qt
