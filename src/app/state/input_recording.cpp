#include "app/state/input_recording.h"

namespace ductora {

void recordKey(AppState& app, int code, bool down) {
  if (code >= 0 && code < static_cast<int>(app.keyDown.size()))
    app.keyDown[static_cast<std::size_t>(code)] = down ? 1 : 0;
}

bool handleToolWindowEvent(AppState& app, platform::Dialog& dialog, const platform::DialogEvent& event) {
  if (app.windows.window(kPipeViewPanel) != nullptr) app.windows.makeCurrent(kPipeViewPanel);
  using Kind = platform::DialogEvent::Kind;
  if (event.kind == Kind::kKeyDown || event.kind == Kind::kKeyUp) {
    recordKey(app, event.id, event.kind == Kind::kKeyDown);
    return true;
  }
  if (event.kind == Kind::kClose) {
    dialog.hide();
    return true;
  }
  return false;
}

bool isKeyHeld(const AppState& app, int code) {
  return code >= 0 && code < static_cast<int>(app.keyDown.size()) &&
         app.keyDown[static_cast<std::size_t>(code)] != 0;
}

void feedPipeViewMouse(AppState& app, const platform::WindowEvent& event) {
  if (const auto* move = std::get_if<platform::PointerMoveEvent>(&event)) {
    app.mouse.moveTo(move->x, move->y);
  } else if (const auto* button = std::get_if<platform::ButtonEvent>(&event)) {
    const MouseButtonIndex index =
        button->button == platform::MouseButton::kLeft ? kLeftButton : kRightButton;
    if (!button->down) {
      app.mouse.release(index);
      return;
    }
    app.windows.focus(kPipeViewPanel);
    app.mouse.press(index);
  }
}

void releaseHeldInput(AppState& app) {
  app.keyDown.fill(0);
  app.mouse.release(kLeftButton);
  app.mouse.release(kRightButton);
}

}  // namespace ductora
