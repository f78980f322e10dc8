#pragma once
// Tffdkontrola: the plan check's findings, one a row: moment, region,
// teacher and what is wrong. A click on a row puts the duty plan's cursor on
// its cell; the findings follow the plan as it changes. Its place and look
// are the user's settings, not the plan's.
#include <functional>
#include <vector>

#include "core/grid/tekstoczka.h"
#include "core/planning/kontrola.h"
#include "gui/planning/ramki.h"

namespace velmor {

class Tffdkontrola : public TRamkaRaportu {
  Q_OBJECT
 public:
  Tffdkontrola(const TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic = nullptr);

  // Moves the duty plan's cursor to region r and moment k.
  std::function<void(int r, int k)> KursorPlanu;

  const std::vector<TUwaga>& Uwagi() const { return uwagi_; }

 protected:
  void hideEvent(QHideEvent* e) override;

 private:
  int Przelicz() override;
  void Oczko(int x, int y, TTekstOczka& ato) const;
  void PokazKomorke(int y);
  void CzytajUstawienia();
  void ZapiszUstawienia() const;

  std::vector<TUwaga> uwagi_;
};

}  // namespace velmor
