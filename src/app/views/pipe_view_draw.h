#pragma once

#include "app/state/app_state.h"
#include "render/maps/maps.h"

namespace ductora {

// The pipe view's frame: the watermark, then the picture of the view mode.
void drawPipeView(AppState& app);

// Textures live in the pipe view's context: a pipe leaving memory frees its own there, and a
// map whose limits or matrix changed is made again there.
void releasePipeTextures(AppState& app, PipeFile& pipe);
void rebuildMapTexture(AppState& app, PipeFile& pipe, render::MapKind kind);

}  // namespace ductora
