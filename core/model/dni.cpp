#include "core/model/dni.h"

#include <array>
#include <cmath>

#include "core/archive/bledy.h"
#include "core/archive/cp1250.h"
#include "core/archive/napisy.h"
#include "core/model/data.h"

namespace velmor {
namespace {

// A new Monday-based date: Sunday moves one day on, other days to the next Monday.
// The day moves apart from the time: before 1900 the time is a negative
// fraction, and plain addition across day 0 would land on the wrong day.
double NaPoniedzialek(double data) {
  const int w = DzienTygodnia(data);
  const double dzien = std::trunc(data) + (w == 1 ? 1 : w == 2 ? 0 : 9 - w);
  const double czas = std::fabs(data - std::trunc(data));
  const double wynik = dzien < 0 ? dzien - czas : dzien + czas;
  // A time just before midnight may round into the next day.
  return std::trunc(wynik) == dzien ? wynik : dzien;
}

double CzytajDateStara(TOrvelOdczyt& s) {
  const int rok = s.CzytajI16(), miesiac = s.CzytajI16(), dzien = s.CzytajI16();
  const auto data = ZakodujDate(rok, miesiac, dzien);
  if (!data || !DataWZakresie(NaPoniedzialek(*data))) throw EStrumien("niepoprawna data początku");
  return *data;
}

}  // namespace

TDni::TDni() : Dni(5), DataPoczatku(Dzisiaj()) { Przelicz(); }

void TDni::Przelicz() {
  const int liczbaDni = static_cast<int>(Dni.size());
  pierwszySlot_.assign(static_cast<size_t>(std::max(liczbaDni, 1)), 0);
  dzienSlotu_.clear();
  lekcjaSlotu_.clear();
  DniSzkolne.ZmienRozmiar(0);
  NajdluzszyDzien = 0;
  size_t najwiecej = 0;
  for (int d = 0; d < liczbaDni; ++d) {
    const auto i = static_cast<size_t>(d);
    const size_t c = Dni[i].Godziny.size();
    if (c > 0) DniSzkolne.Dodaj(d);
    if (c > najwiecej) {
      najwiecej = c;
      NajdluzszyDzien = d;
    }
    if (d + 1 < liczbaDni) pierwszySlot_[i + 1] = pierwszySlot_[i] + static_cast<int32_t>(c);
    for (size_t p = 0; p < c; ++p) {
      dzienSlotu_.push_back(static_cast<int16_t>(d));
      lekcjaSlotu_.push_back(static_cast<int16_t>(p));
    }
  }
  if (DataWZakresie(DataPoczatku)) DataPoczatku = NaPoniedzialek(DataPoczatku);
  const int n = DniSzkolne.Liczba();
  if (PierwszyDzien < 0 || PierwszyDzien >= n) PierwszyDzien = 0;
  if (OstatniDzien < PierwszyDzien || OstatniDzien >= n) OstatniDzien = n - 1;
}

int TDni::Slot(int d, int p) const {
  if (d < 0 || d >= static_cast<int>(Dni.size())) return kBrakSlotu;
  const auto i = static_cast<size_t>(d);
  if (p < 0 || static_cast<size_t>(p) >= Dni[i].Godziny.size()) return kBrakSlotu;
  return pierwszySlot_[i] + p;
}

std::pair<int, int> TDni::DzienILekcja(int s) const {
  if (s < 0 || s >= LiczbaSlotow()) return {0, 0};
  return {dzienSlotu_[static_cast<size_t>(s)], lekcjaSlotu_[static_cast<size_t>(s)]};
}

std::string TDni::NazwaDnia(int d, int k) {
  static const std::array<std::string, 7> kNazwy = {
      Utf8DoCp1250("Poniedziałek"), Utf8DoCp1250("Wtorek"), Utf8DoCp1250("Środa"),
      Utf8DoCp1250("Czwartek"),     Utf8DoCp1250("Piątek"), Utf8DoCp1250("Sobota"),
      Utf8DoCp1250("Niedziela")};
  const std::string& nazwa = kNazwy[static_cast<size_t>((d % 7 + 7) % 7)];
  return k > 0 ? nazwa.substr(0, static_cast<size_t>(k)) : nazwa;
}

void TDni::Czytaj(TOrvelOdczyt& s, int /*rodzaj*/) {
  // A day takes at least its period count and its colour.
  const int32_t liczbaDni = s.CzytajLiczbe(8);
  if (liczbaDni > kMaksDni) throw EStrumien("za dużo dni");
  std::vector<TDzien> dni(static_cast<size_t>(liczbaDni));
  int32_t slotow = 0;
  for (TDzien& dzien : dni) {
    const int32_t godzin = s.CzytajLiczbe(1);
    slotow += godzin;
    if (godzin > kMaksSlotow || slotow > kMaksSlotow) throw EStrumien("za dużo lekcji");
    dzien.Godziny.resize(static_cast<size_t>(godzin));
    for (TGodz& g : dzien.Godziny) CzytajNapis(s, g.Nazwa);
    dzien.Kolor = static_cast<uint32_t>(s.CzytajI32());
  }
  const uint8_t znacznik1 = s.CzytajBajt();
  if (s.Wersja < 75) {
    DataPoczatku = CzytajDateStara(s);
  } else {
    const double data = s.CzytajF64();
    // The date must stay readable once moved to its Monday.
    if (!DataWZakresie(data) || !DataWZakresie(NaPoniedzialek(data)))
      throw EStrumien("niepoprawna data początku");
    DataPoczatku = data;
    Znacznik2 = s.CzytajBajt();
    PierwszyDzien = s.CzytajI32();
    OstatniDzien = s.CzytajI32();
  }
  Dni = std::move(dni);
  Znacznik1 = znacznik1;
  Przelicz();
}

void TDni::Zapisz(TOrvelZapis& s) const {
  s.ZapiszI32(static_cast<int32_t>(Dni.size()));
  for (const TDzien& dzien : Dni) {
    s.ZapiszI32(static_cast<int32_t>(dzien.Godziny.size()));
    for (const TGodz& g : dzien.Godziny) ZapiszNapis(s, g.Nazwa);
    s.ZapiszI32(static_cast<int32_t>(dzien.Kolor));
  }
  s.ZapiszBajt(Znacznik1);
  s.ZapiszF64(DataPoczatku);
  s.ZapiszBajt(Znacznik2);
  s.ZapiszI32(PierwszyDzien);
  s.ZapiszI32(OstatniDzien);
}

}  // namespace velmor
