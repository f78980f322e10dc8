#pragma once
// Tffdlistab: the judged candidates of one duty cell, best first, from which
// the user picks the teacher to enter.
#include <QDialog>
#include <functional>

#include "core/planning/wpis.h"

class QPushButton;

#include "gui/common/uslugi.h"

namespace velmor {

class TCellEdi;
struct TModele;

class Tffdlistab : public QDialog, public TWyborWariantu {
  Q_OBJECT
 public:
  Tffdlistab(const TModele& modele, TUslugiOkna& uslugi, QWidget* rodzic = nullptr);

  // The list the run fills; the window shows whichever list it is given.
  TListaWariantow& Lista() { return wlasna_; }

  // Shows the list sorted by score; -2 when cancelled, -1 when the row
  // chosen may not be entered, otherwise its teacher.
  int wybierz_wariant(TListaWariantow& lista) override;
  // The same, or with `pokaz` false the first record by the choice rule.
  int wybierz_wariant(TListaWariantow& lista, bool pokaz);
  void sortuj_warianty(int kolumna);

  // Moves the visible companion windows to a teacher and moment.
  std::function<void(int nauczyciel, int moment)> Towarzysze;

  TCellEdi* Siatka() const { return siatka_; }
  QPushButton* Wpisz() const { return wpisz_; }
  QPushButton* Zamknij() const { return zamknij_; }

  void done(int wynik) override;
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void PodlaczSiatke();
  const TWariant* Wiersz(int y) const;

  const TModele& modele_;
  TListaWariantow wlasna_;
  TListaWariantow* lista_ = &wlasna_;
  bool anulowano_ = false;
  TCellEdi* siatka_;
  QPushButton *wpisz_, *zamknij_;
};

}  // namespace velmor
