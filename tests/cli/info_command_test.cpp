#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "cli_test_fixture.h"

namespace ductora::testing {
namespace {

using nlohmann::json;

class InfoCommand : public CliTest {};

TEST_F(InfoCommand, JsonHasTheKeysScriptsRelyOn) {
  const std::string path = writePipe("pipe.kqvw", 60.0);
  const CliRun result = run("info " + path + " --json --series");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const json j = json::parse(result.out);
  for (const char* key : {"path", "wallMatrixRead", "dataPresent", "length", "wallStartCounts", "wallStart",
                          "maxDOverT", "header", "wallChannels", "odChannels", "wallMatrix", "csa",
                          "odMatrix", "idMatrix", "straightness", "revolutionMetrics"}) {
    EXPECT_TRUE(j.contains(key)) << key;
  }
  EXPECT_EQ(j["path"], path);
  EXPECT_TRUE(j["wallMatrixRead"].get<bool>());
  EXPECT_EQ(j["dataPresent"].size(), 10U);
  EXPECT_EQ(j["wallChannels"].size(), 4U);
  EXPECT_EQ(j["odChannels"].size(), 2U);

  const json& wall = j["wallMatrix"];
  const auto rows = wall["rows"].get<std::size_t>();
  EXPECT_NEAR(wall["length"].get<double>(), (rows - 1) * wall["deltaX"].get<double>(), 1e-3);
  EXPECT_EQ(wall["minWallPerRev"].size(), rows);
  EXPECT_FALSE(wall.contains("data"));
  EXPECT_EQ(j["revolutionMetrics"].size(), j["odMatrix"]["rows"].get<std::size_t>());
  EXPECT_EQ(j["revolutionMetrics"][0].size(), 16U);
}

TEST_F(InfoCommand, MatricesAddTheValuesAndTheReadableFormNamesTheJob) {
  const std::string path = writePipe("pipe.kqvw", 20.0);
  const json j = json::parse(run("info " + path + " --json --matrices").out);
  for (const char* key : {"wallMatrix", "odMatrix"}) {
    EXPECT_EQ(j[key]["data"].size(),
              j[key]["rows"].get<std::size_t>() * j[key]["columns"].get<std::size_t>());
  }
  EXPECT_FALSE(j.contains("revolutionMetrics"));

  const CliRun result = run("info " + path);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("Wall matrix:"), std::string::npos);
  EXPECT_NE(result.out.find("KQ No."), std::string::npos);
}

TEST_F(InfoCommand, FileWithoutWallMatrixStillPrintsWhatItHas) {
  const std::string path = dir.file("od-only.kqvw");
  // One tag-9 block (wall start) and the end of the chain.
  writeBytes(path, {9, 0, 0, 0, 0, 0x10, 0x27, 0, 0});
  const CliRun result = run("info " + path + " --json");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const json j = json::parse(result.out);
  EXPECT_FALSE(j["wallMatrixRead"].get<bool>());
  EXPECT_TRUE(j["wallMatrix"].is_null());
  EXPECT_EQ(j["wallStartCounts"], 10000);
}

TEST_F(InfoCommand, MissingFileIsOneLineAndExitOneUsageErrorsExitTwo) {
  const std::string path = dir.file("absent.kqvw");
  const CliRun result = run("info " + path);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(result.out.empty());
  EXPECT_EQ(result.err.rfind("ductora-cli: " + path + ": ", 0), 0U) << result.err;
  EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
  for (const char* arguments : {"info", "frobnicate x", ""})
    EXPECT_EQ(run(arguments).exitCode, 2) << arguments;
  EXPECT_EQ(run("--help").exitCode, 0);
}

}  // namespace
}  // namespace ductora::testing
