#include "report/cover_page.h"

#include <algorithm>

#include "report/page_frame.h"
#include "report/report_text.h"

namespace ductora::report {

namespace {

constexpr Font kLabelFont = {9.0, true};
constexpr Font kValueFont = {9.0};
constexpr double kValueColumn = 150.0;
constexpr double kLineGap = 3.0;

std::string Wo(const JointRow& r) { return r.header.woNumber; }
std::string Unit(const JointRow& r) { return std::to_string(r.header.unitNumber); }
std::string Od(const JointRow& r) { return Number(r.header.nominalOd) + " in"; }
std::string Wall(const JointRow& r) { return Number(r.header.nominalWall / 1000.0) + " in"; }
std::string Weight(const JointRow& r) { return Number(r.header.weight, 2) + " lb/ft"; }
std::string Grade(const JointRow& r) { return r.header.grade; }
std::string Yield(const JointRow& r) { return Psi(r.yield.psi) + " psi (" + YieldSourceText(r.yield) + ")"; }
std::string Jump(const JointRow& r) {
  const std::string size = "jump size " + std::to_string(r.header.wallJumpSize);
  return r.jumpFilter.empty() ? size + ", filter not recorded" : r.jumpFilter + " filter, " + size;
}

std::string Dates(const std::vector<JointRow>& rows) {
  if (rows.empty()) return "-";
  const auto [first, last] = std::minmax_element(
      rows.begin(), rows.end(),
      [](const JointRow& a, const JointRow& b) { return a.header.created < b.header.created; });
  const std::string from = DateText(first->header.created);
  const std::string to = DateText(last->header.created);
  return from == to ? from : from + " to " + to;
}

class Fields {
 public:
  Fields(const Canvas& canvas, double top) : canvas_(canvas), y_(top) {}

  void Add(const std::string& label, const std::string& value) {
    const double width = canvas_.size().width - kMargin - (kMargin + kValueColumn);
    canvas_.Text(kMargin, y_, label, kLabelFont);
    y_ += canvas_.Text(kMargin + kValueColumn, y_, value, kValueFont, Align::kLeft, width) + kLineGap;
  }
  void Gap(double points) { y_ += points; }
  double y() const { return y_; }

 private:
  const Canvas& canvas_;
  double y_;
};

std::string RangeText(const GradingRule& rule, std::size_t i) {
  const double low = rule.classes[i].minRemainingPercent;
  if (i == 0) return "remaining body wall at least " + Number(low, 1) + " %";
  const std::string below = "below " + Number(rule.classes[i - 1].minRemainingPercent, 1) + " %";
  return low == 0.0 ? "remaining body wall " + below : "at least " + Number(low, 1) + " %, " + below;
}

double DrawLegend(const Canvas& canvas, double y, const GradingRule& rule) {
  for (std::size_t i = 0; i < rule.classes.size(); ++i) {
    const GradeClass& c = rule.classes[i];
    canvas.Swatch(kMargin + kValueColumn, y + 1.0, 24.0, 9.0, c.colour, c.bands);
    canvas.Gray(0.0);
    const std::string bands = (c.bands == 1 ? std::string("one ") : std::to_string(c.bands) + " ") +
                              c.colourName + (c.bands == 1 ? " band" : " bands");
    canvas.Text(kMargin + kValueColumn + 32.0, y, c.name + " (" + bands + "): " + RangeText(rule, i),
                kValueFont);
    y += 13.0;
  }
  return y;
}

// A long list of unreadable files would push the signatures off the page.
std::string UnreadableText(const std::vector<std::string>& paths) {
  constexpr std::size_t kListed = 8;
  std::string text;
  for (std::size_t i = 0; i < paths.size() && i < kListed; ++i) text += (i == 0 ? "" : "\n") + paths[i];
  if (paths.size() > kListed) text += "\nand " + std::to_string(paths.size() - kListed) + " more";
  return text.empty() ? "none" : text;
}

void DrawSignatures(const Canvas& canvas, double y) {
  const double width = (canvas.size().width - 2.0 * kMargin - 30.0) / 2.0;
  for (int i = 0; i < 2; ++i) {
    const double x = kMargin + i * (width + 30.0);
    const char* who = i == 0 ? "Inspector" : "Customer";
    for (const char* line : {"Name", "Signature", "Date"}) {
      canvas.Line(x, y + 22.0, x + width, y + 22.0, 0.5);
      canvas.Text(x, y + 24.0, std::string(who) + ": " + line, {7.0});
      y += 30.0;
    }
    y -= 90.0;
  }
}

}  // namespace

void DrawCover(const Canvas& canvas, double top, const ReportJob& job, const std::vector<JointRow>& rows) {
  Fields fields(canvas, top);
  fields.Add("Customer", job.customer.empty() ? "-" : job.customer);
  fields.Add("Location", job.location.empty() ? "-" : job.location);
  fields.Add("Inspector", job.inspector.empty() ? "-" : job.inspector);
  fields.Add("Job (WO number)", DistinctValues(rows, Wo));
  fields.Add("Unit", DistinctValues(rows, Unit));
  fields.Add("Inspected", Dates(rows));
  fields.Add("Joints", std::to_string(rows.size()));
  fields.Gap(6.0);
  fields.Add("Nominal OD", DistinctValues(rows, Od));
  fields.Add("Nominal wall", DistinctValues(rows, Wall));
  fields.Add("Weight", DistinctValues(rows, Weight));
  fields.Add("Grade", DistinctValues(rows, Grade));
  fields.Add("Yield strength", DistinctValues(rows, Yield));
  fields.Add("Wall jump filter", DistinctValues(rows, Jump));
  fields.Gap(6.0);
  fields.Add("Grading", job.rule.label);
  const double legendEnd = DrawLegend(canvas, fields.y(), job.rule);
  Fields rest(canvas, legendEnd + 6.0);
  rest.Add("Collapse", "API 5C3 (yield, plastic, transition and elastic regimes) at the nominal OD");
  rest.Add("Software", SoftwareName());
  rest.Add("Not read", UnreadableText(job.unreadable));
  DrawSignatures(canvas, std::max(rest.y() + 20.0, canvas.size().height - kMargin - 110.0));
}

}  // namespace ductora::report
