// Container primitives: a days section of many periods written and read back.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/archive/strumien.h"
#include "core/model/dni.h"

namespace {

using namespace velmor;

std::filesystem::path PlikTymczasowy() {
  return std::filesystem::temp_directory_path() / "velmor_bench_dni.vlm";
}

TDni DuzyTydzien() {
  TDni dni;
  dni.Dni.assign(7, TDzien{});
  for (auto& dzien : dni.Dni)
    for (int p = 0; p < 14; ++p) dzien.Godziny.push_back({"8:00-8:45"});
  dni.Przelicz();
  return dni;
}

void BM_ZapisDni(benchmark::State& stan) {
  const TDni dni = DuzyTydzien();
  for (auto _ : stan) {
    TOrvelZapis zapis(PlikTymczasowy());
    zapis.ZapiszBajt(103);
    zapis.PoczatekSekcji(0);
    dni.Zapisz(zapis);
    zapis.Zamknij();
  }
}
BENCHMARK(BM_ZapisDni);

void BM_OdczytDni(benchmark::State& stan) {
  {
    TOrvelZapis zapis(PlikTymczasowy());
    zapis.ZapiszBajt(103);
    zapis.PoczatekSekcji(0);
    DuzyTydzien().Zapisz(zapis);
  }
  TDni dni;
  for (auto _ : stan) {
    TOrvelOdczyt odczyt(PlikTymczasowy());
    odczyt.Wersja = odczyt.CzytajBajt();
    odczyt.IdzDoSekcji(0);
    dni.Czytaj(odczyt, kRodzajPlanDyzurow);
    benchmark::DoNotOptimize(dni.LiczbaSlotow());
  }
  std::filesystem::remove(PlikTymczasowy());
}
BENCHMARK(BM_OdczytDni);

}  // namespace
