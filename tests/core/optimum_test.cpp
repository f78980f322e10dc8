#include "core/planning/optimum.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "core/planning/ogolne.h"
#include "core/planning/wpis.h"
#include "wpis_wzorcowy.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

TZasadyOceny Zasady(unsigned ziarno) {
  return {true, (ziarno & 1) != 0, (ziarno & 2) != 0, (ziarno & 4) == 0};
}

// The judgement of the teacher in cell (r, k) with the rest of the table in
// place: -1 when excluded, or when reserved and reservations do not count;
// else the score, and whether it is clean.
std::pair<int, bool> Ocena(const TModele& m, int r, int k, const TZasadyOceny& z,
                           bool zZastrzezeniem) {
  // The cell is emptied for the judgement and given back.
  TModele& bez = const_cast<TModele&>(m);
  const uint8_t t = m.Dyzury.Dyzurny(r, k);
  bez.Dyzury.UstawDyzurnego(r, k, kBrak);
  const TOgolne o(bez);
  int komunikat = kBezKomunikatu;
  uint8_t zastrzezenie = 0;
  const int moc =
      ocen_kandydata(FaktyKandydata(o, o.policz_obciazenia(), t, r, k), z, komunikat, zastrzezenie);
  bez.Dyzury.UstawDyzurnego(r, k, t);
  if (moc < 0 || (!zZastrzezeniem && zastrzezenie != 0)) return {-1, false};
  return {moc, zastrzezenie == 0};
}

bool Dozwolony(const TModele& m, int r, int k, const TZasadyOceny& z, bool zZastrzezeniem) {
  return Ocena(m, r, k, z, zZastrzezeniem).first >= 0;
}

// Filled, clean and total score of the given cells; filled -1 when one of
// them may not stay.
std::tuple<int, int, int> Wartosc(const TModele& m, const std::vector<std::pair<int, int>>& komorki,
                                  const TZasadyOceny& z, bool zZastrzezeniem) {
  std::tuple<int, int, int> w{0, 0, 0};
  for (auto [r, k] : komorki) {
    if (m.Dyzury.Dyzurny(r, k) == kBrak) continue;
    const auto [moc, czysty] = Ocena(m, r, k, z, zZastrzezeniem);
    if (moc < 0) return {-1, 0, 0};
    ++std::get<0>(w);
    std::get<1>(w) += czysty;
    std::get<2>(w) += moc;
  }
  return w;
}

// Cells outside the area or filled before are as they were; every cell
// written is allowed with the rest of the table in place.
void SprawdzWpisane(const TModele& szkola, const TModele& m, const TObszar& obszar,
                    const TZasadyOceny& z, bool zZastrzezeniem) {
  for (int r = 0; r < m.Dyzury.LiczbaRejonow(); ++r)
    for (int k = 0; k < m.Dyzury.LiczbaMomentow(); ++k) {
      const uint8_t przed = szkola.Dyzury.Dyzurny(r, k), po = m.Dyzury.Dyzurny(r, k);
      const bool wObszarze = r >= obszar.RejonOd && r <= obszar.RejonDo && k >= obszar.MomentOd &&
                             k <= obszar.MomentDo;
      if (przed != kBrak || !wObszarze) {
        EXPECT_EQ(po, przed) << r << " " << k;
      } else if (po != kBrak) {
        EXPECT_LT(po, m.Nauczyciele.Liczba());
        EXPECT_TRUE(Dozwolony(m, r, k, z, zZastrzezeniem)) << r << " " << k;
      }
    }
}

// The school filled by the greedy run.
TModele Zachlanny(const TModele& szkola, const TObszar& obszar, const TZasadyOceny& z) {
  TModele m = szkola;
  TWyborAutomatyczny wybor;
  TListaWariantow lista;
  wpisz_warianty(m, obszar, z, wybor, lista);
  return m;
}

TUstawieniaOptimum Ustawienia(bool zZastrzezeniem, bool najpierwRowno = true) {
  TUstawieniaOptimum u;
  u.ZZastrzezeniem = zZastrzezeniem;
  u.NajpierwRowno = najpierwRowno;
  u.LimitSekund = 5.0;
  return u;
}

int Zajete(const TDyzury& d) {
  int ile = 0;
  for (int r = 0; r < d.LiczbaRejonow(); ++r)
    for (int k = 0; k < d.LiczbaMomentow(); ++k) ile += d.Dyzurny(r, k) != kBrak;
  return ile;
}

class OptimumNaSzkole : public ::testing::TestWithParam<unsigned> {};

