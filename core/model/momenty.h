#pragma once
// Duty moments: the break before the lesson of each slot.
#include <cstdint>
#include <string>
#include <vector>

#include "core/archive/strumien.h"
#include "core/model/wspolne.h"

namespace velmor {

struct TMoment {
  std::string Nazwa;
  uint8_t Minuty = 10;
  uint8_t Dluga = 0;  // non-zero: a long break
  uint32_t Kolor = kKolorDomyslny;

  bool operator==(const TMoment&) const = default;
};

// Moment m belongs to slot m.
class TMomenty {
 public:
  int Liczba() const { return static_cast<int>(el_.size()); }
  TMoment& operator[](int m) { return el_[static_cast<size_t>(m)]; }
  const TMoment& operator[](int m) const { return el_[static_cast<size_t>(m)]; }
  void ZmienRozmiar(int n) { el_.resize(n > 0 ? static_cast<size_t>(n) : 0); }

  // Duty-plan files only: as many moments as the days just read have slots.
  void Czytaj(TOrvelOdczyt& s, int rodzaj, int liczbaSlotow);
  void Zapisz(TOrvelZapis& s) const;
  bool operator==(const TMomenty&) const = default;

 private:
  std::vector<TMoment> el_;
};

}  // namespace velmor
