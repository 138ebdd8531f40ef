#include "app/navigation/navigator_dialog.h"

#include <climits>
#include <cmath>
#include <cstdio>

#include "app/dialogs/help_dialogs.h"
#include "app/document/pipe_writing.h"
#include "app/navigation/navigation.h"
#include "app/state/input_recording.h"
#include "resources/shell_dialogs.h"

namespace ductora {
namespace {

using namespace resources;
using Kind = platform::DialogEvent::Kind;

constexpr const char* kStartSpeed = "12.000";

// Whole inches of a value the scroller shows, truncated; safe for any float.
int wholeInches(float value) {
  if (std::isnan(value)) return 0;
  if (value <= static_cast<float>(INT_MIN)) return INT_MIN;
  if (value >= static_cast<float>(INT_MAX)) return INT_MAX;
  return static_cast<int>(value);
}

MoveMode readMode(const platform::Dialog& dialog) {
  if (dialog.isChecked(kNavModeCurrent)) return MoveMode::kCurrent;
  if (dialog.isChecked(kNavModeOverlay)) return MoveMode::kOverlay;
  return MoveMode::kAll;
}

bool scrollKeyHeld(const AppState& app) {
  return isKeyHeld(app, platform::kKeyLeft) || isKeyHeld(app, platform::kKeyRight);
}

// The scroller puts the cursor at its whole inch; in mode All the overlay keeps its distance.
void scrollTo(AppState& app, const platform::Dialog& dialog) {
  if (scrollKeyHeld(app)) return;
  PipeString& string = app.pipeString;
  const auto inches = static_cast<float>(dialog.sliderPosition(kNavScroller));
  switch (readMode(dialog)) {
    case MoveMode::kCurrent:
      setX(string, inches);
      break;
    case MoveMode::kOverlay:
      setOverlayX(string, inches);
      break;
    case MoveMode::kAll: {
      const PipeFile* overlay = string.overlay();
      const float ahead = overlay == nullptr ? 0.0F : overlay->cursorPosition() - string.position;
      setX(string, inches);
      setOverlayX(string, inches + ahead);
      break;
    }
  }
}

// "<", ">" and Jump load pipes behind the please-wait window.
template <typename Step>
void stepPipes(AppState& app, Step step) {
  app.dialogs.show(Modeless::kPleaseWait);
  step(app.pipeString, askBeforeDropping(app));
  app.dialogs.hide(Modeless::kPleaseWait);
  app.requests.followPipe = true;
}

void browse(AppState& app, BrowseDirection direction) {
  if (const std::optional<std::string> path = app.pipeString.browseFolder(direction))
    app.requests.openPath = *path;
}

void onCommand(AppState& app, const platform::Dialog& dialog, int id) {
  switch (id) {
    case kNavPreviousPipe:
      stepPipes(app, [](PipeString& string, const DropCheck& mayDrop) { string.previousPipe(mayDrop); });
      break;
    case kNavNextPipe:
      stepPipes(app, [](PipeString& string, const DropCheck& mayDrop) { string.nextPipe(mayDrop); });
      break;
    case kNavJump: {
      const int number = dialog.intValue(kNavJumpNumber);
      stepPipes(app,
                [number](PipeString& string, const DropCheck& mayDrop) { string.jumpTo(number, mayDrop); });
      break;
    }
    case kNavPreviousFile:
      browse(app, BrowseDirection::kPrevious);
      break;
    case kNavNextFile:
      browse(app, BrowseDirection::kNext);
      break;
    case kNavHelp:
      showHelpDialog(app, kHelpNavigator);
      break;
    default:
      break;
  }
}

void navigatorProcedure(AppState& app, platform::Dialog& dialog, const platform::DialogEvent& event) {
  if (handleToolWindowEvent(app, dialog, event)) return;
  switch (event.kind) {
    case Kind::kSliderMoved:
    case Kind::kSliderReleased:
      if (event.id == kNavScroller) scrollTo(app, dialog);
      break;
    case Kind::kCommand:
      onCommand(app, dialog, event.id);
      break;
    default:
      break;
  }
}

}  // namespace

void createNavigator(AppState& app) {
  if (app.dialogs.get(Modeless::kNavigator) != nullptr) return;
  platform::Dialog* navigator = app.dialogs.keep(
      Modeless::kNavigator,
      app.platform.createDialog(kDialogNavigator,
                                [&app](platform::Dialog& dialog, const platform::DialogEvent& event) {
                                  navigatorProcedure(app, dialog, event);
                                }));
  if (navigator == nullptr) return;
  navigator->setChecked(kNavModeAll, true);
  navigator->move(app.windows.width(kMainWindowPanel) - 200, app.windows.height(kMainWindowPanel) - 187);
  navigator->show();
}

void initNavigator(AppState& app) {
  platform::Dialog* navigator = app.dialogs.get(Modeless::kNavigator);
  if (navigator == nullptr) return;
  const int length = wholeInches(app.pipeString.currentLength());
  navigator->setSliderRange(kNavScroller, 0, length);
  navigator->setSliderTickFrequency(kNavScroller, 1);
  navigator->setSliderPageSize(kNavScroller, 1);
  navigator->setSliderPosition(kNavScroller, length / 2);
  navigator->setText(kNavXSpeed, kStartSpeed);
  navigator->setText(kNavYSpeed, kStartSpeed);
  navigator->setInt(kNavJumpNumber, static_cast<int>(app.pipeString.nameCount()));
}

void refreshNavigator(AppState& app) {
  platform::Dialog* navigator = app.dialogs.get(Modeless::kNavigator);
  if (navigator == nullptr) return;
  const PipeString& string = app.pipeString;
  if (scrollKeyHeld(app)) navigator->setSliderRange(kNavScroller, 0, wholeInches(string.currentLength()));
  navigator->setSliderPosition(kNavScroller, wholeInches(string.position));
  char counter[32];
  std::snprintf(counter, sizeof counter, "%u/%u", string.currentIndex() + 1, string.nameCount());
  if (app.navigatorCounter != counter) {
    app.navigatorCounter = counter;
    navigator->setText(kNavCounter, app.navigatorCounter);
  }
}

NavigatorSettings readNavigatorSettings(const AppState& app) {
  const platform::Dialog* navigator = app.dialogs.get(Modeless::kNavigator);
  if (navigator == nullptr) return {};
  return {navigator->numberValue(kNavXSpeed), navigator->numberValue(kNavYSpeed), readMode(*navigator)};
}

}  // namespace ductora
