#include "platform/delivery_flag.h"

namespace ductora::platform {

WindowProc DeliveryFlag::watch(WindowProc procedure) const {
  if (!procedure) return procedure;
  return [delivered = delivered_, procedure = std::move(procedure)](const WindowEvent& event) {
    *delivered = true;
    procedure(event);
  };
}

DialogProc DeliveryFlag::watch(DialogProc procedure) const {
  if (!procedure) return procedure;
  return
      [delivered = delivered_, procedure = std::move(procedure)](Dialog& dialog, const DialogEvent& event) {
        if (event.kind != DialogEvent::Kind::kPaint) *delivered = true;
        procedure(dialog, event);
      };
}

bool DeliveryFlag::take() {
  const bool delivered = *delivered_;
  *delivered_ = false;
  return delivered;
}

}  // namespace ductora::platform
