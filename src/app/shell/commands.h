#pragma once

#include "app/state/app_state.h"
#include "platform/window_event.h"

namespace ductora {

// The main window's messages: size, close, activation and menu commands.
void mainWindowProcedure(AppState& app, const platform::WindowEvent& event);
void runCommand(AppState& app, int commandId);
// The exit prompts; true when the quit message was posted.
bool exitSequence(AppState& app);

}  // namespace ductora
