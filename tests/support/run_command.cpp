#include "support/run_command.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace ductora::testing {

CommandResult runCommand(const std::string& commandLine) {
  CommandResult result;
  FILE* pipe = popen(commandLine.c_str(), "r");
  if (pipe == nullptr) return result;
  std::array<char, 4096> buffer{};
  for (std::size_t n = 0; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
    result.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace ductora::testing
