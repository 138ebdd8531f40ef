#include "app/shell/fixed_text.h"

#include <cstdio>

namespace ductora {

std::string FixedText(double value, int decimals) {
  // Room for the largest double in full.
  char text[400];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

}  // namespace ductora
