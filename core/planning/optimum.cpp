#include "core/planning/optimum.h"

#include <coin/Cbc_C_Interface.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "core/planning/optimum_program.h"

namespace velmor {
namespace {

constexpr double kNieskonczonosc = 1e30;  // the solver's infinity

struct TUsunCbc {
  void operator()(Cbc_Model* c) const { Cbc_deleteModel(c); }
};

// Watches a running search from a cut generator the solver calls at every
// node: reports progress and, once a stop is requested, ends the search with
// a cut no plan meets, so the solver keeps the best plan it has.
struct TNadzor {
  const TUstawieniaOptimum& u;
  std::chrono::steady_clock::time_point poczatek;
  const std::vector<double>& cel;  // the objective, per column
  size_t kolumnKomorek = 0;        // the columns of teachers in cells come first
  double wagaKomorek = 1;          // weight of a filled cell in the objective
  double komorek = 0;              // cells with at least one candidate
  TPostepOptimum postep;
  bool przerwano = false, zGranica = false;
  double ostatni = -1;  // seconds at the last report

  // Cells at most, from an objective no plan beats; the goals below the
  // first one add less than a cell's weight.
  int Najwyzej(double wartosc) const {
    const double g = (-wartosc + 100.0) / wagaKomorek;
    return std::isfinite(g) ? static_cast<int>(std::floor(std::clamp(g + 1e-6, 0.0, komorek)))
                            : static_cast<int>(komorek);
  }

  void Zglos() {
    postep.Sekundy =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - poczatek).count();
    ostatni = postep.Sekundy;
    if (u.Postep) u.Postep(postep);
  }
};

// A node's relaxation: the first one, at the root, bounds every plan; an
// integral one is a plan, whose cells count as found. True at the first.
bool Relaksacja(TNadzor& n, void* osi) {
  if (static_cast<size_t>(Osi_getNumCols(osi)) != n.cel.size()) return false;
  const double* x = Osi_getColSolution(osi);
  double wartosc = 0;
  bool calkowite = true;
  int komorki = 0;
  for (size_t i = 0; i < n.cel.size(); ++i) {
    wartosc += n.cel[i] * x[i];
    if (i < n.kolumnKomorek) {
      calkowite = calkowite && std::abs(x[i] - std::round(x[i])) < 1e-6;
      komorki += x[i] > 0.5;
    }
  }
  if (calkowite) n.postep.Wpisano = std::max(n.postep.Wpisano, komorki);
  if (n.zGranica) return false;
  n.postep.NajwyzejMozliwe = std::min(n.postep.NajwyzejMozliwe, n.Najwyzej(wartosc));
  return n.zGranica = true;
}

void NaWezle(void* osi, void* ciecia, void* dane) {
  TNadzor& n = *static_cast<TNadzor*>(dane);
  const bool pierwsza = Relaksacja(n, osi);
  if (n.u.Przerwij != nullptr && n.u.Przerwij->load()) {
    const int kolumna = 0;
    const double jeden = 1.0;
    OsiCuts_addRowCut(ciecia, 1, &kolumna, &jeden, 'L', -1.0);
    n.przerwano = true;
  }
  const double teraz =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - n.poczatek).count();
  if (pierwsza || teraz - n.ostatni >= 0.2) n.Zglos();
}

// The programme handed to the solver at once, column by column. This also
// leaves the columns their default names: the first solution is handed over
// by name, and columns added with empty names would all share one.
void Zaladuj(Cbc_Model* c, const TProgramCalkowity& p) {
  const std::vector<TWiersz>& wiersze = p.Wiersze;
  std::vector<CoinBigIndex> poczatki(p.Cel.size() + 1, 0);
  for (const TWiersz& w : wiersze)
    for (int k : w.kolumny) ++poczatki[static_cast<size_t>(k) + 1];
  for (size_t i = 1; i < poczatki.size(); ++i) poczatki[i] += poczatki[i - 1];
  std::vector<int> indeksy(static_cast<size_t>(poczatki.back()));
  std::vector<double> wartosci(indeksy.size());
  std::vector<CoinBigIndex> dalej(poczatki.begin(), poczatki.end() - 1);
  for (size_t j = 0; j < wiersze.size(); ++j)
    for (size_t k = 0; k < wiersze[j].kolumny.size(); ++k) {
      const size_t e = static_cast<size_t>(dalej[static_cast<size_t>(wiersze[j].kolumny[k])]++);
      indeksy[e] = static_cast<int>(j);
      wartosci[e] = wiersze[j].wspolczynniki[k];
    }
  std::vector<double> dolne(p.Cel.size(), 0.0), gorne(p.Cel.size(), 1.0);
  gorne[p.Zm.size()] = 100.0;
  std::vector<double> wierszeOd(wiersze.size(), -kNieskonczonosc), wierszeDo;
  for (const TWiersz& w : wiersze) wierszeDo.push_back(w.prawa);
  for (size_t j : p.Rowne) wierszeOd[j] = wiersze[j].prawa;
  Cbc_loadProblem(c, static_cast<int>(p.Cel.size()), static_cast<int>(wiersze.size()),
                  poczatki.data(), indeksy.data(), wartosci.data(), dolne.data(), gorne.data(),
                  p.Cel.data(), wierszeOd.data(), wierszeDo.data());
  for (size_t i = 0; i < p.Cel.size(); ++i) Cbc_setInteger(c, static_cast<int>(i));
}

