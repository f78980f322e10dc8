#include "core/model/program.h"

#include "core/model/formy.h"

namespace velmor {
namespace {

bool PlanLekcji(int rodzaj) { return rodzaj != kRodzajPlanDyzurow; }

// Bytes a programme cell of the timetable form takes.
int64_t RozmiarOczkaPlanu(int wersja) {
  return wersja <= 81 ? 1 + 6 + 1 + 1 + (wersja >= 81 ? 4 : 0) : 1 + 6 + 2 + 2 + 4;
}

void CzytajGrupePlanu(TOrvelOdczyt& s, TWektor<uint8_t>& grupa) {
  if (s.Wersja <= 81) {
    grupa.Czytaj(s);
  } else {
    const int32_t n = s.CzytajLiczbe(2);
    grupa.ZmienRozmiar(n);
    for (int32_t i = 0; i < n; ++i) grupa[i] = CzytajIndeksPlanu(s, /*grupowy=*/true);
  }
  if (s.Wersja >= 91) PominNapis(s);
}

}  // namespace

void TOczkoProg::Czytaj(TOrvelOdczyt& s, int rodzaj) {
  LiczbaGodzin = s.CzytajBajt();
  if (!PlanLekcji(rodzaj)) {
    Nauczyciel = s.CzytajBajt();
    return;
  }
  s.Pomin(6 + (s.Wersja >= 82 ? 2 : 1));
  Nauczyciel = CzytajIndeksPlanu(s);
  if (s.Wersja >= 81) s.Pomin(4);
}

void TOczkoProg::Zapisz(TOrvelZapis& s) const {
  s.ZapiszBajt(LiczbaGodzin);
  s.ZapiszBajt(Nauczyciel);
}

void TProgWiersz::Czytaj(TOrvelOdczyt& s, int rodzaj) {
  Oczka.resize(
      static_cast<size_t>(s.CzytajLiczbe(PlanLekcji(rodzaj) ? RozmiarOczkaPlanu(s.Wersja) : 2)));
  for (auto& o : Oczka) o.Czytaj(s, rodzaj);
}

void TProgWiersz::Zapisz(TOrvelZapis& s) const {
  s.ZapiszI32(Liczba());
  for (const auto& o : Oczka) o.Zapisz(s);
}

void TGrupaZesp::Czytaj(TOrvelOdczyt& s, int rodzaj) {
  Grupy.resize(static_cast<size_t>(s.CzytajLiczbe(4)));
  for (auto& g : Grupy) {
    if (PlanLekcji(rodzaj)) CzytajGrupePlanu(s, g);
    else g.Czytaj(s);
  }
}

void TGrupaZesp::Zapisz(TOrvelZapis& s) const {
  s.ZapiszI32(Liczba());
  for (const auto& g : Grupy) g.Zapisz(s);
}

}  // namespace velmor
