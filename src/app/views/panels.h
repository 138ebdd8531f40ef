#pragma once

#include <string>

#include "app/state/app_state.h"
#include "platform/window_event.h"

namespace ductora {

bool currentHasWallData(const AppState& app);
bool currentHasOdData(const AppState& app);

// Creates a panel that does not exist yet (OD panels only for a pipe with OD data).
void createPanel(AppState& app, PanelId id);
// Re-shows an existing panel under its menu title, or creates it; raises it either way.
void showPlot(AppState& app, PanelId id, const std::string& menuTitle);
// "Pipe/String - PATH(KQ)" from the current pipe.
void setPipeViewTitle(AppState& app);
// The main window's title follows the current pipe and its unsaved changes.
void showDocumentInTitle(AppState& app);

void plotPanelProcedure(AppState& app, PanelId id, const platform::WindowEvent& event);
void pipeViewProcedure(AppState& app, const platform::WindowEvent& event);

// GL state of a newly created panel (and of the pipe view on every 3D view choice).
void initPanelGl(AppState& app, PanelId id);
// One panel's frame: clear, body, swap.
void drawPanel(AppState& app, PanelId id);

}  // namespace ductora
