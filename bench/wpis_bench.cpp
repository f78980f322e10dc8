// Automatic entry of every cell of a large school (200 teachers, 5 days of
// 10 periods, 40 regions, generous limits) in the unattended manner: the
// product run beside the plain reference run. Every iteration starts from
// the same empty duty table; the copy is made outside the timed part.
#include <benchmark/benchmark.h>

#include "core/planning/wpis.h"
#include "tests/core/wpis_wzorcowy.h"

namespace {

using namespace velmor;

const TModele& DuzaSzkola() {
  static const TModele m = testy::DuzaSzkola();
  return m;
}

void Wpis(benchmark::State& state, bool wzorcowo) {
  const TModele& szkola = DuzaSzkola();
  const TZasadyOceny zasady = TZasadyOceny::Z(szkola.Opcje, true);
  const TObszar obszar = CalaTabela(szkola.Dyzury);
  int wpisano = 0;
  for (auto _ : state) {
    state.PauseTiming();
    TModele m = szkola;
    TWyborAutomatyczny wybor;
    testy::TWyborSortujacy wyborWzorcowy;
    TListaWariantow lista;
    state.ResumeTiming();
    wpisano = wzorcowo ? testy::wpisz_wzorcowo(m, obszar, zasady, wyborWzorcowy, lista)
                       : wpisz_warianty(m, obszar, zasady, wybor, lista);
    benchmark::DoNotOptimize(wpisano);
    benchmark::ClobberMemory();
  }
  state.counters["komorek"] = szkola.Dyzury.LiczbaMomentow() * szkola.Dyzury.LiczbaRejonow();
  state.counters["wpisano"] = wpisano;
}

BENCHMARK_CAPTURE(Wpis, produkt, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Wpis, wzorzec, true)->Unit(benchmark::kMillisecond);

}  // namespace
