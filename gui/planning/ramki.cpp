#include "gui/planning/ramki.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

#include "gui/common/pomoc.h"
#include "gui/grid/celledi.h"
#include "gui/grid/klawisze.h"

namespace velmor {

TRamkaTowarzysza::TRamkaTowarzysza(const char* nazwa, const char* tytul, int pomoc, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window | Qt::WindowStaysOnTopHint),
      panel_(new QHBoxLayout),
      siatka_(new TCellEdi(this)) {
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

TRamkaListy::TRamkaListy(const char* nazwa, const char* tytul, const char* zamknij, QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      panel_(new QHBoxLayout),
      siatka_(new TCellEdi(this)),
      wpisz_(new QPushButton("Wpisz wariant i zamknij", this)),
      zamknij_(new QPushButton(QString::fromUtf8(zamknij), this)) {
  setObjectName(nazwa);
  setWindowTitle(QString::fromUtf8(tytul));
  UstawKontekstPomocy(this, 200);
  setModal(true);
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

}  // namespace velmor
