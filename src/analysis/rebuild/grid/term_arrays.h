#pragma once

#include <cstddef>
#include <vector>

#include "analysis/rebuild/grid/parabola.h"

namespace ductora {

// Terms or sums of parabola fits, one array per sum (structure of arrays), so that many fits are
// formed and solved in vectorised loops. Terms are the very products ParabolaSums::add forms and
// sums are added in point order from 0.0, so every fit equals a ParabolaSums fit to the last bit.
struct TermArrays {
  std::vector<double> t, t2, t3, t4, v, tv, t2v;

  void resize(std::size_t count);
  // Entry i: the terms of the point (at[i], values[i]).
  void fill(const double* at, const double* values, std::size_t count);
  void addTo(ParabolaSums& sums, std::size_t i) const;
  void set(std::size_t i, const ParabolaSums& sums);
};

// sums entry i := 0 + a entry i + b entry i + c entry i, for i < count.
void AddThree(const TermArrays& a, const TermArrays& b, const TermArrays& c, TermArrays& sums,
              std::size_t count);

// out[i] := FitParabola(n, sums entry i).at(x[i]), for i < count.
void EvaluateParabolas(double n, const TermArrays& sums, const double* x, double* out, std::size_t count);

}  // namespace ductora
