#pragma once
// Per-slot lists: what a teacher, class or room does in every slot.
#include <cstdint>
#include <vector>

#include "core/archive/strumien.h"
#include "core/model/krotka_lista.h"

namespace velmor {

struct TPozycjaDysp {
  uint8_t Zakaz = 0;     // duty ban (teachers only)
  uint8_t Znacznik = 0;  // carried from the timetable, no meaning here
  TKrotkaLista Lista;    // classes, subjects or rooms, by owner

  void Czytaj(TOrvelOdczyt& s, int rodzaj);
  void Zapisz(TOrvelZapis& s) const;
  bool operator==(const TPozycjaDysp&) const = default;
};

// One entry per slot.
class TDysp {
 public:
  std::vector<TPozycjaDysp> Pozycje;

  int Liczba() const { return static_cast<int>(Pozycje.size()); }
  TPozycjaDysp& operator[](int s) { return Pozycje[static_cast<size_t>(s)]; }
  const TPozycjaDysp& operator[](int s) const { return Pozycje[static_cast<size_t>(s)]; }
  int LiczbaZakazow() const;

  void Czytaj(TOrvelOdczyt& s, int rodzaj);
  void Zapisz(TOrvelZapis& s) const;
  bool operator==(const TDysp&) const = default;
};

}  // namespace velmor
