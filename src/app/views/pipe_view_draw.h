#pragma once

#include "app/state/app_state.h"

namespace ductora {

// The pipe view's frame: the watermark, then the picture of the view mode.
void drawPipeView(AppState& app);

}  // namespace ductora
