#include "report/report_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ctime>

#include "data/exports/fixed_text.h"

namespace ductora::report {

std::string Number(double value, int decimals) {
  return std::isfinite(value) ? fixedText(value, decimals) : "-";
}

std::string Psi(double value) {
  if (!std::isfinite(value)) return "-";
  std::string digits = fixedText(std::abs(value), 0);
  for (auto i = static_cast<std::ptrdiff_t>(digits.size()) - 3; i > 0; i -= 3) {
    digits.insert(static_cast<std::size_t>(i), " ");
  }
  return (value < -0.5 ? "-" : "") + digits;
}

std::string DateText(std::uint32_t seconds) {
  const std::time_t time = seconds;
  std::tm parts{};
  gmtime_r(&time, &parts);
  std::array<char, 16> text{};
  std::strftime(text.data(), text.size(), "%Y-%m-%d", &parts);
  return text.data();
}

std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string RatingText(const Api5c3Rating& rating) {
  if (!std::isfinite(rating.pressure)) return "-";
  return Psi(rating.pressure) + " (" + std::string(CollapseRegimeName(rating.regime)) + ")";
}

std::string ClassText(const JointRow& row) {
  return row.className + (row.notVerified ? ", not verified" : "");
}

std::string NoReadingText(const JointRow& row) {
  return row.noReadingCells ? std::to_string(*row.noReadingCells) : "-";
}

std::string DistinctValues(const std::vector<JointRow>& rows, std::string (*field)(const JointRow&)) {
  std::vector<std::string> seen;
  std::string text;
  for (const JointRow& row : rows) {
    std::string value = field(row);
    if (value.empty() || std::find(seen.begin(), seen.end(), value) != seen.end()) continue;
    text += (text.empty() ? "" : ", ") + value;
    seen.push_back(std::move(value));
  }
  return text.empty() ? "-" : text;
}

}  // namespace ductora::report
