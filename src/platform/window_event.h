#pragma once

#include <functional>

namespace ductora::platform {

// Virtual-key codes the shell reads.
constexpr int kKeySpace = 32;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

// A message to a window's procedure.
struct WindowEvent {
  enum class Kind {
    kSize,       // a = client width, b = client height (device pixels)
    kClose,      // the close box; the window stays until the procedure acts
    kKeyDown,    // a = virtual-key code
    kKeyUp,      // a = virtual-key code
    kMouseMove,  // a = x, b = y (client coordinates)
    kLeftDown,
    kLeftUp,
    kRightDown,
    kRightUp,
    kActivate,  // a = 1 when minimised, 0 otherwise
    kCommand,   // a = menu item id (main window only)
  };
  Kind kind;
  int a = 0;
  int b = 0;
};

using WindowProc = std::function<void(const WindowEvent&)>;

}  // namespace ductora::platform
