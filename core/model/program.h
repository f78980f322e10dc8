#pragma once
// A subject's programme row (hours and teacher per class) and its groups of
// classes taught together.
#include <cstdint>
#include <vector>

#include "core/archive/strumien.h"
#include "core/model/wektor.h"
#include "core/model/wspolne.h"

namespace velmor {

struct TOczkoProg {
  uint8_t LiczbaGodzin = 0;
  uint8_t Nauczyciel = kBrak;

  void Czytaj(TOrvelOdczyt& s, int rodzaj);
  void Zapisz(TOrvelZapis& s) const;
  bool operator==(const TOczkoProg&) const = default;
};

// One cell per class.
class TProgWiersz {
 public:
  std::vector<TOczkoProg> Oczka;

  int Liczba() const { return static_cast<int>(Oczka.size()); }
  void Czytaj(TOrvelOdczyt& s, int rodzaj);
  void Zapisz(TOrvelZapis& s) const;
  bool operator==(const TProgWiersz&) const = default;
};

// Each group lists the classes taught the subject together.
class TGrupaZesp {
 public:
  std::vector<TWektor<uint8_t>> Grupy;

  int Liczba() const { return static_cast<int>(Grupy.size()); }
  void Czytaj(TOrvelOdczyt& s, int rodzaj);
  void Zapisz(TOrvelZapis& s) const;
  bool operator==(const TGrupaZesp&) const = default;
};

}  // namespace velmor
