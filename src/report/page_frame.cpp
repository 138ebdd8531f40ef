#include "report/page_frame.h"

namespace ductora::report {

namespace {

constexpr Font kTitleFont = {13.0, true};
constexpr Font kFootFont = {7.0};

}  // namespace

std::string SoftwareName() { return std::string("Ductora ") + DUCTORA_VERSION; }

double DrawPageFrame(const Canvas& canvas, const std::string& title, const std::string& job, std::size_t page,
                     std::size_t pages) {
  const PageSize size = canvas.size();
  canvas.Gray(0.0);
  canvas.Text(kMargin, kMargin, title, kTitleFont);
  const double rule = kMargin + kTitleRoom;
  canvas.Line(kMargin, rule, size.width - kMargin, rule, 0.8);
  const double foot = size.height - kMargin + 6.0;
  canvas.Line(kMargin, foot - 3.0, size.width - kMargin, foot - 3.0, 0.4);
  canvas.Text(kMargin, foot, job, kFootFont);
  canvas.Text(size.width / 2.0, foot, "page " + std::to_string(page) + " of " + std::to_string(pages),
              kFootFont, Align::kCenter);
  canvas.Text(size.width - kMargin, foot, SoftwareName(), kFootFont, Align::kRight);
  return kBodyTop;
}

}  // namespace ductora::report
