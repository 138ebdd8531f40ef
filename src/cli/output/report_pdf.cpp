#include "cli/output/report_pdf.h"

#include <iostream>

#include "cli/commands/command.h"
#include "cli/options/termination.h"
#include "data/files/atomic_file.h"
#include "report/pdf_report.h"

namespace ductora::cli {

namespace {

// A progress line per step when asked; false once the command is asked to stop.
bool step(bool progress, std::size_t done, std::size_t steps) {
  if (progress) std::cerr << "progress " << done << '/' << steps << std::endl;
  return !terminationRequested();
}

int stopped(const std::string& output) {
  reportFileError(output, "stopped: nothing written");
  return kFileError;
}

}  // namespace

int writeReportPdf(const std::vector<std::string>& files, const ReportSettings& settings,
                   const PdfCover& cover, const std::string& output, bool progress) {
  catchTermination();
  std::string error;
  // First, so that a folder that cannot be written is said before any work.
  const std::unique_ptr<AtomicFile> file = AtomicFile::create(output, error);
  if (!file) {
    reportFileError(output, error);
    return kFileError;
  }
  const ReportPipes pipes = listReportPipes(files);
  const std::size_t steps = 2 * pipes.pipes.size();
  const Report report = collectReport(
      pipes, settings, [&](std::size_t done, std::size_t) { return step(progress, done, steps); });
  if (report.stopped) return stopped(output);
  if (report.rows.empty()) {
    reportFileError(output, "no pipe could be read: nothing written");
    return kFileError;
  }
  const report::ReportJob job{cover.customer, cover.inspector, cover.location,
                              cover.paper,    settings.rule,   report.unreadable};
  const std::size_t read = pipes.pipes.size();
  const report::PdfOutcome outcome = report::WritePdfReport(
      file->sink(), job, report.rows,
      [](const JointRow& row, PipeFile& pipe) { return loadReportPipe(pipe, row.file); },
      // Told before each page: the one before it is done.
      [&](std::size_t joint, std::size_t) { return step(progress && joint > 1, read + joint - 1, steps); },
      error);
  if (outcome == report::PdfOutcome::kCancelled || terminationRequested()) return stopped(output);
  if (outcome == report::PdfOutcome::kFailed || !file->commit(error)) {
    reportFileError(output, error);
    return kFileError;
  }
  step(progress, steps, steps);
  return report.unreadable.empty() && report.emptyLists.empty() ? kSuccess : kFileError;
}

}  // namespace ductora::cli
