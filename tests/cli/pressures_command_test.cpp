#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "analysis/measures/pipe_measures.h"
#include "analysis/measures/revolution_metrics.h"
#include "analysis/placement/placed_exports.h"
#include "analysis/pressures/api5c3.h"
#include "analysis/pressures/pressure_series.h"
#include "analysis/pressures/pressures.h"
#include "analysis/queries/range_values.h"
#include "cli_test_fixture.h"

namespace ductora::testing {
namespace {

using nlohmann::json;

// Without --yield, the minimum of the pipe's grade (L80).
constexpr double kYield = 80000.0;
constexpr std::size_t kApi = 0;
constexpr std::size_t kBarlow = 4;

class PressuresCommand : public LoadedPipeCliTest {};

TEST_F(PressuresCommand, JsonAtTheLargestDOverT) {
  const CliRun r = run("pressures " + path + " --json");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const json j = json::parse(r.out);
  const double maxDOverT = MaxDOverT(pipe);
  EXPECT_EQ(j["maxDOverT"].get<double>(), maxDOverT);
  EXPECT_EQ(j["dOverTSource"], "measured");
  ASSERT_EQ(j["burst"].size(), kBurstFormulaCount);
  EXPECT_NEAR(j["burst"][kApi]["pressure"].get<double>(), 0.875 * 2.0 * kYield / maxDOverT, 1e-9);

  // Nominal: 7.000" over 0.362"; actual: the middle of the pipe by default.
  const json& nominal = j["apiCollapse"]["nominal"];
  EXPECT_NEAR(nominal["dOverT"].get<double>(), 7.0 / 0.362, 1e-9);
  EXPECT_EQ(nominal["pressure"].get<double>(), ApiCollapse(kYield, 7.0 / 0.362));
  EXPECT_EQ(j["api5c3Collapse"]["nominal"].get<double>(), Api5c3Collapse(kYield, 7.0 / 0.362).pressure);
  EXPECT_EQ(j["api5c3Collapse"]["regime"], "plastic");
  const double middle = pipe.pipeLength() / 2.0;
  EXPECT_EQ(j["position"].get<double>(), middle);
  EXPECT_EQ(j["apiCollapse"]["actual"]["dOverT"].get<double>(), ActualDOverT(pipe, middle));
  EXPECT_GT(j["apiCollapse"]["actual"]["dOverT"].get<double>(), 15.0);

  // Tamano by default from the pipe's averages, the yield taken as given.
  const json& tamano = j["tamanoCollapse"];
  EXPECT_EQ(tamano["od"], kChoiceAverageForPipe);
  EXPECT_EQ(tamano["eccentricity"], kChoiceAverageForPipe);
  EXPECT_NEAR(tamano["pressure"].get<double>(),
              TamanoCollapse(kYield, pipe.odMatrix.avgOd / pipe.wallMatrix.avgWall, pipe.odMatrix.avgOvality,
                             pipe.wallMatrix.avgEccentricity),
              1e-6);
}

TEST_F(PressuresCommand, TamanoTakesTheDialogsChoices) {
  // OD the pipe's largest, wall its smallest, no ovality or eccentricity.
  json j = json::parse(run("pressures " + path + " --json --collapse 1,2,0,0 --position 10").out);
  EXPECT_NEAR(j["tamanoCollapse"]["pressure"].get<double>(),
              TamanoCollapse(kYield, pipe.odMatrix.maxOd / pipe.wallMatrix.minWall, 0.0, 0.0), 1e-6);
  EXPECT_EQ(j["tamanoCollapse"]["wall"], kChoiceMinForPipe);
  // Without a wall input there is no pressure.
  const CliRun r = run("pressures " + path + " --collapse 3,0,3,3");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("none: no OD or wall input here"), std::string::npos) << r.out;
}

TEST_F(PressuresCommand, YieldInThousandsOnlyForApiCollapse) {
  const json low = json::parse(run("pressures " + path + " --json --yield 110").out);
  const json full = json::parse(run("pressures " + path + " --json --yield 110000").out);
  EXPECT_EQ(low["apiCollapse"]["nominal"]["pressure"], full["apiCollapse"]["nominal"]["pressure"]);
  EXPECT_NEAR(low["burst"][kBarlow]["pressure"].get<double>() * 1000.0,
              full["burst"][kBarlow]["pressure"].get<double>(), 1e-6);
}

TEST_F(PressuresCommand, WithoutOdDataTheNominalDOverTIsUsedAndSaid) {
  const std::string wallOnly = writePipe("wall-only.kqvw", 30.0, 1, false);
  const json j = json::parse(run("pressures " + wallOnly + " --json").out);
  // Calibration OD 7000 mils over the nominal 362.
  const double nominal = 7000.0 / 362.0;
  EXPECT_EQ(j["dOverTSource"], "nominal");
  EXPECT_DOUBLE_EQ(j["maxDOverT"].get<double>(), nominal);
  EXPECT_NEAR(j["burst"][kApi]["pressure"].get<double>(), 0.875 * 2.0 * kYield / nominal, 1e-9);
  EXPECT_TRUE(j["apiCollapse"]["actual"]["pressure"].is_null());
  const CliRun r = run("pressures " + wallOnly);
  EXPECT_NE(r.out.find("19.337 (nominal"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("inf"), std::string::npos) << r.out;
}

TEST_F(PressuresCommand, NonsenseIsRefusedWithAUsageError) {
  for (const std::string& arguments :
       std::vector<std::string>{"", " --position 500", " --position -1", " --position nan", " --yield 0",
                                " --yield -5", " --yield nan", " --yield inf", " --yield lots",
                                " --collapse 1,2,3", " --collapse 7,0,0,0", " --collapse 3,3,3,3,"}) {
    const CliRun r = run("pressures " + (arguments.empty() ? "" : path + arguments));
    EXPECT_EQ(r.exitCode, 2) << arguments;
    EXPECT_TRUE(r.out.empty()) << arguments;
    EXPECT_FALSE(r.err.empty()) << arguments;
  }
  EXPECT_NE(run("pressures " + path + " --position 500").err.find("lies outside the wall data"),
            std::string::npos);
  const CliRun missing = run("pressures " + dir.file("absent.kqvw"));
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err.rfind("ductora-cli: " + dir.file("absent.kqvw") + ": ", 0), 0U) << missing.err;
}

class RangeCommand : public LoadedPipeCliTest {};

TEST_F(RangeCommand, JsonHoldsThePipeWindowsValues) {
  const CliRun r = run("range " + path + " --from 5 --to 20 --json");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const json j = json::parse(r.out);
  const RangeValues v = PipeRangeValues(pipe, 5.0, 20.0);
  EXPECT_EQ(j["fromIndex"], v.indices.from);
  EXPECT_EQ(j["toIndex"], v.indices.to);
  EXPECT_TRUE(j["wall"]["min"].contains("percent"));
  EXPECT_FALSE(j["od"]["min"].contains("percent"));
  EXPECT_EQ(j["wall"]["min"]["value"].get<double>(), v.wall.min.value);
  EXPECT_EQ(j["wall"]["min"]["percent"].get<double>(), v.wall.min.percent);
  EXPECT_EQ(j["od"]["max"]["position"].get<double>(), v.od.max.position);
  // A 7.000" pipe with walls near 0.362".
  EXPECT_NEAR(j["od"]["average"].get<double>(), 7.0, 0.05);
  EXPECT_NEAR(j["wall"]["average"].get<double>(), 0.362, 0.02);
  EXPECT_LT(j["wall"]["min"]["percent"].get<double>(), 100.0);
}

TEST_F(RangeCommand, Errors) {
  EXPECT_EQ(run("range " + dir.file("absent.kqvw") + " --from 0 --to 1").exitCode, 1);
  for (const char* bounds : {"--from 0", "--from nan --to 3", "--from 1 --to inf", "--from -1 --to 3"}) {
    const CliRun r = run("range " + path + " " + bounds);
    EXPECT_EQ(r.exitCode, 2) << bounds;
    EXPECT_TRUE(r.out.empty()) << bounds;
  }
}

class ExportCommand : public LoadedPipeCliTest {
 protected:
  std::string out = dir.file("export.txt");
};

TEST_F(ExportCommand, WritesTheExportsByteForByte) {
  CliRun r = run("export length-at-y " + path + " --angle 90 -o " + out);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string lengthAtY = text(out);
  EXPECT_EQ(lengthAtY, ExportLengthAtY(&pipe, 90.0).text);
  EXPECT_EQ(static_cast<std::uint32_t>(std::count(lengthAtY.begin(), lengthAtY.end(), '\n')),
            pipe.wallMatrix.rows);
  EXPECT_EQ(lengthAtY.rfind("0, ", 0), 0U);

  r = run("export rev-at-x " + path + " --position 10 -o " + out);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(text(out), ExportRevAtX(&pipe, 10.0).text);

  r = run("export halden " + path + " --output " + out);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string halden = text(out);
  EXPECT_EQ(halden, ExportHalden(&pipe).text);
  const std::size_t rows = (pipe.odMatrix.rows + 2) / 3;
  EXPECT_EQ(static_cast<std::size_t>(std::count(halden.begin(), halden.end(), '\n')), rows * 24);
}

TEST_F(ExportCommand, CursorsOutsideTheMatrixAndBadArgumentsAreUsageErrorsAndWriteNothing) {
  CliRun r = run("export length-at-y " + path + " --angle 400 -o " + out);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find("--angle 400 lies outside the wall matrix"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(out));
  for (const std::string& arguments :
       {"rev-at-x " + path + " --position -3 -o " + out, std::string(), "halden " + path,
        "length-at-y " + path + " -o " + out, "sideways " + path + " -o " + out}) {
    EXPECT_EQ(run("export " + arguments).exitCode, 2) << arguments;
  }
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

}  // namespace
}  // namespace ductora::testing