TEST_P(OptimumNaSzkole, FillsAtLeastGreedyWithAllowedCellsOnly) {
  const unsigned ziarno = GetParam();
  TCechySzkoly cechy;
  cechy.Dlugie = 0.4;
  const TModele szkola = LosowaSzkola(ziarno, 6 + static_cast<int>(ziarno % 4) * 3, 2, 5,
                                      2 + static_cast<int>(ziarno % 3), cechy);
  const TZasadyOceny z = Zasady(ziarno);
  const bool zZastrzezeniem = ziarno % 2 == 0;
  // Half the runs over a part of the table.
  const TObszar obszar = ziarno % 3 == 0 ? TObszar{1, 2, 2, 6} : CalaTabela(szkola.Dyzury);

  const TModele zachlanny = Zachlanny(szkola, obszar, z);

  TModele m = szkola;
  std::vector<TPostepOptimum> postep;
  TUstawieniaOptimum u = Ustawienia(zZastrzezeniem);
  u.Postep = [&](const TPostepOptimum& p) { postep.push_back(p); };
  const TWynikOptimum w = wpisz_optymalnie(m, obszar, z, u);
  EXPECT_TRUE(w.Optymalny);
  // Every report is of a plan that exists and under a bound that holds.
  for (const TPostepOptimum& p : postep) {
    EXPECT_LE(p.Wpisano, w.Wpisano);
    EXPECT_GE(p.NajwyzejMozliwe, w.Wpisano);
  }
  EXPECT_EQ(w.NajwyzejMozliwe, w.Wpisano);
  EXPECT_GE(Zajete(m.Dyzury), Zajete(zachlanny.Dyzury));
  EXPECT_EQ(Zajete(m.Dyzury) - Zajete(szkola.Dyzury), w.Wpisano);

  SprawdzWpisane(szkola, m, obszar, z, zZastrzezeniem);

  TModele jeszczeRaz = szkola;
  wpisz_optymalnie(jeszczeRaz, obszar, z, Ustawienia(zZastrzezeniem));
  EXPECT_EQ(jeszczeRaz.Dyzury, m.Dyzury);

  // Stopped at its first report, the run keeps a valid plan, not a worse
  // one than greedy's.
  std::atomic<bool> stop{false};
  u.Przerwij = &stop;
  u.Postep = [&](const TPostepOptimum&) { stop = true; };
  TModele przerwany = szkola;
  const TWynikOptimum wp = wpisz_optymalnie(przerwany, obszar, z, u);
  EXPECT_TRUE(wp.Przerwany);
  if (wp.Optymalny) {
    EXPECT_EQ(wp.Wpisano, w.Wpisano);  // said only of as many cells as can be
  }
  EXPECT_GE(wp.NajwyzejMozliwe, w.Wpisano);
  EXPECT_GE(Zajete(przerwany.Dyzury), Zajete(zachlanny.Dyzury));
  SprawdzWpisane(szkola, przerwany, obszar, z, zZastrzezeniem);
}
INSTANTIATE_TEST_SUITE_P(Ziarna, OptimumNaSzkole, ::testing::Range(1u, 9u));

// A limit too short for the solver to finish: what it leaves (or the first
// solution) still keeps to the rules and fills at least greedy's cells.
class OptimumPrzerwany : public ::testing::TestWithParam<unsigned> {};

TEST_P(OptimumPrzerwany, StoppedAtOnceStillFillsAllowedCellsOnly) {
  const unsigned ziarno = GetParam();
  TCechySzkoly cechy;
  cechy.Wpisane = cechy.Bledne = 0;  // greedy would replace entered teachers
  const TModele szkola = LosowaSzkola(ziarno, 30 + static_cast<int>(ziarno) * 3, 5, 7, 8, cechy);
  const TZasadyOceny z = Zasady(ziarno);
  const bool zZastrzezeniem = ziarno % 2 == 0;
  const TObszar obszar = CalaTabela(szkola.Dyzury);

  const TModele zachlanny = Zachlanny(szkola, obszar, z);

  TModele m = szkola;
  TUstawieniaOptimum u = Ustawienia(zZastrzezeniem);
  u.LimitSekund = 0.0;
  const TWynikOptimum w = wpisz_optymalnie(m, obszar, z, u);
  EXPECT_GE(w.NajwyzejMozliwe, w.Wpisano);
  EXPECT_EQ(Zajete(m.Dyzury) - Zajete(szkola.Dyzury), w.Wpisano);
  EXPECT_GE(Zajete(m.Dyzury), Zajete(zachlanny.Dyzury));
  SprawdzWpisane(szkola, m, obszar, z, zZastrzezeniem);
}
INSTANTIATE_TEST_SUITE_P(Ziarna, OptimumPrzerwany, ::testing::Range(1u, 13u));

