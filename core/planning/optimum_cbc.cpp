#include "core/planning/optimum_cbc.h"

#include <coin/Cbc_C_Interface.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <limits>
#include <memory>
#include <mutex>
#include <thread>

namespace velmor {
namespace {

constexpr double kNieskonczonosc = 1e30;  // the solver's infinity

struct TUsunCbc {
  void operator()(Cbc_Model* c) const { Cbc_deleteModel(c); }
};

// One solve, shared by the thread that runs the solver and the run that
// waits for it. What the node callback needs is copied in: a run that gives
// up waiting leaves the solve to end on its own.
struct TPraca {
  std::unique_ptr<Cbc_Model, TUsunCbc> cbc;
  std::vector<double> cel;
  size_t zm = 0;  // the cell columns come first
  double wagaKomorek = 1, wKomorkach = 0;
  bool komorki = false, zGranica = false;
  std::atomic<bool> stop{false};        // end the search at the next node
  std::atomic<bool> zatrzymana{false};  // the search was ended so
  std::atomic<int> wpisano{0}, najwyzej{std::numeric_limits<int>::max()};
  // The outcome, once gotowe.
  std::vector<double> x;
  bool optymalne = false;
  double granica = -kNieskonczonosc;
  std::mutex m;
  std::condition_variable cv;
  bool gotowe = false;

  // Cells at most, from an objective no plan beats; the goals below the
  // first one add less than a cell's weight.
  int Najwyzej(double wartosc) const {
    const double g = (-wartosc + 100.0) / wagaKomorek;
    return std::isfinite(g) ? static_cast<int>(std::floor(std::clamp(g + 1e-6, 0.0, wKomorkach)))
                            : static_cast<int>(wKomorkach);
  }
};

// A node's relaxation: the first one, at the root, bounds every plan; an
// integral one is a plan, whose cells count as found.
void Relaksacja(TPraca& w, void* osi) {
  if (static_cast<size_t>(Osi_getNumCols(osi)) != w.cel.size()) return;
  const double* x = Osi_getColSolution(osi);
  double wartosc = 0;
  bool calkowite = true;
  int komorki = 0;
  for (size_t i = 0; i < w.cel.size(); ++i) {
    wartosc += w.cel[i] * x[i];
    if (i < w.zm) {
      calkowite = calkowite && std::abs(x[i] - std::round(x[i])) < 1e-6;
      komorki += x[i] > 0.5;
    }
  }
  if (calkowite && komorki > w.wpisano) w.wpisano = komorki;
  if (w.zGranica) return;
  w.najwyzej = std::min(w.najwyzej.load(), w.Najwyzej(wartosc));
  w.zGranica = true;
}

// Once a stop is asked, ends the search with a cut no plan meets, so the
// solver keeps the best plan it has.
void NaWezle(void* osi, void* ciecia, void* dane) {
  TPraca& w = *static_cast<TPraca*>(dane);
  if (w.komorki) Relaksacja(w, osi);
  if (w.stop) {
    const int kolumna = 0;
    const double jeden = 1.0;
    OsiCuts_addRowCut(ciecia, 1, &kolumna, &jeden, 'L', -1.0);
    w.zatrzymana = true;
  }
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

// One solve at a time: a solve given up on still runs until its next node.
// Leaving the program waits for it.
struct TSolwer {
  std::mutex m;
  ~TSolwer() { std::lock_guard<std::mutex> czekaj(m); }
};

TSolwer& Solwer() {
  static TSolwer s;
  return s;
}

void Pracuj(std::shared_ptr<TPraca> w) {
  std::lock_guard<std::mutex> jeden(Solwer().m);
  if (!w->stop) {
    Cbc_Model* c = w->cbc.get();
    Cbc_solve(c);
    if (const double* x = Cbc_bestSolution(c)) w->x.assign(x, x + w->cel.size());
    w->optymalne = !w->zatrzymana && Cbc_isProvenOptimal(c) != 0;
    if (!w->zatrzymana) w->granica = Cbc_getBestPossibleObjValue(c);
  }
  w->cbc.reset();
  {
    std::lock_guard<std::mutex> l(w->m);
    w->gotowe = true;
  }
  w->cv.notify_all();
  w.reset();
}

// How long a solve asked to stop may take to reach its next node.
constexpr auto kNaWezel = std::chrono::milliseconds(300);

// Waits for the solve, reporting its progress and passing on a stop, or the
// end of the time early enough for the solver to reach its next node within
// it. False when it gave up waiting.
bool Czekaj(TPraca& w, TNadzor& n) {
  std::unique_lock<std::mutex> l(w.m);
  std::chrono::steady_clock::time_point najpozniej = std::chrono::steady_clock::time_point::max();
  while (!w.cv.wait_for(l, std::chrono::milliseconds(20), [&] { return w.gotowe; })) {
    if (w.komorki) {
      n.postep.Wpisano = std::max(n.postep.Wpisano, w.wpisano.load());
      n.postep.NajwyzejMozliwe = std::min(n.postep.NajwyzejMozliwe, w.najwyzej.load());
    }
    const bool przerwij = n.u.Przerwij != nullptr && n.u.Przerwij->load();
    n.przerwano = n.przerwano || przerwij;
    const double naWezel = std::chrono::duration<double>(kNaWezel).count();
    if (!w.stop && (przerwij || n.Zostalo() <= naWezel)) {
      w.stop = true;
      najpozniej = std::chrono::steady_clock::now() + kNaWezel;
    }
    if (std::chrono::steady_clock::now() >= najpozniej) return false;
    if (n.Sekundy() - n.ostatni >= 0.2) {
      l.unlock();
      n.Zglos();
      l.lock();
    }
  }
  n.przerwano = n.przerwano || (n.u.Przerwij != nullptr && n.u.Przerwij->load());
  return true;
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
  if (!n.Dalej()) return r;
  auto w = std::make_shared<TPraca>();
  w->cbc.reset(Cbc_newModel());
  Cbc_Model* c = w->cbc.get();
  Zaladuj(c, p);
  std::vector<int> indeksy(start.size());
  for (size_t i = 0; i < indeksy.size(); ++i) indeksy[i] = static_cast<int>(i);
  Cbc_setMIPStartI(c, static_cast<int>(indeksy.size()), indeksy.data(), start.data());
  UstawSolwer(c, n.Zostalo());
  w->cel = p.Cel;
  w->zm = p.Zm.size();
  w->wagaKomorek = p.WagaKomorek;
  w->wKomorkach = p.ZKandydatami();
  w->komorki = komorki;
  Cbc_addCutCallback(c, NaWezle, "nadzor", w.get());
  std::thread(Pracuj, w).detach();
  if (!Czekaj(*w, n)) return r;  // the start stands

  // So does it when the solver stopped before taking it in.
  if (!w->x.empty() && Wartosc(p.Cel, w->x) <= Wartosc(p.Cel, start) + 0.5) r.x = w->x;
  for (double& v : r.x) v = std::round(v);
  r.Optymalne = w->optymalne;
  r.Granica = r.Optymalne ? Wartosc(p.Cel, r.x) : w->granica;
  if (komorki) {
    n.postep.Wpisano = p.Wpisane(r.x);
    if (r.Optymalne) n.postep.NajwyzejMozliwe = n.postep.Wpisano;
    else if (!w->zatrzymana) n.postep.NajwyzejMozliwe = w->Najwyzej(r.Granica);
    n.postep.NajwyzejMozliwe = std::max(n.postep.NajwyzejMozliwe, n.postep.Wpisano);
  }
  return r;
}

}  // namespace velmor
