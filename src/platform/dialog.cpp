#include "platform/dialog.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <limits>

namespace ductora::platform {

int Dialog::intValue(int id) const {
  const std::string value = text(id);
  const long parsed = std::strtol(value.c_str(), nullptr, 10);
  if (parsed > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (parsed < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(parsed);
}

double Dialog::numberValue(int id) const {
  const std::string value = text(id);
  const char* first = value.data();
  const char* last = first + value.size();
  while (first != last && std::isspace(static_cast<unsigned char>(*first))) ++first;
  // A sign of its own; from_chars takes only the minus.
  if (first != last && *first == '+' && std::next(first) != last && *std::next(first) != '-') ++first;
  double parsed = 0.0;
  const auto [end, error] = std::from_chars(first, last, parsed);
  return error == std::errc() && std::isfinite(parsed) ? parsed : 0.0;
}

}  // namespace ductora::platform
