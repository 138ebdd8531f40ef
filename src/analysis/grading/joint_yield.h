#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ductora {

// Where the yield strength of a joint's figures came from.
enum class YieldSource { kGiven, kGrade, kDefault };

struct JointYield {
  double psi = 0.0;
  YieldSource source = YieldSource::kDefault;
  std::string grade;  // the grade whose minimum was used (kGrade)
};

// Used where neither a yield is given nor the grade is known.
constexpr double kDefaultYield = 110000.0;

// The minimum yield strength of an API grade (H40 ... Q125), read from the file's grade field
// in any case, with or without a hyphen or spaces ("P-110"); empty for an unknown grade.
std::optional<double> GradeMinimumYield(std::string_view grade);
// Canonical name of a known grade ("P110"); "" otherwise.
std::string GradeName(std::string_view grade);

// A given yield (below 1000 read as thousands of psi), else the grade's minimum, else the default.
JointYield ChooseYield(std::optional<double> given, std::string_view grade);

// "given", "grade P110", "default: grade unknown".
std::string YieldSourceText(const JointYield& yield);

}  // namespace ductora
