// Open and save of a large plan: 200 teachers, 5 days of 10 periods,
// 40 regions, every duty cell filled, a full window-settings trailer.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/archive/bledy.h"
#include "core/document/dokument.h"

namespace {

using namespace velmor;

constexpr int kNauczycieli = 200, kDni = 5, kLekcji = 10, kRejonow = 40;
constexpr int kOddzialow = 30, kSal = 60, kPrzedmiotow = 20;

TDysp PlanTygodnia(int ziarno, int zakres) {
  TDysp d;
  d.Pozycje.resize(kDni * kLekcji);
  for (int s = 0; s < kDni * kLekcji; ++s)
    if ((s + ziarno) % 4 != 0) d[s].Lista.Dodaj(static_cast<uint8_t>((s * 7 + ziarno) % zakres));
  return d;
}

void DuzyPlan(TDokument& d) {
  d.Dni.Dni.assign(kDni, TDzien{});
  for (auto& dzien : d.Dni.Dni)
    for (int p = 0; p < kLekcji; ++p) dzien.Godziny.push_back({"8:00-8:45"});
  d.Dni.Przelicz();
  d.Nauczyciele.ZmienRozmiar(kNauczycieli);
  for (int t = 0; t < kNauczycieli; ++t) {
    d.Nauczyciele[t] = {"Kowalski", "Jan", 5, 100, kKolorDomyslny, PlanTygodnia(t, kOddzialow)};
  }
  d.Oddzialy.ZmienRozmiar(kOddzialow);
  for (int c = 0; c < kOddzialow; ++c)
    d.Oddzialy[c] = {"1a", kKolorDomyslny, PlanTygodnia(c, kPrzedmiotow), PlanTygodnia(c, kSal)};
  d.Sale.ZmienRozmiar(kSal);
  for (int r = 0; r < kSal; ++r) d.Sale[r].Zajecia = PlanTygodnia(r, kOddzialow);
  d.Przedmioty.ZmienRozmiar(kPrzedmiotow);
  for (auto& p : d.Przedmioty) p.Program.Oczka.assign(kOddzialow, TOczkoProg{3, 1});
  d.Momenty.ZmienRozmiar(d.Dni.LiczbaSlotow());
  d.Dyzury.ZmienRozmiar(0, d.Dni.LiczbaSlotow());
  for (int r = 0; r < kRejonow; ++r) {
    d.Rejony.WstawRejon(r, d.Dyzury);
    d.Rejony[r].SaleRejonu = {static_cast<uint8_t>(r), static_cast<uint8_t>(r + 1)};
  }
  for (int m = 0; m < d.Dyzury.LiczbaMomentow(); ++m)
    for (int r = 0; r < kRejonow; ++r)
      d.Dyzury.UstawDyzurnego(r, m, static_cast<uint8_t>((m * kRejonow + r) % kNauczycieli));
  for (auto& okno : d.Stopka.Okna) {
    okno.Prostokat = {10, 10, 600, 400};
    okno.Siatka.Szerokosci.assign(kNauczycieli + 1, 90);
    okno.Siatka.Wysokosci.assign(d.Dni.LiczbaSlotow() + 1, 16);
  }
}

std::filesystem::path Plik() {
  return std::filesystem::temp_directory_path() / "velmor_bench_plan.vlm";
}

void BM_ZapisPlanu(benchmark::State& stan) {
  TDokument d;
  DuzyPlan(d);
  for (auto _ : stan) {
    if (!d.ZapiszPlik(Plik())) stan.SkipWithError("zapis nie powiódł się");
  }
  stan.counters["bajty"] = static_cast<double>(std::filesystem::file_size(Plik()));
}
BENCHMARK(BM_ZapisPlanu)->Unit(benchmark::kMillisecond);

void BM_OdczytPlanu(benchmark::State& stan) {
  TDokument zrodlo;
  DuzyPlan(zrodlo);
  zrodlo.ZapiszPlik(Plik());
  TDokument d;
  for (auto _ : stan) {
    if (!d.OtworzPlik(Plik(), kRodzajPlanDyzurow)) stan.SkipWithError("odczyt nie powiódł się");
  }
  std::filesystem::remove(Plik());
}
BENCHMARK(BM_OdczytPlanu)->Unit(benchmark::kMillisecond);

}  // namespace
