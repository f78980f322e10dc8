#pragma once
// Duty regions: areas of the school made of rooms; region r is column r of
// the duty table.
#include <cstdint>
#include <string>

#include "core/model/dyzury.h"
#include "core/model/lista.h"
#include "core/model/wektor.h"
#include "core/model/wspolne.h"

namespace velmor {

struct TRejon {
  std::string Nazwa;
  uint32_t Kolor = kKolorDomyslny;
  TWektor<uint8_t> SaleRejonu;  // room indices, in the order they were added

  void Czytaj(TOrvelOdczyt& s, int rodzaj);
  void Zapisz(TOrvelZapis& s) const;
  bool operator==(const TRejon&) const = default;
};

class TRejony : public TLista<TRejon> {
 public:
  // Inserts a default region before region i (at the end when i is the
  // count) with an empty column in the duty table.
  bool WstawRejon(int i, TDyzury& dyzury);
  // Removes region i and its column; false when there is no region i.
  bool UsunRejon(int i, TDyzury& dyzury);

  // Duty-plan files only.
  void Czytaj(TOrvelOdczyt& s, int rodzaj);
};

}  // namespace velmor
