#include "platform/headless/headless_dialog.h"

#include "platform/headless/headless_platform.h"

namespace ductora::platform::headless {

HeadlessDialog::HeadlessDialog(const resources::DialogTable& table, DialogProc procedure,
                               HeadlessPlatform* registry)
    : table_(table), registry_(registry), procedure_(std::move(procedure)) {
  for (const resources::ControlEntry& control : table.controls) {
    if (control.id != resources::kNoControlId) texts_[control.id] = std::string(control.text);
  }
}

HeadlessDialog::~HeadlessDialog() {
  if (registry_ != nullptr) registry_->forget(*this);
}

std::string HeadlessDialog::text(int id) const {
  const auto found = texts_.find(id);
  return found == texts_.end() ? std::string() : found->second;
}

bool HeadlessDialog::isChecked(int id) const {
  const auto found = checks_.find(id);
  return found != checks_.end() && found->second;
}

void HeadlessDialog::move(int x, int y) {
  x_ = x;
  y_ = y;
}

void HeadlessDialog::end(int result) {
  ended_ = true;
  result_ = result;
  visible_ = false;
}

void HeadlessDialog::send(const DialogEvent& event) {
  if (procedure_) procedure_(*this, event);
}

}  // namespace ductora::platform::headless
