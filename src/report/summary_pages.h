#pragma once

#include <cstddef>
#include <vector>

#include "report/page_canvas.h"
#include "report/pdf_report.h"

namespace ductora::report {

// The string summary is drawn on landscape pages: one row per joint, then the totals per class
// and the worst joint, which are never split across pages.
class SummaryPages {
 public:
  SummaryPages(const std::vector<JointRow>& rows, const GradingRule& rule, PageSize size, double top);

  std::size_t count() const { return pages_; }
  // Page `page` (from 0) of the summary, from `top` down.
  void Draw(const Canvas& canvas, std::size_t page) const;

 private:
  void DrawTotals(const Canvas& canvas, double y) const;

  const std::vector<JointRow>& rows_;
  const GradingRule& rule_;
  double top_;
  std::size_t rowsPerPage_ = 1;
  std::size_t pages_ = 1;
};

}  // namespace ductora::report
