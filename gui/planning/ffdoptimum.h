#pragma once
// Tffdoptimum: the optimal entry's progress. The search runs on a copy of the
// models in a worker thread while the dialog shows the best plan's cells, the
// bound and the time against its limit; "Przerwij" ends it with the best
// plan found.
#include <QDialog>
#include <atomic>
#include <mutex>

#include "core/planning/optimum.h"

class QLabel;
class QPushButton;

namespace velmor {

class Tffdoptimum : public QDialog {
  Q_OBJECT
 public:
  explicit Tffdoptimum(QWidget* rodzic = nullptr);

  // Fills m (the caller's copy) as wpisz_optymalnie does, showing the
  // dialog until the search ends.
  TWynikOptimum Szukaj(TModele& m, const TObszar& obszar, const TZasadyOceny& z,
                       TUstawieniaOptimum u);

  QPushButton* Przerwij() const { return przerwij_; }

 protected:
  // Escape and the close button stop the search; the dialog waits for it.
  void reject() override;

 private:
  void Pokaz(double sekundy);

  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  TPostepOptimum postep_;  // the worker's last report, under mutex_
  double limitSekund_ = 0;
  QLabel* wpisano_;
  QLabel* granica_;
  QLabel* czas_;
  QPushButton* przerwij_;
};

}  // namespace velmor
