// The print job of Tffdruk: a page range printed, sheets shared by tables.
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QSpinBox>

#include "gui/grid/celledi.h"
#include "gui/grid/drukarki.h"
#include "gui/grid/ffdruk.h"

namespace velmor {

void Tffdruk::Drukuj() {
  bool udane = false;
  try {
    udane = DrukujZakres();
  } catch (...) {
    udane = false;
  }
  if (!udane) Niepowodzenie();
}

bool Tffdruk::DrukujZakres() {
  if (!siatka_ || liczbaStron_ <= 0) return false;
  if (!zadanie_) {
    pozycja_ = 0;
    WyczyscArkusz();
    if (NazwaDrukarki(printer_) == kPlikPdf) {
      const QString plik = PytajOPlik ? PytajOPlik(this, printer_.outputFileName()) : QString();
      if (plik.isEmpty()) {
        Status(" ");
        return true;  // no file named: nothing to print
      }
      printer_.setOutputFileName(plik);
    }
    if (!RozpocznijZadanie()) return false;
  }
  Dopasuj();
  const int pierwsza = od_->value() - 1, ostatnia = do_->value() - 1;
  for (int s = pierwsza; s <= ostatnia; ++s) {
    Status(QString(" Strona %1").arg(s + 1));
    if (!(s == pierwsza ? DrukujPierwsza(s) : RysujStrone(s))) return false;
    if (s < ostatnia && !NowaKartka()) return false;
  }
  if (wysun_->isChecked() || ostatnia < liczbaStron_ - 1) {
    ZakonczZadanie();
  } else {
    // The sheet stays open: the next table's preview shows what it holds.
    QPainter p(&arkusz_);
    int dol = 0;
    siatka_->DrukujStrone(p, ostatnia, dol, tytul_->text(), true, powtarzaj_->isChecked());
  }
  Dopasuj();
  obszar_->update();
  return true;
}

bool Tffdruk::RozpocznijZadanie() {
  printer_.setDocName(tytul_->text());
  auto zadanie = std::make_unique<QPainter>();
  if (!zadanie->begin(&printer_)) return false;
  zadanie_ = std::move(zadanie);
  return true;
}

// The first page of a range may not continue a sheet already in use: a page
// of a later row band starts at the top of a sheet, and a table whose first
// row does not fit below the sheet position is refused by DrukujStrone.
bool Tffdruk::DrukujPierwsza(int strona) {
  const auto opis = siatka_->OpisStrony(strona);
  if (!opis) return false;
  bool czysta = pozycja_ == 0;
  if (!czysta && opis->PasWierszy != 0) {
    if (!NowaKartka()) return false;
    czysta = true;
  }
  if (RysujStrone(strona)) return true;
  if (!czysta && !NowaKartka()) return false;
  return RysujStrone(strona);
}

bool Tffdruk::RysujStrone(int strona) {
  return siatka_->DrukujStrone(*zadanie_, strona, pozycja_, tytul_->text(), false,
                               powtarzaj_->isChecked());
}

bool Tffdruk::NowaKartka() {
  pozycja_ = 0;
  WyczyscArkusz();
  return printer_.newPage();
}

void Tffdruk::ZakonczZadanie() {
  if (zadanie_) zadanie_->end();
  zadanie_.reset();
  pozycja_ = 0;
  WyczyscArkusz();
}

// A PDF printer cannot abort: ending it writes a whole file, so the file of
// an abandoned job is removed.
void Tffdruk::Porzuc() {
  if (!zadanie_) return;
  const bool pdf = printer_.outputFormat() == QPrinter::PdfFormat;
  printer_.abort();
  ZakonczZadanie();
  if (pdf) QFile::remove(printer_.outputFileName());
}

void Tffdruk::Niepowodzenie() {
  Status(QString::fromUtf8("Wydruk się nie powiódł..."));
  if (zadanie_ && wysun_->isChecked()) ZakonczZadanie();
}

void Tffdruk::Opcje() {
  Porzuc();
  UstawDrukarke(printer_, this);
  RozmiescPodglad();
  Uloz();
}

}  // namespace velmor
