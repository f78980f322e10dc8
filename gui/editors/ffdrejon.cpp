#include "gui/editors/ffdrejon.h"

#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/document/dokument.h"
#include "gui/common/przyciski.h"
#include "gui/common/ramka.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/common/zmiany.h"
#include "gui/grid/celledi.h"
#include "gui/grid/kolor.h"
#include "gui/grid/tekst.h"
#include "gui/planning/towarzysze.h"

namespace velmor {

Tffdrejon::Tffdrejon(const TDokument& dokument, TUslugiOkna& uslugi, TTowarzysze& towarzysze,
                     Tffdodaj& sale, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window),
      dok_(dokument),
      uslugi_(uslugi),
      towarzysze_(towarzysze),
      sale_(sale),
      siatka_(new TCellEdi(this)) {
  QVBoxLayout* uklad = RamkaOkna(this, "ffdrejon", "Rejony dyżurów", 120);
  ZbudujPrzyciski();
  QToolBar* pasek = PasekOkna(uklad, polecenia_);
  paleta_ = new TKolor(this);
  paleta_->setFixedSize(100, 24);
  paleta_->OnAkcja = [this](TKolor&, uint32_t kolor) { Koloruj(kolor); };
  pasek->addWidget(paleta_);
  uklad->addWidget(siatka_, 1);
  auto* pasekStanu = new QStatusBar(this);
  status_ = new QLabel(this);
  pasekStanu->addWidget(status_, 1);
  uklad->addWidget(pasekStanu);
  siatka_->UstawIlx(2);
  siatka_->UstawSzerInfo(30);
  siatka_->UstawSzerIo(0, 100);
  siatka_->UstawSzerIo(1, 300);
  PodlaczSiatke();
  resize(480, 300);
  // The stored look may bring another shape; the regions decide it.
  uslugi.OknaStopki().Zarejestruj(kOknoRejony, this, siatka_, [this] {
    siatka_->UstawIlx(2);
    siatka_->UstawIly(std::max(dok_.Rejony.Liczba(), 1));
  });
  connect(&uslugi.Zmiany(), &TZmianyDokumentu::Zmieniono, this, &Tffdrejon::Odswiez);
}

void Tffdrejon::ZbudujPrzyciski() {
  const TOpisPolecenia opis[kLiczbaPolecen] = {
      {QStyle::SP_DialogSaveButton, "Zapisz", [this] { uslugi_.Zapisz(); }},
      {QStyle::SP_FileDialogNewFolder, "Dodaj rejon", [this] { DodajRejon(); }},
      {QStyle::SP_TrashIcon, "Usuń rejon", [this] { UsunRejon(); }},
      {QStyle::SP_DialogApplyButton, "Drukuj", [this] { uslugi_.Drukuj(*siatka_, "Orvel"); }},
      {QStyle::SP_DialogCloseButton, "Koniec", [this] { close(); }},
  };
  for (int i = 0; i < kLiczbaPolecen; ++i) polecenia_[i] = PrzyciskPolecenia(this, opis[i]);
}

QString Tffdrejon::Status() const { return status_->text(); }

bool Tffdrejon::JestRejon(int y) const { return dok_.Rejony.Istnieje(y); }

void Tffdrejon::Odswiez() {
  if (!isVisible()) return;
  siatka_->UstawIly(std::max(dok_.Rejony.Liczba(), 1));
  siatka_->OdswiezAll();
}

void Tffdrejon::Pokaz() {
  siatka_->UstawIly(std::max(dok_.Rejony.Liczba(), 1));
  if (isVisible()) siatka_->OdswiezAll();
  else show();
  raise();
  activateWindow();
  siatka_->setFocus();
}

void Tffdrejon::DodajRejon() {
  TDokument::TZmiana zmiana = uslugi_.Zmien("Dodaj rejon");
  TModele& m = zmiana.Modele();
  const int n = m.Rejony.Liczba();
  m.WstawRejon(n > 0 ? siatka_->Kury() + 1 : 0);
  if (dok_.Rejony.Liczba() >= 2) siatka_->UstawIly(siatka_->Ily() + 1);
  // Typing goes on to the new region's name.
  siatka_->UstawKursor(0, n > 0 ? siatka_->Kury() + 1 : 0);
  siatka_->OdswiezAll();
  siatka_->setFocus();
}

void Tffdrejon::UsunRejon() {
  TDokument::TZmiana zmiana = uslugi_.Zmien("Usuń rejon");
  TModele& m = zmiana.Modele();
  const int r = siatka_->Kury();
  const std::string nazwa = JestRejon(r) ? dok_.Rejony[r].Nazwa : std::string();
  if (m.UsunRejon(r)) {
    if (dok_.Rejony.Liczba() > 0) siatka_->UstawIly(siatka_->Ily() - 1);
    siatka_->OdswiezAll();
    // No question asked: the removal is one step to undo.
    status_->setText(QString::fromUtf8("Usunięto rejon ") + QTekst(nazwa) + " (Ctrl+Z cofa)");
  }
  siatka_->setFocus();
}

void Tffdrejon::Koloruj(uint32_t kolor) {
  TDokument::TZmiana zmiana = uslugi_.Zmien("Koloruj");
  NaWierszach([&](int r) {
    zmiana.Modele().Rejony[r].Kolor = kolor;
    siatka_->OdswiezRow(r);
  });
}

void Tffdrejon::NaWierszach(const std::function<void(int r)>& f) {
  siatka_->ini_sel_iterator(2);
  int x = 0, y = 0;
  while (siatka_->sel_iterator(x, y))
    if (JestRejon(y)) f(y);
}

void Tffdrejon::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) close();
  else QWidget::keyPressEvent(e);
}

// The region and room micro-plans go with the window.
void Tffdrejon::closeEvent(QCloseEvent* e) {
  for (TMikroplan i : {kMikroplanRejonu, kMikroplanSali})
    if (QWidget* okno = towarzysze_.Mikroplan(i); okno && okno->isVisible()) okno->close();
  QWidget::closeEvent(e);
}

}  // namespace velmor
