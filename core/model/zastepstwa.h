#pragma once
// Absences of teachers on calendar dates and the cover of their duties.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/archive/strumien.h"

namespace velmor {

// A teacher away from date Od to date Do (days since 30 December 1899,
// inclusive); on each of those days from period OdLekcji to DoLekcji
// (from 1; 0: from the first, to the last).
struct TNieobecnosc {
  uint8_t Nauczyciel = 0;
  int32_t Od = 0, Do = 0;
  uint8_t OdLekcji = 0, DoLekcji = 0;
  std::string Powod;  // Windows-1250
  bool operator==(const TNieobecnosc&) const = default;
};

// Who takes the duty of region Rejon at moment Moment on date Data:
// a teacher, or kZamkniete for "bez zastępstwa".
struct TZastepstwo {
  int32_t Data = 0;
  uint16_t Moment = 0;
  uint8_t Rejon = 0;
  uint8_t Nauczyciel = 0;
  bool operator==(const TZastepstwo&) const = default;
};

class TZastepstwa {
 public:
  std::vector<TNieobecnosc> Nieobecnosci;
  std::vector<TZastepstwo> Pokrycia;

  bool Puste() const { return Nieobecnosci.empty() && Pokrycia.empty(); }
  // The cover of that cell on that date, or nullptr.
  const TZastepstwo* Pokrycie(int data, int moment, int rejon) const;

  // Duty-plan files only, the section older readers do not know. Raises
  // EStrumien for a record naming a teacher, slot or region that does not
  // exist, or a date out of range.
  void Czytaj(TOrvelOdczyt& s, int nauczycieli, int sloty, int rejonow);
  void Zapisz(TOrvelZapis& s) const;
  // Teachers, regions or slots renumbered: each function gives an old
  // index its new one, -1 for one gone; records of what is gone are dropped.
  using TNumer = std::function<int(int)>;
  void Przenumeruj(const TNumer& nauczyciel, const TNumer& rejon, const TNumer& slot);
  bool operator==(const TZastepstwa&) const = default;
};

}  // namespace velmor
