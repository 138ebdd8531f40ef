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
  if (summary.thinnest) {
    std::snprintf(line, sizeof line, "Thinnest reading replaced: %.3f in at %.2f in, %.1f deg\n",
                  summary.thinnest->reading, summary.thinnest->position, summary.thinnest->angle);
    text += line;
  }
  if (summary.wall) {
    std::snprintf(line, sizeof line, "No-reading cells: %zu\n", summary.noReadingCells);
    text += line;
  }
  return text;
}

}  // namespace ductora
