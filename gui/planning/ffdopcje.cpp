#include "gui/planning/ffdopcje.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/model/opcje.h"
#include "gui/common/pomoc.h"

namespace velmor {

Tffdopcje::Tffdopcje(QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      limit_(new QSpinBox(this)) {
  setObjectName("ffdopcje");
  setWindowTitle("Opcje");
  UstawKontekstPomocy(this, 240);
  auto* szczegoly = new QGroupBox(QString::fromUtf8("Szczegóły wpisywania automatycznego"), this);
  auto* inne = new QGroupBox("Inne", this);
  auto* ukladSzczegolow = new QVBoxLayout(szczegoly);
  auto* ukladInnych = new QVBoxLayout(inne);
  for (size_t i = 0; i < pola_.size(); ++i) {
    pola_[i] = new QCheckBox(QString::fromUtf8(kOpcje[i].Podpis), this);
    (kOpcje[i].WpisAutomatyczny ? ukladSzczegolow : ukladInnych)->addWidget(pola_[i]);
  }
  limit_->setRange(1, kNajwiekszyLimitSekund);
  limit_->setSuffix(" s");
  auto* wierszLimitu = new QHBoxLayout;
  wierszLimitu->addWidget(new QLabel(QString::fromUtf8(kPodpisLimitu), this));
  wierszLimitu->addWidget(limit_);
  wierszLimitu->addStretch();
  ukladSzczegolow->addLayout(wierszLimitu);
  auto* koniec = new QToolButton(this);
  koniec->setAutoRaise(true);
  koniec->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  koniec->setToolTip("Koniec");
  connect(koniec, &QToolButton::clicked, this, &QDialog::accept);
  koniec_ = koniec;
  auto* uklad = new QVBoxLayout(this);
  uklad->addWidget(szczegoly);
  uklad->addWidget(inne);
  uklad->addWidget(koniec, 0, Qt::AlignRight);
  uklad->setSizeConstraint(QLayout::SetFixedSize);
}

QCheckBox* Tffdopcje::Pole(TOpcja opcja) const {
  for (size_t i = 0; i < kOpcje.size(); ++i)
    if (kOpcje[i].Opcja == opcja) return pola_[i];
  return nullptr;
}

void Tffdopcje::Pokaz(TOpcje& opcje) {
  for (size_t i = 0; i < kOpcje.size(); ++i) pola_[i]->setChecked(opcje.Wlaczona(kOpcje[i].Opcja));
  limit_->setValue(opcje.LimitSekund());
  exec();
  for (size_t i = 0; i < kOpcje.size(); ++i) opcje.Ustaw(kOpcje[i].Opcja, pola_[i]->isChecked());
  opcje.UstawLimitSekund(limit_->value());
}

void Tffdopcje::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (const QScreen* ekran = screen()) {
    QRect r = frameGeometry();
    r.moveCenter(ekran->availableGeometry().center());
    move(r.topLeft());
  }
}

}  // namespace velmor
