#pragma once

#include <gtest/gtest.h>

#include <string>

#include "analysis/measures/pipe_measures.h"
#include "support/temp_dir.h"

namespace ductora::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the real ductora-cli in a fresh folder, which is also its working directory, with stdout and
// stderr captured apart.
class CliTest : public ::testing::Test {
 protected:
  CliRun run(const std::string& arguments) const;
  // A synthetic pipe file of the given length in the folder.
  std::string writePipe(const std::string& name, double lengthInches, std::uint32_t seed = 1,
                        bool withOdMatrix = true) const;
  std::string text(const std::string& path) const;

  TempDir dir;
};

// A 30-inch synthetic pipe in the folder, also loaded for use, to compare the tool's output with.
class LoadedPipeCliTest : public CliTest {
 protected:
  void SetUp() override {
    path = writePipe("pipe.kqvw", 30.0);
    ASSERT_TRUE(LoadPipeForUse(pipe, path).opened);
  }

  std::string path;
  PipeFile pipe;
};

}  // namespace ductora::testing
