#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace ductora {

// One whitespace-separated field of an indication file.
struct IndicationToken {
  std::string text;  // at most the reader's field length
  bool cut = false;  // the field was longer and its tail was dropped
};

// Reads an indication file field by field, records running across line ends as they may. Every
// field is held to a fixed length, so a damaged file costs no more memory than one field.
class IndicationTokens {
 public:
  IndicationTokens(std::FILE* file, std::size_t maxFieldLength)
      : file_(file), maxFieldLength_(maxFieldLength) {}

  // Skips the header: everything up to and including the first line feed.
  void skipLine();
  // The next field; empty at the end of the file or when reading fails.
  std::optional<IndicationToken> next();

 private:
  std::FILE* file_;
  std::size_t maxFieldLength_;
};

// The whole field as a number; empty when it is cut or holds anything else. A number beyond the
// type's range gives the nearest value the type holds (an infinity for a float).
std::optional<float> indicationFloat(const IndicationToken& token);
std::optional<long long> indicationInteger(const IndicationToken& token);

}  // namespace ductora
