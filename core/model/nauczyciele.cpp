#include "core/model/nauczyciele.h"

#include "core/archive/napisy.h"

namespace velmor {

void TNaucz::Czytaj(TOrvelOdczyt& s, int rodzaj) {
  CzytajNapis(s, Nazwisko);
  CzytajNapis(s, Imie);
  if (rodzaj == kRodzajPlanDyzurow) {
    LimitDyzurow = s.CzytajI32();
    LimitMinut = s.CzytajI32();
    Dyspozycja.Czytaj(s, rodzaj);
  } else {
    s.Pomin(4);
    Dyspozycja.Czytaj(s, rodzaj);
    PominListeA(s);
  }
  Kolor = static_cast<uint32_t>(s.CzytajI32());
}

void TNaucz::Zapisz(TOrvelZapis& s) const {
  ZapiszNapis(s, Nazwisko);
  ZapiszNapis(s, Imie);
  s.ZapiszI32(LimitDyzurow);
  s.ZapiszI32(LimitMinut);
  Dyspozycja.Zapisz(s);
  s.ZapiszI32(static_cast<int32_t>(Kolor));
}

}  // namespace velmor
