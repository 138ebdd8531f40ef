#pragma once

#include "app/state/app_state.h"

namespace ductora {

// Which pipe the arrow keys, the scroller and the right-button spin move.
enum class MoveMode { kAll, kCurrent, kOverlay };

// What the Navigator says about motion, read every frame.
struct NavigatorSettings {
  double xSpeed = 0.0;  // inches per second
  double ySpeed = 0.0;  // degrees per second
  MoveMode mode = MoveMode::kAll;
};

// The Navigator (dialog 103): created once, at the first open, in the main window's lower right
// corner; closing hides it.
void createNavigator(AppState& app);
// Its controls for the current pipe: the scroller's range and middle, the speeds at their
// start, the string's pipe count in the Jump field.
void initNavigator(AppState& app);
// Every frame: the scroller follows X, the counter the current pipe.
void refreshNavigator(AppState& app);
// No Navigator: no motion.
NavigatorSettings readNavigatorSettings(const AppState& app);

}  // namespace ductora
