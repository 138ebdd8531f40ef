#include "cli_test_fixture.h"

#include "support/run_command.h"
#include "support/synthetic_pipe.h"

namespace ductora::testing {

CliRun CliTest::run(const std::string& arguments) const {
  const std::string errPath = dir.file("stderr.txt");
  const CommandResult result = runCommand("cd '" + dir.path().string() + "' && " + DUCTORA_CLI_PATH + " " +
                                          arguments + " 2>'" + errPath + "'");
  return {result.exitCode, result.out, text(errPath)};
}

std::string CliTest::writePipe(const std::string& name, double lengthInches, std::uint32_t seed,
                               bool withOdMatrix) const {
  SyntheticPipeOptions options;
  options.lengthInches = lengthInches;
  options.seed = seed;
  options.withOdMatrix = withOdMatrix;
  const std::string path = dir.file(name);
  writeSyntheticPipe(path, options);
  return path;
}

std::string CliTest::text(const std::string& path) const {
  const auto bytes = readBytes(path);
  return {bytes.begin(), bytes.end()};
}

}  // namespace ductora::testing
