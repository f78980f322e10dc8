#pragma once
// How evenly a plan spreads its duties over the teachers who take them.
#include <string>

#include "core/document/dokument.h"

namespace velmor {

// Over the teachers whose count and minutes limits are both above 0. A
// teacher's load is the larger of his shares of the two limits (1 is at the
// limit).
struct TRozpietosc {
  int Nauczycieli = 0;  // teachers with limits
  double NajwiekszeObciazenie = 0, NajmniejszeObciazenie = 0;
  int NajwiecejDyzurow = 0;
  int NaLimicie = 0;  // at the count or the minutes limit, or above
  int BezDyzuru = 0;
  bool operator==(const TRozpietosc&) const = default;
};

TRozpietosc Rozpietosc(const TModele& m);

// A share as whole per cent, rounded.
int Procent(double udzial);

// "obciążenie od 50% do 63%, u limitu: 2, bez dyżuru: 0" (UTF-8).
std::string OpisRozpietosci(const TRozpietosc& r);

}  // namespace velmor
