#include "app/state/app_state.h"

#include "analysis/measures/pipe_measures.h"
#include "app/document/save_pipe.h"
#include "app/views/pipe_view_draw.h"

namespace ductora {

AppState::AppState(platform::Platform& platform)
    : platform(platform), windows(platform), pipeString(LoadPipeForUse) {
  pipeString.releaseTextures = [this](PipeFile& pipe) { releasePipeTextures(*this, pipe); };
  pipeString.confirmDrop = [this](PipeFile& pipe) { return confirmDroppingPipe(*this, pipe); };
}

}  // namespace ductora
