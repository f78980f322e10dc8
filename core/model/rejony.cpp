#include "core/model/rejony.h"

#include "core/archive/napisy.h"

namespace velmor {

void TRejon::Czytaj(TOrvelOdczyt& s, int) {
  CzytajNapis(s, Nazwa);
  SaleRejonu.Czytaj(s);
  Kolor = static_cast<uint32_t>(s.CzytajI32());
}

void TRejon::Zapisz(TOrvelZapis& s) const {
  ZapiszNapis(s, Nazwa);
  SaleRejonu.Zapisz(s);
  s.ZapiszI32(static_cast<int32_t>(Kolor));
}

bool TRejony::WstawRejon(int i, TDyzury& dyzury) {
  const int miejsce = i < 0 || i > Liczba() ? Liczba() : i;
  el_.insert(el_.begin() + miejsce, TRejon{});
  dyzury.WstawKolumne(miejsce, kBrak);
  return true;
}

bool TRejony::UsunRejon(int i, TDyzury& dyzury) {
  if (!Istnieje(i)) return false;
  el_.erase(el_.begin() + i);
  dyzury.UsunKolumne(i);
  return true;
}

void TRejony::Czytaj(TOrvelOdczyt& s, int rodzaj) {
  if (rodzaj == kRodzajPlanDyzurow) TLista::Czytaj(s, rodzaj, 9);
}

}  // namespace velmor
