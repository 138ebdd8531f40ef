#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "analysis/rebuild/correction/channel_correction.h"
#include "cli_test_fixture.h"
#include "support/synthetic_pipe.h"

namespace ductora::testing {
namespace {

using nlohmann::json;

class RebuildCommand : public CliTest {
 protected:
  json info(const std::string& path) const {
    const CliRun result = run("info --json --matrices " + path);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return json::parse(result.out);
  }

  std::string pipe = writePipe("pipe.kqvw", 40.0);
  std::string out = dir.file("out.kqvw");
};

TEST_F(RebuildCommand, WallFromOneChannelWithTheStoredSettings) {
  const json before = info(pipe);
  const CliRun result = run("rebuild wall " + pipe + " -o " + out);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("written to"), std::string::npos);
  const json after = info(out);
  EXPECT_EQ(after["wallMatrix"]["columns"], 360);
  EXPECT_EQ(after["wallMatrix"]["deltaX"], before["wallMatrix"]["deltaX"]);
  EXPECT_NE(after["wallMatrix"]["data"], before["wallMatrix"]["data"]);
  EXPECT_NEAR(after["wallMatrix"]["avgWall"].get<double>(), 0.362, 0.003);
  // The raw channels went along with the rebuilt matrix, and the source is untouched.
  EXPECT_EQ(after["dataPresent"][1], 1);
  EXPECT_EQ(info(pipe)["wallMatrix"]["data"], before["wallMatrix"]["data"]);
  // Nothing lands in the working directory unasked.
  EXPECT_FALSE(std::filesystem::exists(dir.file(kEncoderCountFile)));
}

TEST_F(RebuildCommand, EncoderCountsAreAppendedWhereAsked) {
  const std::string log = dir.file("counts.tab");
  for (int build = 1; build <= 2; ++build) {
    ASSERT_EQ(run("rebuild wall " + pipe + " -o " + out + " --encoder-log " + log).exitCode, 0);
  }
  // One line per corrected revolution (the mark repair drops the last) for each build.
  const int revolutions = syntheticRevolutions({.lengthInches = 40.0});
  const std::string counts = text(log);
  EXPECT_EQ(std::count(counts.begin(), counts.end(), '\n'), 2 * (revolutions - 1));
  EXPECT_FALSE(std::filesystem::exists(dir.file(kEncoderCountFile)));

  const CliRun unwritable =
      run("rebuild wall " + pipe + " -o " + out + " --encoder-log " + dir.path().string());
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_NE(unwritable.err.find("cannot be opened for appending"), std::string::npos) << unwritable.err;
}

TEST_F(RebuildCommand, WallOptionsAreApplied) {
  const CliRun result = run("rebuild wall " + pipe + " -o " + out +
                            " --primary 2 --remove-front 12 --delta-x 0.5 --delta-y 2 --jump 40 "
                            "--wall-scale 2=1.2 --wall-scale 4=0.9");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const json after = info(out);
  EXPECT_EQ(after["wallMatrix"]["columns"], 180);
  EXPECT_EQ(after["wallMatrix"]["deltaX"], 0.5);
  // The saved raw samples are already trimmed, so the file stores no removal.
  EXPECT_EQ(after["wallMatrix"]["removeFront"], 0);
  EXPECT_EQ(after["header"]["wallJumpSize"], 40);
  EXPECT_EQ(after["wallChannels"][1]["wallScale"], 1.2);
  EXPECT_EQ(after["wallChannels"][3]["wallScale"], 0.9);
  EXPECT_NEAR(after["wallMatrix"]["length"].get<double>(), 40.0 - 12.0, 1.0);
}

TEST_F(RebuildCommand, WallFromTwoChannelsJoinedAndOdWithAJumpSize) {
  const CliRun result = run("rebuild wall " + pipe + " -o " + out +
                            " --secondary 3 --left --display-raw --delta-x 0.333333333");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const json after = info(out);
  // The pitch given as the pipe's to nine decimals is the pipe's own.
  EXPECT_EQ(after["wallMatrix"]["deltaX"], info(pipe)["wallMatrix"]["deltaX"]);
  // Left: 13.5 inches and 5 revolutions of the secondary, then the primary from its sixth.
  EXPECT_NEAR(after["wallMatrix"]["length"].get<double>(), 40.0 + 13.5, 1.0);

  // The OD matrix with a jump size.
  ASSERT_EQ(run("rebuild od " + pipe + " -o " + out + " --jump 12").exitCode, 0);
  const json od = info(out);
  EXPECT_EQ(od["header"]["odJumpSize"], 12);
  EXPECT_NEAR(od["odMatrix"]["rows"].get<double>(), 120.0, 2.0);
  EXPECT_NEAR(od["odMatrix"]["maxOvality"].get<double>(), info(pipe)["odMatrix"]["maxOvality"].get<double>(),
              0.2);
}

TEST_F(RebuildCommand, UsageErrors) {
  for (const std::string& arguments : std::vector<std::string>{
           "rebuild", "rebuild wall " + pipe, "rebuild wall " + pipe + " -o " + out + " --wall-scale 5=1.0",
           "rebuild wall " + pipe + " -o " + out + " --wall-scale 1=abc",
           "rebuild wall " + pipe + " -o " + out + " --jump 0",
           "rebuild wall " + pipe + " -o " + out + " --left",
           "rebuild wall " + pipe + " -o " + out + " --delta-y 0",
           "rebuild wall " + pipe + " -o " + out + " --primary 7",
           "rebuild wall " + pipe + " -o " + out + " --jump 300",
           "rebuild od " + pipe + " -o " + out + " --jump 256"}) {
    EXPECT_EQ(run(arguments).exitCode, 2) << arguments;
  }
  // Joined channels store the jump size as one channel does: 8 bits.
  const CliRun joined = run("rebuild wall " + pipe + " -o " + out + " --secondary 3 --jump 300");
  EXPECT_EQ(joined.exitCode, 2);
  EXPECT_NE(joined.err.find("Jump Size must be from 0 to 255."), std::string::npos) << joined.err;
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(RebuildCommand, FileErrors) {
  CliRun result = run("rebuild wall " + dir.file("missing.kqvw") + " -o " + out);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("ductora-cli: " + dir.file("missing.kqvw") + ": "), std::string::npos);

  SyntheticPipeOptions options;
  options.lengthInches = 10.0;
  options.withRawWall = false;
  options.withRawOd = false;
  const std::string bare = dir.file("bare.kqvw");
  writeSyntheticPipe(bare, options);
  result = run("rebuild wall " + bare + " -o " + out + " --primary 1");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("cannot rebuild the wall matrix"), std::string::npos);
  EXPECT_EQ(run("rebuild od " + bare + " -o " + out).exitCode, 1);
  // Joining channels too short for the overlap.
  options.lengthInches = 5.0;
  options.withRawWall = true;
  const std::string shortPipe = dir.file("short.kqvw");
  writeSyntheticPipe(shortPipe, options);
  result = run("rebuild wall " + shortPipe + " -o " + out + " --secondary 2");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("too short to be joined"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_EQ(run("rebuild wall " + pipe + " -o " + dir.file("no/such/folder/out.kqvw")).exitCode, 1);
}

}  // namespace
}  // namespace ductora::testing
