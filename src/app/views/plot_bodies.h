#pragma once

#include "app/state/app_state.h"

namespace ductora {

// A plot panel's picture inside its frame, over the whole panel of width x height: the line plots
// of the current pipe. Collapse and Burst draw with the yield of the Collapse Pressure dialog and
// then show their pressures in their dialogs.
void drawPlotBody(AppState& app, PanelId id, int width, int height);

}  // namespace ductora
