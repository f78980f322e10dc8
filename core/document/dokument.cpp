#include "core/document/dokument.h"

#include <system_error>

#include "core/archive/bledy.h"
#include "core/archive/dysk.h"

namespace velmor {
namespace {

constexpr int kNajstarszaWersja = 60;

}  // namespace

void TModele::Czytaj(TOrvelOdczyt& s, int rodzaj, const TProstokat& pulpit) {
  if (s.IdzDoSekcji(0)) Dni.Czytaj(s, rodzaj);
  if (s.IdzDoSekcji(1)) Nauczyciele.Czytaj(s, rodzaj);
  if (s.IdzDoSekcji(2)) Oddzialy.Czytaj(s, rodzaj);
  if (s.IdzDoSekcji(3)) Sale.Czytaj(s, rodzaj);
  if (s.IdzDoSekcji(4)) Przedmioty.Czytaj(s, rodzaj);
  if (rodzaj == kRodzajPlanDyzurow) {
    // A timetable's other sections are its program's own: not even looked for.
    if (s.IdzDoSekcji(11)) Momenty.Czytaj(s, rodzaj, Dni.LiczbaSlotow());
    if (s.IdzDoSekcji(12)) Rejony.Czytaj(s, rodzaj);
    if (s.IdzDoSekcji(13)) Dyzury.Czytaj(s, rodzaj, Rejony.Liczba(), Dni.LiczbaSlotow());
    Opcje.Czytaj(s, rodzaj);
    Stopka.Czytaj(s, s.Wersja, pulpit);
  } else {
    for (TNaucz& n : Nauczyciele)
      for (TPozycjaDysp& p : n.Dyspozycja.Pozycje) p.Zakaz = 0;
  }
}

void TModele::Zapisz(TOrvelZapis& s, int wersjaPliku) const {
  s.PoczatekSekcji(0);
  Dni.Zapisz(s);
  s.PoczatekSekcji(1);
  Nauczyciele.Zapisz(s);
  s.PoczatekSekcji(2);
  Oddzialy.Zapisz(s);
  s.PoczatekSekcji(3);
  Sale.Zapisz(s);
  s.PoczatekSekcji(4);
  Przedmioty.Zapisz(s);
  s.PoczatekSekcji(11);
  Momenty.Zapisz(s);
  s.PoczatekSekcji(12);
  Rejony.Zapisz(s);
  s.PoczatekSekcji(13);
  Dyzury.Zapisz(s);
  Opcje.Zapisz(s);
  Stopka.Zapisz(s, wersjaPliku);
}

bool TDokument::OtworzPlik(const std::filesystem::path& nazwa, int rodzaj) {
  try {
    TOrvelOdczyt s(nazwa);
    const int wersja = s.CzytajBajt();
    if (wersja < kNajstarszaWersja || wersja > kWersjaZapisu) throw EOrvelError(4);
    s.Wersja = wersja;
    TModele nowe = *this;
    nowe.Czytaj(s, rodzaj, Pulpit);
    static_cast<TModele&>(*this) = std::move(nowe);
    WersjaPliku = wersja;
    Zmieniony = false;
    return true;
  } catch (...) {
    EOrvelError blad(1);
    return false;
  }
}

bool TDokument::ZapiszPlik(const std::filesystem::path& nazwa) {
  const std::filesystem::path tymczasowy = NazwaTymczasowa(nazwa);
  try {
    {
      TOrvelZapis s(tymczasowy);
      s.ZapiszBajt(kWersjaZapisu);
      Zapisz(s, WersjaPliku);
      s.Zamknij(/*naDysk=*/true);
    }
    ZastapPlik(tymczasowy, nazwa);
    Zmieniony = false;
    return true;
  } catch (...) {
    std::error_code ec;
    std::filesystem::remove(tymczasowy, ec);
    EOrvelError blad(3);
    return false;
  }
}

}  // namespace velmor
