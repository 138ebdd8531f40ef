#include "analysis/grading/grading_rule.h"

#include <algorithm>
#include <cmath>

namespace ductora {

namespace {

GradeClass Class(const char* name, const char* colour, int bands, double minRemainingPercent) {
  return {name, colour, *ParseBandColour(colour), bands, minRemainingPercent};
}

}  // namespace

GradingRule TubingRule() {
  return {"tubing",
          "tubing bands by wall loss (common yard practice)",
          {Class("Yellow", "yellow", 1, 85.0), Class("Blue", "blue", 1, 70.0),
           Class("Green", "green", 1, 50.0), Class("Red", "red", 1, 0.0)}};
}

GradingRule DrillPipeRule() {
  return {"drill-pipe",
          "drill pipe classes by remaining body wall",
          {Class("Premium", "white", 2, 80.0), Class("Class 2", "yellow", 1, 70.0),
           Class("Class 3", "orange", 1, 0.0)}};
}

std::optional<GradingRule> BuiltInRule(std::string_view name) {
  if (name == "tubing") return TubingRule();
  if (name == "drill-pipe") return DrillPipeRule();
  return std::nullopt;
}

std::string CheckGradingRule(GradingRule& rule) {
  if (rule.classes.empty()) return "the rule has no class";
  for (const GradeClass& c : rule.classes) {
    if (c.name.empty()) return "a class has no name";
    if (!std::isfinite(c.minRemainingPercent) || c.minRemainingPercent < 0.0 ||
        c.minRemainingPercent > 100.0) {
      return "class \"" + c.name + "\": minRemainingPercent must lie between 0 and 100";
    }
    if (c.bands < 1) return "class \"" + c.name + "\": bands must be at least 1";
  }
  std::stable_sort(rule.classes.begin(), rule.classes.end(), [](const GradeClass& a, const GradeClass& b) {
    return a.minRemainingPercent > b.minRemainingPercent;
  });
  for (std::size_t i = 1; i < rule.classes.size(); ++i) {
    if (rule.classes[i].minRemainingPercent == rule.classes[i - 1].minRemainingPercent) {
      return "classes \"" + rule.classes[i - 1].name + "\" and \"" + rule.classes[i].name +
             "\" start at the same remaining body wall";
    }
  }
  if (rule.classes.back().minRemainingPercent != 0.0) {
    return "no class takes a remaining body wall below the lowest minimum: one class must start at 0";
  }
  return "";
}

double RemainingBodyWall(double minWallMils, double nominalWallMils) { return minWallMils / nominalWallMils; }

const GradeClass& ClassOf(const GradingRule& rule, double remaining) {
  for (const GradeClass& c : rule.classes) {
    if (remaining >= c.minRemainingPercent / 100.0) return c;
  }
  return rule.classes.back();
}

}  // namespace ductora
