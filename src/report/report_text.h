#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/grading/joint_figures.h"

namespace ductora::report {

// Text of the report's figures: fixed decimals, "-" for a value that is not a number.
std::string Number(double value, int decimals = 3);
// A pressure in whole psi with thousands apart: "6 234".
std::string Psi(double value);
// "2026-12-07" of a creation time (seconds since 1970, UTC).
std::string DateText(std::uint32_t seconds);
// The last component of a path.
std::string FileName(const std::string& path);
// The joint's API 5C3 rating and its regime: "6 234 (plastic)".
std::string RatingText(const Api5c3Rating& rating);
// The class, marked when too much of the joint had no reading: "Yellow, not verified".
std::string ClassText(const JointRow& row);
// No-reading cells: "-" when the file keeps no mask.
std::string NoReadingText(const JointRow& row);
// The different values of one job field over the joints, in order of appearance, joined by ", ".
std::string DistinctValues(const std::vector<JointRow>& rows, std::string (*field)(const JointRow&));

}  // namespace ductora::report
