#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>

namespace ductora::cli {

enum ExitCode : int { kSuccess = 0, kFileError = 1, kUsageError = 2 };

// A subcommand and what runs once its options are parsed.
struct Command {
  CLI::App* app = nullptr;
  std::function<int()> run;
};

// Prints "ductora-cli: PATH: reason" on stderr.
void reportFileError(const std::string& path, const std::string& reason);
// Prints "ductora-cli: COMMAND: message" on stderr and gives the usage error's exit code.
int reportUsageError(const std::string& command, const std::string& message);

}  // namespace ductora::cli