// A stop pressed while the solver works: the run returns a valid plan at
// once, the solve it left ends on its own, and the next run is as if
// nothing had been stopped.
TEST(OptimumPrzerwany, StoppedWhileSolvingLeavesTheNextRunAlone) {
  TCechySzkoly cechy;
  cechy.Wpisane = cechy.Bledne = 0;
  const TModele szkola = LosowaSzkola(5, 55, 5, 8, 10, cechy);
  const TZasadyOceny z = Zasady(5);
  const TObszar obszar = CalaTabela(szkola.Dyzury);
  TUstawieniaOptimum u = Ustawienia(false);
  u.LimitSekund = 60;  // every run ends proven, so two runs give one table
  std::atomic<bool> stop{false};
  u.Przerwij = &stop;
  TModele przerwany = szkola;
  // Pressed long before the run could end: a full run takes about 0.7 s.
  std::thread przycisk([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    stop = true;
  });
  const TWynikOptimum wp = wpisz_optymalnie(przerwany, obszar, z, u);
  przycisk.join();
  EXPECT_TRUE(wp.Przerwany);
  EXPECT_GE(Zajete(przerwany.Dyzury), Zajete(Zachlanny(szkola, obszar, z).Dyzury));
  SprawdzWpisane(szkola, przerwany, obszar, z, false);

  TModele raz = szkola, dwa = szkola;
  u.Przerwij = nullptr;
  wpisz_optymalnie(raz, obszar, z, u);
  wpisz_optymalnie(dwa, obszar, z, u);
  EXPECT_EQ(raz.Dyzury, dwa.Dyzury);
}

// An area too large for one programme goes moment by moment, each run on
// the table the runs before left. Out of time, the greedy run fills the
// rest's empty cells; stopped, the rest stays as it was.
TEST(OptimumWKawalkach, MomentByMomentAndTheGreedyRunOnceStopped) {
  TCechySzkoly cechy;
  cechy.Wpisane = cechy.Bledne = 0;
  const TModele szkola = LosowaSzkola(3, 20, 3, 6, 4, cechy);
  const TZasadyOceny z = Zasady(3);
  const TObszar obszar{0, 2, 2, 9};
  TUstawieniaOptimum u = Ustawienia(false);
  u.NajwiecejOcen = 1;
  TModele m = szkola;
  const TWynikOptimum w = wpisz_optymalnie(m, obszar, z, u);
  EXPECT_EQ(w.Kawalki, std::min(obszar.MomentDo, m.Dyzury.LiczbaMomentow() - 1) - 1);  // from 2
  EXPECT_GT(w.Wpisano, 0);
  EXPECT_EQ(Zajete(m.Dyzury) - Zajete(szkola.Dyzury), w.Wpisano);
  SprawdzWpisane(szkola, m, obszar, z, false);

  const std::atomic<bool> stop{true};
  u.Przerwij = &stop;
  TModele przerwany = szkola;
  const TWynikOptimum wp = wpisz_optymalnie(przerwany, obszar, z, u);
  EXPECT_TRUE(wp.Przerwany);
  EXPECT_FALSE(wp.Wyrownany);
  EXPECT_EQ(przerwany.Dyzury, szkola.Dyzury);
  EXPECT_EQ(wp.Wpisano, 0);

  // Out of time at once, the greedy run fills it all.
  u.Przerwij = nullptr;
  u.LimitSekund = 0;
  TModele bezCzasu = szkola;
  const TWynikOptimum wc = wpisz_optymalnie(bezCzasu, obszar, z, u);
  EXPECT_FALSE(wc.Przerwany);
  EXPECT_EQ(bezCzasu.Dyzury, Zachlanny(szkola, obszar, z).Dyzury);
  EXPECT_EQ(Zajete(bezCzasu.Dyzury) - Zajete(szkola.Dyzury), wc.Wpisano);
  // It fills the empty cells only: every teacher entered before stays.
  const TModele zWpisanymi = LosowaSzkola(3, 20, 3, 6, 4);
  TModele wpisane = zWpisanymi;
  const TWynikOptimum ww = wpisz_optymalnie(wpisane, obszar, z, u);
  EXPECT_EQ(Zajete(wpisane.Dyzury) - Zajete(zWpisanymi.Dyzury), ww.Wpisano);
  SprawdzWpisane(zWpisanymi, wpisane, obszar, z, false);
}

// The fair order of a table, larger is better: cells, clean cells, the
// largest load (negated), the teachers at each count from 6 down to 2
// (negated), the teachers with a duty, the score.
using TRowny = std::tuple<int, int, double, std::vector<int>, int, int>;

