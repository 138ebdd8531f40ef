#include "app/app_state.h"

#include "analysis/pipe_measures.h"
#include "app/pipe_view_draw.h"

namespace ductora {

AppState::AppState(platform::Platform& platform)
    : platform(platform), windows(platform), pipeString(LoadPipeForUse) {
  pipeString.releaseTextures = [this](PipeFile& pipe) { releasePipeTextures(*this, pipe); };
}

}  // namespace ductora
