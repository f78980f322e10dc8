#include "core/grid/edycja.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velmor {
namespace {

constexpr int kNajdluzszaLiczba = 10;
constexpr int kNajwiecejMiejsc = 15;  // beyond this 10^n is no use to a double

bool Cyfra(int k) { return k >= '0' && k <= '9'; }
bool Separator(int k) { return k == '.' || k == ','; }

// "%g" in the C locale, whatever the program's locale is.
std::string TekstLiczby(double x) {
  if (x == 0) return {};
  char bufor[32];
  const auto w = std::to_chars(bufor, bufor + sizeof bufor, x, std::chars_format::general, 6);
  return std::string(bufor, w.ptr);
}

// Digits, "." and a leading "-" only; "," becomes ".".
std::string Oczyszczony(const std::string& tekst) {
  std::string wynik;
  for (char c : tekst) {
    if (c == ',') c = '.';
    if (Cyfra(c) || c == '.' || (c == '-' && wynik.empty())) wynik += c;
  }
  return wynik;
}

// 0 when nothing can be read ("", "-", ".").
double Wartosc(const std::string& czysty) {
  double x = 0;
  if (std::from_chars(czysty.data(), czysty.data() + czysty.size(), x).ec != std::errc()) return 0;
  return x;
}

// At most `miejsc` digits after the point; a "." after a typed separator.
std::string PrzycietyBufor(std::string czysty, int miejsc, bool separator) {
  const size_t kropka = czysty.find('.');
  if (kropka != std::string::npos)
    czysty.resize(std::min(czysty.size(), kropka + 1 + static_cast<size_t>(miejsc)));
  else if (separator) czysty += '.';
  if (czysty.size() > TStanEdycji::kRozmiarBufora) czysty.resize(TStanEdycji::kRozmiarBufora);
  return czysty;
}

}  // namespace

bool edytuj_tekst(TStanEdycji&, std::string& tekst, int& klawisz, int maks, bool wielowierszowy) {
  const auto dlugosc = static_cast<long long>(tekst.size());
  if (klawisz == kKlawiszBackspace && !tekst.empty()) {
    tekst.pop_back();
  } else if (klawisz == kKlawiszUsun && !tekst.empty()) {
    tekst.clear();
  } else if (klawisz == kKlawiszEnter && wielowierszowy && dlugosc < maks - 1LL) {
    tekst += "\r\n";
  } else if (klawisz >= 32 && klawisz <= 255 && klawisz != kKlawiszUsun && dlugosc < maks) {
    tekst += static_cast<char>(klawisz);
  } else {
    return false;
  }
  klawisz = 0;
  return true;
}

bool edytuj_liczbe(TStanEdycji& stan, double& wartosc, int& klawisz, int przycisk, double krok,
                   double min, double max, int miejsc, const void* wlasciciel, int x, int y) {
  miejsc = std::clamp(miejsc, 0, kNajwiecejMiejsc);
  if (miejsc == 0) krok = std::trunc(krok);
  const int klawiszNaWejsciu = klawisz;
  if (przycisk == 1) klawisz = '+';
  if (przycisk == 2) klawisz = '-';
  const bool tenSam = stan.Wlasciciel == wlasciciel && stan.x == x && stan.y == y;

  double kandydat;
  std::string bufor;
  bool separator = false;
  bool krokowo = true;
  if (klawisz == '+') {
    kandydat = wartosc + krok;
  } else if (klawisz == '-') {
    kandydat = wartosc - krok;
  } else if (klawisz == kKlawiszUsun && min > 0) {
    // 0 is not allowed: an empty field for the new number.
    stan = {wlasciciel, x, y, {}, true};
    klawisz = 0;
    return false;
  } else if (klawisz == kKlawiszUsun) {
    kandydat = 0;
  } else {
    krokowo = false;
    if (Separator(klawisz)) {
      if (miejsc == 0) klawisz = 'x';
      else separator = true;
    }
    if (!Cyfra(klawisz) && !Separator(klawisz) && klawisz != kKlawiszBackspace) return false;
    if (!tenSam) stan = {wlasciciel, x, y, TekstLiczby(wartosc), false};
    bufor = stan.Bufor;
    int k = klawisz;
    edytuj_tekst(stan, bufor, k, kNajdluzszaLiczba, false);
    bufor = Oczyszczony(bufor);
    kandydat = Wartosc(bufor);
    // Below the minimum more digits may still reach it: kept, not taken.
    if (kandydat < min) {
      stan.Bufor = PrzycietyBufor(bufor, miejsc, separator);
      stan.Nieprzyjeta = true;
      klawisz = 0;
      return false;
    }
  }
  if (krokowo) stan.x = -1;

  if (!(kandydat >= min && kandydat <= max)) {
    klawisz = klawiszNaWejsciu;
    return false;
  }
  const double skala = std::pow(10.0, miejsc);
  wartosc = std::floor(kandydat * skala + 0.5) / skala;
  if (!krokowo) {
    stan.Bufor = PrzycietyBufor(bufor, miejsc, separator);
    stan.Nieprzyjeta = false;
  }
  klawisz = 0;
  return true;
}

bool Nieprzyjeta(const TStanEdycji& stan, const void* wlasciciel, int x, int y) {
  return stan.Nieprzyjeta && stan.Wlasciciel == wlasciciel && stan.x == x && stan.y == y;
}

}  // namespace velmor
