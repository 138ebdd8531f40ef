#pragma once

#include <array>
#include <cstdint>

namespace ductora {

enum MouseButtonIndex : std::size_t { kLeftButton = 0, kRightButton = 1 };

struct PointerDelta {
  int dx = 0;
  int dy = 0;
};

// The pipe view's pointer as its messages leave it: the last two positions (client pixels) and
// the buttons held. A frame takes the distance since the previous frame from it.
struct MouseTracker {
  int x = 0;
  int previousX = 0;
  int y = 0;
  int previousY = 0;
  std::array<std::uint8_t, 2> buttonDown{};

  // Only the latest move counts: a second move before the frame overwrites the first.
  void moveTo(int newX, int newY);
  // Pressing a button after moving without one must not jump by that move.
  void press(MouseButtonIndex button);
  void release(MouseButtonIndex button) { buttonDown[button] = 0; }
  // The signed distance since the last take; consumed whether or not a button is held.
  PointerDelta takeDelta();
};

}  // namespace ductora
