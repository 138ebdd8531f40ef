#include "report/joint_page.h"

#include <array>
#include <string>

#include "data/indications/indication_file.h"
#include "report/joint_plots.h"
#include "report/plot_axes.h"
#include "report/report_text.h"
#include "report/wall_map_figure.h"

namespace ductora::report {

namespace {

constexpr Font kLabelFont = {7.5, true};
constexpr Font kValueFont = {7.5};
constexpr double kFigureLine = 10.5;
constexpr double kLabelWidth = 96.0;

struct Figure {
  const char* label;
  std::string (*text)(const JointRow&);
};

const std::array<Figure, 17> kFigures = {{
    {"KQ number", [](const JointRow& r) { return std::to_string(r.kqNumber); }},
    {"Length", [](const JointRow& r) { return Number(r.length, 2) + " in"; }},
    {"Minimum wall",
     [](const JointRow& r) {
       return Number(r.thinnest.wall) + " in at " + Number(r.thinnest.position, 1) + " in, " +
              Number(r.thinnest.angle, 0) + " deg";
     }},
    {"Average wall", [](const JointRow& r) { return Number(r.avgWall) + " in"; }},
    {"Maximum wall", [](const JointRow& r) { return Number(r.maxWall) + " in"; }},
    {"Remaining body wall",
     [](const JointRow& r) { return Number(r.remainingBodyWall, 1) + " % of nominal"; }},
    {"Class", ClassText},
    {"No-reading cells", NoReadingText},
    {"Minimum CSA", [](const JointRow& r) { return Number(r.minCsaPercent, 1) + " %"; }},
    {"Max eccentricity", [](const JointRow& r) { return Number(r.maxEccentricity, 2) + " %"; }},
    {"Max ovality", [](const JointRow& r) { return Number(r.maxOvality, 2) + " %"; }},
    {"OD min / max", [](const JointRow& r) { return Number(r.minOd) + " / " + Number(r.maxOd) + " in"; }},
    {"Yield strength",
     [](const JointRow& r) { return Psi(r.yield.psi) + " psi (" + YieldSourceText(r.yield) + ")"; }},
    {"Collapse, nominal", [](const JointRow& r) { return RatingText(r.collapseNominal) + " psi, API 5C3"; }},
    {"Collapse, min wall",
     [](const JointRow& r) { return RatingText(r.collapseAtMinimum) + " psi, API 5C3"; }},
    {"API burst", [](const JointRow& r) { return Psi(r.apiBurst) + " psi"; }},
    {"Max D/t",
     [](const JointRow& r) {
       return Number(r.maxDOverT) + (r.dOverTSource == DOverTSource::kNominal ? " (nominal)" : "");
     }},
}};
constexpr std::size_t kClassFigure = 6;

double DrawFigures(const Canvas& canvas, double top, const JointRow& row) {
  const double columnWidth = (canvas.size().width - 2.0 * kMargin) / 2.0;
  const std::size_t perColumn = (kFigures.size() + 1) / 2;
  for (std::size_t i = 0; i < kFigures.size(); ++i) {
    const double x = kMargin + static_cast<double>(i / perColumn) * columnWidth;
    const double y = top + static_cast<double>(i % perColumn) * kFigureLine;
    canvas.Gray(0.0);
    canvas.Text(x, y, kFigures[i].label, kLabelFont);
    double valueX = x + kLabelWidth;
    if (i == kClassFigure) {
      canvas.Swatch(valueX, y + 1.0, 18.0, 7.5, row.classColour, row.classBands);
      canvas.Gray(0.0);
      valueX += 22.0;
    }
    canvas.Text(valueX, y, kFigures[i].text(row), kValueFont);
  }
  return top + static_cast<double>(perColumn) * kFigureLine;
}

void DrawIndications(const Canvas& canvas, double top, double bottom, const std::string& pipePath) {
  const std::optional<std::string> path = findIndicationFile(pipePath);
  canvas.Gray(0.0);
  if (!path) {
    canvas.Text(kMargin, top, "Indications: no indication file.", kLabelFont);
    return;
  }
  const IndicationListResult list = readIndicationList(*path);
  canvas.Text(kMargin, top, "Indications (" + FileName(*path) + ")", kLabelFont);
  double y = top + kFigureLine;
  const Font mono = {6.5, false, true};
  const auto fits = static_cast<std::size_t>(std::max(0.0, (bottom - y) / 8.5));
  const std::size_t shown = list.lines.size() <= fits ? list.lines.size() : fits == 0 ? 0 : fits - 1;
  for (std::size_t i = 0; i < shown; ++i, y += 8.5) canvas.Text(kMargin, y, list.lines[i], mono);
  if (shown < list.lines.size()) {
    canvas.Text(kMargin, y, "and " + std::to_string(list.lines.size() - shown) + " more in the file",
                kValueFont);
  } else if (!list.opened) {
    canvas.Text(kMargin, y, "the file could not be read", kValueFont);
  } else if (list.lines.empty()) {
    canvas.Text(kMargin, y, "none listed", kValueFont);
  }
}

}  // namespace

void DrawJointPage(const Canvas& canvas, double top, const JointRow& row, const PipeFile* pipe,
                   const GradingRule& rule) {
  double y = DrawFigures(canvas, top, row) + 18.0;
  if (pipe == nullptr) {
    canvas.Text(kMargin, y, "The file could not be read again for its pictures.", kLabelFont);
    return;
  }
  const double width = canvas.size().width - 2.0 * kMargin;
  const double plotLeft = kMargin + 34.0;
  DrawWallMap(canvas, {plotLeft, y, width - 34.0, 190.0}, *pipe, row.thinnest);
  y += 190.0 + 40.0;
  const double plotHeight = 170.0;
  DrawLowWallPlot(canvas, {plotLeft, y, width * 0.58 - 34.0, plotHeight}, *pipe, rule);
  DrawSlice(canvas, {kMargin + width * 0.62, y, width * 0.38, plotHeight}, *pipe, row.thinnest);
  y += plotHeight + 34.0;
  DrawIndications(canvas, y, canvas.size().height - kMargin - 16.0, row.file);
}

}  // namespace ductora::report
