#include "core/import/budowa.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "core/archive/bledy.h"
#include "core/archive/cp1250.h"

namespace velmor {
namespace {

// The largest schools' files take a few MB; a parsed XML tree about 5 times
// the file.
constexpr std::uintmax_t kNajwiekszyPlik = std::uintmax_t{64} << 20;

void Dodaj(TKrotkaLista& l, int v) {
  if (!l.Zawiera(static_cast<uint8_t>(v))) l.Dodaj(static_cast<uint8_t>(v));
}

void Dni(const TPlanObcy& p, TSzkola& s) {
  const auto dni = static_cast<size_t>(p.dni.Liczba()),
             godzin = static_cast<size_t>(p.godziny.Liczba());
  if (dni == 0 || godzin == 0) p.Blad("brak dni lub godzin");
  if (dni > TDni::kMaksDni || dni * godzin > TDni::kMaksSlotow) p.Blad("za dużo dni lub godzin");
  TDzien dzien;
  for (size_t h = 0; h < godzin; ++h) {
    const bool etykieta = h < p.etykietyGodzin.size() && !p.etykietyGodzin[h].empty();
    dzien.Godziny.push_back(
        {Utf8DoCp1250(etykieta ? p.etykietyGodzin[h] : p.godziny.Wszystkie()[h])});
  }
  s.Dni.Dni.assign(dni, dzien);
  s.Dni.Przelicz();
}

TNaucz Osoba(const TPlanObcy& p, size_t t) {
  TNaucz n;
  if (t < p.osoby.size()) {
    n.Nazwisko = Utf8DoCp1250(p.osoby[t].first);
    n.Imie = Utf8DoCp1250(p.osoby[t].second);
    return n;
  }
  const std::string nazwa = Utf8DoCp1250(p.nauczyciele.Wszystkie()[t]);
  const size_t odstep = nazwa.rfind(' ');
  n.Nazwisko = odstep == std::string::npos ? nazwa : nazwa.substr(odstep + 1);
  n.Imie = odstep == std::string::npos ? std::string() : nazwa.substr(0, odstep);
  return n;
}

// The models' lists, one entry per slot.
void Modele(const TPlanObcy& p, TSzkola& s) {
  const auto sloty = static_cast<size_t>(s.Dni.LiczbaSlotow());
  s.Nauczyciele.ZmienRozmiar(p.nauczyciele.Liczba());
  for (int t = 0; t < s.Nauczyciele.Liczba(); ++t) {
    s.Nauczyciele[t] = Osoba(p, static_cast<size_t>(t));
    s.Nauczyciele[t].Dyspozycja.Pozycje.resize(sloty);
  }
  s.Oddzialy.ZmienRozmiar(p.oddzialy.Liczba());
  for (int o = 0; o < s.Oddzialy.Liczba(); ++o) {
    s.Oddzialy[o].Nazwa = Utf8DoCp1250(p.oddzialy.Wszystkie()[static_cast<size_t>(o)]);
    s.Oddzialy[o].Przedmioty.Pozycje.resize(sloty);
    s.Oddzialy[o].Sale.Pozycje.resize(sloty);
  }
  s.Sale.ZmienRozmiar(p.sale.Liczba());
  for (int r = 0; r < s.Sale.Liczba(); ++r) {
    s.Sale[r].Nazwa = Utf8DoCp1250(p.sale.Wszystkie()[static_cast<size_t>(r)]);
    s.Sale[r].Zajecia.Pozycje.resize(sloty);
  }
  s.Przedmioty.ZmienRozmiar(p.przedmioty.Liczba());
  for (int i = 0; i < s.Przedmioty.Liczba(); ++i) {
    s.Przedmioty[i].Nazwa = Utf8DoCp1250(p.przedmioty.Wszystkie()[static_cast<size_t>(i)]);
    s.Przedmioty[i].Program.Oczka.assign(static_cast<size_t>(p.oddzialy.Liczba()), TOczkoProg{});
  }
}

// One hour of a lesson: its teachers teach its classes, each class its
// subject in the first room.
void Godzina(TSzkola& s, int slot, const TLekcjaObca& l) {
  const int sala = l.sale.empty() ? kBrak : l.sale.front();
  for (int t : l.nauczyciele)
    for (int o : l.oddzialy) Dodaj(s.Nauczyciele[t].Dyspozycja[slot].Lista, o);
  for (int o : l.oddzialy) {
    s.Oddzialy[o].Przedmioty[slot].Lista.Dodaj(static_cast<uint8_t>(l.przedmiot));
    s.Oddzialy[o].Sale[slot].Lista.Dodaj(static_cast<uint8_t>(sala));
  }
  for (int r : l.sale)
    for (int o : l.oddzialy) Dodaj(s.Sale[r].Zajecia[slot].Lista, o);
}

void Lekcje(const TPlanObcy& p, TSzkola& s) {
  if (p.lekcje.empty()) p.Blad("brak zajęć w planie");
  for (const TLekcjaObca& l : p.lekcje) {
    if (l.trwa > p.godziny.Liczba() - l.godzina) p.Blad(l.opis + " wychodzą poza ostatnią godzinę");
    for (int o : l.oddzialy)
      if (!l.nauczyciele.empty())
        s.Przedmioty[l.przedmiot].Program.Oczka[static_cast<size_t>(o)] = {
            1, static_cast<uint8_t>(l.nauczyciele.front())};
    for (int h = 0; h < l.trwa; ++h) Godzina(s, s.Dni.Slot(l.dzien, l.godzina + h), l);
  }
}

}  // namespace

int TNazwy::Dodaj(const std::string& nazwa) {
  if (!indeksy_.emplace(nazwa, Liczba()).second)
    throw EStrumien(format_ + ": " + rodzaj_ + ": powtórzona nazwa \"" + nazwa + "\"");
  if (Liczba() >= kBrak) throw EStrumien(format_ + ": " + rodzaj_ + ": więcej niż 251");
  nazwy_.push_back(nazwa);
  return Liczba() - 1;
}

int TNazwy::Znajdz(const std::string& nazwa) {
  const int i = Indeks(nazwa);
  return i >= 0 ? i : Dodaj(nazwa);
}

int TNazwy::Indeks(const std::string& nazwa) const {
  const auto i = indeksy_.find(nazwa);
  return i == indeksy_.end() ? -1 : i->second;
}

void TPlanObcy::Blad(const std::string& powod) const { throw EStrumien(format + ": " + powod); }

void TPlanObcy::SprawdzSiatke() const {
  const auto d = static_cast<size_t>(dni.Liczba()), g = static_cast<size_t>(godziny.Liczba());
  if (d == 0 || g == 0) Blad("brak dni lub godzin");
  if (d > TDni::kMaksDni || d * g > TDni::kMaksSlotow) Blad("za dużo dni lub godzin");
}

TSzkola Zbuduj(const TPlanObcy& plan) {
  TSzkola s;
  Dni(plan, s);
  Modele(plan, s);
  Lekcje(plan, s);
  return s;
}

std::string CzytajPlikObcy(const std::filesystem::path& plik, const std::string& format) {
  const auto blad = [&](const char* powod) { throw EStrumien(format + ": " + powod); };
  std::error_code e;
  if (!std::filesystem::is_regular_file(plik, e)) blad("to nie jest zwykły plik");
  const std::uintmax_t rozmiar = std::filesystem::file_size(plik, e);
  if (e) blad("nie można odczytać pliku");
  if (rozmiar > kNajwiekszyPlik) blad("plik większy niż 64 MB");
  std::ifstream f(plik, std::ios::binary);
  if (!f) blad("nie można odczytać pliku");
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

}  // namespace velmor
