#pragma once
// The frames the companion windows and the two lists share.
#include <QDialog>
#include <QWidget>
#include <cstdint>

#include "gui/common/uslugi.h"

class QHBoxLayout;
class QPushButton;

namespace velmor {

class TCellEdi;
class TDokument;

// A companion window: a tool window above the window it serves (its
// parent), shown without taking the keyboard (its first place beside it is
// TOknaStopki's); a panel of buttons over its table; Escape closes it.
class TRamkaTowarzysza : public QWidget {
  Q_OBJECT
 public:
  TCellEdi* Siatka() const { return siatka_; }

 signals:
  void Ukryty();

 protected:
  // `tytul` is UTF-8.
  TRamkaTowarzysza(const char* nazwa, const char* tytul, int pomoc, QWidget* rodzic);
  void keyPressEvent(QKeyEvent* e) override;
  void hideEvent(QHideEvent* e) override;

  QHBoxLayout* panel_;
  TCellEdi* siatka_;
};

// A report window: "Drukuj" and "Koniec" over a table of rows derived from
// the plan, built again at every change while it is shown; Escape closes it.
class TRamkaRaportu : public QWidget {
  Q_OBJECT
 public:
  TCellEdi& Siatka() const { return *siatka_; }
  // Shows the window with the rows of the plan as it is.
  void Pokaz();
  // Builds the rows again from the plan as it is.
  void Odswiez();

 protected:
  // `tytul` is UTF-8, also the printed title.
  TRamkaRaportu(const TDokument& dokument, TUslugiOkna& uslugi, const char* nazwa,
                const char* tytul, int pomoc, QWidget* rodzic);
  // The rows from the plan; gives their count.
  virtual int Przelicz() = 0;
  void keyPressEvent(QKeyEvent* e) override;

  const TDokument& dok_;
  TCellEdi* siatka_;
};

// A modal list: "Wpisz wariant i zamknij" and a close button over its table.
// Enter and the first button accept; Escape and the close button cancel.
// Once shown it stays where the user moved it. Ctrl+S saves the document
// from it too (the main window's shortcut does not reach a modal window).
class TRamkaListy : public QDialog {
  Q_OBJECT
 public:
  TCellEdi* Siatka() const { return siatka_; }
  QPushButton* Wpisz() const { return wpisz_; }
  QPushButton* Zamknij() const { return zamknij_; }

  void reject() override;

 protected:
  // `tytul` and `zamknij` are UTF-8.
  TRamkaListy(const char* nazwa, const char* tytul, const char* zamknij, TUslugiOkna& uslugi,
              QWidget* rodzic);
  void keyPressEvent(QKeyEvent* e) override;
  void hideEvent(QHideEvent* e) override;

  bool anulowano_ = false;  // of the showing in progress
  QHBoxLayout* panel_;
  TCellEdi* siatka_;
  QPushButton *wpisz_, *zamknij_;
};

}  // namespace velmor
