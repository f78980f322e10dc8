#include "gui/app/ffdmain.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QStatusBar>

#include "gui/common/fdlosa.h"
#include "gui/common/pomoc.h"
#include "gui/common/ustawieniaokien.h"

namespace velmor {

Tffdmain::Tffdmain(const TDokument& dokument, const TParametryUruchomieniowe& parametry,
                   QWidget* rodzic)
    : QMainWindow(rodzic, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      dokument_(dokument),
      parametry_(parametry) {
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
}

void Tffdmain::PokazNazwe(const QString& nazwa) {
  status_->setText(QDir::toNativeSeparators(nazwa));
}

QString Tffdmain::Status() const { return status_->text(); }

void Tffdmain::showEvent(QShowEvent* zdarzenie) {
  QMainWindow::showEvent(zdarzenie);
  if (pokazane_) return;
  pokazane_ = true;
  PierwszePokazanie();
}

void Tffdmain::PierwszePokazanie() {
  if (powiazania_.PierwszePokazanie) powiazania_.PierwszePokazanie();
  OtworzOstatni();
  setWindowTitle(QString(kTytulProgramu) + " 2025");
}

// The last document, or the one named on the command line.
void Tffdmain::OtworzOstatni() {
  Tfdlosa& losa = *powiazania_.Losa;
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
  powiazania_.Losa->ZapiszKonfiguracje();
  zdarzenie->accept();
  emit Zamkniete();
}

}  // namespace velmor
