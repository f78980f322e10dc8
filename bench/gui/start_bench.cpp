// The program started with the largest plan the format holds named on its
// command line: from the creation of the windows until the main window has
// painted with the plan open. Every iteration is a new run on a documents
// folder of its own.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>
#include <filesystem>
#include <memory>

#include "core/document/dokument.h"
#include "gui/app/ffdmain.h"
#include "gui/app/program.h"
#include "gui/common/dialogi.h"
#include "tests/core/wpis_wzorcowy.h"

namespace {

using namespace velmor;

// No dialog is expected: each answers as cancelled.
class TDialogiCiche : public TDialogi {
 public:
  QString WybierzPlik(QWidget*, const TDialogPliku&) override { return {}; }
  QString WybierzFolder(QWidget*, const QString&) override { return {}; }
  QMessageBox::StandardButton Zapytaj(QWidget*, const QString&, const QString&) override {
    return QMessageBox::Cancel;
  }
  void UstawieniaDrukarki(QWidget*, QPrinter&) override {}
  void Ostrzez(QWidget*, const QString&, const QString&) override {}
};

class TPierwszeMalowanie : public QObject {
 public:
  bool Bylo = false;
  bool eventFilter(QObject*, QEvent* zdarzenie) override {
    if (zdarzenie->type() == QEvent::Paint) Bylo = true;
    return false;
  }
};

std::filesystem::path Folder() {
  static const std::filesystem::path folder = [] {
    auto f = std::filesystem::temp_directory_path() / "velmor_start_bench";
    std::filesystem::remove_all(f);
    std::filesystem::create_directories(f / "dok");
    std::filesystem::create_directories(f / "program");
    TDokument d;
    static_cast<TModele&>(d) = testy::NajwiekszaSzkola();
    if (!d.ZapiszPlik(f / "najwiekszy.vlm")) std::abort();
    return f;
  }();
  return folder;
}

void BM_PierwszeOkno(benchmark::State& stan) {
  const auto f = Folder();
  const auto parametry = TParametryUruchomieniowe::Zbuduj(
      (f / "program").string(), (f / "dok").string(), {(f / "najwiekszy.vlm").string()});
  for (auto _ : stan) {
    TDialogiCiche dialogi;
    auto program = std::make_unique<TProgram>(parametry, dialogi);
    TPierwszeMalowanie malowanie;
    Tffdmain& glowne = *program->Okna().ffdmain;
    glowne.installEventFilter(&malowanie);
    glowne.show();
    while (!malowanie.Bylo) QCoreApplication::processEvents();
    if (program->Dokument().Nauczyciele.Liczba() != 251) stan.SkipWithError("plan nie otwarty");
    stan.PauseTiming();
    glowne.removeEventFilter(&malowanie);
    program.reset();
    QCoreApplication::processEvents();
    stan.ResumeTiming();
  }
}
BENCHMARK(BM_PierwszeOkno)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
