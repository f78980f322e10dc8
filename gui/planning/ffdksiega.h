#pragma once
// Tffdksiega: the term's cover ledger, a row a teacher: his duties in the
// plan, the cover duties he took, his duties others covered and those
// dropped ("bez zastępstwa"); it follows every change of the plan.
#include <vector>

#include "core/grid/tekstoczka.h"
#include "core/planning/pokrycie.h"
#include "gui/planning/ramki.h"

namespace velmor {

class Tffdksiega : public TRamkaRaportu {
  Q_OBJECT
 public:
  Tffdksiega(const TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic = nullptr);

  const std::vector<TKsiega>& Ksiega() const { return ksiega_; }

 private:
  int Przelicz() override;
  void Oczko(int x, int y, TTekstOczka& ato) const;

  std::vector<TKsiega> ksiega_;
};

}  // namespace velmor
