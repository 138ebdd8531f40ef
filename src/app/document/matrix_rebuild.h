#pragma once

#include <string>

#include "analysis/rebuild/filter_summary.h"
#include "app/state/app_state.h"

namespace ductora {

// The steps every matrix dialog wraps its build in.

// Gives the pipe view the focus as the matrix commands do first, leaving it below the plot panels:
// focus may raise it on some platforms.
void focusPipeView(AppState& app);
// Shows "Please wait..." and draws one frame, so that it is on the screen while the build runs.
void beginRebuild(AppState& app);
// Hides it again and gives the main window the focus.
void endRebuild(AppState& app);
// The settings or the data allow no build or edit of a matrix: the pipe was left as it was.
void refuseRebuild(AppState& app, const std::string& why);
// After a build: what its filters replaced, so the operator knows what the new numbers rest on.
void reportRebuild(AppState& app, const FilterSummary& filters);

}  // namespace ductora
