#pragma once
// The presence code: where a teacher is around a break, as to a duty region.

namespace velmor {

// A lesson counts when it is right before or right after the break. From 6
// up each step adds ten to the candidate's score.
enum TObecnosc : int {
  kObecnoscBrak = -1,             // no lesson right before nor right after
  kObecnoscBezSal = 0,            // the region has no rooms
  kObecnoscPoPozaRejonem = 1,     // only after, not in the region
  kObecnoscPrzedPozaRejonem = 2,  // only before, not in the region
  kObecnoscObiePozaRejonem = 3,   // both, neither in the region
  kObecnoscPoWRejonie = 4,        // only after, in the region
  kObecnoscPrzedWRejonie = 5,     // only before, in the region
  kObecnoscJednaWRejonie = 6,     // both, one of them in the region
  kObecnoscObieWRejonie = 7,      // both in the region
  kObecnoscObieIDyzurObok = 8,    // likewise, on duty here at one neighbouring break
  kObecnoscObieIDyzuryObok = 9,   // likewise, at both neighbouring breaks
};

// The code from the facts of the region test: lessons right before and right
// after the break, the region without rooms, each lesson in the region, and
// a duty in the region at the break before and after.
inline TObecnosc KodObecnosci(bool przed, bool po, bool bezSal, bool wPrzed, bool wPo,
                              bool tenSamPrzed, bool tenSamPo) {
  if (!przed && !po) return kObecnoscBrak;
  if (bezSal) return kObecnoscBezSal;
  if (wPrzed && wPo) {
    if (tenSamPrzed && tenSamPo) return kObecnoscObieIDyzuryObok;
    return tenSamPrzed || tenSamPo ? kObecnoscObieIDyzurObok : kObecnoscObieWRejonie;
  }
  if (wPrzed || wPo) {
    if (przed && po) return kObecnoscJednaWRejonie;
    return przed ? kObecnoscPrzedWRejonie : kObecnoscPoWRejonie;
  }
  if (przed && po) return kObecnoscObiePozaRejonem;
  return przed ? kObecnoscPrzedPozaRejonem : kObecnoscPoPozaRejonem;
}

}  // namespace velmor
