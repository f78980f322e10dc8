#include "core/import/gpu.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>

#include "core/archive/bledy.h"
#include "core/archive/cp1250.h"
#include "core/archive/sciezka.h"
#include "core/import/budowa.h"

namespace velmor {
namespace {

const std::string kFormat = "GPU";

// Rows of one file; its errors name it: "GPU: GPU004: wiersz 3: ...".
std::vector<TWierszTekstu> Tabela(std::string_view surowy, TKodowanie kodowanie, int numer) {
  const std::string tekst = TekstUtf8(surowy, kodowanie);
  return Wiersze(tekst, Separator(tekst), kFormat + ": GPU00" + std::to_string(numer));
}

// A whole number 1..gora, -1 for anything else.
int Liczba(const std::string& pole, int gora) {
  if (pole.empty() || pole.size() > 4 ||
      !std::all_of(pole.begin(), pole.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return -1;
  const int n = std::stoi(pole);
  return n >= 1 && n <= gora ? n : -1;
}

// GPU004: short name, surname, first name.
void Nauczyciele(std::string_view surowy, TKodowanie kodowanie, TPlanObcy& p) {
  for (const TWierszTekstu& w : Tabela(surowy, kodowanie, 4)) {
    if (w.pola.front().empty()) continue;
    p.nauczyciele.Dodaj(w.pola.front());
    const std::string nazwisko = w.pola.size() > 1 && !w.pola[1].empty() ? w.pola[1] : w.pola[0];
    p.osoby.emplace_back(nazwisko, w.pola.size() > 2 ? w.pola[2] : std::string());
  }
}

// GPU005: short name first.
void Sale(std::string_view surowy, TKodowanie kodowanie, TPlanObcy& p) {
  for (const TWierszTekstu& w : Tabela(surowy, kodowanie, 5))
    if (!w.pola.front().empty()) p.sale.Dodaj(w.pola.front());
}

void Dodaj(std::vector<int>& v, int i) {
  if (std::find(v.begin(), v.end(), i) == v.end()) v.push_back(i);
}

enum { kNumer, kOddzial, kNauczyciel, kPrzedmiot, kSala, kDzien, kGodzina };

// GPU001: one row per lesson, class, teacher and hour; the rows of one
// lesson at one hour are one lesson.
void Lekcje(const std::vector<TWierszTekstu>& t, TPlanObcy& p) {
  int dni = 5, godzin = 0;
  std::map<std::tuple<std::string, int, int>, size_t> lekcje;
  for (const TWierszTekstu& w : t) {
    const std::string gdzie = "GPU001: wiersz " + std::to_string(w.linia) + ": ";
    if (w.pola.size() < 7) p.Blad(gdzie + "mniej niż 7 pól");
    const int d = Liczba(w.pola[kDzien], 7), g = Liczba(w.pola[kGodzina], TDni::kMaksSlotow);
    if (d < 0) p.Blad(gdzie + "dzień \"" + w.pola[kDzien] + "\" to nie liczba 1-7");
    if (g < 0) p.Blad(gdzie + "lekcja \"" + w.pola[kGodzina] + "\" to nie numer lekcji");
    dni = std::max(dni, d);
    godzin = std::max(godzin, g);
    const auto [i, nowa] = lekcje.try_emplace({w.pola[kNumer], d, g}, p.lekcje.size());
    if (nowa) {
      p.lekcje.emplace_back();
      p.lekcje.back().dzien = d - 1;
      p.lekcje.back().godzina = g - 1;
      p.lekcje.back().przedmiot = p.przedmioty.Znajdz(w.pola[kPrzedmiot]);
    }
    TLekcjaObca& l = p.lekcje[i->second];
    if (!w.pola[kNauczyciel].empty())
      Dodaj(l.nauczyciele, p.nauczyciele.Znajdz(w.pola[kNauczyciel]));
    if (!w.pola[kOddzial].empty()) Dodaj(l.oddzialy, p.oddzialy.Znajdz(w.pola[kOddzial]));
    if (!w.pola[kSala].empty()) Dodaj(l.sale, p.sale.Znajdz(w.pola[kSala]));
  }
  for (int d = 1; d <= dni; ++d) p.dni.Dodaj(std::to_string(d));
  for (int g = 1; g <= godzin; ++g) p.godziny.Dodaj(std::to_string(g));
  p.SprawdzSiatke();
}

}  // namespace

TSzkola CzytajGpu(const TPlikiGpu& pliki, TKodowanie kodowanie) {
  TPlanObcy p(kFormat);
  const std::vector<TWierszTekstu> t = Tabela(pliki.gpu001, kodowanie, 1);
  if (t.empty()) p.Blad("brak zajęć w planie");
  Nauczyciele(pliki.gpu004, kodowanie, p);
  Sale(pliki.gpu005, kodowanie, p);
  Lekcje(t, p);
  return Zbuduj(p);
}

std::filesystem::path PlikGpu(const std::filesystem::path& folder, int numer) {
  char nazwa[16];
  std::snprintf(nazwa, sizeof nazwa, "gpu%03d.txt", numer);
  std::error_code e;
  for (const auto& p : std::filesystem::directory_iterator(folder, e))
    if (MaleLitery(Utf8Sciezki(p.path().filename())) == nazwa && p.is_regular_file(e))
      return p.path();
  return {};
}

TSzkola CzytajGpu(const std::filesystem::path& plik, TKodowanie kodowanie,
                  const std::filesystem::path& gpu004, const std::filesystem::path& gpu005) {
  std::error_code e;
  const bool folder = std::filesystem::is_directory(plik, e);
  const std::filesystem::path miejsce = folder ? plik : plik.parent_path();
  const std::filesystem::path glowny = folder ? PlikGpu(plik, 1) : plik;
  if (glowny.empty()) throw EStrumien("GPU: w folderze nie ma pliku GPU001.TXT");
  const auto czytaj = [&](std::filesystem::path p, int numer) {
    if (p.empty()) p = PlikGpu(miejsce.empty() ? "." : miejsce, numer);
    return p.empty() ? std::string() : CzytajPlikObcy(p, kFormat);
  };
  return CzytajGpu(TPlikiGpu{CzytajPlikObcy(glowny, kFormat), czytaj(gpu004, 4), czytaj(gpu005, 5)},
                   kodowanie);
}

bool WierszGpu001(std::string_view poczatek) {
  const std::string tekst = TekstUtf8(poczatek.substr(0, poczatek.find('\n')), TKodowanie::Samo);
  try {
    const std::vector<TWierszTekstu> t = Wiersze(tekst, Separator(tekst), kFormat);
    return !t.empty() && t.front().pola.size() >= 7 && Liczba(t.front().pola[kDzien], 7) > 0 &&
           Liczba(t.front().pola[kGodzina], TDni::kMaksSlotow) > 0;
  } catch (const EStrumien&) {
    return false;
  }
}

}  // namespace velmor
