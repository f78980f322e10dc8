#include "gui/grid/drukarki.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "gui/grid/tytul.h"

namespace velmor {
namespace {

const QPageSize::PageSizeId kPapiery[] = {QPageSize::A4, QPageSize::A3,     QPageSize::A5,
                                          QPageSize::B5, QPageSize::Letter, QPageSize::Legal};

class TUstawieniaDrukarki : public QDialog {
 public:
  TUstawieniaDrukarki(QPrinter& p, QWidget* rodzic) : QDialog(rodzic), p_(p) {
    setWindowTitle(QString::fromUtf8("Ustawienia wydruku"));
    MiejsceNaTytul(this);
    auto* uklad = new QFormLayout(this);
    drukarki_ = Lista("drukarki");
    drukarki_->addItems(DostepneDrukarki());
    drukarki_->setCurrentText(NazwaDrukarki(p));
    papier_ = Lista("papier");
    const QPageSize::PageSizeId obecny = p.pageLayout().pageSize().id();
    for (auto id : kPapiery) {
      papier_->addItem(QPageSize::name(id), static_cast<int>(id));
      if (id == obecny) papier_->setCurrentIndex(papier_->count() - 1);
    }
    orientacja_ = Lista("orientacja");
    orientacja_->addItems({QString::fromUtf8("Pionowa"), QString::fromUtf8("Pozioma")});
    orientacja_->setCurrentIndex(p.pageLayout().orientation() == QPageLayout::Landscape);
    uklad->addRow(QString::fromUtf8("Drukarka"), drukarki_);
    uklad->addRow(QString::fromUtf8("Papier"), papier_);
    uklad->addRow(QString::fromUtf8("Orientacja"), orientacja_);
    auto* przyciski = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    przyciski->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("Anuluj"));
    connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);
    uklad->addRow(przyciski);
  }

  void Zastosuj() {
    WybierzDrukarke(p_, drukarki_->currentText());
    p_.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(papier_->currentData().toInt())));
    p_.setPageOrientation(orientacja_->currentIndex() == 1 ? QPageLayout::Landscape
                                                           : QPageLayout::Portrait);
  }

 private:
  QComboBox* Lista(const char* nazwa) {
    auto* c = new QComboBox(this);
    c->setObjectName(nazwa);
    return c;
  }

  QPrinter& p_;
  QComboBox *drukarki_, *papier_, *orientacja_;
};

}  // namespace

const QString kPlikPdf = "Plik PDF";

QStringList DostepneDrukarki() {
  QStringList nazwy = QPrinterInfo::availablePrinterNames();
  nazwy.removeAll(kPlikPdf);
  nazwy << kPlikPdf;
  return nazwy;
}

QString NazwaDrukarki(const QPrinter& p) {
  if (p.outputFormat() == QPrinter::PdfFormat || p.printerName().isEmpty()) return kPlikPdf;
  return p.printerName();
}

void WybierzDrukarke(QPrinter& p, const QString& nazwa) {
  const QPageLayout uklad = p.pageLayout();
  if (nazwa != kPlikPdf && QPrinterInfo::availablePrinterNames().contains(nazwa)) {
    p.setOutputFileName(QString());
    p.setOutputFormat(QPrinter::NativeFormat);
    p.setPrinterName(nazwa);
  } else {
    p.setOutputFormat(QPrinter::PdfFormat);
  }
  p.setPageSize(uklad.pageSize());
  p.setPageOrientation(uklad.orientation());
}

bool UstawDrukarke(QPrinter& p, QWidget* rodzic) {
  TUstawieniaDrukarki okno(p, rodzic);
  if (okno.exec() != QDialog::Accepted) return false;
  okno.Zastosuj();
  return true;
}

QString PlikPdf(QWidget* rodzic, const QString& poprzedni) {
  QString plik = QFileDialog::getSaveFileName(rodzic, QString::fromUtf8("Drukuj do pliku"),
                                              poprzedni, "PDF (*.pdf)");
  if (!plik.isEmpty() && !plik.endsWith(".pdf", Qt::CaseInsensitive)) plik += ".pdf";
  return plik;
}

}  // namespace velmor
