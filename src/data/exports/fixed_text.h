#pragma once

#include <string>

namespace ductora {

// printf's "%.Nf": infinities and NaN read "inf", "-inf", "nan" as the dialogs show them.
std::string fixedText(double value, int decimals = 3);

}  // namespace ductora
