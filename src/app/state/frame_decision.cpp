#include "app/state/frame_decision.h"

#include <algorithm>

namespace ductora {
namespace {

bool inputHeld(const AppState& app) {
  const auto held = [](std::uint8_t down) { return down != 0; };
  return std::ranges::any_of(app.keyDown, held) || std::ranges::any_of(app.mouse.buttonDown, held);
}

}  // namespace

bool frameWanted(const AppState& app, bool messagesHandled) {
  if (!app.appActive) return false;
  if (messagesHandled || app.frameRequested || app.resizeFramesOwed > 0) return true;
  return app.documentState == DocumentState::kOpen && inputHeld(app);
}

double frameStepSeconds(const AppState& app, double nowMs) {
  if (app.frameClockStopped) return app.platform.frameIntervalMs() / 1000.0;
  return (nowMs - app.lastTickMs) / 1000.0;
}

}  // namespace ductora
