#pragma once
// Where teachers are around each break and what the duty table holds:
// queries answered afresh from the models at every call.
#include <cstdint>
#include <vector>

#include "core/document/dokument.h"
#include "core/planning/obecnosc.h"

namespace velmor {

// Duty counts and minutes of every teacher over the whole duty table.
struct TObciazenia {
  std::vector<int> Dyzury, Minuty;
  int NajwiecejDyzurow = -1, NajwiecejMinut = -1;
};

class TOgolne {
 public:
  explicit TOgolne(const TModele& modele) : m_(modele) {}

  TObecnosc kod_obecnosci(int t, int r, int m) const;
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

}  // namespace velmor
