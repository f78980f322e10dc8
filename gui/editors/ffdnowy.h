#pragma once
// Tffdnowy: the new duty-plan wizard. It reads a timetable file, offers to
// carry over the previous plan's data, rebuilds the plan for the new
// timetable and has it saved for the first time.
#include <QDialog>
#include <array>
#include <functional>

#include "core/planning/nowyplan.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmor {

class Tfdlosa;

class Tffdnowy : public QDialog {
  Q_OBJECT
 public:
  // `zapytajOZapis`: the main window's question about unsaved changes.
  Tffdnowy(TDokument& dokument, Tfdlosa& losa, std::function<bool()> zapytajOZapis,
           QWidget* rodzic = nullptr);

  // Shows the wizard modally; true when a timetable was taken in.
  bool Uruchom();
  // Of the last run: a timetable read failed and none was taken in after it.
  bool BladOdczytu() const { return bladOdczytu_; }
  // Of the last run: the rebuilt plan was saved and nothing was read since.
  bool Zapisany() const { return zapisany_; }

  // The controls, for the steps and for tests.
  QPushButton* Wskaz() const { return wskaz_; }
  QPushButton* Zapisz() const { return zapisz_; }
  QPushButton* Zamknij() const { return zamknij_; }
  QCheckBox* Pole(TPrzeniesienie i) const { return pola_[static_cast<size_t>(i)]; }
  QLabel* EtykietaPol() const { return etykieta2_; }
  // What the new timetable's teachers and rooms match in the previous plan.
  QLabel* Dopasowanie() const { return dopasowanie_; }
  QLineEdit* PlikLekcji() const { return plikLekcji_; }
  QLineEdit* PlikPlanu() const { return plikPlanu_; }

 protected:
  // "Zamknij", Esc and the window's close button.
  void reject() override;

 private:
  void WskazClick();
  void ZapiszClick();
  // The plan for the timetable read, with the boxes as they are ticked.
  void Przebuduj();

  TDokument& dokument_;
  Tfdlosa& losa_;
  std::function<bool()> zapytajOZapis_;
  TKsztaltPlanu poprzedni_;  // the shape before the timetable was read
  TModele wczytane_;         // the models right after it was read
  bool wynik_ = false, bladOdczytu_ = false, zapisany_ = false;

  QPushButton *wskaz_, *zapisz_, *zamknij_;
  std::array<QCheckBox*, 4> pola_{};
  QLabel *etykieta2_, *dopasowanie_;
  QLineEdit *plikLekcji_, *plikPlanu_;
};

}  // namespace velmor
