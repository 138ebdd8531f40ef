#include "app/document/od_length_commands.h"

#include "analysis/rebuild/od_build.h"
#include "app/navigation/navigation.h"

namespace ductora {
namespace {

constexpr double kExtendFrontInches = 12.0;
constexpr double kExtendBackInches = 18.0;

}  // namespace

void editOdLength(AppState& app, OdLengthEdit edit) {
  PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr || !pipe->odMatrix.present()) return;
  const double x = app.pipeString.position;
  switch (edit) {
    case OdLengthEdit::kExtendFront:
      PadOdStart(*pipe, kExtendFrontInches);
      break;
    case OdLengthEdit::kExtendBack:
      PadOdEnd(*pipe, kExtendBackInches);
      break;
    case OdLengthEdit::kClipFront:
      CutOdStart(*pipe, x);
      break;
    case OdLengthEdit::kClipBack:
      CutOdEnd(*pipe, x);
      break;
  }
  pipe->edited();
  // A shorter pipe must not leave the cursor beyond its end.
  if (app.pipeString.position > app.pipeString.currentLength()) {
    setX(app.pipeString, app.pipeString.currentLength());
  }
}

}  // namespace ductora
