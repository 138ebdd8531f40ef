#include "cli/commands/command.h"

#include <cmath>
#include <iostream>

namespace ductora::cli {

void reportFileError(const std::string& path, const std::string& reason) {
  std::cerr << "ductora-cli: " << path << ": " << reason << '\n';
}

void reportWarning(const std::string& path, const std::string& what) {
  reportFileError(path, "warning: " + what);
}

int reportUsageError(const std::string& command, const std::string& message) {
  reportFileError(command, message);
  return kUsageError;
}

bool isInches(double value) { return std::isfinite(value) && value >= 0.0; }

bool isYield(double value) { return std::isfinite(value) && value > 0.0; }

}  // namespace ductora::cli
