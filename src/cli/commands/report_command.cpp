#include "cli/commands/report_command.h"

#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "cli/options/grading_option.h"
#include "cli/output/pipe_json.h"
#include "cli/output/report_format.h"
#include "cli/output/report_pdf.h"
#include "cli/output/report_rows.h"

namespace ductora::cli {

namespace {

struct ReportOptions {
  std::vector<std::string> files;
  ReportFormat format = ReportFormat::kTable;
  std::string output;
  std::string grading = "tubing";
  std::optional<double> yield;
  PdfCover cover;
  bool progress = false;
};

int runReport(const ReportOptions& options) {
  if (options.yield && !isYield(*options.yield)) {
    return reportUsageError("report", "--yield takes a positive number of psi");
  }
  if ((options.format == ReportFormat::kPdf) != !options.output.empty()) {
    return reportUsageError("report", "-o names the file of --format pdf, and only of it");
  }
  std::string error;
  std::optional<GradingRule> rule = loadGradingRule(options.grading, error);
  if (!rule) {
    return reportUsageError("report", "--grading " + options.grading + ": " + error);
  }
  const ReportSettings settings{std::move(*rule), options.yield};
  if (options.format == ReportFormat::kPdf) {
    return writeReportPdf(options.files, settings, options.cover, options.output, options.progress);
  }
  const Report report = collectReport(options.files, settings);
  switch (options.format) {
    case ReportFormat::kTable:
      printReportTable(std::cout, report);
      break;
    case ReportFormat::kCsv:
      printReportCsv(std::cout, report);
      break;
    case ReportFormat::kJson:
    case ReportFormat::kPdf:
      std::cout << dumpJson(reportJson(report, settings)) << '\n';
      break;
  }
  return report.unreadable.empty() && report.emptyLists.empty() ? kSuccess : kFileError;
}

}  // namespace

Command addReportCommand(CLI::App& app) {
  auto options = std::make_shared<ReportOptions>();
  CLI::App* command =
      app.add_subcommand("report", "One line per pipe of pipe and list files, or a PDF report");
  command->add_option("FILE_OR_LIST", options->files, "Pipe files (.kqvw) and list files (.kqstr)")
      ->required();
  const std::map<std::string, ReportFormat> formats{{"table", ReportFormat::kTable},
                                                    {"csv", ReportFormat::kCsv},
                                                    {"json", ReportFormat::kJson},
                                                    {"pdf", ReportFormat::kPdf}};
  command->add_option("--format", options->format, "table (default), csv, json or pdf")
      ->transform(CLI::CheckedTransformer(formats, CLI::ignore_case));
  command->add_option("-o,--output", options->output, "The PDF file to write (--format pdf)");
  command->add_option("--grading", options->grading, "tubing (default), drill-pipe or a JSON rule file")
      ->capture_default_str();
  command->add_option("--yield", options->yield,
                      "Yield strength in psi for every figure (below 1000: thousands of psi); default: the "
                      "minimum of each file's grade, else 110000");
  command->add_option("--customer", options->cover.customer, "Customer named on the PDF's cover");
  command->add_option("--inspector", options->cover.inspector, "Inspector named on the PDF's cover");
  command->add_option("--location", options->cover.location, "Location named on the PDF's cover");
  const std::map<std::string, report::Paper> papers{{"letter", report::Paper::kLetter},
                                                    {"a4", report::Paper::kA4}};
  command->add_option("--paper", options->cover.paper, "letter (default) or a4")
      ->transform(CLI::CheckedTransformer(papers, CLI::ignore_case));
  command->add_flag("--progress", options->progress,
                    "With --format pdf: a line \"progress K/N\" per step on stderr");
  return {command, [options] { return runReport(*options); }};
}

}  // namespace ductora::cli
