#pragma once
// Tffdkarty: "Dyżury nauczycieli", every teacher's duties as a block for his
// pigeonhole: his name, each duty (day, break, region, minutes) and his
// totals. Printable like every table; it follows the plan as it changes.
#include <QWidget>
#include <cstdint>
#include <vector>

#include "core/document/dokument.h"
#include "core/grid/tekstoczka.h"
#include "gui/common/uslugi.h"

class QPushButton;
class QTimer;

namespace velmor {

class TCellEdi;

class Tffdkarty : public QWidget {
  Q_OBJECT
 public:
  Tffdkarty(TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic = nullptr);

  void Pokaz();
  // Builds the blocks again when the plan changed since the last time.
  void Odswiez();

  TCellEdi& Siatka() const { return *siatka_; }

 protected:
  void hideEvent(QHideEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  // A row of the sheet: a teacher's name, one of his duties, or his totals.
  struct TWiersz {
    enum { kNazwisko, kDyzur, kSuma, kOdstep } Rodzaj;
    int Nauczyciel = -1, Moment = -1, Rejon = -1;
  };
  void Oczko(int x, int y, TTekstOczka& ato) const;

  TDokument& dok_;
  TCellEdi* siatka_;
  QPushButton *drukuj_, *koniec_;
  QTimer* zegar_;
  std::vector<TWiersz> wiersze_;
  std::vector<int> dyzury_, minuty_;  // per teacher
  uint64_t rewizja_ = UINT64_MAX;
};

}  // namespace velmor
