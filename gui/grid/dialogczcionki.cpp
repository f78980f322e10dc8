#include "gui/grid/dialogczcionki.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/grid/celledi.h"
#include "gui/grid/tekst.h"

namespace velmor {

TDialogCzcionki::TDialogCzcionki(const TCzcionka& f, QWidget* rodzic)
    : QDialog(rodzic),
      kroj_(new QFontComboBox(this)),
      rozmiar_(new QSpinBox(this)),
      probka_(new QLabel(QString::fromUtf8("AaĄąŻż 123"), this)),
      kolor_(new QPushButton(QString::fromUtf8("Kolor..."), this)),
      barwa_(f.Kolor),
      zestaw_(f.ZestawZnakow) {
  setWindowTitle(QString::fromUtf8("Czcionka"));
  const QFont poczatkowa = TCellEdi::QCzcionka(f);
  kroj_->setCurrentFont(poczatkowa);
  rozmiar_->setRange(kNajmniejsza, kNajwieksza);
  rozmiar_->setValue(std::clamp(f.Rozmiar, kNajmniejsza, kNajwieksza));
  auto* pola = new QFormLayout;
  pola->addRow(QString::fromUtf8("Krój:"), kroj_);
  pola->addRow(QString::fromUtf8("Rozmiar:"), rozmiar_);
  const char* const podpisy[kLiczbaStyli] = {"Pogrubiona", "Pochylona", "Podkreślona",
                                             "Przekreślona"};
  const bool stany[kLiczbaStyli] = {f.Pogrubiona, f.Pochylona, f.Podkreslona, f.Przekreslona};
  for (int s = 0; s < kLiczbaStyli; ++s) {
    style_[s] = new QCheckBox(QString::fromUtf8(podpisy[s]), this);
    style_[s]->setChecked(stany[s]);
    pola->addRow(style_[s]);
    connect(style_[s], &QCheckBox::toggled, this, [this] { PokazProbke(); });
  }
  connect(kroj_, &QFontComboBox::currentFontChanged, this, [this] { PokazProbke(); });
  connect(rozmiar_, &QSpinBox::valueChanged, this, [this] { PokazProbke(); });
  kolor_->setObjectName("kolor");
  kolor_->setAutoDefault(false);
  connect(kolor_, &QPushButton::clicked, this, [this] {
    if (const auto k = WybierzKolor(this, barwa_)) UstawKolor(*k);
  });
  auto* przyciski = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  przyciski->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("Anuluj"));
  connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);
  probka_->setMinimumHeight(40);
  auto* uklad = new QVBoxLayout(this);
  uklad->addLayout(pola);
  uklad->addWidget(probka_);
  uklad->addWidget(kolor_);
  uklad->addWidget(przyciski);
  UstawKolor(barwa_);
}

QFont TDialogCzcionki::Wybrana() const {
  QFont f = kroj_->currentFont();
  f.setPointSize(rozmiar_->value());
  f.setBold(style_[kPogrubiona]->isChecked());
  f.setItalic(style_[kPochylona]->isChecked());
  f.setUnderline(style_[kPodkreslona]->isChecked());
  f.setStrikeOut(style_[kPrzekreslona]->isChecked());
  return f;
}

void TDialogCzcionki::PokazProbke() {
  probka_->setFont(Wybrana());
  probka_->setStyleSheet(QString("color: %1").arg(QKolor(barwa_).name()));
}

void TDialogCzcionki::UstawKolor(uint32_t kolor) {
  barwa_ = kolor;
  kolor_->setStyleSheet(QString("color: %1").arg(QKolor(kolor).name()));
  PokazProbke();
}

TCzcionka TDialogCzcionki::Czcionka() const { return TCellEdi::ZQFont(Wybrana(), barwa_, zestaw_); }

std::optional<TCzcionka> WybierzCzcionke(QWidget* rodzic, const TCzcionka& f) {
  TDialogCzcionki okno(f, rodzic);
  if (okno.exec() != QDialog::Accepted) return std::nullopt;
  return okno.Czcionka();
}

std::optional<uint32_t> WybierzKolor(QWidget* rodzic, uint32_t kolor) {
  const QColor k = QColorDialog::getColor(QKolor(kolor), rodzic);
  if (!k.isValid()) return std::nullopt;
  return Kolor(k);
}

}  // namespace velmor
