// A full repaint of the largest table control into a 1920x1080 image, every
// cell answered by a callback with a text and a colour, shading on.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>

#include "gui/grid/celledi.h"

namespace {

using namespace velmor;

struct TStol {
  TCellEdi siatka;
  QImage obraz{1920, 1080, QImage::Format_RGB32};

  TStol() {
    siatka.UstawIlx(TCellEdi::kMaksIlosc);
    siatka.UstawIly(TCellEdi::kMaksIlosc);
    siatka.OnOczko = [](TCellEdi&, int x, int y, TTekstOczka& ato) {
      ato.ustaw_tekst(0, std::to_string(x) + ":" + std::to_string(y));
      ato.ustaw_kolor(0x00F0E0D0u + static_cast<uint32_t>((x + y) % 16));
    };
    siatka.resize(1920 + siatka.verticalScrollBar()->sizeHint().width(),
                  1080 + siatka.horizontalScrollBar()->sizeHint().height());
  }
  void Rysuj() { siatka.viewport()->render(&obraz); }
};

void BM_PelneOdswiezenie(benchmark::State& stan) {
  TStol stol;
  for (auto _ : stan) stol.Rysuj();
}
BENCHMARK(BM_PelneOdswiezenie)->Unit(benchmark::kMillisecond);

void BM_PrzewiniecieOStrone(benchmark::State& stan) {
  TStol stol;
  QScrollBar* pasek = stol.siatka.verticalScrollBar();
  for (auto _ : stan) {
    pasek->setValue(pasek->value() + pasek->pageStep());
    stol.Rysuj();
  }
}
BENCHMARK(BM_PrzewiniecieOStrone)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication aplikacja(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
