#include "analysis/rebuild/grid/term_arrays.h"

#include "analysis/rebuild/grid/vector_kernels.h"

namespace ductora {

void TermArrays::resize(std::size_t count) {
  for (std::vector<double>* terms : {&t, &t2, &t3, &t4, &v, &tv, &t2v}) {
    terms->resize(count);
  }
}

void TermArrays::fill(const double* at, const double* values, std::size_t count) {
  resize(count);
  FillParabolaTerms(at, values, count, t.data(), t2.data(), t3.data(), t4.data(), v.data(), tv.data(),
                    t2v.data());
}

void TermArrays::addTo(ParabolaSums& sums, std::size_t i) const {
  sums.n += 1.0;
  sums.t += t[i];
  sums.t2 += t2[i];
  sums.t3 += t3[i];
  sums.t4 += t4[i];
  sums.v += v[i];
  sums.tv += tv[i];
  sums.t2v += t2v[i];
}

void TermArrays::set(std::size_t i, const ParabolaSums& sums) {
  t[i] = sums.t;
  t2[i] = sums.t2;
  t3[i] = sums.t3;
  t4[i] = sums.t4;
  v[i] = sums.v;
  tv[i] = sums.tv;
  t2v[i] = sums.t2v;
}

void AddThree(const TermArrays& a, const TermArrays& b, const TermArrays& c, TermArrays& sums,
              std::size_t count) {
  AddThreeTerms(a.t.data(), b.t.data(), c.t.data(), sums.t.data(), count);
  AddThreeTerms(a.t2.data(), b.t2.data(), c.t2.data(), sums.t2.data(), count);
  AddThreeTerms(a.t3.data(), b.t3.data(), c.t3.data(), sums.t3.data(), count);
  AddThreeTerms(a.t4.data(), b.t4.data(), c.t4.data(), sums.t4.data(), count);
  AddThreeTerms(a.v.data(), b.v.data(), c.v.data(), sums.v.data(), count);
  AddThreeTerms(a.tv.data(), b.tv.data(), c.tv.data(), sums.tv.data(), count);
  AddThreeTerms(a.t2v.data(), b.t2v.data(), c.t2v.data(), sums.t2v.data(), count);
}

void EvaluateParabolas(double n, const TermArrays& s, const double* x, double* out, std::size_t count) {
  EvaluateParabolaFits(n, s.t.data(), s.t2.data(), s.t3.data(), s.t4.data(), s.v.data(), s.tv.data(),
                       s.t2v.data(), x, out, count);
}

}  // namespace ductora
