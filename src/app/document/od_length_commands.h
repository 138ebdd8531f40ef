#pragma once

#include "app/state/app_state.h"

namespace ductora {

// Modify > Extend Front, Extend Back, Clip Front and Clip Back: the current pipe's OD matrix
// padded with zero rows or cut at the cursor X, then its map, measures and ID redone.
enum class OdLengthEdit { kExtendFront, kExtendBack, kClipFront, kClipBack };
void editOdLength(AppState& app, OdLengthEdit edit);

}  // namespace ductora
