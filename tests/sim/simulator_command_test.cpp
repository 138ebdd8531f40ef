#include <gtest/gtest.h>

#include <string>

#include "support/run_command.h"

namespace {

using ductora::testing::CommandResult;

CommandResult runSim(const std::string& arguments) {
  return ductora::testing::runCommand(std::string(DUCTORA_SIM_PATH) + " " + arguments + " 2>&1");
}

TEST(SimulatorCommand, BadOptionsAreUsageErrors) {
  EXPECT_EQ(runSim("--faults sometimes").exitCode, 2);
  EXPECT_EQ(runSim("--length 20000").exitCode, 2);
  EXPECT_EQ(runSim("--pipes 0").exitCode, 2);
}

}  // namespace
