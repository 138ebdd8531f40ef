#pragma once

#include "app/state/app_state.h"

namespace ductora {

// The Pipe window (163 with OD data, else 164): made again at every open in the middle of the
// main window, shown only when the one it replaces was showing.
void createPipeWindow(AppState& app);
// Left at 0 and Right at the current length, whole inches; then the values are computed anew.
void initPipeDialogSliders(AppState& app);
// The extremes, averages and their places over the stretch between the sliders, while shown.
void FillPipeWindow(AppState& app);
// Every frame: the two slider positions beside them.
void refreshPipeWindowReadouts(AppState& app);

}  // namespace ductora
