#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "analysis/pipe_measures.h"
#include "analysis/range_values.h"
#include "cli_test_fixture.h"

namespace ductora::testing {
namespace {

using nlohmann::json;

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

}  // namespace
}  // namespace ductora::testing
