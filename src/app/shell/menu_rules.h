#pragma once

#include "data/format/pipe_file.h"
#include "platform/menu.h"

namespace ductora {

// Disables every item that needs an open file.
void disableFileMenuItems(platform::Menu& menu);
// Enables what the pipe's data allow. Never disables, so successive loads add up.
void enableMenuForData(platform::Menu& menu, const PipeFile* pipe);

}  // namespace ductora
