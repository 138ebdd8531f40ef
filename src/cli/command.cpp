#include "cli/command.h"

#include <iostream>

namespace ductora::cli {

void reportFileError(const std::string& path, const std::string& reason) {
  std::cerr << "ductora-cli: " << path << ": " << reason << '\n';
}

void reportWarning(const std::string& path, const std::string& what) {
  reportFileError(path, "warning: " + what);
}

}  // namespace ductora::cli
