#pragma once

#include "app/state/app_state.h"

namespace ductora {

// The Collapse Pressure (165) and Burst (203) dialogs: modeless, re-created hidden with every
// open, with their start texts, the Collapse Pressure choices of the run and the current pipe's
// burst formula checked.
void createPressureDialogs(AppState& app);

// The yield strength (psi) typed in the Collapse Pressure dialog, read by its leading number
// after it was copied to the Burst dialog's "Yield Strength"; 0 without the dialog.
double pressureYield(AppState& app);

// After the Collapse and Burst panels drew: the pressures at the cursor and of the nominal
// geometry, and the fourteen burst pressures at the pipe's largest D/t, with that D/t. A pipe
// without a measured D/t (no OD data) takes its nominal D/t, as its burst plot does, and the
// "Max D/T" field says so.
void showCollapseResults(AppState& app, double tamano, double yield);
void showBurstResults(AppState& app, double yield);

}  // namespace ductora
