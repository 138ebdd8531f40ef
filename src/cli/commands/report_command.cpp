#include "cli/commands/report_command.h"

#include <iostream>
#include <map>
#include <memory>
#include <vector>

#include "cli/output/pipe_json.h"
#include "cli/output/report_format.h"
#include "cli/output/report_rows.h"

namespace ductora::cli {

namespace {

constexpr double kDefaultYield = 110000.0;

struct ReportOptions {
  std::vector<std::string> files;
  ReportFormat format = ReportFormat::kTable;
  double yield = kDefaultYield;
};

int runReport(const ReportOptions& options) {
  if (!isYield(options.yield)) {
    return reportUsageError("report", "--yield takes a positive number of psi");
  }
  const Report report = collectReport(options.files, options.yield);
  switch (options.format) {
    case ReportFormat::kTable:
      printReportTable(std::cout, report);
      break;
    case ReportFormat::kCsv:
      printReportCsv(std::cout, report);
      break;
    case ReportFormat::kJson:
      std::cout << dumpJson(reportJson(report, options.yield)) << '\n';
      break;
  }
  return report.unreadable.empty() && report.emptyLists.empty() ? kSuccess : kFileError;
}

}  // namespace

Command addReportCommand(CLI::App& app) {
  auto options = std::make_shared<ReportOptions>();
  CLI::App* command = app.add_subcommand("report", "One line per pipe of pipe and list files");
  command->add_option("FILE_OR_LIST", options->files, "Pipe files (.kqvw) and list files (.kqstr)")
      ->required();
  const std::map<std::string, ReportFormat> formats{
      {"table", ReportFormat::kTable}, {"csv", ReportFormat::kCsv}, {"json", ReportFormat::kJson}};
  command->add_option("--format", options->format, "table (default), csv or json")
      ->transform(CLI::CheckedTransformer(formats, CLI::ignore_case));
  command->add_option("--yield", options->yield, "Yield strength in psi for the API burst column")
      ->capture_default_str();
  return {command, [options] { return runReport(*options); }};
}

}  // namespace ductora::cli
