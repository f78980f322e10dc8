#include "core/model/przedmioty.h"

#include "core/archive/napisy.h"

namespace velmor {

void TPrzedm::Czytaj(TOrvelOdczyt& s, int rodzaj) {
  CzytajNapis(s, Nazwa);
  Znacznik = rodzaj == kRodzajPlanDyzurow ? s.CzytajBajt() : CzytajIndeksPlanu(s);
  Program.Czytaj(s, rodzaj);
  Grupy.Czytaj(s, rodzaj);
  Kolor = static_cast<uint32_t>(s.CzytajI32());
}

void TPrzedm::Zapisz(TOrvelZapis& s) const {
  ZapiszNapis(s, Nazwa);
  s.ZapiszBajt(Znacznik);
  Program.Zapisz(s);
  Grupy.Zapisz(s);
  s.ZapiszI32(static_cast<int32_t>(Kolor));
}

}  // namespace velmor
