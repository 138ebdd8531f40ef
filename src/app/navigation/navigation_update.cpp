#include "app/navigation/navigation_update.h"

#include "app/document/pipe_writing.h"
#include "app/navigation/navigation.h"
#include "app/navigation/navigator_dialog.h"
#include "app/state/input_recording.h"

namespace ductora {
namespace {

// The space bar makes both speeds ten times faster.
constexpr double kFastFactor = 10.0;

// A step past either end of the pipe whose entering pipe was not read ahead reads it while the
// loop waits: the busy cursor shows meanwhile.
class BusyAcrossEnds {
 public:
  BusyAcrossEnds(AppState& app, float d) : platform_(app.platform) {
    const PipeString& string = app.pipeString;
    const float to = string.position + d;
    busy_ = string.current() != nullptr &&
            ((to < 0.0F && string.currentIndex() > 0 && string.stepWouldWait(BrowseDirection::kPrevious)) ||
             (to > string.currentLength() && string.currentIndex() + 1 < string.nameCount() &&
              string.stepWouldWait(BrowseDirection::kNext)));
    if (busy_) platform_.setBusy(true);
  }
  ~BusyAcrossEnds() {
    if (busy_) platform_.setBusy(false);
  }
  BusyAcrossEnds(const BusyAcrossEnds&) = delete;
  BusyAcrossEnds& operator=(const BusyAcrossEnds&) = delete;

 private:
  platform::Platform& platform_;
  bool busy_ = false;
};

// Along the pipe by the mode; true when another pipe became current.
bool moveAlong(AppState& app, MoveMode mode, float d) {
  PipeString& string = app.pipeString;
  const BusyAcrossEnds busy(app, mode == MoveMode::kOverlay ? 0.0F : d);
  switch (mode) {
    case MoveMode::kOverlay:
      moveOverlay(string, d);
      return false;
    case MoveMode::kAll: {
      const bool changed = moveX(string, d, askBeforeDropping(app));
      moveOverlay(string, d);
      return changed;
    }
    case MoveMode::kCurrent:
      return moveX(string, d, askBeforeDropping(app));
  }
  return false;
}

// One pixel of pointer travel is one degree or one unit of zoom, whatever the frame time.
void applyPointer(AppState& app, MoveMode mode) {
  const PointerDelta delta = app.mouse.takeDelta();
  const bool left = app.mouse.buttonDown[kLeftButton] != 0;
  const bool right = app.mouse.buttonDown[kRightButton] != 0;
  const auto dx = static_cast<float>(delta.dx);
  const auto dy = static_cast<float>(delta.dy);
  PipeString& string = app.pipeString;
  if (left && right) {
    zoomBy(app.view, -dy);  // pointer down zooms out
  } else if (left) {
    rotate(app.view, dy, dx, 0.0F);
  } else if (right) {
    switch (mode) {
      case MoveMode::kCurrent:
        rotateCurrent(string, dy);
        break;
      case MoveMode::kAll:
        rotate(app.view, 0.0F, 0.0F, dy);
        break;
      case MoveMode::kOverlay:
        rotateOverlay(string, dy);
        break;
    }
  }
}

}  // namespace

void navigationUpdate(AppState& app, double elapsedSeconds) {
  NavigatorSettings settings = readNavigatorSettings(app);
  if (isKeyHeld(app, platform::kKeySpace)) {
    settings.xSpeed *= kFastFactor;
    settings.ySpeed *= kFastFactor;
  }
  PipeString& string = app.pipeString;
  bool changed = false;
  if (isKeyHeld(app, platform::kKeyRight)) {
    changed = moveAlong(app, settings.mode, static_cast<float>(settings.xSpeed * elapsedSeconds));
  } else if (isKeyHeld(app, platform::kKeyLeft)) {
    changed = moveAlong(app, settings.mode, static_cast<float>(-settings.xSpeed * elapsedSeconds));
  }
  if (isKeyHeld(app, platform::kKeyUp)) {
    turnY(string, static_cast<float>(settings.ySpeed * elapsedSeconds));
  } else if (isKeyHeld(app, platform::kKeyDown)) {
    turnY(string, static_cast<float>(-settings.ySpeed * elapsedSeconds));
  }
  applyPointer(app, settings.mode);
  if (changed) app.requests.followPipe = true;
}

}  // namespace ductora
