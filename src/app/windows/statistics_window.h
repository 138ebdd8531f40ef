#pragma once

#include "app/state/app_state.h"

namespace ductora {

// The Statistics window (157 with OD data, else 162): made again, shown, near the main window's
// bottom left at every open; closing hides it.
void createStatisticsWindow(AppState& app);
// Its gray-scale sliders around the current pipe's limits and the display scale slider, after
// an open and whenever another pipe becomes current.
void initStatisticsSliders(AppState& app);
// Every frame: the cursor places and the values there of the current and the overlay pipe, and
// the slider readouts.
void FillStatistics(AppState& app);

}  // namespace ductora
