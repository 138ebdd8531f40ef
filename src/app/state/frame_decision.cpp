#include "app/state/frame_decision.h"

#include <algorithm>

namespace ductora {
namespace {

// A pipe's offset and rotations, or zeros without the pipe.
std::array<float, 5> pipeViewState(const PipeFile* pipe) {
  return pipe != nullptr ? pipe->viewState : std::array<float, 5>{};
}

}  // namespace

bool inputHeld(const AppState& app) {
  const auto held = [](std::uint8_t down) { return down != 0; };
  return std::ranges::any_of(app.keyDown, held) || std::ranges::any_of(app.mouse.buttonDown, held);
}

ViewPlace viewPlace(const AppState& app) {
  const PipeString& string = app.pipeString;
  const render::ViewValues& view = app.view;
  const std::array<float, 5> current = pipeViewState(string.current());
  const std::array<float, 5> overlay = pipeViewState(string.overlay());
  return {view.rotation[0],
          view.rotation[1],
          view.rotation[2],
          view.depth,
          string.position,
          string.angle,
          static_cast<float>(string.currentIndex()),
          current[0],
          current[1],
          current[2],
          current[3],
          current[4],
          overlay[0],
          overlay[1],
          overlay[2],
          overlay[3]};
}

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
