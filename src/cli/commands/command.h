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
// Prints "ductora-cli: PATH: warning: what" on stderr.
void reportWarning(const std::string& path, const std::string& what);
// Prints "ductora-cli: COMMAND: message" on stderr; returns kUsageError.
int reportUsageError(const std::string& command, const std::string& message);

// Inches along a pipe: finite and not negative.
bool isInches(double value);
// A yield strength: a positive finite number of psi.
bool isYield(double value);

}  // namespace ductora::cli
