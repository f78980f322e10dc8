#pragma once
// Tffdplann: the duty table from the teachers' side, a column per teacher
// and a row per moment, each cell naming the region of the teacher's duty.
#include <functional>

#include "gui/planning/ramki.h"

class QPushButton;

namespace velmor {

class TCellEdi;
class TDokument;
class TTekstOczka;

class Tffdplann : public TRamkaTowarzysza {
  Q_OBJECT
 public:
  Tffdplann(const TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic = nullptr);

  // Moves the duty plan editor's cursor to region r and moment m.
  std::function<void(int rejon, int moment)> KursorPlanu;

  // The cursor on the teacher's column and the moment's row, where valid.
  void pokaz_plan(int nauczyciel, int moment);

  QPushButton* Drukuj() const { return drukuj_; }
  QPushButton* Zamknij() const { return zamknij_; }

 private:
  void Wiersz(int m, TTekstOczka& ato) const;
  void Naglowek(int t, TTekstOczka& ato) const;
  void Oczko(int x, int y, TTekstOczka& ato) const;
  bool Istnieje(int x, int y) const;
  void Akcja(int x, int y, int button);

  const TDokument& dok_;
  QPushButton *drukuj_, *zamknij_;
};

}  // namespace velmor
