#pragma once

#include "app/state/app_state.h"

namespace ductora {

// File > Overlay: a pipe drawn against the current one, its cursor advanced by X, in the
// "2D Wall Overlay - Top" view.
void loadOverlayPipe(AppState& app);
// File > Import > Straightness: a bare straightness matrix into the current pipe.
void importStraightness(AppState& app);

enum class TextExportKind { kLengthAtY, kRevAtX, kHalden };
// File > Export: the current pipe's text export to a name from the save dialog.
void exportText(AppState& app, TextExportKind kind);

}  // namespace ductora
