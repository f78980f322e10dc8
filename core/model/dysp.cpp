#include "core/model/dysp.h"

#include <algorithm>

#include "core/model/formy.h"
#include "core/model/wspolne.h"

namespace velmor {
namespace {

// The timetable's index list from version 82: int16 values converted.
void CzytajListeSlowna(TOrvelOdczyt& s, TKrotkaLista& lista) {
  const int32_t n = s.CzytajLiczbe(2);
  lista.ZmienRozmiar(n);
  for (int32_t i = 0; i < n; ++i) lista[i] = CzytajIndeksPlanu(s);
}

}  // namespace

void TPozycjaDysp::Czytaj(TOrvelOdczyt& s, int rodzaj) {
  const bool planLekcji = rodzaj != kRodzajPlanDyzurow;
  const uint8_t zakaz = s.CzytajBajt();
  Zakaz = planLekcji ? 0 : zakaz;
  if (s.Wersja >= 89) Znacznik = s.CzytajBajt();
  if (planLekcji && s.Wersja >= 82) CzytajListeSlowna(s, Lista);
  else Lista.Czytaj(s);
}

void TPozycjaDysp::Zapisz(TOrvelZapis& s) const {
  s.ZapiszBajt(Zakaz);
  s.ZapiszBajt(Znacznik);
  Lista.Zapisz(s);
}

int TDysp::LiczbaZakazow() const {
  return static_cast<int>(
      std::count_if(Pozycje.begin(), Pozycje.end(), [](const auto& p) { return p.Zakaz != 0; }));
}

void TDysp::Czytaj(TOrvelOdczyt& s, int rodzaj) {
  Pozycje.resize(static_cast<size_t>(s.CzytajLiczbe(5)));
  for (auto& p : Pozycje) p.Czytaj(s, rodzaj);
}

void TDysp::Zapisz(TOrvelZapis& s) const {
  s.ZapiszI32(Liczba());
  for (const auto& p : Pozycje) p.Zapisz(s);
}

}  // namespace velmor
