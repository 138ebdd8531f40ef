#pragma once

namespace ductora {

// The sums of the least-squares normal equations of v = c0 + c1 t + c2 t^2.
struct ParabolaSums {
  double n = 0.0;
  double t = 0.0;
  double t2 = 0.0;
  double t3 = 0.0;
  double t4 = 0.0;
  double v = 0.0;
  double tv = 0.0;
  double t2v = 0.0;

  void add(double at, double value) {
    const double square = at * at;
    n += 1.0;
    t += at;
    t2 += square;
    t3 += square * at;
    t4 += square * square;
    v += value;
    tv += at * value;
    t2v += square * value;
  }
};

struct Parabola {
  double c0 = 0.0;
  double c1 = 0.0;
  double c2 = 0.0;

  double at(double t) const { return c0 + c1 * t + c2 * t * t; }
};

// Cramer's rule on the sums. Coincident abscissas make the system singular; the coefficients are
// then not finite or meaningless, so callers test for that case themselves. Inline, so that
// batches of fits vectorise while computing exactly what a single fit computes.
inline Parabola FitParabola(double n, double t, double t2, double t3, double t4, double v, double tv,
                            double t2v) {
  const double spread = n * t2 - t * t;
  const double cross = t2 * t - n * t3;
  const double numerator = (n * tv - t * v) * (n * t3 - t * t2) - spread * (n * t2v - v * t2);
  const double denominator = spread * (t2 * t2 - n * t4) - cross * (n * t3 - t * t2);
  Parabola p;
  p.c2 = numerator / denominator;
  p.c1 = (n * tv - t * v + cross * p.c2) / spread;
  p.c0 = (v - t * p.c1 - t2 * p.c2) / n;
  return p;
}

inline Parabola FitParabola(const ParabolaSums& s) {
  return FitParabola(s.n, s.t, s.t2, s.t3, s.t4, s.v, s.tv, s.t2v);
}

}  // namespace ductora
