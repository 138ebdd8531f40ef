#include "cli/commands/range_command.h"

#include <array>
#include <iomanip>
#include <iostream>
#include <memory>

#include "analysis/queries/range_values.h"
#include "cli/options/load_pipe.h"
#include "cli/output/pipe_json.h"
#include "data/exports/fixed_text.h"

namespace ductora::cli {

namespace {

using json = nlohmann::ordered_json;

struct RangeOptions {
  std::string file;
  double from = 0.0;
  double to = 0.0;
  bool json = false;
};

struct NamedGroup {
  const char* key;
  const char* title;
  const char* unit;  // after the values, "" for none
  const RangeGroup* group;
};

std::array<NamedGroup, 8> namedGroups(const RangeValues& v) {
  return {{{"wall", "Wall Thickness", "", &v.wall},
           {"csa", "CSA", "", &v.csa},
           {"average64", "64 Point Average", "", &v.average64},
           {"lowWall", "Low Wall", "", &v.lowWall},
           {"eccentricity", "Eccentricity", " %", &v.eccentricity},
           {"ovality", "Ovality", " %", &v.ovality},
           {"od", "OD", "", &v.od},
           {"id", "ID", "", &v.id}}};
}

json extremeJson(const RangeExtreme& e, bool relative) {
  json j = {{"value", e.value}};
  if (relative) {
    j["percent"] = e.percent;
  }
  j["position"] = e.position;
  return j;
}

json rangeJson(const RangeOptions& options, const RangeValues& v) {
  json j = {{"path", options.file},
            {"from", options.from},
            {"to", options.to},
            {"fromIndex", v.indices.from},
            {"toIndex", v.indices.to}};
  for (const NamedGroup& g : namedGroups(v)) {
    j[g.key] = {{"min", extremeJson(g.group->min, g.group->relative)},
                {"max", extremeJson(g.group->max, g.group->relative)},
                {"average", g.group->average}};
  }
  return j;
}

// The window's forms: "%.3f (%.2f %)" for relative extremes, positions "%.1f''".
std::string extremeText(const RangeExtreme& e, const NamedGroup& g) {
  std::string text = fixedText(e.value) + g.unit;
  if (g.group->relative) {
    text += " (" + fixedText(e.percent, 2) + " %)";
  }
  return text;
}

void printRange(std::ostream& out, const RangeOptions& options, const RangeValues& v) {
  out << options.file << ": " << fixedText(options.from) << "\" to " << fixedText(options.to)
      << "\" (revolutions " << v.indices.from << " to " << v.indices.to << ")\n";
  out << std::left << std::setw(18) << "" << std::setw(22) << "Min" << std::setw(10) << "At" << std::setw(22)
      << "Max" << std::setw(10) << "At"
      << "Average\n";
  for (const NamedGroup& g : namedGroups(v)) {
    out << std::setw(18) << g.title << std::setw(22) << extremeText(g.group->min, g) << std::setw(10)
        << fixedText(g.group->min.position, 1) + "''" << std::setw(22) << extremeText(g.group->max, g)
        << std::setw(10) << fixedText(g.group->max.position, 1) + "''" << fixedText(g.group->average)
        << g.unit << '\n';
  }
}

int runRange(const RangeOptions& options) {
  if (!isInches(options.from) || !isInches(options.to)) {
    return reportUsageError("range", "--from and --to take inches along the pipe, at least 0");
  }
  PipeFile pipe;
  if (!loadPipe(pipe, options.file)) {
    return kFileError;
  }
  const RangeValues values = PipeRangeValues(pipe, options.from, options.to);
  if (options.json) {
    std::cout << dumpJson(rangeJson(options, values)) << '\n';
  } else {
    printRange(std::cout, options, values);
  }
  return kSuccess;
}

}  // namespace

Command addRangeCommand(CLI::App& app) {
  auto options = std::make_shared<RangeOptions>();
  CLI::App* command = app.add_subcommand("range", "Extremes and averages of every measure over a range");
  command->add_option("FILE", options->file, "Pipe file (.kqvw)")->required();
  command->add_option("--from", options->from, "Start of the range, inches")->required();
  command->add_option("--to", options->to, "End of the range, inches")->required();
  command->add_flag("--json", options->json, "One JSON object instead of the readable table");
  return {command, [options] { return runRange(*options); }};
}

}  // namespace ductora::cli
