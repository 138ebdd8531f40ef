#include "app/app_state.h"

#include "analysis/pipe_measures.h"
#include "app/pipe_view_draw.h"
#include "app/save_pipe.h"

namespace ductora {

AppState::AppState(platform::Platform& platform)
    : platform(platform), windows(platform), pipeString(LoadPipeForUse) {
  pipeString.releaseTextures = [this](PipeFile& pipe) { releasePipeTextures(*this, pipe); };
  pipeString.confirmDrop = [this](PipeFile& pipe) { return confirmDroppingPipe(*this, pipe); };
}

}  // namespace ductora
