#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace ductora {

// A reading a filter replaced, or a cell built from a run it kept, where the views show it.
struct PlacedReading {
  double reading = 0.0;   // inches of wall
  double position = 0.0;  // inches along the displayed pipe
  double angle = 0.0;     // degrees
};

// What the filters of one build did, for the operator who signs its numbers.
struct FilterSummary {
  std::string jumpFilter;
  std::size_t zerosFilled = 0;
  std::size_t jumpsReplaced = 0;
  std::optional<PlacedReading> thinnest;  // wall builds only
  std::size_t noReadingCells = 0;
  bool wall = true;
  // What the corroborated filter kept beyond its jumps.
  std::size_t runsKept = 0;
  std::size_t readingsKept = 0;
  std::optional<PlacedReading> thinnestKept;  // the thinnest cell built from a kept run; wall builds only
};

// A few lines, the same for the command line and the dialogs.
std::string DescribeFilters(const FilterSummary& summary);

}  // namespace ductora
