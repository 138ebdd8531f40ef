#pragma once

#include <optional>
#include <string>

#include "analysis/grading/grading_rule.h"

namespace ductora::cli {

// `--grading`: "tubing", "drill-pipe" or a JSON file holding a list of classes, each
// {"name": text, "colour": a colour name or "#rrggbb", "minRemainingPercent": number, "bands":
// optional count}. Empty, with the reason in error, for a file that is not such a rule.
std::optional<GradingRule> loadGradingRule(const std::string& choice, std::string& error);

}  // namespace ductora::cli
