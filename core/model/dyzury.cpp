#include "core/model/dyzury.h"

#include "core/archive/bledy.h"
#include "core/model/wspolne.h"

namespace velmor {

void TDyzury::Czytaj(TOrvelOdczyt& s, int rodzaj, int liczbaRejonow, int liczbaSlotow) {
  if (rodzaj != kRodzajPlanDyzurow) return;
  if (int64_t{liczbaRejonow} * liczbaSlotow > s.Pozostalo())
    throw EStrumien("tabela dyżurów poza plikiem");
  ZmienRozmiar(liczbaRejonow, liczbaSlotow);
  for (int m = 0; m < liczbaSlotow; ++m)
    for (int r = 0; r < liczbaRejonow; ++r) UstawKomorke(r, m, s.CzytajBajt());
}

void TDyzury::Zapisz(TOrvelZapis& s) const {
  for (int m = 0; m < LiczbaWierszy(); ++m) {
    const auto& wiersz = Wiersz(m).Elementy();
    s.Write(wiersz.data(), wiersz.size());
  }
}

}  // namespace velmor
