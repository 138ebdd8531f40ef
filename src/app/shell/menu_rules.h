#pragma once

#include "app/state/view_mode.h"
#include "data/format/pipe_file.h"
#include "platform/menu.h"

namespace ductora {

// Disables every item that needs an open file.
void disableFileMenuItems(platform::Menu& menu);
// Enables what the pipe's data allow. Never disables, so successive loads add up.
void enableMenuForData(platform::Menu& menu, const PipeFile* pipe);
// Marks the view mode chosen and Straight 3D when it is on.
void checkMenuItems(platform::Menu& menu, ViewMode mode, bool straight3D);

}  // namespace ductora
