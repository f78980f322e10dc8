#pragma once
// The window settings that close a duty-plan file: every window's rectangle
// and its table's look, in a fixed order.
#include <array>

#include "core/archive/napisy.h"
#include "core/archive/strumien.h"
#include "core/grid/ustawienia.h"

namespace velmor {

enum TOknoStopki {
  kOknoGlowne,
  kOknoMomenty,
  kOknoRejony,
  kOknoLimity,
  kOknoPlan,      // duty plan editor, followed by its check box byte
  kOknoWybor,     // variant chooser
  kOknoWarianty,  // variant list
  kOknoSale,      // room picker: rectangle only
  kOknoPlanNauczycieli,
  kOknoStatystyka,
  kOknoMikroplan,
  kOknoMikroplan1,  // the four extra micro-plans follow
  kLiczbaOkienStopki = kOknoMikroplan1 + 4
};

struct TZapisOkna {
  TProstokat Prostokat;  // all zero: never placed
  TUstawieniaSiatki Siatka;
  bool operator==(const TZapisOkna&) const = default;
};

struct TStopka {
  std::array<TZapisOkna, kLiczbaOkienStopki> Okna;
  bool WpisujAutomatycznie = false;  // the duty plan editor's check box

  static bool MaSiatke(int okno) { return okno != kOknoGlowne && okno != kOknoSale; }

  // Reads as far as the file goes: what cannot be read in full, and
  // everything after a damaged table block, stays as it was.
  void Czytaj(TOrvelOdczyt& s, int wersjaPliku, const TProstokat& pulpit);
  // Table blocks in the current form, `wersjaPliku` as their version byte.
  void Zapisz(TOrvelZapis& s, int wersjaPliku) const;
  bool operator==(const TStopka&) const = default;
};

}  // namespace velmor
