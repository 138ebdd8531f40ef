#include "analysis/rebuild/grid/vector_kernels.h"

#include <cmath>

#include "analysis/rebuild/grid/parabola.h"

#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
// AVX doubles the width of SSE2 and has no fused multiply-add.
#define DUCTORA_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx", "default")))
#else
#define DUCTORA_VECTOR_CLONES
#endif

namespace ductora {

DUCTORA_VECTOR_CLONES
void FillParabolaTerms(const double* __restrict at, const double* __restrict values, std::size_t count,
                       double* __restrict t, double* __restrict t2, double* __restrict t3,
                       double* __restrict t4, double* __restrict v, double* __restrict tv,
                       double* __restrict t2v) {
  for (std::size_t i = 0; i < count; ++i) {
    const double square = at[i] * at[i];
    t[i] = at[i];
    t2[i] = square;
    t3[i] = square * at[i];
    t4[i] = square * square;
    v[i] = values[i];
    tv[i] = at[i] * values[i];
    t2v[i] = square * values[i];
  }
}

DUCTORA_VECTOR_CLONES
void SevenPointSums(const double* __restrict in, double* __restrict out, std::size_t count) {
  for (std::size_t k = 3; k + 3 < count; ++k) {
    out[k] = 0.0 + in[k - 3] + in[k - 2] + in[k - 1] + in[k] + in[k + 1] + in[k + 2] + in[k + 3];
  }
}

DUCTORA_VECTOR_CLONES
void AddThreeTerms(const double* __restrict a, const double* __restrict b, const double* __restrict c,
                   double* __restrict out, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    out[i] = 0.0 + a[i] + b[i] + c[i];
  }
}

DUCTORA_VECTOR_CLONES
void EvaluateParabolaFits(double n, const double* __restrict t, const double* __restrict t2,
                          const double* __restrict t3, const double* __restrict t4,
                          const double* __restrict v, const double* __restrict tv,
                          const double* __restrict t2v, const double* __restrict x, double* __restrict out,
                          std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    out[i] = FitParabola(n, t[i], t2[i], t3[i], t4[i], v[i], tv[i], t2v[i]).at(x[i]);
  }
}

DUCTORA_VECTOR_CLONES
bool FindSamplesNearGuesses(const double* __restrict angles, std::int32_t count, double first,
                            double perDegree, const double* __restrict columnAngles, std::size_t columns,
                            std::size_t* __restrict out) {
  const std::int32_t last = count - 1;
  const double lastIndex = last;
  // 32-bit indices and masks instead of branches, so that the loop vectorises.
  std::int32_t missed = 0;
  for (std::size_t c = 0; c < columns; ++c) {
    const double a = columnAngles[c];
    double guess = (a - first) * perDegree;
    guess = guess < 0.0 ? 0.0 : guess;
    guess = guess > lastIndex ? lastIndex : guess;
    const auto near = static_cast<std::int32_t>(guess);
    const std::int32_t base = near >= 2 ? near - 2 : 0;
    const std::int32_t before = base >= 1 ? base - 1 : 0;
    // In rising angles the answer is how many samples lie below a: all before the window do and
    // none after it, when the guess is good.
    const std::int32_t j = base + (angles[base] < a ? 1 : 0) + (angles[base + 1] < a ? 1 : 0) +
                           (angles[base + 2] < a ? 1 : 0) + (angles[base + 3] < a ? 1 : 0);
    const std::int32_t found =
        (angles[base + 4] >= a ? 1 : 0) & ((base == 0 ? 1 : 0) | (angles[before] < a ? 1 : 0));
    missed |= found ^ 1;
    out[c] = static_cast<std::size_t>(j < last ? j : last);
  }
  return missed == 0;
}

DUCTORA_VECTOR_CLONES
bool CombineCommonCells(bool wall, const double* __restrict axial, const double* __restrict around,
                        const double* __restrict t0, const double* __restrict t1, const double* __restrict t2,
                        std::uint16_t* __restrict out, std::size_t count) {
  constexpr double kLimit = 2147483648.0;
  constexpr std::int32_t kWallAgreement = 20;
  // Masks instead of branches, so that the loop vectorises.
  const std::int32_t wallMask = wall ? -1 : 0;
  std::int32_t uncommon = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const double a = axial[i];
    const double c = around[i];
    // Within the limit truncation toward zero is the conversion itself; NaN fails the tests.
    const bool aInRange = std::fabs(a) < kLimit;
    const bool cInRange = std::fabs(c) < kLimit;
    const bool distinct = (t0[i] != t1[i]) & (t1[i] != t2[i]) & (t0[i] != t2[i]);
    uncommon |= static_cast<std::int32_t>(!(aInRange & cInRange & distinct));
    const double safeA = aInRange ? a : 0.0;
    const double safeC = cInRange ? c : 0.0;
    const auto aWhole = static_cast<std::int32_t>(safeA);
    const auto cWhole = static_cast<std::int32_t>(safeC);
    const auto meanWhole = static_cast<std::int32_t>((safeA + safeC) * 0.5);  // exactly the halving
    const std::int32_t d = static_cast<std::int16_t>(aWhole) - static_cast<std::int16_t>(cWhole);
    // |d| > kWallAgreement, as one unsigned comparison.
    const bool disagree = static_cast<std::uint32_t>(d + kWallAgreement) > 2U * kWallAgreement;
    const std::int32_t useAround = -static_cast<std::int32_t>(disagree) & wallMask;
    out[i] = static_cast<std::uint16_t>((cWhole & useAround) | (meanWhole & ~useAround));
  }
  return uncommon == 0;
}

}  // namespace ductora
