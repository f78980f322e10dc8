#pragma once
// Tffdruk: the print dialog every table window opens with its print button.
// It previews a page, sets margins, size, headers, colouring and the page
// range, and prints. A print job may stay open after a table so that the
// next table continues on the same sheet.
#include <QDialog>
#include <QImage>
#include <QPointer>
#include <functional>
#include <memory>

#include "core/grid/strona.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPrinter;
class QPushButton;
class QSpinBox;

namespace velmor {

class TCellEdi;

class Tffdruk : public QDialog {
  Q_OBJECT
 public:
  // Prints on the program's printer.
  // `drukarka`: the program's printer, chosen and set up once for every printout.
  explicit Tffdruk(QPrinter& drukarka, QWidget* rodzic = nullptr);
  ~Tffdruk() override;  // a job still open is aborted

  // Shows the dialog for the grid; gives the title as finally edited.
  QString drukuj_tabele(TCellEdi& siatka, const QString& tytul);
  // What drukuj_tabele does before showing the dialog.
  void Wczytaj(TCellEdi& siatka, const QString& tytul);

  void Uloz();    // lays the pages out again
  void Drukuj();  // prints the page range
  void Opcje();   // printer set-up

  QPrinter& Printer() { return printer_; }
  int LiczbaStron() const { return liczbaStron_; }
  int Podglad() const { return podglad_; }
  int PozycjaArkusza() const { return pozycja_; }
  bool ZadanieOtwarte() const { return zadanie_ != nullptr; }
  const QImage& Arkusz() const { return arkusz_; }
  QWidget* ObszarPodgladu() const { return obszar_; }

  // Asks for the PDF file's name when a job begins on the PDF file printer
  // (a save dialog by default); empty: not printed.
  std::function<QString(QWidget*, const QString& poprzedni)> PytajOPlik;

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void Zbuduj();
  QWidget* ZbudujLewyPanel();
  void RozmiescPodglad();
  void UlozStrony();
  void Dopasuj();
  TOpcjeWydruku Opcje_() const;
  void RysujPodglad(QPainter& p);
  bool KontynuujeArkusz(int strona) const;
  void Przewin(int o);
  void Status(const QString& tekst);
  bool RozpocznijZadanie();
  bool DrukujZakres();
  bool DrukujPierwsza(int strona);
  bool RysujStrone(int strona);
  bool NowaKartka();
  void ZakonczZadanie();
  void Porzuc();  // aborts an open job
  void Niepowodzenie();
  void WyczyscArkusz();

  QPointer<TCellEdi> siatka_;
  QPrinter& printer_;
  std::unique_ptr<QPainter> zadanie_;  // the open job's painter
  QImage arkusz_;                      // what the open sheet already holds
  bool pierwsze_ = true;
  int przesuniecie_ = 0;  // of the preview, when the controls need more room
  int liczbaStron_ = 0;
  int podglad_ = 0;
  int pozycja_ = 0;        // printer y below which the next table continues
  int pozycjaUkladu_ = 0;  // the sheet position the layout was made for

  QLineEdit* tytul_;
  QSpinBox *lewy_, *prawy_, *gorny_, *dolny_, *rozmiar_, *od_, *do_;
  QCheckBox *zaznaczony_, *leweNaglowki_, *gorneNaglowki_, *wysun_, *powtarzaj_;
  QButtonGroup* kolorowanie_;
  QLabel *liczba_, *nazwaDrukarki_, *status_;
  QPushButton *wstecz_, *dalej_;
  QWidget* obszar_;
};

}  // namespace velmor
