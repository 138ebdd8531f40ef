#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "support/run_command.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"

namespace {

using ductora::testing::TempDir;
using nlohmann::json;

using RunResult = ductora::testing::CommandResult;

// Runs the real tool; stderr goes to a file so that both streams can be checked.
RunResult runCli(const std::string& arguments, const std::string& errPath) {
  return ductora::testing::runCommand(std::string(DUCTORA_CLI_PATH) + " " + arguments + " 2>" + errPath);
}

class InfoCommand : public ::testing::Test {
 protected:
  TempDir dir;
  std::string err = dir.file("stderr.txt");

  std::string stderrText() const {
    const auto bytes = ductora::testing::readBytes(err);
    return {bytes.begin(), bytes.end()};
  }
};

TEST_F(InfoCommand, JsonHasEveryKeyScriptsRelyOn) {
  const std::string path = dir.file("pipe.kqvw");
  ductora::testing::SyntheticPipeOptions options;
  options.lengthInches = 60.0;
  ductora::testing::writeSyntheticPipe(path, options);

  const RunResult run = runCli("info " + path + " --json --series", err);
  ASSERT_EQ(run.exitCode, 0) << stderrText();
  const json j = json::parse(run.out);
  for (const char* key : {"path", "wallMatrixRead", "dataPresent", "length", "wallStartCounts", "wallStart",
                          "maxDOverT", "header", "wallChannels", "odChannels", "wallMatrix", "csa",
                          "odMatrix", "idMatrix", "straightness", "revolutionMetrics"}) {
    EXPECT_TRUE(j.contains(key)) << key;
  }
  for (const char* key :
       {"created",      "woNumber", "kqNumber",          "unitNumber",    "note",
        "runNumber",    "startEnd", "nominalOdMils",     "nominalOd",     "weightHundredths",
        "weight",       "grade",    "nominalWall",       "upperWall",     "lowerWall",
        "wallJumpSize", "range",    "calibrationOdMils", "calibrationOd", "wallAngle",
        "rotation",     "from",     "upperOdOffset",     "lowerOdOffset", "odJumpSize",
        "displayScale"}) {
    EXPECT_TRUE(j["header"].contains(key)) << key;
  }
  EXPECT_EQ(j["path"], path);
  EXPECT_TRUE(j["wallMatrixRead"].get<bool>());
  EXPECT_EQ(j["dataPresent"].size(), 10U);
  EXPECT_EQ(j["wallChannels"].size(), 4U);
  EXPECT_EQ(j["odChannels"].size(), 2U);
  EXPECT_EQ(j["wallChannels"][0]["parameters"].size(), 4U);

  const json& wall = j["wallMatrix"];
  const auto rows = wall["rows"].get<std::size_t>();
  EXPECT_EQ(wall["columns"], 360);
  EXPECT_NEAR(wall["length"].get<double>(), (rows - 1) * wall["deltaX"].get<double>(), 1e-3);
  EXPECT_EQ(wall["minWallPerRev"].size(), rows);
  EXPECT_FALSE(wall.contains("data"));
  EXPECT_LE(wall["minWall"].get<double>(), wall["avgWall"].get<double>());
  EXPECT_LE(wall["avgWall"].get<double>(), wall["maxWall"].get<double>());
  EXPECT_EQ(j["revolutionMetrics"].size(), j["odMatrix"]["rows"].get<std::size_t>());
  EXPECT_EQ(j["revolutionMetrics"][0].size(), 16U);
  EXPECT_GT(j["maxDOverT"].get<double>(), 10.0);
}

TEST_F(InfoCommand, MatricesAddTheValues) {
  const std::string path = dir.file("pipe.kqvw");
  ductora::testing::SyntheticPipeOptions options;
  options.lengthInches = 20.0;
  options.withRawWall = false;
  options.withRawOd = false;
  ductora::testing::writeSyntheticPipe(path, options);

  const RunResult run = runCli("info " + path + " --json --matrices", err);
  ASSERT_EQ(run.exitCode, 0) << stderrText();
  const json j = json::parse(run.out);
  const json& wall = j["wallMatrix"];
  EXPECT_EQ(wall["data"].size(), wall["rows"].get<std::size_t>() * wall["columns"].get<std::size_t>());
  EXPECT_EQ(j["odMatrix"]["data"].size(),
            j["odMatrix"]["rows"].get<std::size_t>() * j["odMatrix"]["columns"].get<std::size_t>());
  EXPECT_FALSE(j.contains("revolutionMetrics"));
}

TEST_F(InfoCommand, ReadableSummaryNamesTheJob) {
  const std::string path = dir.file("pipe.kqvw");
  ductora::testing::SyntheticPipeOptions options;
  options.lengthInches = 20.0;
  ductora::testing::writeSyntheticPipe(path, options);

  const RunResult run = runCli("info " + path, err);
  ASSERT_EQ(run.exitCode, 0) << stderrText();
  EXPECT_NE(run.out.find("Wall matrix:"), std::string::npos);
  EXPECT_NE(run.out.find("OD matrix:"), std::string::npos);
  EXPECT_NE(run.out.find("KQ No."), std::string::npos);
}

TEST_F(InfoCommand, FileWithoutWallMatrixStillPrintsWhatItHas) {
  const std::string path = dir.file("od-only.kqvw");
  // One tag-9 block (wall start) and the end of the chain.
  ductora::testing::writeBytes(path, {9, 0, 0, 0, 0, 0x10, 0x27, 0, 0});

  const RunResult run = runCli("info " + path + " --json", err);
  ASSERT_EQ(run.exitCode, 0) << stderrText();
  const json j = json::parse(run.out);
  EXPECT_FALSE(j["wallMatrixRead"].get<bool>());
  EXPECT_TRUE(j["wallMatrix"].is_null());
  EXPECT_EQ(j["wallStartCounts"], 10000);
  EXPECT_EQ(j["dataPresent"][4], 1);
}

TEST_F(InfoCommand, MissingFileIsOneLineAndExitOne) {
  const std::string path = dir.file("absent.kqvw");
  const RunResult run = runCli("info " + path, err);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.out.empty());
  const std::string message = stderrText();
  EXPECT_EQ(message.rfind("ductora-cli: " + path + ": ", 0), 0U) << message;
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
}

TEST_F(InfoCommand, UsageErrorsExitTwo) {
  EXPECT_EQ(runCli("info", err).exitCode, 2);
  EXPECT_EQ(runCli("frobnicate x", err).exitCode, 2);
  EXPECT_EQ(runCli("", err).exitCode, 2);
  EXPECT_EQ(runCli("--help", err).exitCode, 0);
}

}  // namespace
