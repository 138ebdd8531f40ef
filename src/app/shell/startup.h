#pragma once

#include <string>
#include <string_view>

#include "app/state/app_state.h"

namespace ductora {

// The first token of a command line split at double quotes: leading quotes are skipped and
// the token ends at the next quote, so an unquoted line is taken whole, blanks included.
std::string firstCommandLineToken(std::string_view commandLine);

// Everything before the loop: the main window, the please-wait dialog, the menu state, and
// the file named on the command line.
void startApp(AppState& app, std::string_view commandLine);

}  // namespace ductora
