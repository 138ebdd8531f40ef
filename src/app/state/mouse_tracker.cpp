#include "app/state/mouse_tracker.h"

namespace ductora {

void MouseTracker::moveTo(int newX, int newY) {
  previousX = x;
  x = newX;
  previousY = y;
  y = newY;
}

void MouseTracker::press(MouseButtonIndex button) {
  previousX = x;
  previousY = y;
  buttonDown[button] = 1;
}

PointerDelta MouseTracker::takeDelta() {
  const PointerDelta delta{x - previousX, y - previousY};
  previousX = x;
  previousY = y;
  return delta;
}

}  // namespace ductora
