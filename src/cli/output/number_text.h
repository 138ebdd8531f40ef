#pragma once

#include <string>

namespace ductora::cli {

// printf's "%.Nf": infinities and NaN read "inf", "-inf", "nan" as the dialogs show them.
std::string fixed(double value, int decimals = 3);

}  // namespace ductora::cli
