#pragma once

#include <functional>
#include <string>
#include <vector>

#include "analysis/grading/joint_figures.h"
#include "data/format/pipe_file_io.h"
#include "report/page_canvas.h"

namespace ductora::report {

// What the cover says beside the joints.
struct ReportJob {
  std::string customer;
  std::string inspector;
  std::string location;
  Paper paper = Paper::kLetter;
  GradingRule rule = TubingRule();
  std::vector<std::string> unreadable;  // files that could not be read
};

// Loads a row's pipe for use for its page; false when it cannot be read any more.
using PipeSource = std::function<bool(const JointRow& row, PipeFile& pipe)>;
// Told before each joint's page is drawn (from 1); false stops the report.
using PageProgress = std::function<bool(std::size_t joint, std::size_t joints)>;

enum class PdfOutcome { kWritten, kCancelled, kFailed };

// The inspection report as a PDF: a cover, the string summary and one page per joint, each
// joint's pipe loaded only while its page is drawn. The same rows and pipes give the same bytes:
// the creation date is the last inspection date, and nothing else varies.
PdfOutcome WritePdfReport(ByteSink& sink, const ReportJob& job, const std::vector<JointRow>& rows,
                          const PipeSource& source, const PageProgress& progress, std::string& error);

}  // namespace ductora::report
