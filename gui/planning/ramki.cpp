#include "gui/planning/ramki.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>

#include "core/document/dokument.h"
#include "gui/common/pomoc.h"
#include "gui/common/ramka.h"
#include "gui/common/zmiany.h"
#include "gui/grid/celledi.h"
#include "gui/grid/klawisze.h"
#include "gui/planning/wspolne.h"

namespace velmor {

TRamkaTowarzysza::TRamkaTowarzysza(const char* nazwa, const char* tytul, int pomoc, QWidget* rodzic)
    : QWidget(rodzic, Qt::Tool), panel_(new QHBoxLayout), siatka_(new TCellEdi(this)) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setObjectName(nazwa);
  setWindowTitle(QString::fromUtf8(tytul));
  UstawKontekstPomocy(this, pomoc);
  auto* uklad = new QVBoxLayout(this);
  uklad->addLayout(panel_);
  uklad->addWidget(siatka_, 1);
}

void TRamkaTowarzysza::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) close();
  else QWidget::keyPressEvent(e);
}

void TRamkaTowarzysza::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  emit Ukryty();
}

TRamkaRaportu::TRamkaRaportu(const TDokument& dokument, TUslugiOkna& uslugi, const char* nazwa,
                             const char* tytul, int pomoc, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window), dok_(dokument), siatka_(new TCellEdi(this)) {
  QVBoxLayout* uklad = RamkaOkna(this, nazwa, tytul, pomoc);
  auto* panel = new QHBoxLayout;
  QPushButton* drukuj = PrzyciskPanelu(this, panel, "Drukuj");
  QPushButton* koniec = PrzyciskPanelu(this, panel, "Koniec");
  panel->addStretch(1);
  uklad->addLayout(panel);
  uklad->addWidget(siatka_, 1);
  SchowekPierwszaLinia(*siatka_);
  PodlaczDialogi(*siatka_, uslugi, {}, drukuj, [this] { return windowTitle(); });
  connect(koniec, &QPushButton::clicked, this, &QWidget::close);
  connect(&uslugi.Zmiany(), &TZmianyDokumentu::Zmieniono, this, [this] {
    if (isVisible()) Odswiez();
  });
}

void TRamkaRaportu::Pokaz() {
  Odswiez();
  show();
  raise();
  activateWindow();
}

void TRamkaRaportu::Odswiez() {
  siatka_->UstawIly(std::max(Przelicz(), 1));
  siatka_->OdswiezAll();
}

void TRamkaRaportu::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) close();
  else QWidget::keyPressEvent(e);
}

TRamkaListy::TRamkaListy(const char* nazwa, const char* tytul, const char* zamknij,
                         TUslugiOkna& uslugi, QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      panel_(new QHBoxLayout),
      siatka_(new TCellEdi(this)),
      wpisz_(new QPushButton("Wpisz wariant i zamknij", this)),
      zamknij_(new QPushButton(QString::fromUtf8(zamknij), this)) {
  setObjectName(nazwa);
  setWindowTitle(QString::fromUtf8(tytul).trimmed());
  UstawKontekstPomocy(this, 200);
  setModal(true);
  connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
          [&uslugi] { uslugi.Zapisz(); });
  for (QPushButton* p : {wpisz_, zamknij_}) {
    p->setAutoDefault(false);
    p->setFocusPolicy(Qt::NoFocus);
    panel_->addWidget(p);
  }
  connect(wpisz_, &QPushButton::clicked, this, &QDialog::accept);
  connect(zamknij_, &QPushButton::clicked, this, &QDialog::reject);
  siatka_->UstawSzerInfo(30);
  auto* uklad = new QVBoxLayout(this);
  uklad->addLayout(panel_);
  uklad->addWidget(siatka_, 1);
}

void TRamkaListy::reject() {
  anulowano_ = true;
  QDialog::reject();
}

void TRamkaListy::keyPressEvent(QKeyEvent* e) {
  switch (KodKlawisza(*e)) {
    case VK_ESCAPE: reject(); break;
    case VK_RETURN: accept(); break;
    default: QDialog::keyPressEvent(e);
  }
}

// Marked as placed, the dialog is no longer centred at its next showing:
// it comes back where it was, also when the user moved it.
void TRamkaListy::hideEvent(QHideEvent* e) {
  QDialog::hideEvent(e);
  setAttribute(Qt::WA_Moved);
}

}  // namespace velmor
