#include "analysis/rebuild/filter_summary.h"

#include <cstdio>

namespace ductora {

std::string DescribeFilters(const FilterSummary& summary) {
  char line[160];
  std::string text = "Jump filter: " + summary.jumpFilter + "\n";
  if (summary.wall) {
    std::snprintf(line, sizeof line, "Replaced: %zu jumps, %zu no-readings\n", summary.jumpsReplaced,
                  summary.zerosFilled);
  } else {
    std::snprintf(line, sizeof line, "Replaced: %zu jumps\n", summary.jumpsReplaced);
  }
  text += line;
  const auto place = [&](const char* what, const std::optional<PlacedReading>& reading) {
    if (!reading) return;
    std::snprintf(line, sizeof line, "Thinnest %s: %.3f in at %.2f in, %.1f deg\n", what, reading->reading,
                  reading->position, reading->angle);
    text += line;
  };
  place("reading replaced", summary.thinnest);
  // A kept run the operator should look at when it sets the pipe's minimum wall.
  if (summary.jumpFilter == "corroborated") {
    std::snprintf(line, sizeof line, "Runs kept beyond a jump: %zu (%zu readings)\n", summary.runsKept,
                  summary.readingsKept);
    text += line;
    place("wall built from a kept run", summary.thinnestKept);
  }
  if (summary.wall) {
    std::snprintf(line, sizeof line, "No-reading cells: %zu\n", summary.noReadingCells);
    text += line;
  }
  return text;
}

}  // namespace ductora
