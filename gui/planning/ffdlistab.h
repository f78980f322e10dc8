#pragma once
// Tffdlistab: the judged candidates of one duty cell, best first, from which
// the user picks the teacher to enter.
#include <functional>

#include "core/planning/wpis.h"
#include "gui/planning/ramki.h"

class QPushButton;

namespace velmor {

class TCellEdi;
struct TModele;

class Tffdlistab : public TRamkaListy, public TWyborWariantu {
  Q_OBJECT
 public:
  Tffdlistab(const TModele& modele, TUslugiOkna& uslugi, QWidget* rodzic = nullptr);

  // The list the run fills; the window shows whichever list it is given.
  TListaWariantow& Lista() { return wlasna_; }

  // Shows the list sorted by score; kWyborPrzerwany when cancelled,
  // kBezWyboru when the row chosen may not be entered, otherwise its teacher.
  int wybierz_wariant(TListaWariantow& lista) override;
  // The same, or with `pokaz` false the first record by the choice rule.
  int wybierz_wariant(TListaWariantow& lista, bool pokaz);
  void sortuj_warianty(int kolumna);

  // Moves the visible companion windows to a teacher and moment.
  std::function<void(int nauczyciel, int moment)> Towarzysze;

  void done(int wynik) override;

 private:
  void PodlaczSiatke();
  const TWariant* Wiersz(int y) const;

  const TModele& modele_;
  TListaWariantow wlasna_;
  TListaWariantow* lista_ = &wlasna_;
};

}  // namespace velmor
