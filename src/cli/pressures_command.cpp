#include "cli/pressures_command.h"

#include <array>
#include <iomanip>
#include <iostream>
#include <memory>
#include <optional>

#include "analysis/pressure_series.h"
#include "analysis/pressures.h"
#include "analysis/revolution_metrics.h"
#include "cli/load_pipe.h"
#include "cli/number_text.h"
#include "cli/pipe_json.h"

namespace ductora::cli {

namespace {

using json = nlohmann::ordered_json;

constexpr double kDefaultYield = 110000.0;

struct PressuresOptions {
  std::string file;
  double yield = kDefaultYield;
  std::optional<double> position;
  bool json = false;
};

struct Pressures {
  double yield = 0.0;
  double position = 0.0;
  double maxDOverT = 0.0;
  std::array<double, kBurstFormulaCount> burst{};
  double actualDOverT = 0.0;
  double actualCollapse = 0.0;
  double nominalDOverT = 0.0;
  double nominalCollapse = 0.0;
};

Pressures computePressures(const PipeFile& pipe, double yield, double position) {
  Pressures p;
  p.yield = yield;
  p.position = position;
  p.maxDOverT = MaxDOverT(pipe);
  for (std::uint32_t i = 0; i < kBurstFormulaCount; ++i) {
    p.burst[i] = BurstPressure(yield, p.maxDOverT, i);
  }
  p.actualDOverT = ActualDOverT(pipe, position);
  p.actualCollapse = ApiCollapse(yield, p.actualDOverT);
  p.nominalDOverT = NominalDOverT(pipe);
  p.nominalCollapse = ApiCollapse(yield, p.nominalDOverT);
  return p;
}

std::string formulaLabel(const BurstFormula& formula) {
  std::string label(formula.name);
  if (!formula.variant.empty()) {
    label += " (" + std::string(formula.variant) + ")";
  }
  return label;
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
          {"maxDOverT", p.maxDOverT},
          {"burst", burst},
          {"apiCollapse",
           {{"actual", {{"dOverT", p.actualDOverT}, {"pressure", p.actualCollapse}}},
            {"nominal", {{"dOverT", p.nominalDOverT}, {"pressure", p.nominalCollapse}}}}}};
}

void printPressures(std::ostream& out, const std::string& path, const Pressures& p) {
  constexpr int kLabelWidth = 28;
  constexpr int kValueWidth = 14;
  const auto line = [&out](const std::string& label, double value) {
    out << "  " << std::left << std::setw(kLabelWidth) << label << std::right << std::setw(kValueWidth)
        << fixed(value) << '\n';
  };
  out << path << '\n'
      << "Yield strength: " << fixed(p.yield, 0) << " psi\n"
      << "Position:       " << fixed(p.position) << "\"\n"
      << "Max D/T:        " << fixed(p.maxDOverT) << "\n\n"
      << "Burst pressure at max D/T (psi)\n";
  for (std::size_t i = 0; i < kBurstFormulaCount; ++i) {
    line(formulaLabel(kBurstFormulas[i]), p.burst[i]);
  }
  out << "\nAPI collapse (psi)\n";
  line("Actual (D/t " + fixed(p.actualDOverT) + ")", p.actualCollapse);
  line("Nominal (D/t " + fixed(p.nominalDOverT) + ")", p.nominalCollapse);
}

int runPressures(const PressuresOptions& options) {
  PipeFile pipe;
  if (!loadPipe(pipe, options.file)) {
    return kFileError;
  }
  // The program opens a pipe with the cursor in its middle.
  const double position = options.position.value_or(pipe.pipeLength() / 2.0);
  const Pressures pressures = computePressures(pipe, options.yield, position);
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
  CLI::App* command = app.add_subcommand("pressures", "Burst pressures at the largest D/t and API collapse");
  command->add_option("FILE", options->file, "Pipe file (.kqvw)")->required();
  command
      ->add_option("--yield", options->yield,
                   "Yield strength in psi; below 1000 means thousands of psi "
                   "for API collapse")
      ->capture_default_str();
  command->add_option("--position", options->position,
                      "Inches along the pipe for the actual geometry (default: the middle)");
  command->add_flag("--json", options->json, "One JSON object instead of the readable form");
  return {command, [options] { return runPressures(*options); }};
}

}  // namespace ductora::cli
