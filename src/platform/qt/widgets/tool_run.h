#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

class QWidget;

namespace ductora::platform::qt {

// Runs a tool from beside the program (or, in a build tree, its sibling folder; else from PATH)
// under a progress dialog over `parent`, and calls `done` when it has ended. Cancel sends
// SIGTERM, and SIGKILL if the tool has not stopped within a few seconds.
void startToolRun(QWidget* parent, const std::string& caption, const std::string& tool,
                  const std::vector<std::string>& arguments, ToolDone done);

}  // namespace ductora::platform::qt
