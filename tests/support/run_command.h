#pragma once

#include <string>

namespace ductora::testing {

struct CommandResult {
  int exitCode = -1;
  std::string out;  // standard output
};

// Runs a shell command line and collects its standard output and exit status.
CommandResult runCommand(const std::string& commandLine);

}  // namespace ductora::testing
