#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/grading/band_colour.h"

namespace ductora {

// A class of joints by remaining body wall (minimum wall / nominal wall), and the band painted on
// them.
struct GradeClass {
  std::string name;
  std::string colourName;  // as the rule gives it
  BandColour colour;
  int bands = 1;                     // how many bands of the colour mark the class
  double minRemainingPercent = 0.0;  // lowest remaining body wall of the class, inclusive
};

// Classes from the highest minimum down; the last one starts at 0, so every joint has a class.
struct GradingRule {
  std::string name;   // "tubing", "drill-pipe", or the rule file's path
  std::string label;  // what the report calls it
  std::vector<GradeClass> classes;
};

// Yellow, blue, green and red bands at 15, 30 and 50 % loss: the common yard practice for tubing.
GradingRule TubingRule();
// Premium (at least 80 % remaining), Class 2 (at least 70 %) and Class 3.
GradingRule DrillPipeRule();
// "tubing" or "drill-pipe"; empty for any other name.
std::optional<GradingRule> BuiltInRule(std::string_view name);

// Checks and orders a rule's classes (highest minimum first). Returns the reason a rule cannot
// grade every joint unambiguously, or "" when it is sound.
std::string CheckGradingRule(GradingRule& rule);

// Remaining body wall as a fraction, from walls in whole thousandths as the matrices hold them, so
// that 340 of 400 is exactly the 0.85 of an 85 % minimum; compared unrounded with minimum / 100.
double RemainingBodyWall(double minWallMils, double nominalWallMils);
// The class of a remaining body wall (a finite fraction). The rule must have passed CheckGradingRule.
const GradeClass& ClassOf(const GradingRule& rule, double remaining);

}  // namespace ductora
