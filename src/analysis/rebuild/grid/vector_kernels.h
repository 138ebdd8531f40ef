#pragma once

#include <cstddef>
#include <cstdint>

namespace ductora {

// Element-wise loops of the matrix build, compiled for the widest vectors the processor has.
// None uses fused multiply-add or reorders an operation: each element gets exactly the IEEE
// operations a scalar loop gives it, so results never depend on the processor.

// The terms of the parabola sums of every sample: t, t^2, t^2 t, t^2 t^2, v, t v, t^2 v.
void FillParabolaTerms(const double* at, const double* values, std::size_t count, double* t, double* t2,
                       double* t3, double* t4, double* v, double* tv, double* t2v);

// out[k] = 0 + in[k - 3] + ... + in[k + 3], added in that order, for 3 <= k < count - 3.
void SevenPointSums(const double* in, double* out, std::size_t count);

// out[i] = 0 + a[i] + b[i] + c[i], added in that order.
void AddThreeTerms(const double* a, const double* b, const double* c, double* out, std::size_t count);

// out[i] = FitParabola(n, t[i], ..., t2v[i]).at(x[i]).
void EvaluateParabolaFits(double n, const double* t, const double* t2, const double* t3, const double* t4,
                          const double* v, const double* tv, const double* t2v, const double* x, double* out,
                          std::size_t count);

// out[c] := the first of count rising sample angles at or beyond columnAngles[c], at most count - 1,
// counted among the four samples from two before the guess (columnAngles[c] - first) * perDegree.
// Returns false, leaving out unspecified, when some answer lies outside its four. angles holds
// two infinities after the count samples; 3 <= count < 2^30.
bool FindSamplesNearGuesses(const double* angles, std::int32_t count, double first, double perDegree,
                            const double* columnAngles, std::size_t columns, std::size_t* out);

// out[i] := CombineCell(kind, axial[i], around[i]) where the axial fit stands on three distinct points
// (t0[i], t1[i], t2[i]) and both estimates lie strictly within +-2^31. Returns false, leaving out
// unspecified, when any cell falls outside that common case.
bool CombineCommonCells(bool wall, const double* axial, const double* around, const double* t0,
                        const double* t1, const double* t2, std::uint16_t* out, std::size_t count);

}  // namespace ductora
