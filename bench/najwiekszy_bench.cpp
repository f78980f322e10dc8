// The largest plan the format holds (251 teachers, 10 days of 975 periods,
// 251 regions and rooms, an empty duty table): its open, its save and the greedy
// entry of every cell, as velmor-cli info, save and fill do them. The file
// is left in the temporary folder as velmor_najwiekszy.vlm, for timing the
// command-line tool on it (its memory: velmor-cli info under /usr/bin/time).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/document/dokument.h"
#include "core/planning/wpis.h"
#include "tests/core/wpis_wzorcowy.h"

namespace {

using namespace velmor;

const TModele& Najwieksza() {
  static const TModele szkola = testy::NajwiekszaSzkola();
  return szkola;
}

const std::filesystem::path& Plik() {
  static const std::filesystem::path plik = [] {
    auto p = std::filesystem::temp_directory_path() / "velmor_najwiekszy.vlm";
    TDokument d;
    static_cast<TModele&>(d) = Najwieksza();
    if (!d.ZapiszPlik(p)) std::abort();
    return p;
  }();
  return plik;
}

void BM_NajwiekszyOdczyt(benchmark::State& stan) {
  const auto& plik = Plik();
  for (auto _ : stan) {
    TDokument d;
    if (!d.OtworzPlik(plik, kRodzajPlanDyzurow)) stan.SkipWithError("odczyt nie powiódł się");
    benchmark::DoNotOptimize(d.Dyzury);
  }
  stan.counters["plikMB"] = static_cast<double>(std::filesystem::file_size(plik)) / 1048576.0;
}
BENCHMARK(BM_NajwiekszyOdczyt)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_NajwiekszyZapis(benchmark::State& stan) {
  TDokument d;
  if (!d.OtworzPlik(Plik(), kRodzajPlanDyzurow)) stan.SkipWithError("odczyt nie powiódł się");
  const auto cel = std::filesystem::temp_directory_path() / "velmor_najwiekszy_zapis.vlm";
  for (auto _ : stan) {
    if (!d.ZapiszPlik(cel)) stan.SkipWithError("zapis nie powiódł się");
  }
  std::filesystem::remove(cel);
}
BENCHMARK(BM_NajwiekszyZapis)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Every cell of the empty table entered greedily, unattended.
void BM_NajwiekszyWpis(benchmark::State& stan) {
  const TZasadyOceny zasady = TZasadyOceny::Z(Najwieksza().Opcje, true);
  int wpisano = 0;
  for (auto _ : stan) {
    stan.PauseTiming();
    TModele m = Najwieksza();
    TWyborAutomatyczny wybor;
    TListaWariantow lista;
    stan.ResumeTiming();
    wpisano = wpisz_warianty(m, CalaTabela(m.Dyzury), zasady, wybor, lista);
    benchmark::DoNotOptimize(wpisano);
  }
  stan.counters["wpisano"] = wpisano;
}
BENCHMARK(BM_NajwiekszyWpis)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
