#pragma once
// Where teachers are around each break and what the duty table holds:
// queries answered afresh from the models at every call.
#include <cstdint>
#include <vector>

#include "core/document/dokument.h"

namespace velmor {

// Duty counts and minutes of every teacher over the whole duty table.
struct TObciazenia {
  std::vector<int> Dyzury, Minuty;
  int NajwiecejDyzurow = -1, NajwiecejMinut = -1;
};

class TOgolne {
 public:
  explicit TOgolne(const TModele& modele) : m_(modele) {}

  // -1: no lesson right before nor right after the break; 0: the region has
  // no rooms; 1, 2, 3: neither lesson in the region (after only, before only,
  // both); 4, 5, 6: one of them in it (likewise); 7: both in it, plus one for
  // each neighbouring break with a duty in this region.
  int kod_obecnosci(int t, int r, int m) const;
  uint8_t sala_nauczyciela(int t, int s) const;
  uint8_t nauczyciel_sali(int o, int s) const;
  uint8_t dyzurny_rejonu(int r, int m) const;
  uint8_t rejon_dyzuru(int t, int m) const;
  int dlugie_dyzury_dnia(int t, int m) const;
  TObciazenia policz_obciazenia() const;
  int liczba_lekcji(int t) const;

  // Helpers of the queries, also used by the planning run.
  bool MaLekcje(int t, int s) const;
  // The room that counts for the region test: the first room of the first
  // class of t's lesson in slot s; kBrak when there is none.
  uint8_t SalaLekcji(int t, int s) const;
  // The slot before moment m in the same day, or -1.
  int SlotPrzed(int m) const;
  bool TenSamDzien(int s1, int s2) const;

  const TModele& Modele() const { return m_; }

 private:
  const TModele& m_;
};

// The presence code from the facts of the region test.
inline int KodObecnosci(bool przed, bool po, bool bezSal, bool wPrzed, bool wPo, bool tenSamPrzed,
                 bool tenSamPo) {
  if (!przed && !po) return -1;
  if (bezSal) return 0;
  if (wPrzed && wPo) return 7 + (tenSamPrzed ? 1 : 0) + (tenSamPo ? 1 : 0);
  if (wPrzed || wPo) return przed && po ? 6 : przed ? 5 : 4;
  return przed && po ? 3 : przed ? 2 : 1;
}


}  // namespace velmor
