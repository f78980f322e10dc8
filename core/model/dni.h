#pragma once
// Days of the school week and their periods; the slot numbering through the week.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/archive/strumien.h"
#include "core/model/wektor.h"
#include "core/model/wspolne.h"

namespace velmor {

struct TGodz {
  std::string Nazwa;  // the period's label, as the timetable gives it
  bool operator==(const TGodz&) const = default;
};

struct TDzien {
  std::vector<TGodz> Godziny;
  uint32_t Kolor = kKolorDomyslny;
  bool operator==(const TDzien&) const = default;
};

class TDni {
 public:
  static constexpr int kMaksDni = 390;
  static constexpr int kMaksSlotow = 9750;

  TDni();  // 5 days without periods, starting on the Monday from today

  std::vector<TDzien> Dni;
  double DataPoczatku = 0;
  uint8_t Znacznik1 = 0, Znacznik2 = 0;
  int32_t PierwszyDzien = -1, OstatniDzien = -1;

  // Derived by Przelicz.
  int NajdluzszyDzien = 0;
  TWektor<int> DniSzkolne;

  void Przelicz();
  int LiczbaSlotow() const { return static_cast<int>(dzienSlotu_.size()); }
  int PierwszySlot(int d) const { return pierwszySlot_[static_cast<size_t>(d)]; }
  // kBrakSlotu when the day has no such period.
  int Slot(int d, int p) const;
  // (day, period) of a slot; (0, 0) for a slot that does not exist.
  std::pair<int, int> DzienILekcja(int s) const;
  // The weekday name of day d (Windows-1250), cut to k characters when k > 0.
  static std::string NazwaDnia(int d, int k);

  // Raises EStrumien for a malformed section, more than 390 days or more than
  // 9750 slots.
  void Czytaj(TOrvelOdczyt& s, int rodzaj);
  void Zapisz(TOrvelZapis& s) const;
  bool operator==(const TDni&) const = default;

 private:
  std::vector<int32_t> pierwszySlot_{0};
  std::vector<int16_t> dzienSlotu_, lekcjaSlotu_;
};

}  // namespace velmor
