#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/measures/pipe_measures.h"
#include "analysis/measures/revolution_metrics.h"
#include "cli_test_fixture.h"

namespace ductora::testing {
namespace {

using nlohmann::json;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A string of three pipes whose second member is missing, and one more pipe named alone.
class ReportCommand : public CliTest {
 protected:
  void SetUp() override {
    first = writePipe("p1.kqvw", 20.0, 1);
    third = writePipe("p3.kqvw", 30.0, 3);
    fourth = writePipe("p4.kqvw", 25.0, 4);
    list = dir.file("job.kqstr");
    writeText(list, "p1.kqvw\np2.kqvw\np3.kqvw\n");
  }

  std::string first;
  std::string third;
  std::string fourth;
  std::string list;
};

TEST_F(ReportCommand, UnreadableFilesAndListsNamingNoPipeAreNamedTheRestReportedExitOne) {
  const std::string junk = dir.file("junk.kqvw");
  writeText(junk, "not a pipe file at all");
  const std::string bare = dir.file("bare.kqvw");
  writeText(bare, std::string("\xC8\0\0\0\0", 5));  // one block of an unknown kind
  const std::string empty = dir.file("empty.kqstr");
  writeText(empty, "\n");
  const CliRun r = run("report " + list + " " + empty + " " + junk + " " + bare + " " +
                       dir.file("absent.kqstr") + " " + fourth + " --format csv");
  EXPECT_EQ(r.exitCode, 1);
  for (const std::string& named :
       {dir.file("p2.kqvw") + ": No such file or directory", empty + ": warning: names no pipe",
        junk + ": the file is damaged: the file ends inside the block at byte 0",
        bare + ": holds no pipe data", dir.file("absent.kqstr") + ": "}) {
    EXPECT_NE(r.err.find("ductora-cli: " + named), std::string::npos) << r.err;
  }
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 4U) << r.out;
  EXPECT_EQ(
      lines[0],
      "index,file,kqNumber,length,minWall,avgWall,maxWall,minCsaPercent,maxEccentricity,maxOvality,minOd,"
      "maxOd,maxDOverT,apiBurst,dOverTSource,noReadingCells,remainingBodyWall,class,minWallPosition,"
      "minWallAngle,"
      "yield");
  // Unreadable pipes keep their place in the numbering.
  EXPECT_EQ(lines[1].rfind("1," + first + ",4711,", 0), 0U) << lines[1];
  EXPECT_EQ(lines[2].rfind("3," + third + ",", 0), 0U) << lines[2];
  EXPECT_EQ(lines[3].rfind("6," + fourth + ",", 0), 0U) << lines[3];
}

TEST_F(ReportCommand, JsonValuesAreThePipesMeasures) {
  const std::string empty = dir.file("empty.kqstr");
  writeText(empty, "\n");
  const CliRun r = run("report " + list + " " + empty + " " + fourth + " --format json");
  EXPECT_EQ(r.exitCode, 1);
  const json j = json::parse(r.out);
  ASSERT_EQ(j["pipes"].size(), 3U);
  EXPECT_EQ(j["unreadable"], json::array({dir.file("p2.kqvw")}));
  EXPECT_EQ(j["emptyLists"], json::array({empty}));
  PipeFile pipe;
  ASSERT_TRUE(LoadPipeForUse(pipe, third).opened);
  const json& row = j["pipes"][1];
  EXPECT_EQ(row["index"], 3);
  EXPECT_EQ(row["file"], third);
  EXPECT_EQ(row["kqNumber"], 4711);
  EXPECT_EQ(row["length"].get<double>(), pipe.pipeLength());
  EXPECT_EQ(row["avgWall"].get<double>(), pipe.wallMatrix.avgWall);
  EXPECT_EQ(row["maxOvality"].get<double>(), pipe.odMatrix.maxOvality);
  EXPECT_EQ(row["maxDOverT"].get<double>(), MaxDOverT(pipe));
  EXPECT_EQ(row["dOverTSource"], "measured");
  // Every figure at the minimum yield of the pipe's grade, L80.
  EXPECT_EQ(row["yield"], 80000.0);
  EXPECT_NEAR(row["apiBurst"].get<double>(), 0.875 * 2.0 * 80000.0 / MaxDOverT(pipe), 1e-9);
  // Walls near the nominal 0.362": the smallest area is a little under 100 %.
  EXPECT_GT(row["minCsaPercent"].get<double>(), 90.0);
  EXPECT_LT(row["minCsaPercent"].get<double>(), 100.5);
}

TEST_F(ReportCommand, CsvQuotesFileNamesThatNeedIt) {
  const std::string odd = writePipe("a,\"b\".kqvw", 20.0);
  const CliRun r = run("report '" + odd + "' --format csv");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("\n1,\"" + dir.file("a,\"\"b\"\".kqvw") + "\",4711,"), std::string::npos) << r.out;
}

