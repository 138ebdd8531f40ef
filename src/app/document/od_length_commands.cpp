#include "app/document/od_length_commands.h"

#include <string>

#include "analysis/rebuild/od_build.h"
#include "app/document/matrix_rebuild.h"
#include "app/navigation/navigation.h"

namespace ductora {
namespace {

constexpr double kExtendFrontInches = 12.0;
constexpr double kExtendBackInches = 18.0;

}  // namespace

void editOdLength(AppState& app, OdLengthEdit edit) {
  PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr || !pipe->odMatrix.present()) return;
  // The edits act at a place on the pipe: a cursor beyond an end is at that end.
  setX(app.pipeString, xWithinPipe(app.pipeString, app.pipeString.position));
  const double x = app.pipeString.position;
  OdCut cut = OdCut::kCut;
  switch (edit) {
    case OdLengthEdit::kExtendFront:
      PadOdStart(*pipe, kExtendFrontInches);
      break;
    case OdLengthEdit::kExtendBack:
      PadOdEnd(*pipe, kExtendBackInches);
      break;
    case OdLengthEdit::kClipFront:
      cut = CutOdStart(*pipe, x);
      break;
    case OdLengthEdit::kClipBack:
      cut = CutOdEnd(*pipe, x);
      break;
  }
  if (cut == OdCut::kTooShort) {
    return refuseRebuild(app, std::string(edit == OdLengthEdit::kClipFront ? "Clip Front" : "Clip Back") +
                                  " here would leave less than one revolution of the OD matrix.");
  }
  if (cut != OdCut::kCut) return;
  pipe->edited();
  // A shorter pipe must not leave the cursor beyond its end.
  setX(app.pipeString, xWithinPipe(app.pipeString, app.pipeString.position));
}

}  // namespace ductora
