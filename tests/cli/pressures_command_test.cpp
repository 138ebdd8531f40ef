#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "analysis/pipe_measures.h"
#include "analysis/pressure_series.h"
#include "analysis/pressures.h"
#include "analysis/revolution_metrics.h"
#include "cli_test_fixture.h"

namespace ductora::testing {
namespace {

using nlohmann::json;

class PressuresCommand : public LoadedPipeCliTest {};

TEST_F(PressuresCommand, JsonAtTheLargestDOverT) {
  const CliRun r = run("pressures " + path + " --json");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const json j = json::parse(r.out);
  const double maxDOverT = MaxDOverT(pipe);
  EXPECT_GT(maxDOverT, 15.0);
  EXPECT_EQ(j["maxDOverT"].get<double>(), maxDOverT);
  EXPECT_EQ(j["yield"].get<double>(), 110000.0);
  ASSERT_EQ(j["burst"].size(), kBurstFormulaCount);
  EXPECT_EQ(j["burst"][0]["name"], "API");
  EXPECT_NEAR(j["burst"][0]["pressure"].get<double>(), 0.875 * 2.0 * 110000.0 / maxDOverT, 1e-9);
  EXPECT_EQ(j["burst"][9]["name"], "Tresca");
  EXPECT_EQ(j["burst"][9]["variant"], "Fully Plastic");
  EXPECT_EQ(j["burst"][10]["pressure"].get<double>(), 0.0);

  // Nominal: 7.000" over 0.362"; actual: the middle of the pipe by default.
  const json& nominal = j["apiCollapse"]["nominal"];
  EXPECT_NEAR(nominal["dOverT"].get<double>(), 7.0 / 0.362, 1e-9);
  EXPECT_EQ(nominal["pressure"].get<double>(), ApiCollapse(110000.0, 7.0 / 0.362));
  const double middle = pipe.pipeLength() / 2.0;
  EXPECT_EQ(j["position"].get<double>(), middle);
  EXPECT_EQ(j["apiCollapse"]["actual"]["dOverT"].get<double>(), ActualDOverT(pipe, middle));
  EXPECT_GT(j["apiCollapse"]["actual"]["dOverT"].get<double>(), 15.0);
}

TEST_F(PressuresCommand, YieldInThousandsOnlyForApiCollapse) {
  const json low = json::parse(run("pressures " + path + " --json --yield 110").out);
  const json full = json::parse(run("pressures " + path + " --json --yield 110000").out);
  EXPECT_EQ(low["apiCollapse"]["nominal"]["pressure"], full["apiCollapse"]["nominal"]["pressure"]);
  EXPECT_NEAR(low["burst"][4]["pressure"].get<double>() * 1000.0, full["burst"][4]["pressure"].get<double>(),
              1e-6);
}

TEST_F(PressuresCommand, OutsideThePipeTheActualCollapseIsUndefined) {
  const CliRun r = run("pressures " + path + " --position 500");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  // D/t 0 outside the matrix: yield collapse 2 Yp (0 - 1) / 0.
  EXPECT_NE(r.out.find("Actual (D/t 0.000)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("-inf"), std::string::npos) << r.out;
  const json j = json::parse(run("pressures " + path + " --json --position 500").out);
  EXPECT_TRUE(j["apiCollapse"]["actual"]["pressure"].is_null());
}

TEST_F(PressuresCommand, ReadableFormNamesEveryFormula) {
  const CliRun r = run("pressures " + path + " --position 10");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  for (const char* label : {"Max D/T:", "Tresca (Incipient Yield)", "Tresca (Fully Plastic)", "Lame'",
                            "Hill's Burst Limit", "Klever-Stewart"}) {
    EXPECT_NE(r.out.find(label), std::string::npos) << label;
  }
  const std::size_t plastic = r.out.find("Plastic Failure Pressure");
  ASSERT_NE(plastic, std::string::npos);
  const std::string line = r.out.substr(plastic, r.out.find('\n', plastic) - plastic);
  EXPECT_EQ(line.substr(line.size() - 6), " 0.000") << line;
}

TEST_F(PressuresCommand, FileAndUsageErrors) {
  const CliRun missing = run("pressures " + dir.file("absent.kqvw"));
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err.rfind("ductora-cli: " + dir.file("absent.kqvw") + ": ", 0), 0U) << missing.err;
  EXPECT_EQ(run("pressures").exitCode, 2);
  EXPECT_EQ(run("pressures " + path + " --yield lots").exitCode, 2);
}

}  // namespace
}  // namespace ductora::testing
