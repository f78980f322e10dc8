#pragma once
// The duty table: a row per moment, a column per region; each cell a teacher
// index, kBrak (nobody) or kZamkniete (closed to entries).
#include <cstdint>

#include "core/archive/strumien.h"
#include "core/model/tablica.h"

namespace velmor {

class TDyzury : public TTablica<uint8_t> {
 public:
  uint8_t Dyzurny(int r, int m) const { return Komorka(r, m); }
  void UstawDyzurnego(int r, int m, uint8_t v) { UstawKomorke(r, m, v); }
  int LiczbaMomentow() const { return LiczbaWierszy(); }
  int LiczbaRejonow() const { return LiczbaKolumn(); }

  // Duty-plan files only: sized from the regions and the slots just read.
  void Czytaj(TOrvelOdczyt& s, int rodzaj, int liczbaRejonow, int liczbaSlotow);
  void Zapisz(TOrvelZapis& s) const;
};

}  // namespace velmor
