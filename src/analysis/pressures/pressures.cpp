#include "analysis/pressures/pressures.h"

#include <algorithm>
#include <cmath>

namespace ductora {

namespace {

constexpr double kElasticConstant = 4.695e7;
constexpr double kElasticFactor = 0.7125;
constexpr int kBoundarySteps = 100;
constexpr double kSqrt3 = 1.7320508075688772;

struct ApiFactors {
  double a;
  double b;
};

ApiFactors FactorsOf(double yp) {
  const double a =
      2.8762 + 1.0679e-6 * yp + 2.1301e-11 * yp * yp - 5.3132 * std::pow(10.0, -17.0) * yp * yp * yp;
  const double b = 0.026233 + 5.0609e-7 * yp;
  return {a, b};
}

double ElasticCollapse(double x) { return kElasticConstant / ((x - 1.0) * (x - 1.0) * x) / kElasticFactor; }

}  // namespace

const std::array<BurstFormula, kBurstFormulaCount> kBurstFormulas = {{
    {"API", ""},
    {"Tresca", "Incipient Yield"},
    {"Triaxial", ""},
    {"Modified Thin Wall", ""},
    {"Barlow", ""},
    {"Lame'", ""},
    {"Thin Wall", ""},
    {"Capped End Yield", ""},
    {"Thin Wall Rupture", ""},
    {"Tresca", "Fully Plastic"},
    {"Plastic Failure Pressure", ""},
    {"Hill's Burst Limit", ""},
    {"Shell Paslay", ""},
    {"Klever-Stewart", ""},
}};

double ApiYield(double yield) { return yield < 1000.0 ? yield * 1000.0 : yield; }

double PlasticElasticBoundary(double yield) {
  const double yp = ApiYield(yield);
  const ApiFactors f = FactorsOf(yp);
  const double elastic = kElasticConstant / (kElasticFactor * yp);
  const auto g = [&](double x) { return (f.a - elastic / ((x - 1.0) * (x - 1.0))) / f.b; };
  double x0 = 16.0;
  double x1 = 17.0;
  double f0 = g(x0);
  double f1 = g(x1);
  double next = x1;
  // Integer parts are compared as doubles: the iterates may be NaN or infinite.
  for (int step = 0; step < kBoundarySteps; ++step) {
    if (std::trunc(std::abs(x0 - x1)) == 0.0) {
      break;
    }
    const double m = (f1 - f0) / (x1 - x0);
    next = (f0 - m * x0) / (1.0 - m);
    if (std::trunc(std::abs(x0 - next)) <= std::trunc(std::abs(x1 - next))) {
      x1 = next;
      f1 = g(next);
    } else {
      x0 = next;
      f0 = g(next);
    }
  }
  return next;
}

double ApiCollapse(double yield, double x) {
  const double yp = ApiYield(yield);
  const double elastic = ElasticCollapse(x);
  if (x >= 1.1 * PlasticElasticBoundary(yp)) {
    return elastic;
  }
  const ApiFactors f = FactorsOf(yp);
  const double yieldCollapse = 2.0 * yp * (x - 1.0) / (x * x);
  const double plastic = (f.a / x - f.b) * yp;
  return std::min({yieldCollapse, plastic, elastic});
}

double TamanoCollapse(double yield, double x, double ovalityPercent, double eccentricityPercent) {
  const double py = 2.0 * yield * (x - 1.0) / (x * x) * (1.0 + 1.47 / (x - 1.0));
  const double pe =
      2.0 * kYoungsModulus / (1.0 - kPoissonRatio * kPoissonRatio) * 1.08 / ((x - 1.0) * (x - 1.0) * x);
  const double h = 0.071 * ovalityPercent + 0.0022 * eccentricityPercent - 0.18 * kResidualStress / yield;
  double q = (pe - py) * (pe - py) / 4.0;
  if (h > 0.0) {
    q += pe * py * h;
  }
  return (pe + py) / 2.0 - std::sqrt(q);
}

double BurstPressure(double yield, double x, std::uint32_t formula) {
  using enum BurstFormulaId;
  const double r = x;
  const double y = yield;
  switch (static_cast<BurstFormulaId>(formula)) {
    case kApi:
      return 0.875 * 2.0 * y / r;
    case kTrescaIncipientYield:
      return 2.0 * y * (r - 1.0) / (r * r);
    case kTriaxial:
      return y * (r * r - (r - 2.0) * (r - 2.0)) / std::sqrt(3.0 * std::pow(r, 4.0) + std::pow(r - 2.0, 4.0));
    case kModifiedThinWall:
    case kBarlow:
      return 2.0 * y / r;
    case kLame:
      return 2.0 * y * (r - 1.0) / (r * r - 2.0 * r + 2.0);
    case kThinWall:
    case kThinWallRupture:
      return 2.0 * y / (r - 2.0);
    case kCappedEndYield:
      return 4.0 / kSqrt3 * y * (r - 1.0) / (r * r);
    case kTrescaFullyPlastic:
      return y * std::log(r / (r - 2.0));
    case kHillsBurstLimit:
      return 2.0 / kSqrt3 * y * std::log(r / (r - 2.0));
    case kShellPaslay:
      return 2.0 * y / (r - 1.0);
    case kKleverStewart:
      return 2.0 * y / (r - 1.0) * (std::pow(0.5, 1.07) + std::pow(0.5773672055427251, 1.07));
    case kPlasticFailurePressure:  // listed, but has no formula
    default:                       // and neither have indices outside the table
      return 0.0;
  }
}

}  // namespace ductora
