#include "gui/app/ffdyzerr.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/common/pomoc.h"
#include "gui/common/przyciski.h"

namespace velmor {

Tffdyzerr::Tffdyzerr(QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
  setObjectName("ffdyzerr");
  setWindowTitle("Błąd w programie");
  setModal(true);
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, Qt::red);
  paleta.setColor(QPalette::WindowText, Qt::white);
  setPalette(paleta);
  setAutoFillBackground(true);

  etykieta_ = new QLabel(this);
  QFont czcionka("MS Sans Serif");
  czcionka.setPixelSize(16);
  czcionka.setBold(true);
  etykieta_->setFont(czcionka);
  etykieta_->setMinimumWidth(380);
  szczegol_ = new QLabel(this);
  szczegol_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  szczegol_->setWordWrap(true);

  skomentuj_ = PlaskiPrzycisk(this, QStyle::SP_DialogHelpButton, "Skomentuj");
  zamknij_ = PlaskiPrzycisk(this, QStyle::SP_DialogCloseButton, "Zamknij");
  connect(skomentuj_, &QToolButton::clicked, this, [this] { PokazPomoc(temat_); });
  connect(zamknij_, &QToolButton::clicked, this, &QDialog::accept);

  auto* przyciski = new QVBoxLayout;
  przyciski->addWidget(skomentuj_);
  przyciski->addWidget(zamknij_);
  przyciski->addStretch();
  auto* teksty = new QVBoxLayout;
  teksty->addWidget(etykieta_);
  teksty->addWidget(szczegol_);
  teksty->addStretch();
  auto* uklad = new QHBoxLayout(this);
  uklad->addLayout(teksty, 1);
  uklad->addLayout(przyciski);
}

QString Tffdyzerr::Tekst() const { return etykieta_->text(); }

QString Tffdyzerr::Szczegol() const { return szczegol_->text(); }

void Tffdyzerr::Pokaz(int kod, const QString& szczegol) {
  const TOpisBledu* opis = OpisBledu(kod);
  temat_ = 1000 + 10 * kod;
  UstawKontekstPomocy(this, temat_);
  etykieta_->setText(opis ? QString::fromUtf8(opis->Komunikat) : QString(" %1").arg(kod));
  szczegol_->setText(szczegol);
  szczegol_->setVisible(!szczegol.isEmpty());
  if (!isVisible()) exec();
}

void Tffdyzerr::keyPressEvent(QKeyEvent* zdarzenie) {
  if (!zdarzenie->text().isEmpty() || zdarzenie->key() == Qt::Key_Escape) accept();
  else QDialog::keyPressEvent(zdarzenie);
}

void Tffdyzerr::mousePressEvent(QMouseEvent*) { accept(); }

void Tffdyzerr::showEvent(QShowEvent* zdarzenie) {
  adjustSize();
  if (const QScreen* ekran = QGuiApplication::primaryScreen())
    move(ekran->availableGeometry().center() - rect().center());
  QDialog::showEvent(zdarzenie);
}

}  // namespace velmor
