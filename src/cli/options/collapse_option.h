#pragma once

#include <optional>
#include <string>

#include "analysis/pressures/pressure_series.h"

namespace ductora::cli {

// "OD,WALL,OVALITY,ECC": the Collapse Pressure dialog's choices, each 0-6 (none, then maximum,
// minimum and average for the pipe, then for the slice). Empty when the text is anything else.
std::optional<CollapseChoices> parseCollapseChoices(const std::string& text);

// The default: every input the pipe's average.
inline constexpr const char* kDefaultCollapseChoices = "3,3,3,3";

}  // namespace ductora::cli
