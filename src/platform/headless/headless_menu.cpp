#include "platform/headless/headless_menu.h"

#include <stdexcept>

#include "resources/menu_table.h"

namespace ductora::platform::headless {

HeadlessMenu::HeadlessMenu() {
  for (const resources::MenuEntry& entry : resources::MainMenu()) {
    if (entry.kind == resources::MenuEntryKind::kItem) items_[entry.id].text = std::string(entry.text);
  }
}

// An id outside the table is a programming error; the real menu would silently ignore it.
const HeadlessMenu::Item& HeadlessMenu::item(int id) const {
  const auto found = items_.find(id);
  if (found == items_.end()) throw std::out_of_range("no menu item " + std::to_string(id));
  return found->second;
}

HeadlessMenu::Item& HeadlessMenu::item(int id) {
  return const_cast<Item&>(static_cast<const HeadlessMenu&>(*this).item(id));
}

void HeadlessMenu::setEnabled(int id, bool enabled) { item(id).enabled = enabled; }
bool HeadlessMenu::isEnabled(int id) const { return item(id).enabled; }
void HeadlessMenu::setChecked(int id, bool checked) { item(id).checked = checked; }
bool HeadlessMenu::isChecked(int id) const { return item(id).checked; }
void HeadlessMenu::setText(int id, const std::string& text) { item(id).text = text; }
std::string HeadlessMenu::text(int id) const { return item(id).text; }

}  // namespace ductora::platform::headless
