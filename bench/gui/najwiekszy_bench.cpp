// The program on the largest plan the format holds, every open cell of its
// duty table filled. BM_PierwszeOkno: the plan named on the command line,
// from the creation of the windows until the main window has painted with
// the plan open, every iteration a new run. BM_TabelaDyzurow: a full repaint
// of the duty plan window's table into 1920x1080, and scrolled by a page.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QScrollBar>
#include <filesystem>
#include <memory>

#include "core/archive/cp1250.h"
#include "core/document/dokument.h"
#include "gui/app/ffdmain.h"
#include "gui/app/program.h"
#include "gui/common/dialogi.h"
#include "gui/grid/celledi.h"
#include "gui/planning/ffddyzur.h"
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
    const char* nazwiska[] = {"Kowalczyk", "Wiśniewska", "Zielińska", "Wójcik", "Lewandowski"};
    for (int t = 0; t < d.Nauczyciele.Liczba(); ++t) {
      d.Nauczyciele[t].Nazwisko = Utf8DoCp1250(nazwiska[t % 5]) + std::to_string(t);
      d.Nauczyciele[t].Imie = t % 2 ? "Katarzyna" : "Jan";
    }
    for (int r = 0; r < d.Rejony.Liczba(); ++r) d.Rejony[r].Nazwa = "Korytarz " + std::to_string(r);
    for (int m = 0; m < d.Momenty.Liczba(); ++m) d.Momenty[m].Nazwa = "8:45-8:55";
    for (int m = 0; m < d.Dyzury.LiczbaMomentow(); ++m)
      for (int r = 0; r < d.Dyzury.LiczbaRejonow(); ++r)
        if (d.Dyzury.Dyzurny(r, m) == kBrak)
          d.Dyzury.UstawDyzurnego(r, m, static_cast<uint8_t>((r * 7 + m) % 251));
    if (!d.ZapiszPlik(f / "najwiekszy.vlm")) std::abort();
    return f;
  }();
  return folder;
}

TParametryUruchomieniowe Parametry() {
  const auto f = Folder();
  return TParametryUruchomieniowe::Zbuduj((f / "program").string(), (f / "dok").string(),
                                          {(f / "najwiekszy.vlm").string()});
}

// Shows the main window, which opens the plan, and waits for its first paint.
void Pokaz(TProgram& program) {
  TPierwszeMalowanie malowanie;
  Tffdmain& glowne = *program.Okna().ffdmain;
  glowne.installEventFilter(&malowanie);
  glowne.show();
  while (!malowanie.Bylo) QCoreApplication::processEvents();
  glowne.removeEventFilter(&malowanie);
}

void BM_PierwszeOkno(benchmark::State& stan) {
  const auto parametry = Parametry();
  for (auto _ : stan) {
    TDialogiCiche dialogi;
    auto program = std::make_unique<TProgram>(parametry, dialogi);
    Pokaz(*program);
    if (program->Dokument().Nauczyciele.Liczba() != 251) stan.SkipWithError("plan nie otwarty");
    stan.PauseTiming();
    program.reset();
    QCoreApplication::processEvents();
    stan.ResumeTiming();
  }
}
BENCHMARK(BM_PierwszeOkno)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_TabelaDyzurow(benchmark::State& stan, bool przewijanie) {
  TDialogiCiche dialogi;
  TProgram program(Parametry(), dialogi);
  Pokaz(program);
  Tffddyzur& okno = *program.Okna().ffddyzur;
  okno.Pokaz();
  TCellEdi& siatka = okno.Siatka();
  QScrollBar* pasek = siatka.verticalScrollBar();
  siatka.resize(1920 + pasek->sizeHint().width(),
                1080 + siatka.horizontalScrollBar()->sizeHint().height());
  QImage obraz(1920, 1080, QImage::Format_RGB32);
  for (auto _ : stan) {
    if (przewijanie) pasek->setValue(pasek->value() + pasek->pageStep());
    siatka.viewport()->render(&obraz);
  }
  stan.counters["szer"] = siatka.viewport()->width();
  stan.counters["wys"] = siatka.viewport()->height();
}
BENCHMARK_CAPTURE(BM_TabelaDyzurow, cala, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TabelaDyzurow, strona, true)->Unit(benchmark::kMillisecond);

}  // namespace
