// The optimal automatic entry beside the greedy run, on the demo school, the
// large school and 20 random schools of 30 to 80 teachers, with clean
// candidates only or with reservations allowed. Only the optimal entry is
// timed; the greedy run and the checks of the result are not.
//
// Counters: zachlanny = cells the greedy run fills, wpisano = cells the
// optimum fills, nadwyzka = wpisano - zachlanny (never below 0 is the goal),
// czyste / zastrzezone = the optimum's cells judged in the final table,
// niedozwolone = its cells the judgement excludes (must be 0), obciazenie* =
// largest duty count of a teacher after each run, udzial* = largest share of
// a teacher's duty-count limit (%), udowodniony = proven optimal, granica =
// at most this many cells, luka = (granica - wpisano) / granica in %,
// sekundy = the time the optimal entry reports. Fairness first (the
// default): cena = the score given up against the most convenient plan of
// the same cells (%), rowny = every fairness stage proven, and of the
// convenient plan against the fair one: najwiecej* = largest duty count,
// najwieksze* = largest load (%), bezDyzuru* = teachers without a duty.
// LosoweRazem sums the random schools up: the smallest nadwyzka, totals, how
// many proven, the longest, the mean and the largest price.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <random>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "core/model/wspolne.h"
#include "core/planning/oceniacz.h"
#include "core/planning/optimum.h"
#include "core/planning/wpis.h"
#include "examples/szkola_demo.h"
#include "tests/core/wpis_wzorcowy.h"

