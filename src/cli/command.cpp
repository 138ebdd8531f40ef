#include "cli/command.h"

#include <iostream>

namespace ductora::cli {

void reportFileError(const std::string& path, const std::string& reason) {
  std::cerr << "ductora-cli: " << path << ": " << reason << '\n';
}

int reportUsageError(const std::string& command, const std::string& message) {
  std::cerr << "ductora-cli: " << command << ": " << message << '\n';
  return kUsageError;
}

}  // namespace ductora::cli
