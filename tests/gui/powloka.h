#pragma once
// Test helpers for the application shell: dialogs answered from a script,
// error reports recorded, schools of any shape written as timetable and
// duty-plan files, and the program with all its windows on a folder of its own.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <deque>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/archive/bledy.h"
#include "core/document/dokument.h"
#include "core/document/zapis_planu_lekcji.h"
#include "core/planning/nowyplan.h"
#include "gui/app/ffdmain.h"
#include "gui/app/program.h"
#include "gui/common/dialogi.h"
#include "gui/common/fdlosa.h"
#include "gui/editors/ffdmomenty.h"
#include "gui/editors/ffdnaucz.h"
#include "gui/editors/ffdnowy.h"
#include "gui/editors/ffdodaj.h"
#include "gui/editors/ffdrejon.h"
#include "gui/grid/ffdruk.h"
#include "gui/grid/ffopcje.h"
#include "gui/planning/ffddyzur.h"
#include "gui/planning/ffdlista.h"
#include "gui/planning/ffdlistab.h"
#include "gui/planning/ffdopcje.h"
#include "gui/planning/ffdplann.h"
#include "gui/planning/ffdstat.h"
#include "pliki_testowe.h"
#include "rejestr_bledow.h"

namespace velmor::testy {

// Answers the dialogs in turn; a file dialog answered with "" is cancelled.
class TDialogiTestowe : public TDialogi {
 public:
  std::deque<QString> Pliki;
  std::deque<int> Filtry;  // the filters chosen in the dialogs that ask which
  std::deque<QMessageBox::StandardButton> Odpowiedzi;
  std::vector<TDialogPliku> Pokazane;  // the file dialogs run, as they were shown
  int Pytania = 0, Drukarka = 0;

  QString WybierzPlik(QWidget*, const TDialogPliku& dialog) override {
    Pokazane.push_back(dialog);
    if (Pliki.empty()) {
      ADD_FAILURE() << "file dialog not expected: " << dialog.Tytul.toStdString();
      return {};
    }
    const QString nazwa = Pliki.front();
    Pliki.pop_front();
    if (dialog.Wybrany && !Filtry.empty()) {
      *dialog.Wybrany = Filtry.front();
      Filtry.pop_front();
    }
    return nazwa;
  }

  QString WybierzFolder(QWidget*, const QString& tytul) override {
    TDialogPliku dialog;
    dialog.Tytul = tytul;
    return WybierzPlik(nullptr, dialog);
  }

  QMessageBox::StandardButton Zapytaj(QWidget*, const QString& tytul,
                                      const QString& tekst) override {
    ++Pytania;
    EXPECT_EQ(tytul, "Velmor 2025");
    EXPECT_EQ(tekst, "Zapisać zmiany na dysku?");
    if (Odpowiedzi.empty()) {
      ADD_FAILURE() << "question not expected";
      return QMessageBox::Cancel;
    }
    const QMessageBox::StandardButton odpowiedz = Odpowiedzi.front();
    Odpowiedzi.pop_front();
    return odpowiedz;
  }

  void UstawieniaDrukarki(QWidget*, QPrinter&) override { ++Drukarka; }
  void Ostrzez(QWidget*, const QString&, const QString& tekst) override {
    Ostrzezenia.push_back(tekst);
  }
  std::vector<QString> Ostrzezenia;
};

// Records the codes reported, and whether the hourglass showed at each;
// installed for its lifetime.
class TRejestrBledow : public TRejestrKodow {
 public:
  void Pokaz(int kod) override {
    TRejestrKodow::Pokaz(kod);
    const QCursor* kursor = QGuiApplication::overrideCursor();
    klepsydra.push_back(kursor && kursor->shape() == Qt::WaitCursor);
  }
  std::vector<bool> klepsydra;

 private:
  TZmianaRaportu zmiana_{this};
};

// The small school of the core tests, named: hours "8:00" on, teachers
// "N0" on with limits 0, class "1a", rooms "S0" on; no subjects.
TSzkola Szkola(const std::vector<int>& lekcje, int nauczycieli, int sal);

// A duty plan on `szkola`: moment s named "m<s>" of s + 5 minutes, `rejonow`
// regions, teacher t with limits t + 1 and 10 * (t + 1), and teacher
// (s + r) % nauczycieli on duty in region r at moment s. Written to `plik`
// and returned as read back.
TDokument ZapiszPlanDyzurow(const std::filesystem::path& plik, const TSzkola& szkola, int rejonow,
                            const TStopka& stopka = {});

// The windows on a folder of their own: the documents folder "dok" and the
// program's folder "program".
class Powloka : public ::testing::Test {
 protected:
  TFolder folder;
  TDialogiTestowe dialogi;
  TRejestrBledow bledy;

  void SetUp() override;
  void TearDown() override { program_.reset(); }

  TParametryUruchomieniowe Parametry(const std::vector<std::string>& argumenty = {}) const;
  // Destroys the windows and creates them again, as a new run of the program.
  void Uruchom(const std::vector<std::string>& argumenty = {});
  // A new run shown: the automatic reopen runs.
  void UruchomIPokaz(const std::vector<std::string>& argumenty = {});

  const TOkna& Okna() const { return program_->Okna(); }
  TTowarzysze& Towarzysze() { return program_->Towarzysze(); }
  TOknaStopki& OknaStopki() { return program_->OknaStopki(); }
  Tffdmain& Glowne() { return *Okna().ffdmain; }
  Tfdlosa& Losa() { return *Okna().fdlosa; }
  TDokument& Dok() { return program_->Dokument(); }
  // The data commands' state; fails when they disagree.
  bool DaneDostepne();
  QString Sciezka(const std::string& plik) const {
    return QString::fromStdString((folder / plik).string());
  }

 private:
  std::unique_ptr<TProgram> program_;
};

}  // namespace velmor::testy
