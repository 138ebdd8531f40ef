#include "report/summary_pages.h"

#include <algorithm>
#include <array>
#include <string>

#include "report/report_text.h"

namespace ductora::report {

namespace {

constexpr Font kCellFont = {6.8};
constexpr Font kHeadFont = {6.8, true};
constexpr double kRowHeight = 10.5;
constexpr double kHeadHeight = 2.0 * kRowHeight + 3.0;
constexpr double kFootRoom = 16.0;
constexpr double kSwatchWidth = 14.0;

struct Column {
  const char* heading;
  const char* unit;
  double width;
  std::string (*text)(const JointRow&);
};

const std::array<Column, 16> kColumns = {{
    {"#", "", 20.0, [](const JointRow& r) { return std::to_string(r.index); }},
    {"File", "", 90.0, [](const JointRow& r) { return FileName(r.file); }},
    {"KQ", "", 30.0, [](const JointRow& r) { return std::to_string(r.kqNumber); }},
    {"Length", "in", 40.0, [](const JointRow& r) { return Number(r.length, 1); }},
    {"Min wall", "in", 38.0, [](const JointRow& r) { return Number(r.thinnest.wall); }},
    {"at", "in", 38.0, [](const JointRow& r) { return Number(r.thinnest.position, 1); }},
    {"angle", "deg", 32.0, [](const JointRow& r) { return Number(r.thinnest.angle, 0); }},
    {"Avg wall", "in", 38.0, [](const JointRow& r) { return Number(r.avgWall); }},
    {"RBW", "%", 36.0, [](const JointRow& r) { return Number(r.remainingBodyWall, 1); }},
    {"Class", "", 88.0, ClassText},
    {"Max ecc", "%", 40.0, [](const JointRow& r) { return Number(r.maxEccentricity, 1); }},
    {"Max oval", "%", 42.0, [](const JointRow& r) { return Number(r.maxOvality, 2); }},
    {"5C3 nom.", "psi", 48.0, [](const JointRow& r) { return Psi(r.collapseNominal.pressure); }},
    {"5C3 min.", "psi", 48.0, [](const JointRow& r) { return Psi(r.collapseAtMinimum.pressure); }},
    {"API burst", "psi", 48.0, [](const JointRow& r) { return Psi(r.apiBurst); }},
    {"No read", "cells", 38.0, NoReadingText},
}};
constexpr std::size_t kClassColumn = 9;
constexpr std::size_t kFileColumn = 1;

std::size_t TotalsLines(const GradingRule& rule) { return rule.classes.size() + 5; }

// Cuts text to a width, marking the cut.
std::string Fit(const Canvas& canvas, std::string text, double width) {
  if (canvas.TextWidth(text, kCellFont) <= width) return text;
  while (text.size() > 1 && canvas.TextWidth("..." + text, kCellFont) > width) text.erase(0, 1);
  return "..." + text;
}

void DrawCell(const Canvas& canvas, const Column& column, std::size_t index, double x, double y,
              const std::string& text, const Font& font) {
  const double inner = column.width - 4.0;
  if (index == kFileColumn || index == kClassColumn) {
    canvas.Text(x + 2.0, y, index == kFileColumn ? Fit(canvas, text, inner) : text, font);
  } else {
    canvas.Text(x + column.width - 2.0, y, text, font, Align::kRight);
  }
}

}  // namespace

SummaryPages::SummaryPages(const std::vector<JointRow>& rows, const GradingRule& rule, PageSize size,
                           double top)
    : rows_(rows), rule_(rule), top_(top) {
  const double room = size.height - kMargin - kFootRoom - top - kHeadHeight;
  rowsPerPage_ = std::max<std::size_t>(1, static_cast<std::size_t>(room / kRowHeight));
  const std::size_t rowPages = std::max<std::size_t>(1, (rows.size() + rowsPerPage_ - 1) / rowsPerPage_);
  const std::size_t onLast = rows.size() - (rowPages - 1) * rowsPerPage_;
  pages_ = rowPages + (onLast + TotalsLines(rule) > rowsPerPage_ ? 1 : 0);
}

void SummaryPages::Draw(const Canvas& canvas, std::size_t page) const {
  const std::size_t first = std::min(rows_.size(), page * rowsPerPage_);
  const std::size_t last = std::min(rows_.size(), first + rowsPerPage_);
  double y = top_;
  if (first < last) {
    double x = kMargin;
    canvas.Gray(0.0);
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
      DrawCell(canvas, kColumns[i], i, x, y, kColumns[i].heading, kHeadFont);
      DrawCell(canvas, kColumns[i], i, x, y + kRowHeight, kColumns[i].unit, kHeadFont);
      x += kColumns[i].width;
    }
    y += kHeadHeight;
    canvas.Line(kMargin, y - 2.0, x, y - 2.0, 0.6);
  }
  for (std::size_t r = first; r < last; ++r) {
    const JointRow& row = rows_[r];
    if ((r - first) % 2 == 1) {
      canvas.Gray(0.93);
      canvas.FillRect(kMargin, y - 1.0, canvas.size().width - 2.0 * kMargin, kRowHeight);
    }
    double x = kMargin;
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
      if (i == kClassColumn) {
        canvas.Swatch(x + 2.0, y + 1.0, kSwatchWidth, 7.0, row.classColour, row.classBands);
        canvas.Gray(0.0);
        DrawCell(canvas, kColumns[i], i, x + kSwatchWidth + 2.0, y, kColumns[i].text(row), kCellFont);
      } else {
        canvas.Gray(0.0);
        DrawCell(canvas, kColumns[i], i, x, y, kColumns[i].text(row), kCellFont);
      }
      x += kColumns[i].width;
    }
    y += kRowHeight;
  }
  if (page + 1 == pages_) DrawTotals(canvas, first < last ? y + kRowHeight : top_);
}

