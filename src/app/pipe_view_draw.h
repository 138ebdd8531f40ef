#pragma once

#include "app/app_state.h"

namespace ductora {

// The pipe view's frame: the watermark, then the picture of the view mode.
void drawPipeView(AppState& app);

// Textures live in the pipe view's context: a pipe leaving memory frees its own there.
void releasePipeTextures(AppState& app, PipeFile& pipe);

}  // namespace ductora
