#include "app/navigation/goto_dialog.h"

#include <cstdio>

#include "app/dialogs/help_dialogs.h"
#include "app/navigation/navigation.h"
#include "resources/shell_dialogs.h"

namespace ductora {
namespace {

using namespace resources;
using Kind = platform::DialogEvent::Kind;

void writeFixed3(platform::Dialog& dialog, int id, float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", static_cast<double>(value));
  dialog.setText(id, text);
}

float typed(const platform::Dialog& dialog, int id) { return static_cast<float>(dialog.numberValue(id)); }

// Writes X and Y when the dialog is drawn after being shown, not at every paint: a control
// repainting while the user types paints the dialog too, and must not put X back.
class GotoProcedure {
 public:
  explicit GotoProcedure(AppState& app) : app_(app) {}
  void operator()(platform::Dialog& dialog, const platform::DialogEvent& event);

 private:
  void hide(platform::Dialog& dialog) {
    dialog.hide();
    filled_ = false;
  }

  AppState& app_;
  bool filled_ = false;
};

void GotoProcedure::operator()(platform::Dialog& dialog, const platform::DialogEvent& event) {
  PipeString& string = app_.pipeString;
  if (event.kind == Kind::kPaint && !filled_) {
    writeFixed3(dialog, kGotoX, string.position);
    writeFixed3(dialog, kGotoY, string.angle);
    filled_ = true;
    return;
  }
  if (event.kind == Kind::kClose) return hide(dialog);
  if (event.kind != Kind::kCommand) return;
  switch (event.id) {
    // A place beyond either end of the pipe is that end; an angle beyond a turn, its place on the turn.
    case kGotoXFromFront:
      setX(string, xWithinPipe(string, typed(dialog, kGotoX)));
      break;
    case kGotoXFromBack:
      setX(string, xWithinPipe(string, string.currentLength() - typed(dialog, kGotoX)));
      break;
    case kGotoYFromFront:
      setY(string, angleWithinTurn(typed(dialog, kGotoY)));
      break;
    case kGotoYFromBack:
      setY(string, angleWithinTurn(360.0F - typed(dialog, kGotoY)));
      break;
    case kIdOk:
    case kIdCancel:
      hide(dialog);
      break;
    case kIdHelp:
      showHelpDialog(app_, kHelpGoto);
      break;
    default:
      break;
  }
}

}  // namespace

void createGotoDialog(AppState& app) {
  app.dialogs.keep(Modeless::kGoto, app.platform.createDialog(kDialogGoto, GotoProcedure(app)));
}

void showGotoDialog(AppState& app) { app.dialogs.show(Modeless::kGoto); }

}  // namespace ductora
