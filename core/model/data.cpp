#include "core/model/data.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace velmor {
namespace {

constexpr long kDni1970 = 25569;             // 1 January 1970 as a date value
constexpr double kNajmniejsza = -693593.0;   // 1 January 0001
constexpr double kPozaZakresem = 2958466.0;  // 1 January 10000

bool Przestepny(int r) { return (r % 4 == 0 && r % 100 != 0) || r % 400 == 0; }

int DniMiesiaca(int r, int m) {
  static constexpr int kDni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && Przestepny(r) ? 29 : kDni[m - 1];
}

// Days since 1 January 1970 of a proleptic Gregorian date.
long DniOd1970(int r, int m, int d) {
  r -= m <= 2;
  const long era = (r >= 0 ? r : r - 399) / 400;
  const long rokEry = r - era * 400;
  const long dzienRoku = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long dzienEry = rokEry * 365 + rokEry / 4 - rokEry / 100 + dzienRoku;
  return era * 146097 + dzienEry - 719468;
}

}  // namespace

std::optional<double> ZakodujDate(int rok, int miesiac, int dzien) {
  if (rok < 1 || rok > 9999 || miesiac < 1 || miesiac > 12 || dzien < 1 ||
      dzien > DniMiesiaca(rok, miesiac))
    return std::nullopt;
  return static_cast<double>(DniOd1970(rok, miesiac, dzien) + kDni1970);
}

TDataKalendarzowa RozkodujDate(double data) {
  const long z = static_cast<long>(std::trunc(data)) - kDni1970 + 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long dzienEry = z - era * 146097;
  const long rokEry = (dzienEry - dzienEry / 1460 + dzienEry / 36524 - dzienEry / 146096) / 365;
  const long dzienRoku = dzienEry - (365 * rokEry + rokEry / 4 - rokEry / 100);
  const long mp = (5 * dzienRoku + 2) / 153;
  const int d = static_cast<int>(dzienRoku - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {static_cast<int>(rokEry + era * 400 + (m <= 2)), m, d};
}

bool DataWZakresie(double data) {
  return std::isfinite(data) && data >= kNajmniejsza && data < kPozaZakresem;
}

int DzienTygodnia(double data) {
  const long d = static_cast<long>(std::trunc(data));
  return static_cast<int>(((d % 7 + 7) % 7 + 6) % 7) + 1;
}

double Dzisiaj() {
  const std::time_t teraz = std::time(nullptr);
  const std::tm* lokalny = std::localtime(&teraz);
  return static_cast<double>(
      DniOd1970(lokalny->tm_year + 1900, lokalny->tm_mon + 1, lokalny->tm_mday) + kDni1970);
}

std::string DataIso(double data) {
  if (!DataWZakresie(data)) return "";
  const TDataKalendarzowa d = RozkodujDate(data);
  char tekst[16];
  std::snprintf(tekst, sizeof tekst, "%04d-%02d-%02d", d.Rok, d.Miesiac, d.Dzien);
  return tekst;
}

std::string DataPolska(double data) {
  if (!DataWZakresie(data)) return "";
  const TDataKalendarzowa d = RozkodujDate(data);
  char tekst[16];
  std::snprintf(tekst, sizeof tekst, "%02d.%02d.%04d", d.Dzien, d.Miesiac, d.Rok);
  return tekst;
}

}  // namespace velmor
