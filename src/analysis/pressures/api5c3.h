#pragma once

#include <string_view>

namespace ductora {

// Collapse rating of round tubulars with the minimum yield strength Yp (psi) as the casing and
// tubing tables give it: four regimes by D/t, each with its own formula.
enum class CollapseRegime { kYield, kPlastic, kTransition, kElastic };

// "yield", "plastic", "transition", "elastic".
std::string_view CollapseRegimeName(CollapseRegime regime);

// The empirical factors of the plastic and transition formulas and the D/t limits between the
// regimes; all follow from Yp alone.
struct Api5c3Factors {
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
  double f = 0.0;
  double g = 0.0;
  double yieldPlastic = 0.0;       // D/t up to which yield collapse rules
  double plasticTransition = 0.0;  // ... plastic
  double transitionElastic = 0.0;  // ... transition; elastic beyond
};
Api5c3Factors Api5c3FactorsOf(double yield);

struct Api5c3Rating {
  double pressure = 0.0;  // psi
  CollapseRegime regime = CollapseRegime::kYield;
};

// The rating at D/t (OD over wall). A D/t that is not above 1 has no rating: NaN.
Api5c3Rating Api5c3Collapse(double yield, double dOverT);

}  // namespace ductora
