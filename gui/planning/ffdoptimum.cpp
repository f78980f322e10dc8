#include "gui/planning/ffdoptimum.h"

#include <QElapsedTimer>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>
#include <thread>

#include "gui/grid/tytul.h"

namespace velmor {

Tffdoptimum::Tffdoptimum(QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      wpisano_(new QLabel(this)),
      granica_(new QLabel(this)),
      czas_(new QLabel(this)),
      przerwij_(new QPushButton("Przerwij", this)) {
  setObjectName("ffdoptimum");
  setWindowTitle("Wpisz optymalnie");
  MiejsceNaTytul(this);
  setModal(true);
  auto* pola = new QFormLayout;
  pola->addRow(QString::fromUtf8("Wpisane komórki:"), wpisano_);
  pola->addRow(QString::fromUtf8("Najwyżej możliwe:"), granica_);
  pola->addRow("Czas:", czas_);
  auto* uklad = new QVBoxLayout(this);
  uklad->addLayout(pola);
  uklad->addWidget(przerwij_, 0, Qt::AlignRight);
  przerwij_->setToolTip(QString::fromUtf8("Zakończ szukanie z najlepszym znalezionym planem"));
  connect(przerwij_, &QPushButton::clicked, this, &Tffdoptimum::reject);
}

void Tffdoptimum::reject() {
  stop_ = true;
  przerwij_->setEnabled(false);
}

void Tffdoptimum::Pokaz(double sekundy) {
  TPostepOptimum p;
  {
    std::lock_guard blokada(mutex_);
    p = postep_;
  }
  wpisano_->setText(QString::number(p.Wpisano));
  granica_->setText(QString::number(p.NajwyzejMozliwe));
  czas_->setText(
      QString::fromUtf8("%1 s z %2 s").arg(sekundy, 0, 'f', 1).arg(limitSekund_, 0, 'f', 0));
}

TWynikOptimum Tffdoptimum::Szukaj(TModele& m, const TObszar& obszar, const TZasadyOceny& z,
                                  TUstawieniaOptimum u) {
  stop_ = false;
  limitSekund_ = u.LimitSekund;
  przerwij_->setEnabled(true);
  postep_ = {};
  u.Przerwij = &stop_;
  u.Postep = [this](const TPostepOptimum& p) {
    std::lock_guard blokada(mutex_);
    postep_ = p;
  };
  TWynikOptimum wynik;
  std::exception_ptr blad;
  std::atomic<bool> gotowe{false};
  std::thread watek([&] {
    try {
      wynik = wpisz_optymalnie(m, obszar, z, u);
    } catch (...) {
      blad = std::current_exception();
    }
    gotowe = true;
  });
  QElapsedTimer stoper;
  stoper.start();
  QTimer zegar;
  connect(&zegar, &QTimer::timeout, this, [&] {
    Pokaz(static_cast<double>(stoper.elapsed()) / 1000.0);
    if (gotowe) accept();
  });
  Pokaz(0.0);
  zegar.start(100);
  exec();
  watek.join();
  if (blad) std::rethrow_exception(blad);
  return wynik;
}

}  // namespace velmor
