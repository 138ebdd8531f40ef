#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "cli_test_fixture.h"
#include "support/synthetic_pipe.h"

namespace {

using nlohmann::json;

class InfoCommand : public ductora::testing::CliTest {};

TEST_F(InfoCommand, JsonHasEveryKeyScriptsRelyOn) {
  const std::string path = dir.file("pipe.kqvw");
  ductora::testing::SyntheticPipeOptions options;
  options.lengthInches = 60.0;
  ductora::testing::writeSyntheticPipe(path, options);

  const auto result = run("info " + path + " --json --series");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const json j = json::parse(result.out);
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

  const auto result = run("info " + path + " --json --matrices");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const json j = json::parse(result.out);
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

  const auto result = run("info " + path);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("Wall matrix:"), std::string::npos);
  EXPECT_NE(result.out.find("OD matrix:"), std::string::npos);
  EXPECT_NE(result.out.find("KQ No."), std::string::npos);
}

TEST_F(InfoCommand, FileWithoutWallMatrixStillPrintsWhatItHas) {
  const std::string path = dir.file("od-only.kqvw");
  // One tag-9 block (wall start) and the end of the chain.
  ductora::testing::writeBytes(path, {9, 0, 0, 0, 0, 0x10, 0x27, 0, 0});

  const auto result = run("info " + path + " --json");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const json j = json::parse(result.out);
  EXPECT_FALSE(j["wallMatrixRead"].get<bool>());
  EXPECT_TRUE(j["wallMatrix"].is_null());
  EXPECT_EQ(j["wallStartCounts"], 10000);
  EXPECT_EQ(j["dataPresent"][4], 1);
}

TEST_F(InfoCommand, MissingFileIsOneLineAndExitOne) {
  const std::string path = dir.file("absent.kqvw");
  const auto result = run("info " + path);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(result.out.empty());
  const std::string message = result.err;
  EXPECT_EQ(message.rfind("ductora-cli: " + path + ": ", 0), 0U) << message;
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
}

TEST_F(InfoCommand, UsageErrorsExitTwo) {
  EXPECT_EQ(run("info").exitCode, 2);
  EXPECT_EQ(run("frobnicate x").exitCode, 2);
  EXPECT_EQ(run("").exitCode, 2);
  EXPECT_EQ(run("--help").exitCode, 0);
}

}  // namespace
