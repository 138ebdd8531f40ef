#pragma once

#include <memory>

#include "platform/dialog.h"
#include "platform/window_event.h"

namespace ductora::platform {

// Notes that a message reached a window or dialog procedure: the loop draws after one and
// sleeps while none come. A dialog's paint notice is no reason to draw.
class DeliveryFlag {
 public:
  WindowProc watch(WindowProc procedure) const;
  DialogProc watch(DialogProc procedure) const;
  // Whether any message was delivered since the last take.
  bool take();

 private:
  // Shared with the wrapped procedures, which may outlive the platform's own copy.
  std::shared_ptr<bool> delivered_ = std::make_shared<bool>(false);
};

}  // namespace ductora::platform