TEST_F(ReportCommand, APipeWithoutOdDataIsReportedAtTheNominalDOverTAndMarked) {
  const std::string wallOnly = writePipe("wall-only.kqvw", 20.0, 5, false);
  const json j = json::parse(run("report " + wallOnly + " --format json").out);
  const json& row = j["pipes"][0];
  EXPECT_EQ(row["dOverTSource"], "nominal");
  EXPECT_DOUBLE_EQ(row["maxDOverT"].get<double>(), 7000.0 / 362.0);  // calibration OD / nominal wall
  EXPECT_NEAR(row["apiBurst"].get<double>(), 0.875 * 2.0 * 80000.0 / (7000.0 / 362.0), 1e-9);
  const CliRun table = run("report " + first + " " + wallOnly);
  EXPECT_EQ(table.exitCode, 0) << table.err;
  const std::vector<std::string> lines = Lines(table.out);
  ASSERT_EQ(lines.size(), 4U);
  EXPECT_EQ(lines[0].rfind("   #  File", 0), 0U) << lines[0];
  EXPECT_EQ(lines[1].rfind("   1  " + first, 0), 0U) << lines[1];
  EXPECT_EQ(lines[1].find('*'), std::string::npos) << lines[1];
  EXPECT_NE(lines[2].find("19.337*"), std::string::npos) << lines[2];
  EXPECT_EQ(lines[3].rfind("* at the nominal D/t", 0), 0U) << lines[3];
}

TEST_F(ReportCommand, UsageErrorsExitTwo) {
  for (const std::string& arguments :
       {std::string("report"), "report " + first + " --format xml", "report " + first + " --yield 0",
        "report " + first + " --yield nan"}) {
    const CliRun r = run(arguments);
    EXPECT_EQ(r.exitCode, 2) << arguments;
    EXPECT_TRUE(r.out.empty()) << arguments;
  }
}

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

TEST_F(InfoCommand, MissingEmptyAndDamagedFilesAreOneLineAndExitOneUsageErrorsExitTwo) {
  const std::string cut = writePipe("cut.kqvw", 20.0);
  std::filesystem::resize_file(cut, std::filesystem::file_size(cut) - 100);
  const std::string looped = writePipe("looped.kqvw", 20.0);
  std::vector<std::uint8_t> bytes = readBytes(looped);
  std::fill(bytes.begin() + 1, bytes.begin() + 5, 0);  // the first block says it is the last
  writeBytes(looped, bytes);
  const std::string empty = dir.file("empty.kqvw");
  writeText(empty, "");
  for (const std::string& named :
       {dir.file("absent.kqvw") + ": No such file", empty + ": the file is empty (0 bytes)",
        cut + ": the file is damaged: the file ends inside the block at byte ",
        looped + ": the file is damaged: the block at byte 0 is marked as the last"}) {
    const CliRun result = run("info " + named.substr(0, named.find(": ")));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(result.err.rfind("ductora-cli: " + named, 0), 0U) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
  }
  for (const char* arguments : {"info", "frobnicate x", ""})
    EXPECT_EQ(run(arguments).exitCode, 2) << arguments;
  EXPECT_EQ(run("--help").exitCode, 0);
}

}  // namespace
}  // namespace ductora::testing
