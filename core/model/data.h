#pragma once
// Dates as days since 30 December 1899 in a double (the OLE Automation form).
#include <optional>
#include <string>

namespace velmor {

struct TDataKalendarzowa {
  int Rok, Miesiac, Dzien;
};

// Years 1 to 9999 only; nothing for a day that does not exist.
std::optional<double> ZakodujDate(int rok, int miesiac, int dzien);
// The calendar day of a date in the years 1 to 9999.
TDataKalendarzowa RozkodujDate(double data);
bool DataWZakresie(double data);
// 1 = Sunday ... 7 = Saturday.
int DzienTygodnia(double data);
// "2026-12-14" and "14.12.2026"; "" for a date outside the years 1 to 9999.
std::string DataIso(double data);
std::string DataPolska(double data);
// Today's local date, without a time.
double Dzisiaj();

}  // namespace velmor
