#pragma once
// A new duty plan from a timetable: what the previous plan carries over.
#include <array>
#include <vector>

#include "core/document/dokument.h"

namespace velmor {

// The previous plan's shape, taken before the timetable is read.
struct TKsztaltPlanu {
  int Sloty = 0, Rejony = 0, Nauczyciele = 0;
  std::vector<int> Lekcje;  // period count of every day

  static TKsztaltPlanu Z(const TModele& m);
  // The previous slot of the same day and period as new slot s, or kBrakSlotu.
  int PoprzedniSlot(const TDni& dni, int s) const;
};

enum TPrzeniesienie { kPrzeniesMomenty, kPrzeniesRejony, kPrzeniesLimity, kPrzeniesPlan };

// The four carry-over boxes: which may be ticked, which are ticked at first.
struct TPolaPrzeniesienia {
  std::array<bool, 4> Dostepne{}, Zaznaczone{};
  bool JakiesDostepne() const { return Dostepne[0] || Dostepne[1] || Dostepne[2] || Dostepne[3]; }
  static TPolaPrzeniesienia Z(const TKsztaltPlanu& przed, const TModele& teraz);
};

// Rebuilds regions, limits, moments and the duty table for the timetable now
// in the models; `przenies` are the ticked boxes.
void PrzebudujPlan(TModele& m, const TKsztaltPlanu& przed, const std::array<bool, 4>& przenies);

}  // namespace velmor
