#include "gui/app/ffdmain.h"

#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>

#include "gui/app/fdlosa.h"
#include "gui/app/okna.h"
#include "gui/app/pomoc.h"
#include "gui/app/ustawieniaokien.h"
#include "gui/planning/ffddysp.h"

namespace velmor {

Tffdmain::Tffdmain(TParametryUruchomieniowe parametry, QWidget* rodzic)
    : QMainWindow(rodzic, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      parametry_(std::move(parametry)) {
  setObjectName("ffdmain");
  setWindowTitle(kTytulProgramu);
  UstawKontekstPomocy(this, 1);
  UtworzMenu();
  UtworzPrzyciski();
  status_ = new QLabel(this);
  // A long name must not widen the window.
  status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  statusBar()->addWidget(status_, 1);
  resize(360, 100);
  UstawDostepnosc(false);
  ZarejestrujOknoStopki(kOknoGlowne, this);

  for (size_t i = 0; i < mikroplany_.size(); ++i)
    mikroplany_[i] = new Tffddysp(dokument_, static_cast<TMikroplan>(kMikroplanRejonu + i), this);
}

void Tffdmain::PokazNazwe(const QString& nazwa) { status_->setText(nazwa); }

QString Tffdmain::Status() const { return status_->text(); }

void Tffdmain::showEvent(QShowEvent* zdarzenie) {
  QMainWindow::showEvent(zdarzenie);
  if (pokazane_) return;
  pokazane_ = true;
  PierwszePokazanie();
}

void Tffdmain::PierwszePokazanie() {
  const QWidget* glowny = Okna().ffddysp;
  for (int i = 0; i < 4; ++i) mikroplany_[i]->move(glowny->pos() + QPoint(20, 20) * (i + 1));
  const QString tytul = glowny->windowTitle();
  mikroplany_[0]->setWindowTitle(tytul + " rejonu");
  mikroplany_[1]->setWindowTitle(tytul + " sali");
  mikroplany_[2]->setWindowTitle("Kto dyżuruje?");
  mikroplany_[3]->setWindowTitle("Gdzie dyżuruje?");
  OtworzOstatni();
  setWindowTitle(QString(kTytulProgramu) + " 2025");
}

// The last document, or the one named on the command line.
void Tffdmain::OtworzOstatni() {
  Tfdlosa& losa = *Okna().fdlosa;
  if (!losa.CzytajKonfiguracje()) return;
  if (!losa.OtworzPlik(losa.DialogOtwarcia.Nazwa, kRodzajPlanDyzurow)) return;
  losa.DialogZapisu.Nazwa = losa.DialogOtwarcia.Nazwa;
  PokazNazwe(losa.DialogZapisu.Nazwa);
  UstawDostepnosc(true);
}

void Tffdmain::closeEvent(QCloseEvent* zdarzenie) {
  if (!ZapytajOZapis()) {
    zdarzenie->ignore();
    return;
  }
  Okna().fdlosa->ZapiszKonfiguracje();
  zdarzenie->accept();
  emit Zamkniete();
}

}  // namespace velmor
