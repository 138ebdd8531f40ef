#include "app/app_state.h"

#include "analysis/pipe_measures.h"

namespace ductora {

AppState::AppState(platform::Platform& platform)
    : platform(platform), windows(platform), pipeString(LoadPipeForUse) {}

}  // namespace ductora
