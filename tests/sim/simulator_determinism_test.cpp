#include <gtest/gtest.h>

#include <sstream>

#include "sim/sim_run.h"
#include "support/temp_dir.h"

namespace ductora::sim {
namespace {

using ductora::testing::readBytes;
using ductora::testing::TempDir;

SimOptions shortString(const std::string& out) {
  SimOptions options;
  options.out = out;
  options.pipes = 2;
  options.length = 60.0;
  options.seed = 7;
  return options;
}

bool run(const SimOptions& options) {
  std::ostringstream out;
  std::ostringstream err;
  return runSimulation(options, out, err);
}

TEST(SimulatorDeterminism, SameSeedSameBytesOtherSeedOtherBytes) {
  TempDir first;
  TempDir second;
  TempDir third;
  ASSERT_TRUE(run(shortString(first.path().string())));
  ASSERT_TRUE(run(shortString(second.path().string())));
  SimOptions other = shortString(third.path().string());
  other.seed = 8;
  ASSERT_TRUE(run(other));
  for (const char* name :
       {"JOB-001.kqvw", "JOB-002.kqvw", "JOB-001.ind", "JOB-002.truth.json", "JOB.kqstr"}) {
    EXPECT_EQ(readBytes(first.file(name)), readBytes(second.file(name))) << name;
  }
  EXPECT_NE(readBytes(first.file("JOB-001.kqvw")), readBytes(third.file("JOB-001.kqvw")));
}

}  // namespace
}  // namespace ductora::sim
