#include "analysis/grading/joint_yield.h"

#include <array>
#include <cctype>

#include "analysis/pressures/pressures.h"

namespace ductora {

namespace {

struct GradeYield {
  std::string_view name;
  double psi;
};

constexpr std::array<GradeYield, 9> kGradeYields = {{
    {"H40", 40000.0},
    {"J55", 55000.0},
    {"K55", 55000.0},
    {"N80", 80000.0},
    {"L80", 80000.0},
    {"C90", 90000.0},
    {"T95", 95000.0},
    {"P110", 110000.0},
    {"Q125", 125000.0},
}};

const GradeYield* FindGrade(std::string_view grade) {
  std::string key;
  for (const char c : grade) {
    if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
      key += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
  }
  for (const GradeYield& g : kGradeYields) {
    if (g.name == key) return &g;
  }
  return nullptr;
}

}  // namespace

std::optional<double> GradeMinimumYield(std::string_view grade) {
  const GradeYield* g = FindGrade(grade);
  return g != nullptr ? std::optional<double>(g->psi) : std::nullopt;
}

std::string GradeName(std::string_view grade) {
  const GradeYield* g = FindGrade(grade);
  return g != nullptr ? std::string(g->name) : std::string();
}

JointYield ChooseYield(std::optional<double> given, std::string_view grade) {
  if (given) return {ApiYield(*given), YieldSource::kGiven, ""};
  if (const GradeYield* g = FindGrade(grade)) return {g->psi, YieldSource::kGrade, std::string(g->name)};
  return {kDefaultYield, YieldSource::kDefault, ""};
}

std::string YieldSourceText(const JointYield& yield) {
  switch (yield.source) {
    case YieldSource::kGiven:
      return "given";
    case YieldSource::kGrade:
      return "grade " + yield.grade;
    case YieldSource::kDefault:
      return "default: grade unknown";
  }
  return "";
}

}  // namespace ductora
