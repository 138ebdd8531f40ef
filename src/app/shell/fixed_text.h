#pragma once

#include <string>

namespace ductora {

// The number with that many decimals, as "%.3f" writes it.
std::string FixedText(double value, int decimals);

}  // namespace ductora