namespace {

using namespace velmor;

// The demo plan as the generator writes it, read back as the program does.
const TModele& SzkolaDemo() {
  static const TModele m = [] {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("velmor-optimum-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    TDokument d;
    if (!demo::ZapiszDemo(folder) || !d.OtworzPlik(folder / "demo.vlm", kRodzajPlanDyzurow))
      std::abort();
    std::filesystem::remove_all(folder);
    return static_cast<TModele>(d);
  }();
  return m;
}

const TModele& DuzaSzkola() {
  static const TModele m = testy::DuzaSzkola();
  return m;
}

// Random school k (1..20): 30 to 80 teachers, 5 days of 6 to 9 periods, 4 to
// 14 regions, mixed limits, some closed cells; no cell entered beforehand, so
// both runs start from the same empty cells.
TModele NowaLosowa(unsigned k) {
  std::mt19937 los(1000 + k);
  const auto z = [&](int od, int doo) { return std::uniform_int_distribution<int>(od, doo)(los); };
  const int nauczycieli = z(30, 80), lekcji = z(6, 9), rejonow = z(4, 14);
  testy::TCechySzkoly c;
  c.Wpisane = c.Bledne = 0;
  return testy::LosowaSzkola(k, nauczycieli, 5, lekcji, rejonow, c);
}

const TModele& LosowaSzkola(unsigned k) {
  static const std::vector<TModele> szkoly = [] {
    std::vector<TModele> s;
    for (unsigned i = 1; i <= 20; ++i) s.push_back(NowaLosowa(i));
    return s;
  }();
  return szkoly[k - 1];
}

int Zajete(const TDyzury& d) {
  int ile = 0;
  for (int r = 0; r < d.LiczbaRejonow(); ++r)
    for (int k = 0; k < d.LiczbaMomentow(); ++k) ile += d.Dyzurny(r, k) != kBrak;
  return ile;
}

// Largest duty count and largest share (%) of a teacher's count limit.
std::pair<int, double> Obciazenie(const TModele& m) {
  const TObciazenia o = TOgolne(m).policz_obciazenia();
  int najwiecej = 0;
  double udzial = 0;
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
    const int d = o.Dyzury[static_cast<size_t>(t)];
    najwiecej = std::max(najwiecej, d);
    if (d > 0) udzial = std::max(udzial, 100.0 * d / std::max(1, m.Nauczyciele[t].LimitDyzurow));
  }
  return {najwiecej, udzial};
}

// The cells filled in `po` but empty in `przed`, each judged with the rest
// of the final table in place: clean, reserved, excluded.
struct TPodzial {
  int Czyste = 0, Zastrzezone = 0, Niedozwolone = 0;
};

TPodzial Podzial(const TModele& przed, const TModele& po, const TZasadyOceny& z) {
  TPodzial p;
  TOceniacz o(po);
  for (int k = 0; k < po.Dyzury.LiczbaMomentow(); ++k) {
    o.Przygotuj(k);
    for (int r = 0; r < po.Dyzury.LiczbaRejonow(); ++r) {
      const uint8_t t = po.Dyzury.Dyzurny(r, k);
      if (przed.Dyzury.Dyzurny(r, k) != kBrak || t == kBrak) continue;
      o.Zmiana(k, t, kBrak);
      const TWariant w = o.Ocen(t, r, k, z);
      o.Zmiana(k, kBrak, t);
      if (Wykluczony(w)) ++p.Niedozwolone;
      else if (Czysty(w)) ++p.Czyste;
      else ++p.Zastrzezone;
    }
  }
  return p;
}

// The figures of one school, one manner.
struct TPomiar {
  int Zachlanny = 0;  // cells the greedy run fills
  TWynikOptimum Wynik;
  TPodzial Podzial;
  int ObciazenieZachl = 0, ObciazenieOpt = 0;
  double UdzialZachl = 0, UdzialOpt = 0;
};

// Only the optimal entry itself is timed.
TPomiar Zmierz(benchmark::State& state, const TModele& szkola, bool zZastrzezeniem,
               double limitSekund) {
  state.PauseTiming();
  const TZasadyOceny zasady = TZasadyOceny::Z(szkola.Opcje, true);
  const TObszar obszar = CalaTabela(szkola.Dyzury);
  TPomiar p;
  TModele zachlanny = szkola;
  TWyborAutomatyczny wybor;
  TListaWariantow lista;
  wpisz_warianty(zachlanny, obszar, zasady, wybor, lista);
  p.Zachlanny = Zajete(zachlanny.Dyzury) - Zajete(szkola.Dyzury);
  TUstawieniaOptimum u;
  u.ZZastrzezeniem = zZastrzezeniem;
  u.LimitSekund = limitSekund;
  TModele m = szkola;
  state.ResumeTiming();
  p.Wynik = wpisz_optymalnie(m, obszar, zasady, u);
  benchmark::ClobberMemory();
  state.PauseTiming();
  p.Podzial = Podzial(szkola, m, zasady);
  std::tie(p.ObciazenieZachl, p.UdzialZachl) = Obciazenie(zachlanny);
  std::tie(p.ObciazenieOpt, p.UdzialOpt) = Obciazenie(m);
  state.ResumeTiming();
  return p;
}

void Porownanie(benchmark::State& state, const TModele& szkola, bool zZastrzezeniem,
                double limitSekund) {
  TPomiar p;
  for (auto _ : state) p = Zmierz(state, szkola, zZastrzezeniem, limitSekund);
  const TWynikOptimum& w = p.Wynik;
  state.counters["zachlanny"] = p.Zachlanny;
  state.counters["wpisano"] = w.Wpisano;
  state.counters["nadwyzka"] = w.Wpisano - p.Zachlanny;
  state.counters["czyste"] = p.Podzial.Czyste;
  state.counters["zastrzezone"] = p.Podzial.Zastrzezone;
  state.counters["niedozwolone"] = p.Podzial.Niedozwolone;
  state.counters["obciazenieZachl"] = p.ObciazenieZachl;
  state.counters["obciazenieOpt"] = p.ObciazenieOpt;
  state.counters["udzialZachl"] = p.UdzialZachl;
  state.counters["udzialOpt"] = p.UdzialOpt;
  state.counters["udowodniony"] = w.Optymalny ? 1 : 0;
  state.counters["granica"] = w.NajwyzejMozliwe;
  state.counters["luka"] =
      w.NajwyzejMozliwe > 0 ? 100.0 * (w.NajwyzejMozliwe - w.Wpisano) / w.NajwyzejMozliwe : 0.0;
  state.counters["sekundy"] = w.Sekundy;
  state.counters["kawalki"] = w.Kawalki;
  state.counters["cena"] = w.CenaRownosci();
  state.counters["rowny"] = w.Wyrownany ? 1 : 0;
  state.counters["najwiecejWygodny"] = w.Wygodny.NajwiecejDyzurow;
  state.counters["najwiecejRowny"] = w.Wpisany.NajwiecejDyzurow;
  state.counters["najwiekszeWygodny"] = 100.0 * w.Wygodny.NajwiekszeObciazenie;
  state.counters["najwiekszeRowny"] = 100.0 * w.Wpisany.NajwiekszeObciazenie;
  state.counters["bezDyzuruWygodny"] = w.Wygodny.BezDyzuru;
  state.counters["bezDyzuruRowny"] = w.Wpisany.BezDyzuru;
}

void Demo(benchmark::State& state, bool zZastrzezeniem) {
  Porownanie(state, SzkolaDemo(), zZastrzezeniem, 10.0);
}

void Duza(benchmark::State& state, bool zZastrzezeniem) {
  Porownanie(state, DuzaSzkola(), zZastrzezeniem, 30.0);
}

BENCHMARK_CAPTURE(Demo, czyste, false)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Demo, zastrzezenia, true)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Duza, czyste, false)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Duza, zastrzezenia, true)->Iterations(1)->Unit(benchmark::kMillisecond);

// The largest plan the format holds: 251 teachers, 10 days of 975 periods,
// 251 regions, no cell entered beforehand. Solved in runs of moments within
// the 30 s limit; pamiecMB = the process's peak memory after it.
const TModele& Najwieksza() {
  static const TModele szkola = testy::NajwiekszaSzkola();
  return szkola;
}

