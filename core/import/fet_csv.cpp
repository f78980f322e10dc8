#include "core/import/fet_csv.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <numeric>
#include <set>
#include <vector>

#include "core/archive/sciezka.h"
#include "core/import/budowa.h"
#include "core/import/wiersze.h"

namespace velmor {
namespace {

const std::string kFormat = "FET CSV";

std::vector<TWierszTekstu> Tabela(std::string_view surowy) {
  const std::string tekst = TekstUtf8(surowy, TKodowanie::Utf8);
  return Wiersze(tekst, Separator(tekst), kFormat);
}

// The column of each heading named, -1 for one missing.
std::vector<int> Kolumny(const TWierszTekstu& naglowek, std::initializer_list<const char*> nazwy) {
  std::vector<int> k;
  for (const char* n : nazwy) {
    const auto i = std::find(naglowek.pola.begin(), naglowek.pola.end(), n);
    k.push_back(i == naglowek.pola.end() ? -1 : static_cast<int>(i - naglowek.pola.begin()));
  }
  return k;
}

const std::string& Pole(const TWierszTekstu& w, int kolumna) {
  static const std::string kPuste;
  return kolumna >= 0 && static_cast<size_t>(kolumna) < w.pola.size()
             ? w.pola[static_cast<size_t>(kolumna)]
             : kPuste;
}

struct TZnane {
  std::vector<std::string> kolejno;  // teachers, or years, in the list's order
  std::set<std::string> nazwy;
  std::map<std::string, std::string> rok;  // group or subgroup -> its year
};

void DodajKolumne(std::string_view surowy, const char* naglowek, TZnane& z) {
  if (surowy.empty()) return;
  const std::vector<TWierszTekstu> t = Tabela(surowy);
  if (t.empty()) return;
  const int k = Kolumny(t.front(), {naglowek}).front();
  for (size_t i = 1; i < t.size(); ++i)
    if (!Pole(t[i], k).empty() && z.nazwy.insert(Pole(t[i], k)).second)
      z.kolejno.push_back(Pole(t[i], k));
}

TZnane Uczniowie(std::string_view surowy) {
  TZnane z;
  if (surowy.empty()) return z;
  const std::vector<TWierszTekstu> t = Tabela(surowy);
  if (t.empty()) return z;
  const std::vector<int> k = Kolumny(t.front(), {"Year", "Group", "Subgroup"});
  for (size_t i = 1; i < t.size(); ++i) {
    const std::string& rok = Pole(t[i], k[0]);
    if (!rok.empty() && !z.nazwy.contains(rok)) z.kolejno.push_back(rok);
    for (int kolumna : k)
      if (!Pole(t[i], kolumna).empty()) {
        z.nazwy.insert(Pole(t[i], kolumna));
        z.rok.emplace(Pole(t[i], kolumna), rok);
      }
  }
  return z;
}

// Names joined with '+'; a known name that holds a '+' stays whole.
std::vector<std::string> Rozdziel(const std::string& pole, const TZnane& znane) {
  std::vector<std::string> czesci, nazwy;
  for (size_t od = 0;;) {
    const size_t plus = pole.find('+', od);
    czesci.push_back(pole.substr(od, plus - od));
    if (plus == std::string::npos) break;
    od = plus + 1;
  }
  for (size_t i = 0; i < czesci.size();) {
    size_t dlugosc = 1;
    std::string nazwa = czesci[i], dluzsza = nazwa;
    for (size_t j = i + 1; j < czesci.size(); ++j) {
      dluzsza += "+" + czesci[j];
      if (znane.nazwy.contains(dluzsza)) nazwa = dluzsza, dlugosc = j - i + 1;
    }
    if (!nazwa.empty()) nazwy.push_back(nazwa);
    i += dlugosc;
  }
  return nazwy;
}

// Weekday 0 (Monday) to 6 of a day's name in a few languages, -1 for none.
int DzienTygodnia(const std::string& nazwa) {
  static const std::array<std::vector<std::string>, 7> kPoczatki = {{
      {"mon", "pon", "lun", "seg"},
      {"tue", "wt", "die", "mar", "ter"},
      {"wed", "śr", "Śr", "sr", "mit", "mer", "mié", "mie", "qua"},
      {"thu", "czw", "don", "jeu", "jue", "qui"},
      {"fri", "pi", "fre", "ven", "vie", "sex"},
      {"sat", "sob", "sam", "sáb", "sab"},
      {"sun", "nie", "son", "dim", "dom"},
  }};
  std::string male = nazwa;
  for (char& c : male)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  for (size_t d = 0; d < kPoczatki.size(); ++d)
    for (const std::string& p : kPoczatki[d])
      if (male.starts_with(p)) return static_cast<int>(d);
  return -1;
}

// An hour's place from its first number: "08:10", "9.30 - 11.00", "1st",
// "Pd2"; -1 for a name without one.
int KluczGodziny(const std::string& nazwa) {
  const size_t i = nazwa.find_first_of("0123456789");
  if (i == std::string::npos) return -1;
  size_t j = i;
  int h = 0, m = 0;
  while (j < nazwa.size() && j < i + 4 && std::isdigit(static_cast<unsigned char>(nazwa[j])))
    h = h * 10 + (nazwa[j++] - '0');
  if (j + 2 < nazwa.size() && (nazwa[j] == ':' || nazwa[j] == '.') &&
      std::isdigit(static_cast<unsigned char>(nazwa[j + 1])) &&
      std::isdigit(static_cast<unsigned char>(nazwa[j + 2])))
    m = (nazwa[j + 1] - '0') * 10 + (nazwa[j + 2] - '0');
  return h * 60 + m;
}

// The names in the order the key gives when it gives every name its own
// place, otherwise in the order first seen.
std::vector<std::string> Uporzadkuj(std::vector<std::string> nazwy,
                                    int (*klucz)(const std::string&)) {
  std::vector<int> k;
  for (const std::string& n : nazwy) k.push_back(klucz(n));
  std::vector<int> posortowane = k;
  std::sort(posortowane.begin(), posortowane.end());
  if (posortowane.front() < 0 ||
      std::adjacent_find(posortowane.begin(), posortowane.end()) != posortowane.end())
    return nazwy;
  std::vector<size_t> p(nazwy.size());
  std::iota(p.begin(), p.end(), size_t{0});
  std::sort(p.begin(), p.end(), [&](size_t a, size_t b) { return k[a] < k[b]; });
  std::vector<std::string> wynik;
  for (size_t i : p) wynik.push_back(nazwy[i]);
  return wynik;
}

enum { kDzien, kGodzina, kUczniowie, kPrzedmiot, kNauczyciele, kSala };

void Siatka(const std::vector<TWierszTekstu>& t, const std::vector<int>& k, TPlanObcy& p) {
  std::vector<std::string> dni, godziny;
  for (size_t i = 1; i < t.size(); ++i) {
    const std::string &d = Pole(t[i], k[kDzien]), &g = Pole(t[i], k[kGodzina]);
    if (d.empty() || g.empty())
      p.Blad("wiersz " + std::to_string(t[i].linia) + ": brak dnia lub godziny");
    if (std::find(dni.begin(), dni.end(), d) == dni.end()) dni.push_back(d);
    if (std::find(godziny.begin(), godziny.end(), g) == godziny.end()) godziny.push_back(g);
  }
  if (dni.empty()) p.Blad("brak zajęć w planie");
  for (const std::string& d : Uporzadkuj(dni, DzienTygodnia)) p.dni.Dodaj(d);
  for (const std::string& g : Uporzadkuj(godziny, KluczGodziny)) p.godziny.Dodaj(g);
  p.SprawdzSiatke();
}

}  // namespace

bool NaglowekFetCsv(std::string_view poczatek) {
  if (poczatek.starts_with("\xEF\xBB\xBF")) poczatek.remove_prefix(3);
  return poczatek.starts_with("\"Activity Id\"") || poczatek.starts_with("Activity Id");
}

TSzkola CzytajFetCsv(std::string_view tekst, const TObokFetCsv& obok) {
  TPlanObcy p(kFormat);
  const std::vector<TWierszTekstu> t = Tabela(tekst);
  if (t.empty() || !NaglowekFetCsv(t.front().pola.front()))
    p.Blad("brak nagłówka \"Activity Id\",\"Day\",\"Hour\",...");
  const std::vector<int> k =
      Kolumny(t.front(), {"Day", "Hour", "Students Sets", "Subject", "Teachers", "Room"});
  if (k[kDzien] < 0 || k[kGodzina] < 0) p.Blad("brak kolumny \"Day\" lub \"Hour\"");
  const TZnane uczniowie = Uczniowie(obok.uczniowie);
  TZnane nauczyciele, sale;
  DodajKolumne(obok.nauczyciele, "Teacher", nauczyciele);
  DodajKolumne(obok.sale, "Room", sale);
  Siatka(t, k, p);
  for (const std::string& n : nauczyciele.kolejno) p.nauczyciele.Dodaj(n);
  for (const std::string& rok : uczniowie.kolejno) p.oddzialy.Dodaj(rok);
  for (size_t i = 1; i < t.size(); ++i) {
    const TWierszTekstu& w = t[i];
    TLekcjaObca l;
    l.dzien = p.dni.Indeks(Pole(w, k[kDzien]));
    l.godzina = p.godziny.Indeks(Pole(w, k[kGodzina]));
    l.przedmiot = p.przedmioty.Znajdz(Pole(w, k[kPrzedmiot]));
    for (const std::string& n : Rozdziel(Pole(w, k[kNauczyciele]), nauczyciele))
      l.nauczyciele.push_back(p.nauczyciele.Znajdz(n));
    for (const std::string& u : Rozdziel(Pole(w, k[kUczniowie]), uczniowie)) {
      const auto rok = uczniowie.rok.find(u);
      const int o = p.oddzialy.Znajdz(rok == uczniowie.rok.end() ? u : rok->second);
      if (std::find(l.oddzialy.begin(), l.oddzialy.end(), o) == l.oddzialy.end())
        l.oddzialy.push_back(o);
    }
    for (const std::string& r : Rozdziel(Pole(w, k[kSala]), sale))
      l.sale.push_back(p.sale.Znajdz(r));
    p.lekcje.push_back(std::move(l));
  }
  return Zbuduj(p);
}

TSzkola CzytajFetCsv(const std::filesystem::path& plik) {
  const std::string tekst = CzytajPlikObcy(plik, kFormat);
  TObokFetCsv obok;
  const std::string nazwa = Utf8Sciezki(plik.filename());
  const std::string koncowka = "_timetable.csv";
  if (nazwa.size() > koncowka.size() && nazwa.ends_with(koncowka)) {
    const std::string przed = nazwa.substr(0, nazwa.size() - koncowka.size());
    const auto obokPlik = [&](const char* reszta) {
      const std::filesystem::path p = plik.parent_path() / SciezkaZUtf8(przed + reszta);
      std::error_code e;
      return std::filesystem::is_regular_file(p, e) ? CzytajPlikObcy(p, kFormat) : std::string();
    };
    obok = {obokPlik("_students.csv"), obokPlik("_teachers.csv"),
            obokPlik("_rooms_and_buildings.csv")};
  }
  return CzytajFetCsv(std::string_view(tekst), obok);
}

}  // namespace velmor
