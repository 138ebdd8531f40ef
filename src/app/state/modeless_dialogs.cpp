#include "app/state/modeless_dialogs.h"

#include <utility>

namespace ductora {

DialogLife lifeOf(Modeless kind) {
  switch (kind) {
    case Modeless::kPleaseWait:
    case Modeless::kNavigator:
      return DialogLife::kRun;
    case Modeless::kStatistics:
    case Modeless::kPipeWindow:
      return DialogLife::kReplacedByOpen;
    default:
      return DialogLife::kOpen;
  }
}

platform::Dialog* ModelessDialogs::keep(Modeless kind, std::unique_ptr<platform::Dialog> dialog) {
  dialogs_[index(kind)] = std::move(dialog);
  return get(kind);
}

void ModelessDialogs::show(Modeless kind) const {
  if (platform::Dialog* dialog = get(kind)) dialog->show();
}

void ModelessDialogs::hide(Modeless kind) const {
  if (platform::Dialog* dialog = get(kind)) dialog->hide();
}

bool ModelessDialogs::isVisible(Modeless kind) const {
  const platform::Dialog* dialog = get(kind);
  return dialog != nullptr && dialog->isVisible();
}

void ModelessDialogs::destroyOpenDialogs() {
  for (std::size_t i = 0; i < kModelessCount; ++i) {
    if (lifeOf(static_cast<Modeless>(i)) == DialogLife::kOpen) dialogs_[i].reset();
  }
  help_.clear();
}

}  // namespace ductora
