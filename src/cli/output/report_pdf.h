#pragma once

#include <string>
#include <vector>

#include "cli/output/report_rows.h"
#include "report/page_canvas.h"

namespace ductora::cli {

// What the PDF's cover names beside the files.
struct PdfCover {
  std::string customer;
  std::string inspector;
  std::string location;
  report::Paper paper = report::Paper::kLetter;
};

// Reads the pipes once for the summary, then again one at a time for their pages, writing the
// PDF through a temporary file renamed to `output` only when complete. With `progress`, a line
// "progress K/N" on stderr after each of the N steps (each pipe read, each page drawn). SIGTERM
// or SIGINT stops it between steps with nothing written. Returns the exit code.
int writeReportPdf(const std::vector<std::string>& files, const ReportSettings& settings,
                   const PdfCover& cover, const std::string& output, bool progress);

}  // namespace ductora::cli
