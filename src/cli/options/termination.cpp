#include "cli/options/termination.h"

#include <csignal>

namespace ductora::cli {

namespace {

volatile std::sig_atomic_t requested = 0;

extern "C" void onTermination(int /*signal*/) { requested = 1; }

}  // namespace

void catchTermination() {
  std::signal(SIGTERM, onTermination);
  std::signal(SIGINT, onTermination);
}

bool terminationRequested() { return requested != 0; }

}  // namespace ductora::cli