TRowny Rowny(const TModele& m, const std::vector<std::pair<int, int>>& komorki,
             const TZasadyOceny& z, bool zZastrzezeniem) {
  const auto [wpisane, czyste, moc] = Wartosc(m, komorki, z, zZastrzezeniem);
  const TObciazenia o = TOgolne(m).policz_obciazenia();
  double najwieksze = 0;
  std::vector<int> poziomy(5, 0);
  int zDyzurem = 0;
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
    const TNaucz& n = m.Nauczyciele[t];
    const int d = o.Dyzury[static_cast<size_t>(t)];
    if (n.LimitDyzurow > 0) najwieksze = std::max(najwieksze, double(d) / n.LimitDyzurow);
    if (n.LimitMinut > 0)
      najwieksze = std::max(najwieksze, double(o.Minuty[static_cast<size_t>(t)]) / n.LimitMinut);
    for (int j = 6; j >= 2; --j) poziomy[static_cast<size_t>(6 - j)] -= d >= j;
    zDyzurem += d >= 1;
  }
  return {wpisane, czyste, -najwieksze, poziomy, zDyzurem, moc};
}

// On tiny schools every table is tried: no allowed table is better, in the
// order of fairness last (cells, clean cells, score) nor in the fair order.
class OptimumMalejSzkoly : public ::testing::TestWithParam<unsigned> {};

TEST_P(OptimumMalejSzkoly, MatchesExhaustiveSearchOnTinySchools) {
  const unsigned ziarno = GetParam();
  TCechySzkoly cechy;
  cechy.Dlugie = 0.5;
  cechy.Usterki = false;
  cechy.KrotszeDni = 0;
  const TModele szkola = LosowaSzkola(ziarno, 4, 1, 3, 2, cechy);
  const TZasadyOceny z = Zasady(ziarno);
  const bool zZastrzezeniem = ziarno % 2 == 0;
  std::vector<std::pair<int, int>> puste;
  for (int r = 0; r < szkola.Dyzury.LiczbaRejonow(); ++r)
    for (int k = 0; k < szkola.Dyzury.LiczbaMomentow(); ++k)
      if (szkola.Dyzury.Dyzurny(r, k) == kBrak) puste.emplace_back(r, k);
  ASSERT_LE(puste.size(), 6u);

  TModele proba = szkola;
  std::tuple<int, int, int> najlepsza{0, 0, 0};
  TRowny najrowniejsza = Rowny(proba, puste, z, zZastrzezeniem);
  const std::function<void(size_t)> szukaj = [&](size_t i) {
    if (i == puste.size()) {
      najlepsza = std::max(najlepsza, Wartosc(proba, puste, z, zZastrzezeniem));
      najrowniejsza = std::max(najrowniejsza, Rowny(proba, puste, z, zZastrzezeniem));
      return;
    }
    const auto [r, k] = puste[i];
    for (int t = -1; t < proba.Nauczyciele.Liczba(); ++t) {
      proba.Dyzury.UstawDyzurnego(r, k, t < 0 ? kBrak : static_cast<uint8_t>(t));
      // More duties only exclude more: a cell excluded now stays excluded.
      if (t < 0 || Dozwolony(proba, r, k, z, zZastrzezeniem)) szukaj(i + 1);
    }
    proba.Dyzury.UstawDyzurnego(r, k, kBrak);
  };
  szukaj(0);

  // A tiny school is proven at once; the long limit only keeps the wait for
  // a solve that an earlier test gave up on (it runs to its next node) out
  // of the run's time.
  TUstawieniaOptimum wygodnie = Ustawienia(zZastrzezeniem, false),
                     rowno = Ustawienia(zZastrzezeniem);
  wygodnie.LimitSekund = rowno.LimitSekund = 60;
  TModele m = szkola;
  const TWynikOptimum w = wpisz_optymalnie(m, CalaTabela(m.Dyzury), z, wygodnie);
  EXPECT_TRUE(w.Optymalny);
  EXPECT_EQ(w.Wpisano, std::get<0>(najlepsza));
  EXPECT_EQ(Wartosc(m, puste, z, zZastrzezeniem), najlepsza);
  EXPECT_EQ(w.Punkty, std::get<2>(najlepsza));

  // Fairness first: as many cells; what it costs is the score given up
  // against the plan above.
  TModele r = szkola;
  const TWynikOptimum wr = wpisz_optymalnie(r, CalaTabela(r.Dyzury), z, rowno);
  EXPECT_TRUE(wr.Optymalny && wr.Wyrownany);
  EXPECT_EQ(Rowny(r, puste, z, zZastrzezeniem), najrowniejsza);
  EXPECT_EQ(wr.Punkty, std::get<5>(najrowniejsza));
  EXPECT_EQ(wr.PunktyWygodne, std::get<2>(najlepsza));
  EXPECT_EQ(wr.Wpisany, Rozpietosc(r));
  EXPECT_EQ(wr.Wygodny, Rozpietosc(m));
}
INSTANTIATE_TEST_SUITE_P(Ziarna, OptimumMalejSzkoly, ::testing::Range(1u, 41u));

}  // namespace
