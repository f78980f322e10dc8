#include "core/model/oddzialy.h"

#include "core/archive/napisy.h"

namespace velmor {

void TOddz::Czytaj(TOrvelOdczyt& s, int rodzaj) {
  CzytajNapis(s, Nazwa);
  const bool planLekcji = rodzaj != kRodzajPlanDyzurow;
  if (planLekcji && s.Wersja >= 98) s.Pomin(4);
  Przedmioty.Czytaj(s, rodzaj);
  Sale.Czytaj(s, rodzaj);
  if (planLekcji) {
    PominBajty(s);
    PominListeA(s);
    if (s.Wersja >= 74) PominListeB(s);
  }
  Kolor = static_cast<uint32_t>(s.CzytajI32());
}

void TOddz::Zapisz(TOrvelZapis& s) const {
  ZapiszNapis(s, Nazwa);
  Przedmioty.Zapisz(s);
  Sale.Zapisz(s);
  s.ZapiszI32(static_cast<int32_t>(Kolor));
}

}  // namespace velmor
