#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "analysis/pipe_measures.h"
#include "cli_test_fixture.h"
#include "data/text_exports.h"

namespace ductora::testing {
namespace {

class ExportCommand : public CliTest {
 protected:
  void SetUp() override {
    path = writePipe("pipe.kqvw", 24.0);
    ASSERT_TRUE(LoadPipeForUse(pipe, path).opened);
  }

  std::string path;
  std::string out = dir.file("export.txt");
  PipeFile pipe;
};

TEST_F(ExportCommand, WritesTheExportsByteForByte) {
  CliRun r = run("export length-at-y " + path + " --angle 90 -o " + out);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string lengthAtY = text(out);
  EXPECT_EQ(lengthAtY, exportLengthAtY(&pipe, 90.0).text);
  EXPECT_EQ(static_cast<std::uint32_t>(std::count(lengthAtY.begin(), lengthAtY.end(), '\n')),
            pipe.wallMatrix.rows);
  EXPECT_EQ(lengthAtY.rfind("0, ", 0), 0U);

  r = run("export rev-at-x " + path + " --position 10 -o " + out);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(text(out), exportRevAtX(&pipe, 10.0).text);

  r = run("export halden " + path + " --output " + out);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string halden = text(out);
  EXPECT_EQ(halden, exportHalden(&pipe).text);
  const std::size_t rows = (pipe.odMatrix.rows + 2) / 3;
  EXPECT_EQ(static_cast<std::size_t>(std::count(halden.begin(), halden.end(), '\n')), rows * 24);
}

TEST_F(ExportCommand, CursorOutsideTheMatrixIsAUsageErrorAndWritesNothing) {
  CliRun r = run("export length-at-y " + path + " --angle 400 -o " + out);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find("--angle 400 lies outside the wall matrix"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(out));
  r = run("export rev-at-x " + path + " --position -3 -o " + out);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(ExportCommand, HaldenWithoutOdMatrixIsAnEmptyFile) {
  const std::string wallOnly = writePipe("wall-only.kqvw", 20.0, 1, false);
  writeText(out, "previous\n");
  const CliRun r = run("export halden " + wallOnly + " -o " + out);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(text(out).empty());
  EXPECT_NE(r.err.find("warning: no OD matrix"), std::string::npos) << r.err;
}

TEST_F(ExportCommand, FileErrorsExitOne) {
  EXPECT_EQ(run("export halden " + dir.file("absent.kqvw") + " -o " + out).exitCode, 1);
  const CliRun r = run("export halden " + path + " -o " + dir.file("no-folder/out.txt"));
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err.rfind("ductora-cli: " + dir.file("no-folder/out.txt") + ": ", 0), 0U) << r.err;
  // A file without a wall matrix has nothing for the wall exports.
  const std::string empty = dir.file("empty.kqvw");
  writeBytes(empty, {9, 0, 0, 0, 0, 0x10, 0x27, 0, 0});
  EXPECT_EQ(run("export rev-at-x " + empty + " --position 0 -o " + out).exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(ExportCommand, UsageErrorsExitTwo) {
  EXPECT_EQ(run("export").exitCode, 2);
  EXPECT_EQ(run("export halden " + path).exitCode, 2);
  EXPECT_EQ(run("export length-at-y " + path + " -o " + out).exitCode, 2);
  EXPECT_EQ(run("export sideways " + path + " -o " + out).exitCode, 2);
}

}  // namespace
}  // namespace ductora::testing
