#include "app/state/app_state.h"

#include "analysis/measures/pipe_measures.h"

namespace ductora {

AppState::AppState(platform::Platform& platform)
    : platform(platform), windows(platform), pipeString(LoadPipeForUse) {}

}  // namespace ductora