// One thread and fixed seeds: the same document gives the same table. The
// limit runs on the clock. The solver's clock mode needs its preprocessing
// off: with it on, small problems now and then ran to twice the limit. The
// preprocessing also crashed the solver when the limit ended within it, and
// costs more than it gains here, most on large schools.
void UstawSolwer(Cbc_Model* c, double sekundy) {
  Cbc_setLogLevel(c, 0);
  Cbc_setMaximumSeconds(c, std::max(sekundy, 0.01));
  Cbc_setParameter(c, "timeMode", "elapsed");
  Cbc_setParameter(c, "preprocess", "off");
  Cbc_setParameter(c, "probingCuts", "off");  // slow here, for next to no cuts
  Cbc_setAllowableGap(c, 0.5);                // the objective is integral
  Cbc_setParameter(c, "threads", "1");
  Cbc_setParameter(c, "randomCbcSeed", "1");
  Cbc_setParameter(c, "randomSeed", "1");
}

}  // namespace

TWynikOptimum wpisz_optymalnie(TModele& m, const TObszar& obszar, const TZasadyOceny& z,
                               const TUstawieniaOptimum& u) {
  const auto poczatek = std::chrono::steady_clock::now();
  const auto sekundy = [&] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - poczatek).count();
  };
  const TProgramCalkowity p = ZbudujProgram(m, obszar, z, u.ZZastrzezeniem);
  TWynikOptimum wynik;
  if (p.Zm.empty()) {
    wynik.Optymalny = true;
    return wynik;
  }
  std::unique_ptr<Cbc_Model, TUsunCbc> cbc(Cbc_newModel());
  Cbc_Model* c = cbc.get();
  Zaladuj(c, p);
  const std::vector<double> start = PierwszeRozwiazanie(p, m, obszar, z);
  std::vector<int> indeksy(start.size());
  for (size_t i = 0; i < indeksy.size(); ++i) indeksy[i] = static_cast<int>(i);
  Cbc_setMIPStartI(c, static_cast<int>(indeksy.size()), indeksy.data(), start.data());
  UstawSolwer(c, u.LimitSekund - sekundy());

  const double wKomorkach = static_cast<double>(std::count_if(
      p.WKomorce.begin(), p.WKomorce.end(), [](const auto& k) { return !k.empty(); }));
  TNadzor nadzor{u, poczatek, p.Cel, p.Zm.size(), p.WagaKomorek, wKomorkach, {}};
  nadzor.postep.Wpisano =
      static_cast<int>(std::count(start.begin(), start.begin() + p.KolumnaW(), 1.0));
  nadzor.postep.NajwyzejMozliwe = static_cast<int>(wKomorkach);
  nadzor.Zglos();
  Cbc_addCutCallback(c, NaWezle, "nadzor", &nadzor);
  const bool szukano = u.Przerwij == nullptr || !u.Przerwij->load();
  if (szukano) Cbc_solve(c);
  nadzor.przerwano = nadzor.przerwano || !szukano;

  // The first solution stands when the solver stopped before taking it in.
  const double* x = szukano ? Cbc_bestSolution(c) : nullptr;
  const auto wartosc = [&](const double* v) {
    double s = 0;
    for (size_t i = 0; i < p.Cel.size(); ++i) s += p.Cel[i] * v[i];
    return s;
  };
  if (x == nullptr || wartosc(x) > wartosc(start.data()) + 0.5) x = start.data();
  for (size_t i = 0; i < p.Zm.size(); ++i)
    if (x[i] > 0.5) {
      m.Dyzury.UstawDyzurnego(p.Zm[i].r, p.Zm[i].m, static_cast<uint8_t>(p.Zm[i].t));
      ++wynik.Wpisano;
    }
  wynik.Przerwany = nadzor.przerwano;
  wynik.Optymalny = !wynik.Przerwany && Cbc_isProvenOptimal(c) != 0;
  if (wynik.Optymalny) wynik.NajwyzejMozliwe = wynik.Wpisano;
  else if (wynik.Przerwany) wynik.NajwyzejMozliwe = nadzor.postep.NajwyzejMozliwe;
  else wynik.NajwyzejMozliwe = nadzor.Najwyzej(Cbc_getBestPossibleObjValue(c));
  wynik.NajwyzejMozliwe = std::max(wynik.NajwyzejMozliwe, wynik.Wpisano);
  wynik.Sekundy = sekundy();
  nadzor.postep = {wynik.Wpisano, wynik.NajwyzejMozliwe, 0.0};
  nadzor.Zglos();
  return wynik;
}

}  // namespace velmor
