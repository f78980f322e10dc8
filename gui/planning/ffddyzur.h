#pragma once
// Tffddyzur: the duty plan editor. A column per duty region, a row per duty
// moment, each cell the teacher on duty; teachers are entered by hand or
// automatically, removed, and cells closed to entries. Five toggle buttons
// keep companion windows on the cursor cell.
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/document/historia.h"

class QCheckBox;
class QToolButton;

namespace velmor {

class TCellEdi;
class TDokument;
class TTowarzysze;
class TUslugiOkna;
class TWyborWariantu;
class Tffdwynikopt;
struct TObszar;
struct TTekstOczka;

// Where the duty table lies in the editor's grid: data column 0 and row 0
// hold the labels, so region r is data column r + 1 and moment m data row
// m + 1; the grid's own cell coordinates (as of its selection) count its
// header too, one more again.
namespace komorki_planu {
constexpr int kEtykiet = 1;  // label columns before the regions, rows before the moments
constexpr int X(int rejon) { return rejon + kEtykiet; }
constexpr int Y(int moment) { return moment + kEtykiet; }
constexpr int Rejon(int x) { return x - kEtykiet; }
constexpr int Moment(int y) { return y - kEtykiet; }
constexpr int RejonKolumny(int kolumnaSiatki) { return Rejon(kolumnaSiatki - 1); }
constexpr int MomentWiersza(int wierszSiatki) { return Moment(wierszSiatki - 1); }
}  // namespace komorki_planu

class Tffddyzur : public QWidget {
  Q_OBJECT
 public:
  enum TPolecenie {
    kZapisz,
    kRecznie,
    kUsun,
    kAutomatycznie,
    kOptymalnie,
    kZakaz,
    kOpcje,
    kKontrola,
    kDrukuj,
    kKoniec,
    kLiczbaPolecen
  };
  // The companion windows, in the order of their buttons.
  enum TTowarzysz {
    kGdzieDyzuruje,
    kGdzieUczy,
    kKtoDyzuruje,
    kPlanNauczycieli,
    kStatystyka,
    kLiczbaTowarzyszy
  };

  Tffddyzur(const TDokument& dokument, TUslugiOkna& uslugi, TTowarzysze& towarzysze,
            QWidget* rodzic = nullptr);

  // Entry by hand: the teachers offered, the filter's first letter (0: none)
  // and the cursor's moment (kBrakSlotu: none); gives the teacher or
  // kBezWyboru.
  std::function<int(const std::vector<int>& nauczyciele, int litera, int moment)>
      WybierzNauczyciela;
  // The variant list of a run that shows it.
  TWyborWariantu* ListaWariantow = nullptr;
  // The automatic-entry options dialog.
  std::function<void()> PokazOpcje;
  // The plan check's window.
  std::function<void()> PokazKontrole;

  // Makes the companion windows its tool windows, once they all exist.
  void PrzyjmijTowarzyszy();
  // Fits the grid to the duty table, repaints or shows the window.
  void Pokaz();
  // Shows the models as they now are, where the window is open.
  void Odswiez();
  // The cursor and selection now, and putting back those an undone or
  // redone step began with.
  TWidokPlanu Widok() const;
  void PrzywrocWidok(const TWidokPlanu& widok);
  // Moves the cursor to region r's column and moment m's row.
  void UstawKursor(int rejon, int moment);

  // The table commands, over the grid's selection.
  void WpiszRecznie(int litera);
  void Usun();
  void WpiszAutomatycznie();
  // The selection filled at once by the solver, then the result window.
  void WpiszOptymalnie();
  void ZakazWpisu();
  // Fills the selected cells with the best candidates, showing the variant
  // list for each when `pokaz`; true when a cell was written.
  bool wpisz_warianty(TModele& modele, bool pokaz);

  TCellEdi& Siatka() { return *siatka_; }
  QToolButton* Przycisk(TPolecenie p) const { return polecenia_[p]; }
  QToolButton* Towarzysz(TTowarzysz t) const { return przelaczniki_[t]; }
  QCheckBox* Automatycznie() const { return automatycznie_; }
  Tffdwynikopt& WynikOptymalny() const { return *wynikOpt_; }

  // Cell description and its clipboard text, in data coordinates.
  void Oczko(int x, int y, TTekstOczka& ato) const;
  std::string TekstOczka(int x, int y) const;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* obiekt, QEvent* e) override;

 private:
  void ZbudujPrzyciski();
  QWidget* ZbudujTowarzyszy();
  void PodlaczSiatke();
  void UstawKsztalt();
  void PoOdczycie();
  void Akcja(int& key, int button, Qt::KeyboardModifiers shift);
  void OdswiezTowarzyszy();
  void PrzelaczTowarzysza(int i, bool wcisniety);
  QWidget* OknoTowarzysza(int i) const;
  // The cursor cell's region, moment and teacher (-1 when none).
  int RejonKursora() const;
  int MomentKursora() const;
  int NauczycielKursora() const;
  bool WTabeli(int r, int m) const;
  // The selection in table coordinates.
  TObszar ObszarZaznaczenia() const;
  // Calls f(r, m) for every selected cell inside the table.
  void NaZaznaczonych(const std::function<void(int r, int m)>& f);

  const TDokument& dokument_;
  TUslugiOkna& uslugi_;
  TTowarzysze& towarzysze_;
  TCellEdi* siatka_;
  QCheckBox* automatycznie_ = nullptr;
  Tffdwynikopt* wynikOpt_;
  std::array<QToolButton*, kLiczbaPolecen> polecenia_{};
  std::array<QToolButton*, kLiczbaTowarzyszy> przelaczniki_{};
  bool zamykanie_ = false;  // closing the companions with the editor
};

}  // namespace velmor
