#include "core/model/sale.h"

#include "core/archive/cp1250.h"
#include "core/archive/napisy.h"

namespace velmor {
namespace {

// The timetable's three carried values from version 82: a value that cannot
// be converted leaves its byte as it was.
void CzytajDane1(TOrvelOdczyt& s, std::array<uint8_t, 3>& dane) {
  for (uint8_t& b : dane) {
    if (s.Wersja <= 81) {
      b = s.CzytajBajt();
    } else if (const auto x = KonwertujIndeks(s.CzytajI16(), kBrak)) {
      b = *x;
    }
  }
}

}  // namespace

void TSala::Czytaj(TOrvelOdczyt& s, int rodzaj) {
  CzytajNapis(s, Nazwa);
  const bool planLekcji = rodzaj != kRodzajPlanDyzurow;
  if (planLekcji) {
    if (s.Wersja >= 98) s.Pomin(4);
    CzytajDane1(s, Dane1);
  } else {
    s.CzytajBajty(Dane1.data(), Dane1.size());
  }
  s.CzytajBajty(Dane2.data(), Dane2.size());
  Zajecia.Czytaj(s, rodzaj);
  if (planLekcji) PominListeA(s);
  Kolor = static_cast<uint32_t>(s.CzytajI32());
}

void TSala::Zapisz(TOrvelZapis& s) const {
  ZapiszNapis(s, Nazwa);
  s.Write(Dane1.data(), Dane1.size());
  s.Write(Dane2.data(), Dane2.size());
  Zajecia.Zapisz(s);
  s.ZapiszI32(static_cast<int32_t>(Kolor));
}

uint8_t TSale::ZnajdzSale(std::string_view nazwa) const {
  for (int i = 0; i < Liczba(); ++i)
    if (RowneBezWielkosciLiter((*this)[i].Nazwa, nazwa)) return static_cast<uint8_t>(i);
  return kBrak;
}

}  // namespace velmor
