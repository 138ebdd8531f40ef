#include "report/pdf_report.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <memory>

#include "report/cover_page.h"
#include "report/joint_page.h"
#include "report/page_frame.h"
#include "report/report_text.h"
#include "report/summary_pages.h"

namespace ductora::report {

namespace {

// Where cairo's bytes go; once the report is stopped they are dropped.
struct Stream {
  ByteSink& sink;
  bool dropping = false;
  bool failed = false;
};

cairo_status_t WriteBytes(void* closure, const unsigned char* data, unsigned int length) {
  auto& stream = *static_cast<Stream*>(closure);
  if (stream.dropping) return CAIRO_STATUS_SUCCESS;
  if (!stream.sink.write(std::span<const std::uint8_t>(data, length))) {
    stream.failed = true;
    return CAIRO_STATUS_WRITE_ERROR;
  }
  return CAIRO_STATUS_SUCCESS;
}

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

// The last inspection date stands for the creation date, so the same input gives the same bytes.
std::string CreationDate(const std::vector<JointRow>& rows) {
  std::uint32_t latest = 0;
  for (const JointRow& row : rows) latest = std::max(latest, row.header.created);
  const std::time_t time = latest;
  std::tm parts{};
  gmtime_r(&time, &parts);
  std::array<char, 32> text{};
  std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%SZ", &parts);
  return text.data();
}

std::string JobLine(const std::vector<JointRow>& rows) {
  return "Inspection report, job " +
         DistinctValues(rows, [](const JointRow& r) { return r.header.woNumber; });
}

}  // namespace

PdfOutcome WritePdfReport(ByteSink& sink, const ReportJob& job, const std::vector<JointRow>& rows,
                          const PipeSource& source, const PageProgress& progress, std::string& error) {
  Stream stream{sink};
  const PageSize portrait = PaperSize(job.paper, false);
  const PageSize landscape = PaperSize(job.paper, true);
  std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(
      cairo_pdf_surface_create_for_stream(WriteBytes, &stream, portrait.width, portrait.height));
  cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, "Pipe inspection report");
  cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, SoftwareName().c_str());
  cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATE_DATE, CreationDate(rows).c_str());
  std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(surface.get()));

  const std::string jobLine = JobLine(rows);
  const SummaryPages summary(rows, job.rule, landscape, kBodyTop);
  const std::size_t pages = 1 + summary.count() + rows.size();
  std::size_t page = 0;
  const auto startPage = [&](PageSize size) {
    if (page > 0) cairo_show_page(cr.get());
    cairo_pdf_surface_set_size(surface.get(), size.width, size.height);
    ++page;
    return Canvas(cr.get(), size);
  };

  {
    const Canvas canvas = startPage(portrait);
    DrawCover(canvas, DrawPageFrame(canvas, "Pipe inspection report", jobLine, page, pages), job, rows);
  }
  for (std::size_t i = 0; i < summary.count(); ++i) {
    const Canvas canvas = startPage(landscape);
    DrawPageFrame(canvas, "String summary", jobLine, page, pages);
    summary.Draw(canvas, i);
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (progress && !progress(i + 1, rows.size())) {
      stream.dropping = true;
      return PdfOutcome::kCancelled;
    }
    const JointRow& row = rows[i];
    const std::string title = "Joint " + std::to_string(row.index) + ": " + FileName(row.file);
    const Canvas canvas = startPage(portrait);
    const double top = DrawPageFrame(canvas, title, jobLine, page, pages);
    PipeFile pipe;
    const bool loaded = source(row, pipe);
    DrawJointPage(canvas, top, row, loaded ? &pipe : nullptr, job.rule);
  }
  cr.reset();
  cairo_surface_finish(surface.get());
  if (stream.failed || cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    error =
        stream.failed ? "cannot write the file" : cairo_status_to_string(cairo_surface_status(surface.get()));
    return PdfOutcome::kFailed;
  }
  return PdfOutcome::kWritten;
}

}  // namespace ductora::report
