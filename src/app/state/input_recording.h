#pragma once

#include "app/state/app_state.h"
#include "platform/dialog.h"
#include "platform/window_event.h"

namespace ductora {

// Window and dialog procedures only record input; the frame acts on it.

// A key going down or up in any GL window, the Navigator or the Statistics window.
void recordKey(AppState& app, int code, bool down);
bool isKeyHeld(const AppState& app, int code);
// What the Navigator and the Statistics window do first with every event: make the pipe view's
// context current (pipes loaded and textures made there belong to it), record keys, hide on
// close. True when the event was a key or the close.
bool handleToolWindowEvent(AppState& app, platform::Dialog& dialog, const platform::DialogEvent& event);
// Pointer moves and buttons in the pipe view.
void feedPipeViewMouse(AppState& app, const platform::WindowEvent& event);
// Nothing stays held once the program has lost the focus: the key-up or button-up went to
// another program, and the cursor would otherwise run on until the key is pressed again.
void releaseHeldInput(AppState& app);

}  // namespace ductora
