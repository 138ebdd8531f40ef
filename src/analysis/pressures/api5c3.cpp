#include "analysis/pressures/api5c3.h"

#include <cmath>
#include <limits>

namespace ductora {

namespace {

// The elastic collapse constant, 2E / (1 - v^2) with E = 30e6 psi and v = 0.3.
constexpr double kElasticConstant = 46.95e6;

double Cube(double v) { return v * v * v; }

}  // namespace

std::string_view CollapseRegimeName(CollapseRegime regime) {
  switch (regime) {
    case CollapseRegime::kYield:
      return "yield";
    case CollapseRegime::kPlastic:
      return "plastic";
    case CollapseRegime::kTransition:
      return "transition";
    case CollapseRegime::kElastic:
      return "elastic";
  }
  return "";
}

Api5c3Factors Api5c3FactorsOf(double yield) {
  const double y = yield;
  Api5c3Factors f;
  f.a = 2.8762 + 0.10679e-5 * y + 0.21301e-10 * y * y - 0.53132e-16 * Cube(y);
  f.b = 0.026233 + 0.50609e-6 * y;
  f.c = -465.93 + 0.030867 * y - 0.10483e-7 * y * y + 0.36989e-13 * Cube(y);
  const double ba = f.b / f.a;
  const double r = 3.0 * ba / (2.0 + ba);
  f.f = kElasticConstant * Cube(r) / (y * (r - ba) * (1.0 - r) * (1.0 - r));
  f.g = f.f * ba;
  const double bc = f.b + f.c / y;
  f.yieldPlastic = (std::sqrt((f.a - 2.0) * (f.a - 2.0) + 8.0 * bc) + (f.a - 2.0)) / (2.0 * bc);
  f.plasticTransition = y * (f.a - f.f) / (f.c + y * (f.b - f.g));
  f.transitionElastic = (2.0 + ba) / (3.0 * ba);
  return f;
}

Api5c3Rating Api5c3Collapse(double yield, double dOverT) {
  const double x = dOverT;
  if (!(x > 1.0)) {
    return {std::numeric_limits<double>::quiet_NaN(), CollapseRegime::kYield};
  }
  const Api5c3Factors f = Api5c3FactorsOf(yield);
  if (x <= f.yieldPlastic) {
    return {2.0 * yield * (x - 1.0) / (x * x), CollapseRegime::kYield};
  }
  if (x <= f.plasticTransition) {
    return {yield * (f.a / x - f.b) - f.c, CollapseRegime::kPlastic};
  }
  if (x <= f.transitionElastic) {
    return {yield * (f.f / x - f.g), CollapseRegime::kTransition};
  }
  return {kElasticConstant / (x * (x - 1.0) * (x - 1.0)), CollapseRegime::kElastic};
}

}  // namespace ductora
