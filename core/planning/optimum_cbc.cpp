#include "core/planning/optimum_cbc.h"

#include <coin/Cbc_C_Interface.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace velmor {
namespace {

constexpr double kNieskonczonosc = 1e30;  // the solver's infinity

struct TUsunCbc {
  void operator()(Cbc_Model* c) const { Cbc_deleteModel(c); }
};

// One solve as the node callback sees it.
struct TWezly {
  TNadzor& n;
  const TProgramCalkowity& p;
  bool komorki = false;
  double wKomorkach = 0;  // cells with at least one candidate
  bool zGranica = false;

  // Cells at most, from an objective no plan beats; the goals below the
  // first one add less than a cell's weight.
  int Najwyzej(double wartosc) const {
    const double g = (-wartosc + 100.0) / p.WagaKomorek;
    return std::isfinite(g) ? static_cast<int>(std::floor(std::clamp(g + 1e-6, 0.0, wKomorkach)))
                            : static_cast<int>(wKomorkach);
  }
};

// A node's relaxation: the first one, at the root, bounds every plan; an
// integral one is a plan, whose cells count as found. True at the first.
bool Relaksacja(TWezly& w, void* osi) {
  if (static_cast<size_t>(Osi_getNumCols(osi)) != w.p.Cel.size()) return false;
  const double* x = Osi_getColSolution(osi);
  double wartosc = 0;
  bool calkowite = true;
  int komorki = 0;
  for (size_t i = 0; i < w.p.Cel.size(); ++i) {
    wartosc += w.p.Cel[i] * x[i];
    if (i < w.p.Zm.size()) {
      calkowite = calkowite && std::abs(x[i] - std::round(x[i])) < 1e-6;
      komorki += x[i] > 0.5;
    }
  }
  if (calkowite) w.n.postep.Wpisano = std::max(w.n.postep.Wpisano, komorki);
  if (w.zGranica) return false;
  w.n.postep.NajwyzejMozliwe = std::min(w.n.postep.NajwyzejMozliwe, w.Najwyzej(wartosc));
  return w.zGranica = true;
}

// Reports progress and, once a stop is requested, ends the search with a
// cut no plan meets, so the solver keeps the best plan it has.
void NaWezle(void* osi, void* ciecia, void* dane) {
  TWezly& w = *static_cast<TWezly*>(dane);
  const bool pierwsza = w.komorki && Relaksacja(w, osi);
  if (w.n.u.Przerwij != nullptr && w.n.u.Przerwij->load()) {
    const int kolumna = 0;
    const double jeden = 1.0;
    OsiCuts_addRowCut(ciecia, 1, &kolumna, &jeden, 'L', -1.0);
    w.n.przerwano = true;
  }
  if (pierwsza || w.n.Sekundy() - w.n.ostatni >= 0.2) w.n.Zglos();
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
  std::vector<double> dolne(p.Cel.size(), 0.0);
  std::vector<double> wierszeOd(wiersze.size(), -kNieskonczonosc), wierszeDo;
  for (const TWiersz& w : wiersze) wierszeDo.push_back(w.prawa);
  for (size_t j : p.Rowne) wierszeOd[j] = wiersze[j].prawa;
  Cbc_loadProblem(c, static_cast<int>(p.Cel.size()), static_cast<int>(wiersze.size()),
                  poczatki.data(), indeksy.data(), wartosci.data(), dolne.data(), p.Gorne.data(),
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
  Cbc_setAllowableGap(c, 0.5);                // every objective is integral
  Cbc_setParameter(c, "threads", "1");
  Cbc_setParameter(c, "randomCbcSeed", "1");
  Cbc_setParameter(c, "randomSeed", "1");
}

}  // namespace

double Wartosc(const std::vector<double>& cel, const std::vector<double>& x) {
  double s = 0;
  for (size_t i = 0; i < cel.size(); ++i) s += cel[i] * x[i];
  return s;
}

TRozwiazanie Rozwiaz(const TProgramCalkowity& p, const std::vector<double>& start, TNadzor& n,
                     bool komorki) {
  TRozwiazanie r{start, false, -kNieskonczonosc};
  if (!n.Dalej()) {
    n.przerwano = n.przerwano || (n.u.Przerwij && n.u.Przerwij->load());
    return r;
  }
  std::unique_ptr<Cbc_Model, TUsunCbc> cbc(Cbc_newModel());
  Cbc_Model* c = cbc.get();
  Zaladuj(c, p);
  std::vector<int> indeksy(start.size());
  for (size_t i = 0; i < indeksy.size(); ++i) indeksy[i] = static_cast<int>(i);
  Cbc_setMIPStartI(c, static_cast<int>(indeksy.size()), indeksy.data(), start.data());
  UstawSolwer(c, n.Zostalo());
  TWezly w{n, p, komorki, 0.0};
  w.wKomorkach = p.ZKandydatami();
  Cbc_addCutCallback(c, NaWezle, "nadzor", &w);
  Cbc_solve(c);

  // The start stands when the solver stopped before taking it in.
  const double* x = Cbc_bestSolution(c);
  if (x != nullptr &&
      Wartosc(p.Cel, std::vector<double>(x, x + p.Cel.size())) <= Wartosc(p.Cel, start) + 0.5)
    r.x.assign(x, x + p.Cel.size());
  for (double& v : r.x) v = std::round(v);
  r.Optymalne = !n.przerwano && Cbc_isProvenOptimal(c) != 0;
  r.Granica = r.Optymalne ? Wartosc(p.Cel, r.x) : Cbc_getBestPossibleObjValue(c);
  if (komorki) {
    n.postep.Wpisano = p.Wpisane(r.x);
    if (r.Optymalne) n.postep.NajwyzejMozliwe = n.postep.Wpisano;
    else if (!n.przerwano) n.postep.NajwyzejMozliwe = w.Najwyzej(r.Granica);
    n.postep.NajwyzejMozliwe = std::max(n.postep.NajwyzejMozliwe, n.postep.Wpisano);
  }
  return r;
}

}  // namespace velmor
