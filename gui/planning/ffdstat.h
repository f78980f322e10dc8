#pragma once
// Tffdstat: every teacher's duty count and minutes, as text and as two
// gauges, as of the last call of pokaz_statystyke.
#include <vector>

#include "gui/planning/ramki.h"

class QLabel;
class QPushButton;

namespace velmor {

class TCellEdi;
class TDokument;
class TTekstOczka;

class Tffdstat : public TRamkaTowarzysza {
  Q_OBJECT
 public:
  Tffdstat(const TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic = nullptr);

  // Recounts the loads; the cursor on the teacher's column when valid.
  void pokaz_statystyke(int nauczyciel);

  QPushButton* Drukuj() const { return drukuj_; }
  QPushButton* Koniec() const { return koniec_; }
  // The spread of the loads over all teachers.
  QLabel* Podsumowanie() const { return podsumowanie_; }

 private:
  void Naglowek(int t, TTekstOczka& ato) const;
  void Oczko(int x, int y, TTekstOczka& ato) const;
  void Slupki(QPainter& p, int x, int x0, int y0) const;
  bool Policzony(int x) const { return x >= 0 && static_cast<size_t>(x) < dyzury_.size(); }

  const TDokument& dok_;
  std::vector<int> dyzury_, minuty_;
  QPushButton *drukuj_, *koniec_;
  QLabel* podsumowanie_;
};

}  // namespace velmor
