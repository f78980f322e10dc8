#pragma once
// Tffdmain: the main window. It drives the document's life: new, open, save,
// save under a new name, exit.
#include <QMainWindow>
#include <array>
#include <functional>
#include <vector>

#include "core/document/dokument.h"
#include "core/document/parametry.h"
#include "core/eksport/formaty.h"

class QLabel;
class QPrinter;
class QToolButton;

namespace velmor {

class TDialogi;
class Tfdlosa;
class Tffdnowy;

class Tffdmain : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr const char* kTytulProgramu = "Velmor";

  // The menus, commands and tool buttons.
  struct TPolecenia {
    QMenu *Pliki = nullptr, *Edycja = nullptr, *Dane = nullptr, *MenuDyzury = nullptr,
          *Eksport = nullptr, *Pomoc = nullptr;
    // The Eksport menu's commands, in the order of TEksport.
    std::array<QAction*, kFormatyEksportu.size()> Eksporty{};  // by kFormatyEksportu
    // Undo and redo: their keys work in every window of the program.
    QAction *Cofnij = nullptr, *Ponow = nullptr;
    QAction *Nowy = nullptr, *Odczytaj = nullptr, *Zapisz = nullptr, *ZapiszJako = nullptr,
            *Drukarka = nullptr, *Koniec = nullptr, *Momenty = nullptr, *Rejony = nullptr,
            *Limity = nullptr, *Dyzury = nullptr, *Kontrola = nullptr, *DyzuryNauczycieli = nullptr,
            *Zastepstwa = nullptr, *Ksiega = nullptr, *PomocVelmor = nullptr;
    // Save, moments, regions, limits, duty plan, close.
    std::array<QToolButton*, 6> Przyciski{};
  };

  // What the main window drives, handed over once every window exists.
  struct TPowiazania {
    Tfdlosa* Losa = nullptr;
    TDialogi* Dialogi = nullptr;
    Tffdnowy* Kreator = nullptr;
    QPrinter* Drukarka = nullptr;
    // Closed when the data commands are switched off.
    std::vector<QWidget*> ZamykaneBezDanych;
    // Runs at the first showing, before the last document is reopened.
    std::function<void()> PierwszePokazanie;
  };

  Tffdmain(const TDokument& dokument, const TParametryUruchomieniowe& parametry,
           QWidget* rodzic = nullptr);
  void Podlacz(TPowiazania powiazania) { powiazania_ = std::move(powiazania); }

  const TParametryUruchomieniowe& Parametry() const { return parametry_; }
  // The single model instances and the file state; never replaced.
  const TDokument& Dokument() const { return dokument_; }
  const TPolecenia& Polecenia() const { return polecenia_; }

  // True when the caller may go on: no unsaved changes, "No", or "Yes" and
  // the save succeeded.
  bool ZapytajOZapis();
  // Enables or disables the data commands, and closes the moments, regions
  // and duty plan windows.
  void UstawDostepnosc(bool wlaczone);

  void Nowy();
  void Odczytaj();
  bool Zapisz();
  void ZapiszPodNowaNazwa();
  void UstawieniaDrukarki();

  // The status bar: the current file's full name.
  void PokazNazwe(const QString& nazwa);
  QString Status() const;

 signals:
  // The window closed after the user allowed it; the program ends.
  void Zamkniete();

 protected:
  void showEvent(QShowEvent* zdarzenie) override;
  void closeEvent(QCloseEvent* zdarzenie) override;

 private:
  void UtworzMenu();
  // Names the steps to undo and redo; off when there is none.
  void OpiszEdycje(bool menuOtwarte);
  void UtworzPrzyciski();
  void PierwszePokazanie();
  void OtworzOstatni();

  const TDokument& dokument_;
  const TParametryUruchomieniowe& parametry_;
  TPowiazania powiazania_;
  TPolecenia polecenia_;
  QLabel* status_ = nullptr;
  bool pokazane_ = false;
};

}  // namespace velmor
