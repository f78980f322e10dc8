#include "gui/common/dialogi.h"

#include <QFileDialog>
#include <algorithm>

#include "gui/grid/drukarki.h"

namespace velmor {
namespace {

// "*.vlm" also as "*.VLM"; "*.*" as "*".
QString WzorceQt(const QString& wzorce) {
  QStringList wynik;
  for (const QString& w : wzorce.split(';', Qt::SkipEmptyParts)) {
    const QString wzorzec = w.trimmed();
    if (wzorzec == "*.*") {
      wynik << "*";
      continue;
    }
    wynik << wzorzec;
    if (wzorzec.toUpper() != wzorzec) wynik << wzorzec.toUpper();
  }
  return wynik.join(' ');
}

}  // namespace

QString TDialogiSystemowe::WybierzPlik(QWidget* rodzic, const TDialogPliku& d) {
  QFileDialog dialog(rodzic, d.Tytul);
  dialog.setAcceptMode(d.DoZapisu ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(d.DoZapisu ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, d.DoZapisu);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setDefaultSuffix(d.Rozszerzenie);
  dialog.setNameFilters(FiltryQt(d.Filtr));
  if (!d.Nazwa.isEmpty()) dialog.selectFile(d.Nazwa);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  if (d.Wybrany)
    *d.Wybrany = static_cast<int>(
        std::max<qsizetype>(0, dialog.nameFilters().indexOf(dialog.selectedNameFilter())));
  return dialog.selectedFiles().first();
}

QString TDialogiSystemowe::WybierzFolder(QWidget* rodzic, const QString& tytul) {
  return QFileDialog::getExistingDirectory(rodzic, tytul);
}

QMessageBox::StandardButton TDialogiSystemowe::Zapytaj(QWidget* rodzic, const QString& tytul,
                                                       const QString& tekst) {
  QMessageBox pytanie(QMessageBox::Warning, tytul, tekst,
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, rodzic);
  return static_cast<QMessageBox::StandardButton>(pytanie.exec());
}

// The same set-up as the print dialog's, on the program's printer.
void TDialogiSystemowe::UstawieniaDrukarki(QWidget* rodzic, QPrinter& drukarka) {
  UstawDrukarke(drukarka, rodzic);
}

void TDialogiSystemowe::Ostrzez(QWidget* rodzic, const QString& tytul, const QString& tekst) {
  QMessageBox::warning(rodzic, tytul, tekst);
}

QStringList FiltryQt(const QString& filtr) {
  const QStringList czesci = filtr.split('|');
  QStringList wynik;
  for (qsizetype i = 0; i + 1 < czesci.size(); i += 2)
    wynik << QString("%1 (%2)").arg(czesci[i], WzorceQt(czesci[i + 1]));
  return wynik;
}

}  // namespace velmor
