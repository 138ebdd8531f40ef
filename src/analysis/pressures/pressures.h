#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ductora {

// Collapse and burst pressures in psi from a yield strength Y (psi) and x = D/t. Divisions by
// zero (D/t of 0, 1 or 2 in some formulas) give infinities or NaN, never a trap.

// Fixed material constants of the collapse formulas.
constexpr double kResidualStress = 5000.0;     // psi
constexpr double kYoungsModulus = 30000000.0;  // psi
constexpr double kPoissonRatio = 0.28;

// The API collapse formulas read a yield below 1000 as thousands of psi.
double ApiYield(double yield);

// The D/t at which the plastic and the elastic collapse pressures meet (secant search).
double PlasticElasticBoundary(double yield);

// The smallest of the yield, plastic and elastic collapse pressures; elastic alone from
// 1.1 x the plastic/elastic boundary on.
double ApiCollapse(double yield, double x);

// Collapse of an imperfect pipe; ovality and eccentricity in percent. Y is taken as given.
double TamanoCollapse(double yield, double x, double ovalityPercent, double eccentricityPercent);

// The burst formulas by index, as the Burst dialog's options and the pipe's burst selection
// number them.
enum class BurstFormulaId : std::uint32_t {
  kApi,
  kTrescaIncipientYield,
  kTriaxial,
  kModifiedThinWall,
  kBarlow,
  kLame,
  kThinWall,
  kCappedEndYield,
  kThinWallRupture,
  kTrescaFullyPlastic,
  kPlasticFailurePressure,
  kHillsBurstLimit,
  kShellPaslay,
  kKleverStewart,
};
constexpr std::size_t kBurstFormulaCount = static_cast<std::size_t>(BurstFormulaId::kKleverStewart) + 1;

struct BurstFormula {
  std::string_view name;     // the label beside the value
  std::string_view variant;  // tells the two "Tresca" formulas apart; empty otherwise
};
extern const std::array<BurstFormula, kBurstFormulaCount> kBurstFormulas;

// Burst pressure by formula index (a BurstFormulaId); an index outside the table gives 0.
double BurstPressure(double yield, double x, std::uint32_t formula);

}  // namespace ductora
