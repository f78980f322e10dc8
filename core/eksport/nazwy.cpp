#include "core/eksport/nazwy.h"

#include <algorithm>
#include <numeric>
#include <sstream>

#include "core/archive/cp1250.h"
#include "core/eksport/wspolne.h"

namespace velmor {
namespace {

// Words joined by single blanks, in lower case (Windows-1250).
std::string Klucz(std::string_view cp1250) {
  std::istringstream slowa{std::string(cp1250)};
  std::string wynik;
  for (std::string s; slowa >> s;) wynik += (wynik.empty() ? "" : " ") + s;
  return MaleLitery(wynik);
}

size_t Odleglosc(const std::string& a, const std::string& b) {
  std::vector<size_t> wiersz(b.size() + 1);
  std::iota(wiersz.begin(), wiersz.end(), size_t{0});
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t ukos = wiersz[0];
    wiersz[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t gora = wiersz[j];
      wiersz[j] = std::min({wiersz[j] + 1, wiersz[j - 1] + 1, ukos + (a[i - 1] != b[j - 1])});
      ukos = gora;
    }
  }
  return wiersz[b.size()];
}

size_t WspolnyPoczatek(const std::string& a, const std::string& b) {
  size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  return i;
}

// ASCII letters of the Windows-1250 bytes 0xC0-0xFF, '_' for the signs.
constexpr std::string_view kLitery =
    "RAAAALCCCEEEEIIDDNNOOOO_RUUUUYTsraaaalccceeeeiiddnnoooo_ruuuuyt_";

char ZnakPliku(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-')
    return static_cast<char>(c);
  if (c >= 0xC0) return kLitery[c - 0xC0];
  switch (c) {
    case 0x8A: return 'S';  // Š
    case 0x8C: return 'S';  // Ś
    case 0x8D: return 'T';  // Ť
    case 0x8E: return 'Z';  // Ž
    case 0x8F: return 'Z';  // Ź
    case 0x9A: return 's';  // š
    case 0x9C: return 's';  // ś
    case 0x9D: return 't';  // ť
    case 0x9E: return 'z';  // ž
    case 0x9F: return 'z';  // ź
    case 0xA3: return 'L';  // Ł
    case 0xA5: return 'A';  // Ą
    case 0xAA: return 'S';  // Ş
    case 0xAF: return 'Z';  // Ż
    case 0xB3: return 'l';  // ł
    case 0xB9: return 'a';  // ą
    case 0xBA: return 's';  // ş
    case 0xBC: return 'L';  // Ľ
    case 0xBE: return 'l';  // ľ
    case 0xBF: return 'z';  // ż
    default: return '_';
  }
}

}  // namespace

std::vector<int> ZnajdzNauczycieli(const TModele& m, std::string_view nazwa) {
  const std::string szukana = Klucz(Utf8DoCp1250(nazwa));
  std::vector<int> wynik;
  for (const bool odwrotnie : {false, true}) {
    for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
      const TNaucz& n = m.Nauczyciele[t];
      if (Klucz(odwrotnie ? n.Imie + " " + n.Nazwisko : n.Nazwisko + " " + n.Imie) == szukana)
        wynik.push_back(t);
    }
    if (!wynik.empty()) break;
  }
  return wynik;
}

std::vector<std::string> PodobniNauczyciele(const TModele& m, std::string_view nazwa, size_t ile) {
  const std::string szukana = Klucz(Utf8DoCp1250(nazwa));
  struct TKandydat {
    size_t Odleglosc;
    int Nauczyciel;
  };
  std::vector<TKandydat> kandydaci;
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
    const TNaucz& n = m.Nauczyciele[t];
    const std::string k = Klucz(n.Nazwisko + " " + n.Imie);
    const size_t d =
        std::min(Odleglosc(szukana, k), Odleglosc(szukana, Klucz(n.Imie + " " + n.Nazwisko)));
    // Close enough: a few letters wrong, or the same first three letters.
    if (d <= std::max<size_t>(2, szukana.size() / 3) || WspolnyPoczatek(szukana, k) >= 3)
      kandydaci.push_back({d, t});
  }
  std::stable_sort(kandydaci.begin(), kandydaci.end(), [](const TKandydat& a, const TKandydat& b) {
    return a.Odleglosc < b.Odleglosc;
  });
  std::vector<std::string> wynik;
  for (const TKandydat& k : kandydaci) {
    if (wynik.size() >= ile) break;
    wynik.push_back(NazwiskoImie(m.Nauczyciele[k.Nauczyciel]));
  }
  return wynik;
}

std::string NazwaPlikuNauczyciela(const TNaucz& n) {
  std::string wynik;
  for (const char c : n.Nazwisko + " " + n.Imie) {
    const char z = ZnakPliku(static_cast<unsigned char>(c));
    // One '_' for a run of blanks and signs; the name starts with a letter or digit.
    if ((z == '_' || z == '-') && (wynik.empty() || wynik.back() == '_')) continue;
    wynik += z;
  }
  while (!wynik.empty() && wynik.back() == '_') wynik.pop_back();
  if (wynik.size() > 100) wynik.resize(100);
  return wynik.empty() ? "nauczyciel" : wynik;
}

}  // namespace velmor
