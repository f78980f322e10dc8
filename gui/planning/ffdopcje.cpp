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
namespace {

const char* const kPodpisy[] = {"Dyżury przed lekcjami (nauczyciel musi wcześniej przyjść)",
                                "Dyżury po lekcjach (nauczyciel musi dłużej zostać)",
                                "Dyżur na tylko jednej długiej przerwie dziennie",
                                "Dopuszczaj kandydatów z zastrzeżeniem",
                                "W planie użyj koloru nauczyciela"};

}  // namespace

Tffdopcje::Tffdopcje(TOpcje& opcje, QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      opcje_(opcje),
      limit_(new QSpinBox(this)) {
  setObjectName("ffdopcje");
  setWindowTitle("Opcje");
  UstawKontekstPomocy(this, 240);
  auto* szczegoly = new QGroupBox(QString::fromUtf8("Szczegóły wpisywania automatycznego"), this);
  auto* inne = new QGroupBox("Inne", this);
  auto* ukladSzczegolow = new QVBoxLayout(szczegoly);
  auto* ukladInnych = new QVBoxLayout(inne);
  for (size_t i = 0; i < pola_.size(); ++i) {
    pola_[i] = new QCheckBox(QString::fromUtf8(kPodpisy[i]), this);
    (kBajty[i] != 4 ? ukladSzczegolow : ukladInnych)->addWidget(pola_[i]);
  }
  limit_->setRange(1, 255);
  limit_->setSuffix(" s");
  auto* wierszLimitu = new QHBoxLayout;
  wierszLimitu->addWidget(new QLabel(QString::fromUtf8("Czas szukania planu optymalnego"), this));
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

QCheckBox* Tffdopcje::Pole(int bajt) const {
  for (size_t i = 0; i < kBajty.size(); ++i)
    if (kBajty[i] == bajt) return pola_[i];
  return nullptr;
}

void Tffdopcje::Pokaz() {
  for (size_t i = 0; i < kBajty.size(); ++i)
    pola_[i]->setChecked(opcje_.Bajty[static_cast<size_t>(kBajty[i])] != 0);
  limit_->setValue(opcje_.LimitSekund());
  exec();
  for (size_t i = 0; i < kBajty.size(); ++i)
    opcje_.Bajty[static_cast<size_t>(kBajty[i])] = pola_[i]->isChecked() ? 1 : 0;
  // An untouched default stays 0, as older files have it.
  if (limit_->value() != opcje_.LimitSekund())
    opcje_.Bajty[6] = static_cast<uint8_t>(limit_->value());
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
