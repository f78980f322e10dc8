#pragma once
// Tffdzastepstwa: the day's cover. A date; the absences that day, added and
// removed; the duties they leave, one a row, with who covers each; the
// candidates of the duty under the cursor in the variant list's look, to
// enter with a double click. "Wpisz automatycznie" covers the day; the rows
// print, and go out as a page or as a message text.
#include <functional>
#include <string>
#include <vector>

#include "core/grid/tekstoczka.h"
#include "core/planning/pokrycie.h"
#include "gui/planning/ramki.h"

class QPushButton;
class QDateEdit;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace velmor {

class Tffdzastepstwa : public TRamkaRaportu {
  Q_OBJECT
 public:
  Tffdzastepstwa(const TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic = nullptr);

  // Saves the day's page (UTF-8 HTML) where the user says.
  std::function<void(const std::string& html)> ZapiszStrone;

  int DataDnia() const { return data_; }
  void UstawDate(int dzien);
  const std::vector<TPozycjaPokrycia>& Pozycje() const { return pozycje_; }
  const std::vector<TKandydatPokrycia>& Kandydaci() const { return kandydaci_; }
  TCellEdi& SiatkaKandydatow() const { return *kandydaciSiatka_; }
  QListWidget* Nieobecni() const { return nieobecni_; }
  // The teachers to add as absent: several for a class trip.
  QListWidget* Nauczyciele() const { return nauczyciele_; }
  QSpinBox* OdLekcji() const { return odLekcji_; }
  QSpinBox* DoLekcji() const { return doLekcji_; }
  QDateEdit* DoDnia() const { return doDnia_; }
  QLineEdit* Powod() const { return powod_; }

  // The commands of the window's buttons.
  // One absence for each teacher selected, as one step.
  void DodajNieobecnosc();
  // The selected absence takes the form's teacher, last day, periods and reason.
  void ZmienNieobecnosc();
  void UsunNieobecnosc();
  void WpiszAutomatycznie();
  // The candidate of row y enters the current duty; kZamkniete: none needed.
  void Wpisz(int kto);
  void KopiujWiadomosc() const;

 protected:
  void hideEvent(QHideEvent* e) override;

 private:
  int Przelicz() override;
  void Oczko(int x, int y, TTekstOczka& ato) const;
  void OczkoKandydata(int x, int y, TTekstOczka& ato) const;
  void OdswiezKandydatow();
  void OdswiezNieobecnych();
  // The form's absence for teacher t.
  TNieobecnosc Formularz(int t) const;
  std::vector<int> Wybrani() const;
  void DoFormularza(int wiersz);
  const TPozycjaPokrycia* Biezaca() const;

  TUslugiOkna& uslugi_;
  int data_;
  std::vector<TPozycjaPokrycia> pozycje_;
  std::vector<TKandydatPokrycia> kandydaci_;
  std::vector<size_t> nieobecnosciDnia_;  // the rows of the absences list, in the plan's list
  TCellEdi* kandydaciSiatka_;
  QDateEdit *dzien_, *doDnia_;
  QListWidget* nieobecni_;
  QListWidget* nauczyciele_;
  std::vector<QPushButton*> dniTygodnia_;  // Monday to Sunday of the date's week
  QSpinBox *odLekcji_, *doLekcji_;
  QLineEdit* powod_;
};

}  // namespace velmor
