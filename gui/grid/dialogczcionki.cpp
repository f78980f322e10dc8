#include "gui/grid/dialogczcionki.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/grid/celledi.h"
#include "gui/grid/tekst.h"

namespace velmor {

TDialogCzcionki::TDialogCzcionki(const TCzcionka& f, QWidget* rodzic)
    : QDialog(rodzic), barwa_(f.Kolor), zestaw_(f.ZestawZnakow) {
  setWindowTitle(QString::fromUtf8("Czcionka"));
  auto* uklad = new QVBoxLayout(this);
  wybor_ = new QFontDialog(TCellEdi::QCzcionka(f), this);
  wybor_->setOption(QFontDialog::NoButtons);
  wybor_->setOption(QFontDialog::DontUseNativeDialog);
  wybor_->setWindowFlags(Qt::Widget);
  uklad->addWidget(wybor_);
  kolor_ = new QPushButton(QString::fromUtf8("Kolor..."), this);
  kolor_->setObjectName("kolor");
  kolor_->setAutoDefault(false);
  uklad->addWidget(kolor_);
  connect(kolor_, &QPushButton::clicked, this, [this] {
    if (const auto k = WybierzKolor(this, barwa_)) UstawKolor(*k);
  });
  UstawKolor(barwa_);
  auto* przyciski = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  przyciski->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("Anuluj"));
  connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);
  uklad->addWidget(przyciski);
}

void TDialogCzcionki::UstawKolor(uint32_t kolor) {
  barwa_ = kolor;
  kolor_->setStyleSheet(QString("color: %1").arg(QKolor(kolor).name()));
}

TCzcionka TDialogCzcionki::Czcionka() const {
  QFont f = wybor_->currentFont();
  if (f.pointSize() > 0) f.setPointSize(std::clamp(f.pointSize(), kNajmniejsza, kNajwieksza));
  else f.setPointSize(8);
  return TCellEdi::ZQFont(f, barwa_, zestaw_);
}

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
