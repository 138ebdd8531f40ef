#include "cli/commands/info_command.h"

#include <iostream>
#include <memory>

#include "analysis/grading/joint_figures.h"
#include "cli/options/grading_option.h"
#include "cli/options/load_pipe.h"
#include "cli/output/pipe_json.h"
#include "cli/output/pipe_summary.h"

namespace ductora::cli {

namespace {

struct InfoOptions {
  std::string file;
  bool json = false;
  PipeJsonDetail detail;
  std::optional<std::string> grading;
};

// The joint's class and what it rests on, at the yield of its grade.
nlohmann::ordered_json gradingJson(const PipeFile& pipe, const GradingRule& rule) {
  const JointFigures f = ComputeJointFigures(pipe, rule, std::nullopt);
  return {{"rule", rule.name},
          {"remainingBodyWall", f.remainingBodyWall},
          {"class", f.className},
          {"minWall", f.thinnest.wall},
          {"minWallPosition", f.thinnest.position},
          {"minWallAngle", f.thinnest.angle},
          {"yield", f.yield.psi},
          {"yieldSource", YieldSourceText(f.yield)}};
}

int runInfo(const InfoOptions& options) {
  std::optional<GradingRule> rule;
  if (options.grading) {
    std::string error;
    rule = loadGradingRule(*options.grading, error);
    if (!rule) return reportUsageError("info", "--grading " + *options.grading + ": " + error);
  }
  PipeFile pipe;
  const std::optional<PipeReadResult> result = loadPipe(pipe, options.file);
  if (!result) {
    return kFileError;
  }
  if (options.json) {
    nlohmann::ordered_json j = pipeToJson(pipe, *result, options.detail);
    if (rule) j["grading"] = gradingJson(pipe, *rule);
    std::cout << dumpJson(j) << '\n';
  } else {
    printPipeSummary(std::cout, pipe, *result);
  }
  return kSuccess;
}

}  // namespace

Command addInfoCommand(CLI::App& app) {
  auto options = std::make_shared<InfoOptions>();
  CLI::App* info = app.add_subcommand("info", "Print what opening a pipe file gives, measures included");
  info->add_option("FILE", options->file, "Pipe file (.kqvw)")->required();
  info->add_flag("--json", options->json, "One JSON object instead of the readable summary");
  info->add_flag("--series", options->detail.series, "With --json: the per-revolution series");
  info->add_flag("--matrices", options->detail.matrices, "With --json: the matrix values");
  info->add_option("--grading", options->grading,
                   "With --json: the joint's class by tubing, drill-pipe or a JSON rule file");
  return {info, [options] { return runInfo(*options); }};
}

}  // namespace ductora::cli
