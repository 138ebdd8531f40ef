#include "cli/commands/pressures_command.h"

#include <array>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <memory>
#include <optional>

#include "analysis/grading/joint_figures.h"
#include "analysis/placement/cursor_rows.h"
#include "analysis/placement/display_rows.h"
#include "analysis/pressures/pressure_series.h"
#include "analysis/pressures/pressures.h"
#include "cli/options/collapse_option.h"
#include "cli/options/load_pipe.h"
#include "cli/output/d_over_t_source.h"
#include "cli/output/pipe_json.h"
#include "data/exports/fixed_text.h"

namespace ductora::cli {

namespace {

using json = nlohmann::ordered_json;

struct PressuresOptions {
  std::string file;
  std::optional<double> yield;
  std::optional<double> position;
  std::string collapse = kDefaultCollapseChoices;
  bool json = false;
};

// A pressure the pipe's data cannot give is empty.
struct Collapse {
  std::optional<double> dOverT;
  std::optional<double> pressure;
};

struct Pressures {
  double yield = 0.0;
  double position = 0.0;
  PipeDOverT maxDOverT;
  std::array<double, kBurstFormulaCount> burst{};
  Collapse actual;
  Collapse nominal;
  CollapseChoices choices;
  std::optional<double> tamano;
  Api5c3Rating api5c3Nominal;
  Api5c3Rating api5c3AtMinimumWall;
};

Pressures computePressures(PipeFile& pipe, double yield, double position, const CollapseChoices& choices) {
  Pressures p;
  p.yield = yield;
  p.position = position;
  p.maxDOverT = BurstDOverT(pipe);
  for (std::uint32_t i = 0; i < kBurstFormulaCount; ++i) {
    p.burst[i] = BurstPressure(yield, p.maxDOverT.value, i);
  }
  // Without OD and wall data under the position there is no actual geometry.
  if (const double x = ActualDOverT(pipe, position); x > 0.0) {
    p.actual = {x, ApiCollapse(yield, x)};
  }
  const double nominal = NominalDOverT(pipe);
  p.nominal = {nominal, ApiCollapse(yield, nominal)};
  p.api5c3Nominal = Api5c3Collapse(ApiYield(yield), nominal);
  const ThinnestSpot thinnest = FindThinnestSpot(pipe);
  p.api5c3AtMinimumWall =
      Api5c3Collapse(ApiYield(yield), thinnest.found ? pipe.header.nominalOd / thinnest.wall : 0.0);
  p.choices = choices;
  SetCollapseSelections(pipe, choices);
  pipe.yieldStrength = yield;
  // Inputs of 0 (none chosen, or no such data under the position) give no pressure.
  if (const double tamano = CollapseAtCursor(pipe, position);
      CursorWallRow(pipe, position) && tamano != kNoWallPressure && std::isfinite(tamano)) {
    p.tamano = tamano;
  }
  return p;
}

std::string formulaLabel(const BurstFormula& formula) {
  std::string label(formula.name);
  if (!formula.variant.empty()) {
    label += " (" + std::string(formula.variant) + ")";
  }
  return label;
}

json optionalJson(const std::optional<double>& value) { return value ? json(*value) : json(nullptr); }

json collapseJson(const Collapse& collapse) {
  return {{"dOverT", optionalJson(collapse.dOverT)}, {"pressure", optionalJson(collapse.pressure)}};
}

// Infinite and undefined pressures become null: JSON has no numbers for them.
json pressuresJson(const std::string& path, const Pressures& p) {
  json burst = json::array();
  for (std::size_t i = 0; i < kBurstFormulaCount; ++i) {
    burst.push_back({{"index", i},
                     {"name", kBurstFormulas[i].name},
                     {"variant", kBurstFormulas[i].variant},
                     {"pressure", p.burst[i]}});
  }
  return {{"path", path},
          {"yield", p.yield},
          {"position", p.position},
          {"maxDOverT", p.maxDOverT.value},
          {"dOverTSource", dOverTSourceName(p.maxDOverT.source)},
          {"burst", burst},
          {"apiCollapse", {{"actual", collapseJson(p.actual)}, {"nominal", collapseJson(p.nominal)}}},
          {"api5c3Collapse",
           {{"nominal", p.api5c3Nominal.pressure},
            {"atMinimumWall", p.api5c3AtMinimumWall.pressure},
            {"regime", CollapseRegimeName(p.api5c3Nominal.regime)},
            {"regimeAtMinimumWall", CollapseRegimeName(p.api5c3AtMinimumWall.regime)}}},
          {"tamanoCollapse",
           {{"od", p.choices.od},
            {"wall", p.choices.wall},
            {"ovality", p.choices.ovality},
            {"eccentricity", p.choices.eccentricity},
            {"pressure", optionalJson(p.tamano)}}}};
}

void printPressures(std::ostream& out, const std::string& path, const Pressures& p) {
  constexpr int kLabelWidth = 28;
  constexpr int kValueWidth = 14;
  const auto line = [&out](const std::string& label, const std::string& value) {
    out << "  " << std::left << std::setw(kLabelWidth) << label << std::right << std::setw(kValueWidth)
        << value << '\n';
  };
  const std::string dOverT = p.maxDOverT.source == DOverTSource::kNominal
                                 ? fixedText(p.maxDOverT.value) + " (nominal: the pipe has no measured D/t)"
                                 : fixedText(p.maxDOverT.value);
  out << path << '\n'
      << "Yield strength: " << fixedText(p.yield, 0) << " psi\n"
      << "Position:       " << fixedText(p.position) << "\"\n"
      << "Max D/T:        " << dOverT << "\n\n"
      << "Burst pressure at max D/T (psi)\n";
  for (std::size_t i = 0; i < kBurstFormulaCount; ++i) {
    line(formulaLabel(kBurstFormulas[i]), fixedText(p.burst[i]));
  }
  out << "\nAPI collapse (psi)\n";
  if (p.actual.pressure) {
    line("Actual (D/t " + fixedText(*p.actual.dOverT) + ")", fixedText(*p.actual.pressure));
  } else {
    line("Actual", "none: no OD and wall data here");
  }
  line("Nominal (D/t " + fixedText(*p.nominal.dOverT) + ")", fixedText(*p.nominal.pressure));
  out << "\nAPI 5C3 collapse (psi)\n";
  const auto rating = [](const Api5c3Rating& r) {
    return fixedText(r.pressure) + " " + std::string(CollapseRegimeName(r.regime));
  };
  line("Nominal", rating(p.api5c3Nominal));
  line("At the minimum wall", rating(p.api5c3AtMinimumWall));
  const CollapseChoices& c = p.choices;
  out << "\nTamano collapse (psi), choices OD " << c.od << ", wall " << c.wall << ", ovality " << c.ovality
      << ", eccentricity " << c.eccentricity << '\n';
  line("Tamano", p.tamano ? fixedText(*p.tamano) : "none: no OD or wall input here");
}

// Inside the wall data, where the actual geometry can be read: usage error otherwise.
bool checkPosition(const PipeFile& pipe, const PressuresOptions& options) {
  const double position = *options.position;
  if (isInches(position) && CursorWallRow(pipe, position)) {
    return true;
  }
  const DisplayRows wall = WallDisplayRows(pipe);
  const double deltaX = pipe.wallMatrix.deltaX;
  reportUsageError("pressures", "--position " + fixedText(position) + " lies outside the wall data of " +
                                    options.file + " (" + fixedText(wall.offset * deltaX) + " to " +
                                    fixedText((wall.offset + wall.rows) * deltaX) + " inches)");
  return false;
}

int runPressures(const PressuresOptions& options) {
  if (options.yield && !isYield(*options.yield)) {
    return reportUsageError("pressures", "--yield takes a positive number of psi");
  }
  const std::optional<CollapseChoices> choices = parseCollapseChoices(options.collapse);
  if (!choices) {
    return reportUsageError("pressures", "--collapse takes four choices 0-6: OD,WALL,OVALITY,ECCENTRICITY");
  }
  PipeFile pipe;
  if (!loadPipe(pipe, options.file)) {
    return kFileError;
  }
  if (options.position && !pipe.wallMatrix.present()) {
    reportFileError(options.file, "no wall matrix to place --position in");
    return kFileError;
  }
  if (options.position && !checkPosition(pipe, options)) {
    return kUsageError;
  }
  if (BurstDOverT(pipe).source == DOverTSource::kNone) {
    reportFileError(options.file, "no D/t: no OD and wall data, and no calibration OD and nominal wall");
    return kFileError;
  }
  // The program opens a pipe with the cursor in its middle.
  const double position = options.position.value_or(pipe.pipeLength() / 2.0);
  // A yield given is taken as it stands, as the dialogs take it; else the grade's minimum.
  const double yield = options.yield.value_or(ChooseYield(std::nullopt, pipe.header.grade).psi);
  const Pressures pressures = computePressures(pipe, yield, position, *choices);
  if (options.json) {
    std::cout << dumpJson(pressuresJson(options.file, pressures)) << '\n';
  } else {
    printPressures(std::cout, options.file, pressures);
  }
  return kSuccess;
}

}  // namespace

Command addPressuresCommand(CLI::App& app) {
  auto options = std::make_shared<PressuresOptions>();
  CLI::App* command =
      app.add_subcommand("pressures", "Burst pressures at the largest D/t, API and Tamano collapse");
  command->add_option("FILE", options->file, "Pipe file (.kqvw)")->required();
  command->add_option(
      "--yield", options->yield,
      "Yield strength in psi; below 1000 means thousands of psi for API collapse; default: the "
      "minimum of the file's grade, else 110000");
  command->add_option("--position", options->position,
                      "Inches along the pipe for the actual geometry (default: the middle)");
  command
      ->add_option("--collapse", options->collapse,
                   "Tamano inputs OD,WALL,OVALITY,ECCENTRICITY, each 0 none, 1-3 max/min/average for the "
                   "pipe, 4-6 for the slice")
      ->capture_default_str();
  command->add_flag("--json", options->json, "One JSON object instead of the readable form");
  return {command, [options] { return runPressures(*options); }};
}

}  // namespace ductora::cli