void Najwiekszy(benchmark::State& state) {
  Porownanie(state, Najwieksza(), false, 30.0);
  rusage zuzycie{};
  getrusage(RUSAGE_SELF, &zuzycie);
  state.counters["pamiecMB"] = static_cast<double>(zuzycie.ru_maxrss) / 1024.0;
}
BENCHMARK(Najwiekszy)->Iterations(1)->Unit(benchmark::kMillisecond);

// "Przerwij" pressed poSekundach into the run: poPrzerwaniu = the seconds
// from then until the run returns. The large school is stopped in each of its stages.
void Przerwany(benchmark::State& state, const TModele& szkola, bool zZastrzezeniem,
               double poSekundach) {
  double poPrzerwaniu = 0;
  for (auto _ : state) {
    TModele m = szkola;
    std::atomic<bool> stop{false};
    TUstawieniaOptimum u;
    u.ZZastrzezeniem = zZastrzezeniem;
    u.LimitSekund = 30;
    u.Przerwij = &stop;
    const auto kiedy = std::chrono::steady_clock::now() +
                       std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                           std::chrono::duration<double>(poSekundach));
    std::thread przycisk([&] {
      std::this_thread::sleep_until(kiedy);
      stop = true;
    });
    wpisz_optymalnie(m, CalaTabela(m.Dyzury), TZasadyOceny::Z(m.Opcje, zZastrzezeniem), u);
    poPrzerwaniu = std::chrono::duration<double>(std::chrono::steady_clock::now() - kiedy).count();
    przycisk.join();
  }
  state.counters["poPrzerwaniu"] = poPrzerwaniu;
}

void NajwiekszyPrzerwany(benchmark::State& state) { Przerwany(state, Najwieksza(), false, 2.0); }
BENCHMARK(NajwiekszyPrzerwany)->Iterations(1)->Unit(benchmark::kMillisecond);

void DuzaPrzerwana(benchmark::State& state) {
  Przerwany(state, DuzaSzkola(), true, static_cast<double>(state.range(0)));
}
BENCHMARK(DuzaPrzerwana)
    ->Arg(1)
    ->Arg(5)
    ->Arg(12)
    ->Arg(20)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The 20 random schools in one run.
void LosoweRazem(benchmark::State& state, bool zZastrzezeniem) {
  std::vector<TPomiar> pomiary;
  for (auto _ : state) {
    pomiary.clear();
    for (unsigned k = 1; k <= 20; ++k)
      pomiary.push_back(Zmierz(state, LosowaSzkola(k), zZastrzezeniem, 10.0));
  }
  int najmniejsza = std::numeric_limits<int>::max(), zachlanny = 0, wpisano = 0, udowodnione = 0,
      niedozwolone = 0;
  double najdluzej = 0, cena = 0, najwyzszaCena = 0;
  int rowne = 0;
  for (const TPomiar& p : pomiary) {
    cena += p.Wynik.CenaRownosci() / static_cast<double>(pomiary.size());
    najwyzszaCena = std::max(najwyzszaCena, p.Wynik.CenaRownosci());
    rowne += p.Wynik.Wyrownany;
    najmniejsza = std::min(najmniejsza, p.Wynik.Wpisano - p.Zachlanny);
    zachlanny += p.Zachlanny;
    wpisano += p.Wynik.Wpisano;
    udowodnione += p.Wynik.Optymalny;
    niedozwolone += p.Podzial.Niedozwolone;
    najdluzej = std::max(najdluzej, p.Wynik.Sekundy);
  }
  state.counters["najmniejszaNadwyzka"] = najmniejsza;
  state.counters["zachlanny"] = zachlanny;
  state.counters["wpisano"] = wpisano;
  state.counters["udowodnione"] = udowodnione;
  state.counters["niedozwolone"] = niedozwolone;
  state.counters["najdluzej"] = najdluzej;
  state.counters["cena"] = cena;
  state.counters["najwyzszaCena"] = najwyzszaCena;
  state.counters["rowne"] = rowne;
}

BENCHMARK_CAPTURE(LosoweRazem, czyste, false)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LosoweRazem, zastrzezenia, true)->Iterations(1)->Unit(benchmark::kMillisecond);

// One benchmark per random school and manner.
const bool kLosowe = [] {
  for (unsigned k = 1; k <= 20; ++k)
    for (bool zZastrzezeniem : {false, true}) {
      const std::string nazwa = std::string("Losowa/") + std::to_string(k) +
                                (zZastrzezeniem ? "/zastrzezenia" : "/czyste");
      benchmark::RegisterBenchmark(nazwa.c_str(),
                                   [k, zZastrzezeniem](benchmark::State& state) {
                                     Porownanie(state, LosowaSzkola(k), zZastrzezeniem, 10.0);
                                   })
          ->Iterations(1)
          ->Unit(benchmark::kMillisecond);
    }
  return true;
}();

}  // namespace
