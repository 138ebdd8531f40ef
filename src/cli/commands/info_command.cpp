#include "cli/commands/info_command.h"

#include <iostream>
#include <memory>

#include "cli/options/load_pipe.h"
#include "cli/output/pipe_json.h"
#include "cli/output/pipe_summary.h"

namespace ductora::cli {

namespace {

struct InfoOptions {
  std::string file;
  bool json = false;
  PipeJsonDetail detail;
};

int runInfo(const InfoOptions& options) {
  PipeFile pipe;
  const std::optional<PipeReadResult> result = loadPipe(pipe, options.file);
  if (!result) {
    return kFileError;
  }
  if (options.json) {
    std::cout << dumpJson(pipeToJson(pipe, *result, options.detail)) << '\n';
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
  return {info, [options] { return runInfo(*options); }};
}

}  // namespace ductora::cli
