#pragma once

#include <cstddef>
#include <vector>

namespace ductora {

// Entry c of out: the first of count samples whose angle is at least columnAngles[c], or the last
// sample when none is. Column angles rise; sample angles may come in any order. angles holds the
// count sample angles followed by two infinities.
void FindColumnSamples(const std::vector<double>& angles, std::size_t count,
                       const std::vector<double>& columnAngles, std::vector<std::size_t>& out);

}  // namespace ductora
