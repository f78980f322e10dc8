#pragma once
// One solve of the optimal entry's programme by CBC, watched at the
// solver's nodes: progress reported, a stop request obeyed. A run may solve
// it several times, each stage under its own objective.
#include <chrono>
#include <vector>

#include "core/planning/optimum.h"
#include "core/planning/optimum_program.h"

namespace velmor {

// A run's clock, progress and stop, shared by its stages.
struct TNadzor {
  explicit TNadzor(const TUstawieniaOptimum& ustawienia) : u(ustawienia) {}

  const TUstawieniaOptimum& u;
  std::chrono::steady_clock::time_point poczatek = std::chrono::steady_clock::now();
  TPostepOptimum postep;
  bool przerwano = false;
  double ostatni = -1;  // seconds at the last report

  double Sekundy() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - poczatek).count();
  }
  double Zostalo() const { return u.LimitSekund - Sekundy(); }
  // Whether a stage may still start: time left and no stop asked. A stop
  // seen here marks the run stopped, as one seen by a solve does.
  bool Dalej() {
    przerwano = przerwano || (u.Przerwij && u.Przerwij->load());
    return !przerwano && Zostalo() > 0;
  }
  void Zglos() {
    postep.Sekundy = ostatni = Sekundy();
    if (u.Postep) u.Postep(postep);
  }
};

struct TRozwiazanie {
  std::vector<double> x;   // per column: the best found, at worst the start
  bool Optymalne = false;  // proven
  double Granica = 0;      // no solution's objective is below it
};

// The objective at x.
double Wartosc(const std::vector<double>& cel, const std::vector<double>& x);

// Solves p for p.Cel from `start`, a solution of every row, in the run's
// time left. The first stage (`komorki`) bounds the cells: the plans it
// finds and its bound on them are reported as the run's progress.
TRozwiazanie Rozwiaz(const TProgramCalkowity& p, const std::vector<double>& start, TNadzor& n,
                     bool komorki);

}  // namespace velmor
