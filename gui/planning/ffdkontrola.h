#pragma once
// Tffdkontrola: the plan check's findings, one a row: moment, region,
// teacher and what is wrong. A click on a row puts the duty plan's cursor on
// its cell; the findings follow the plan as it changes. Its place and look
// are the user's settings, not the plan's.
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/grid/tekstoczka.h"
#include "core/planning/kontrola.h"
#include "gui/common/uslugi.h"

class QPushButton;
class QTimer;

namespace velmor {

class TCellEdi;

class Tffdkontrola : public QWidget {
  Q_OBJECT
 public:
  Tffdkontrola(TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic = nullptr);

  // Moves the duty plan's cursor to region r and moment k.
  std::function<void(int r, int k)> KursorPlanu;

  // Shows the window with the findings of the plan as it is.
  void Pokaz();
  // Finds again when the plan changed since the last time.
  void Odswiez();

  TCellEdi& Siatka() const { return *siatka_; }
  const std::vector<TUwaga>& Uwagi() const { return uwagi_; }

 protected:
  void hideEvent(QHideEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void Oczko(int x, int y, TTekstOczka& ato) const;
  void PokazKomorke(int y);
  void CzytajUstawienia();
  void ZapiszUstawienia() const;

  TDokument& dok_;
  TCellEdi* siatka_;
  QPushButton *drukuj_, *koniec_;
  QTimer* zegar_;
  std::vector<TUwaga> uwagi_;
  uint64_t rewizja_ = UINT64_MAX;  // of the plan the findings are of
};

}  // namespace velmor
