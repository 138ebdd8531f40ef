#include "data/indications/indication_tokens.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace ductora {

namespace {

bool isBlank(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// from_chars takes no leading plus sign, which files may well carry.
std::string_view withoutPlus(std::string_view text) {
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') {
    text.remove_prefix(1);
  }
  return text;
}

struct Parsed {
  std::errc error;
  bool whole;  // the number took every character
};

template <typename Number>
Parsed parse(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return {error, end == text.data() + text.size()};
}

}  // namespace

void IndicationTokens::skipLine() {
  int c = 0;
  do {
    c = std::fgetc(file_);
  } while (c != EOF && c != '\n');
}

std::optional<IndicationToken> IndicationTokens::next() {
  int c = 0;
  do {
    c = std::fgetc(file_);
  } while (c != EOF && isBlank(c));
  if (c == EOF) {
    return std::nullopt;
  }
  IndicationToken token;
  for (; c != EOF && !isBlank(c); c = std::fgetc(file_)) {
    if (token.text.size() < maxFieldLength_) {
      token.text.push_back(static_cast<char>(c));
    } else {
      token.cut = true;
    }
  }
  return token;
}

std::optional<float> indicationFloat(const IndicationToken& token) {
  if (token.cut) {
    return std::nullopt;
  }
  const std::string_view text = withoutPlus(token.text);
  float value = 0.0F;
  Parsed parsed = parse(text, value);
  if (parsed.error == std::errc::result_out_of_range) {
    // Written as a number but beyond a float: the nearest float, an infinity or zero.
    double wide = 0.0;
    parsed = parse(text, wide);
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    value = std::fabs(wide) > std::numeric_limits<float>::max() ? (wide > 0.0 ? kInfinity : -kInfinity)
                                                                : static_cast<float>(wide);
  }
  if (parsed.error != std::errc() || !parsed.whole) {
    return std::nullopt;
  }
  return value;
}

std::optional<long long> indicationInteger(const IndicationToken& token) {
  if (token.cut) {
    return std::nullopt;
  }
  const std::string_view text = withoutPlus(token.text);
  long long value = 0;
  const Parsed parsed = parse(text, value);
  if (!parsed.whole) {
    return std::nullopt;
  }
  if (parsed.error == std::errc::result_out_of_range) {
    return text.front() == '-' ? std::numeric_limits<long long>::min()
                               : std::numeric_limits<long long>::max();
  }
  if (parsed.error != std::errc()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace ductora
