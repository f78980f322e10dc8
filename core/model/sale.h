#pragma once
// Rooms.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/model/dysp.h"
#include "core/model/lista.h"
#include "core/model/wspolne.h"

namespace velmor {

struct TSala {
  std::string Nazwa;
  uint32_t Kolor = kKolorDomyslny;
  std::array<uint8_t, 3> Dane1{3, 3, 3};  // carried from the timetable
  std::array<uint8_t, 3> Dane2{3, 3, 3};
  TDysp Zajecia;  // classes in the room per slot

  void Czytaj(TOrvelOdczyt& s, int rodzaj);
  void Zapisz(TOrvelZapis& s) const;
  bool operator==(const TSala&) const = default;
};

class TSale : public TLista<TSala> {
 public:
  void Czytaj(TOrvelOdczyt& s, int rodzaj) { TLista::Czytaj(s, rodzaj, 15); }
  // The first room named `nazwa`, letter case ignored; kBrak when none.
  uint8_t ZnajdzSale(std::string_view nazwa) const;
};

}  // namespace velmor