void SummaryPages::DrawTotals(const Canvas& canvas, double y) const {
  canvas.Gray(0.0);
  canvas.Text(kMargin, y, "Totals", kHeadFont);
  y += kRowHeight;
  double allFeet = 0.0;
  for (const GradeClass& c : rule_.classes) {
    std::size_t joints = 0;
    double feet = 0.0;
    for (const JointRow& row : rows_) {
      if (row.className != c.name) continue;
      ++joints;
      feet += row.length / 12.0;
    }
    allFeet += feet;
    canvas.Swatch(kMargin, y + 1.0, kSwatchWidth, 7.0, c.colour, c.bands);
    canvas.Gray(0.0);
    canvas.Text(kMargin + kSwatchWidth + 4.0, y, c.name, kCellFont);
    canvas.Text(kMargin + 150.0, y, std::to_string(joints) + (joints == 1 ? " joint" : " joints"), kCellFont,
                Align::kRight);
    canvas.Text(kMargin + 210.0, y, Number(feet, 1) + " ft", kCellFont, Align::kRight);
    y += kRowHeight;
  }
  canvas.Line(kMargin, y - 1.0, kMargin + 210.0, y - 1.0, 0.4);
  canvas.Text(kMargin + kSwatchWidth + 4.0, y, "All", kHeadFont);
  canvas.Text(kMargin + 150.0, y, std::to_string(rows_.size()) + (rows_.size() == 1 ? " joint" : " joints"),
              kHeadFont, Align::kRight);
  canvas.Text(kMargin + 210.0, y, Number(allFeet, 1) + " ft", kHeadFont, Align::kRight);
  y += 1.5 * kRowHeight;
  const auto worst = std::min_element(rows_.begin(), rows_.end(), [](const JointRow& a, const JointRow& b) {
    return a.remainingBodyWall < b.remainingBodyWall;
  });
  if (worst != rows_.end()) {
    canvas.Text(kMargin, y,
                "Worst joint: #" + std::to_string(worst->index) + " " + FileName(worst->file) +
                    ", remaining body wall " + Number(worst->remainingBodyWall, 1) + " % (" +
                    worst->className + "), minimum wall " + Number(worst->thinnest.wall) + " in at " +
                    Number(worst->thinnest.position, 1) + " in, " + Number(worst->thinnest.angle, 0) + " deg",
                kHeadFont);
  }
}

}  // namespace ductora::report
