#pragma once
// Tffdkarty: "Dyżury nauczycieli", every teacher's duties as a block for his
// pigeonhole: his name, each duty (day, break, region, minutes) and his
// totals. Printable like every table; it follows the plan as it changes.
#include <vector>

#include "core/grid/tekstoczka.h"
#include "gui/planning/ramki.h"

namespace velmor {

class Tffdkarty : public TRamkaRaportu {
  Q_OBJECT
 public:
  Tffdkarty(const TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic = nullptr);

 private:
  // A row of the sheet: a teacher's name, one of his duties, his totals, a gap.
  struct TWiersz {
    enum { kNazwisko, kDyzur, kSuma, kOdstep } Rodzaj;
    int Nauczyciel = -1, Moment = -1, Rejon = -1;
  };
  int Przelicz() override;
  void Oczko(int x, int y, TTekstOczka& ato) const;

  std::vector<TWiersz> wiersze_;
  std::vector<int> dyzury_, minuty_;  // per teacher
};

}  // namespace velmor
