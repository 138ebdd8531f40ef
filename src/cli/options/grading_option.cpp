#include "cli/options/grading_option.h"

#include <fstream>
#include <nlohmann/json.hpp>

namespace ductora::cli {

namespace {

using json = nlohmann::json;

// One class of a rule file, or the reason it is not one.
std::optional<GradeClass> parseClass(const json& item, std::size_t index, std::string& error) {
  const std::string where = "class " + std::to_string(index + 1);
  if (!item.is_object()) {
    error = where + " is not an object";
    return std::nullopt;
  }
  const auto name = item.find("name");
  const auto colour = item.find("colour");
  const auto minimum = item.find("minRemainingPercent");
  if (name == item.end() || !name->is_string()) {
    error = where + " has no \"name\" text";
    return std::nullopt;
  }
  if (colour == item.end() || !colour->is_string()) {
    error = where + " has no \"colour\" text";
    return std::nullopt;
  }
  if (minimum == item.end() || !minimum->is_number()) {
    error = where + " has no \"minRemainingPercent\" number";
    return std::nullopt;
  }
  const std::optional<BandColour> rgb = ParseBandColour(colour->get<std::string>());
  if (!rgb) {
    error = where + ": colour \"" + colour->get<std::string>() + "\" is neither a colour name nor #rrggbb";
    return std::nullopt;
  }
  GradeClass c{name->get<std::string>(), colour->get<std::string>(), *rgb, 1, minimum->get<double>()};
  if (const auto bands = item.find("bands"); bands != item.end()) {
    if (!bands->is_number_integer()) {
      error = where + ": \"bands\" is not a whole number";
      return std::nullopt;
    }
    c.bands = bands->get<int>();
  }
  return c;
}

}  // namespace

std::optional<GradingRule> loadGradingRule(const std::string& choice, std::string& error) {
  if (std::optional<GradingRule> builtIn = BuiltInRule(choice)) return builtIn;
  std::ifstream in(choice);
  if (!in) {
    error = "neither tubing, drill-pipe nor a readable rule file";
    return std::nullopt;
  }
  const json document = json::parse(in, nullptr, false);
  if (document.is_discarded()) {
    error = "not JSON";
    return std::nullopt;
  }
  if (!document.is_array()) {
    error = "not a list of classes";
    return std::nullopt;
  }
  GradingRule rule{choice, "rule file " + choice, {}};
  for (std::size_t i = 0; i < document.size(); ++i) {
    std::optional<GradeClass> c = parseClass(document[i], i, error);
    if (!c) return std::nullopt;
    rule.classes.push_back(std::move(*c));
  }
  error = CheckGradingRule(rule);
  if (!error.empty()) return std::nullopt;
  return rule;
}

}  // namespace ductora::cli
