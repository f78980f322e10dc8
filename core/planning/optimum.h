#pragma once
// Automatic entry solved exactly: the selected empty cells filled at once by
// an integer programme (CBC) instead of one after another.
#include <atomic>
#include <functional>

#include "core/planning/rozpietosc.h"
#include "core/planning/warianty.h"
#include "core/planning/wpis.h"

namespace velmor {

// What a running search knows, reported from the solving thread.
struct TPostepOptimum {
  int Wpisano = 0;          // cells of the best plan found so far
  int NajwyzejMozliwe = 0;  // at most this many cells could be written
  double Sekundy = 0.0;
};

struct TUstawieniaOptimum {
  bool ZZastrzezeniem = false;  // candidates with a reservation allowed
  bool NajpierwRowno = true;    // the loads evened before the score
  double LimitSekund = 10.0;    // the whole run, building the programme too, ends by then
  // Cells x teachers one programme is built for; a larger area is solved in
  // runs of moments.
  double NajwiecejOcen = 2e6;
  // Set from another thread to end the search with the best plan found.
  const std::atomic<bool>* Przerwij = nullptr;
  std::function<void(const TPostepOptimum&)> Postep;  // called from the solving thread

  // As the plan's options set them.
  static TUstawieniaOptimum Z(const TOpcje& o) {
    TUstawieniaOptimum u;
    u.ZZastrzezeniem = o.ZZastrzezeniem();
    u.NajpierwRowno = o.NajpierwRowno();
    u.LimitSekund = o.LimitSekund();
    return u;
  }
};

struct TWynikOptimum {
  int Wpisano = 0;          // cells written
  bool Optymalny = false;   // no plan fills more cells
  int NajwyzejMozliwe = 0;  // at most this many cells could be written
  double Sekundy = 0.0;     // time the run took
  bool Przerwany = false;   // ended by a stop request
  bool Wyrownany = false;   // every goal after the cells proven (fairness first)
  int Kawalki = 1;          // the runs of moments the area was solved in
  // The total score of the plan written, and of the most convenient plan
  // of its cells (fairness last); their spreads of the loads.
  int Punkty = 0, PunktyWygodne = 0;
  TRozpietosc Wpisany, Wygodny;

  // What fairness costs: the score given up, as a percentage.
  double CenaRownosci() const {
    return PunktyWygodne > 0 ? 100.0 * (PunktyWygodne - Punkty) / PunktyWygodne : 0.0;
  }
};

// Fills the empty open cells of the area (cut to the table) with the automatic
// manner's rules (z.Automatycznie is taken as set). Cells holding a teacher
// keep him; closed cells stay closed. Order of goals: most cells filled, then
// most clean ones; then, with u.NajpierwRowno, the loads evened (see
// Wyrownaj) before the highest total score; without it, the highest total
// score, then the smallest largest share of a teacher's duty-count limit.
// The solver's first solution is the greedy run's cells that fit the fixed
// table, each other empty cell then filled along a chain of moves within its
// moment where one exists; a stopped or timed-out run keeps at least that. A
// stop request ends the search at the solver's next node. An area of more
// than u.NajwiecejOcen empty cells x teachers is solved in runs of moments,
// one after another, within the one time limit; the moments the time does
// not reach get the greedy run, those a stop does not reach stay empty.
TWynikOptimum wpisz_optymalnie(TModele& m, const TObszar& obszar, const TZasadyOceny& z,
                               const TUstawieniaOptimum& u = {});

}  // namespace velmor
