#pragma once
// Tffdwynikopt: what an optimal entry did: the cells filled before and after,
// what fairness cost against the most convenient plan, the cells left empty
// with the reasons, and every teacher's load against his limits, as a table
// and as bars. A click on an empty cell moves the duty plan's cursor there.
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

#include "core/planning/optimum.h"

class QLabel;
class QTableWidget;

namespace velmor {

class TWykresObciazen;

class Tffdwynikopt : public QWidget {
  Q_OBJECT
 public:
  explicit Tffdwynikopt(QWidget* rodzic = nullptr);

  // Shows the run over `obszar` that found `wynik` with `przed` cells of it
  // filled; m is the plan after the run.
  void Pokaz(const TModele& m, const TObszar& obszar, const TZasadyOceny& z,
             const TWynikOptimum& wynik, int przed);

  // Moves the duty plan's cursor to region r and moment k.
  std::function<void(int r, int k)> PokazKomorke;

  QLabel* Podsumowanie() const { return podsumowanie_; }
  QTableWidget* Puste() const { return puste_; }
  QTableWidget* Obciazenia() const { return obciazenia_; }
  QLabel* Rownosc() const { return rownosc_; }
  TWykresObciazen* Wykres() const { return wykres_; }

 private:
  void WypelnijPuste(const TModele& m, const std::vector<std::pair<int, int>>& komorki,
                     const TZasadyOceny& z);
  void WypelnijObciazenia(const TModele& m);

  QLabel* podsumowanie_;
  QLabel* rownosc_;
  QTableWidget* puste_;
  QTableWidget* obciazenia_;
  TWykresObciazen* wykres_;
};

}  // namespace velmor
