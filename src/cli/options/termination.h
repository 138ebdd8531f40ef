#pragma once

namespace ductora::cli {

// A long command that should stop cleanly when asked (SIGTERM, SIGINT): from now on such a
// signal only sets a flag, which the command reads between steps.
void catchTermination();
bool terminationRequested();

}  // namespace ductora::cli
