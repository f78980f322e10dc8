#pragma once
// The integer programme of the optimal entry, built from the judgement of
// every teacher in every empty cell of an area: its columns, rows and
// objective, and a first solution for the solver.
#include <map>
#include <utility>
#include <vector>

#include "core/planning/warianty.h"
#include "core/planning/wpis.h"

namespace velmor {

// A teacher that may take a cell: a binary column of the programme.
struct TZmienna {
  int t = 0, r = 0, m = 0;
  int komorka = 0;  // index of the cell among the decided ones
  bool czysty = false;
  int moc = 0;
};

// A row of the programme: a sum of columns with coefficients, at most
// `prawa` (or equal to it, for the rows listed in `Rowne`).
struct TWiersz {
  std::vector<int> kolumny;
  std::vector<double> wspolczynniki;
  double prawa = 0;
};

// Two columns of one teacher in one region at neighbouring breaks that
// score `premia` more together; their pair column is at most either.
struct TPara {
  int i = 0, j = 0, premia = 0;
};

// A teacher whose count (`ile` duties) or minutes can bind.
struct TWaski {
  int t = 0, ile = 0, minut = 0;
  bool liczba = false, czas = false;
};

// Columns: the teachers in cells (Zm), the fairness column W (0..100, the
// largest share of a count limit), the pair columns, the moment columns of
// teachers whose limits can bind, then those the later stages add. All
// are integral.
struct TProgramCalkowity {
  int MomentOd = 0, MomentDo = -1;
  std::vector<std::pair<int, int>> Komorki;  // (region, moment) of the decided cells
  std::vector<TZmienna> Zm;
  std::vector<std::vector<int>> WKomorce;                     // columns per cell
  std::map<std::pair<int, int>, std::vector<int>> WMomencie;  // (teacher, moment)
  std::vector<TWiersz> Wiersze;
  size_t WierszeKomorek = 0;  // the rows before are the cells' own
  size_t WierszeStartu = 0;   // the first solution keeps the rows before
  std::vector<size_t> Rowne;
  std::vector<TWaski> Waskie;
  std::vector<TPara> Pary;
  std::map<std::pair<int, int>, int> KolumnyMomentow;  // (teacher, moment) to its column
  std::vector<double> Cel;                             // objective per column, minimised
  std::vector<double> Gorne;                           // upper bound per column; all from 0
  double WagaKomorek = 1;  // a filled cell's weight: it outweighs every later goal

  int KolumnaW() const { return static_cast<int>(Zm.size()); }
  int KolumnaPary(size_t q) const { return KolumnaW() + 1 + static_cast<int>(q); }
  // The cells solution x fills; the cells anybody may take.
  int Wpisane(const std::vector<double>& x) const;
  int ZKandydatami() const;
  // A binary column more, out of the objective; its index.
  int DodajKolumne();
};

// The programme of the empty open cells of the area (cut to the table) for
// the automatic manner's rules; no columns when nobody can take any cell.
TProgramCalkowity ZbudujProgram(const TModele& m, const TObszar& obszar, const TZasadyOceny& z,
                                bool zZastrzezeniem);

// The first solution: the greedy run's cells while every row they are in
// holds, then each cell left empty filled along the shortest chain of moves
// within its moment, where one exists. One value per column. m is as it was
// when it returns.
std::vector<double> PierwszeRozwiazanie(const TProgramCalkowity& p, TModele& m,
                                        const TObszar& obszar, const TZasadyOceny& z);

// The columns after the teachers' as the teachers' in x imply them: the
// pairs, the moment columns and W as small as the fairness rows allow.
void Uzupelnij(const TProgramCalkowity& p, std::vector<double>& x);

// Day of moment k when it is a long break, else -1 (as the judgement reads it).
int DzienDlugiej(const TModele& m, int k);
// Moment k's minutes; 0 past the moments.
int MinutyMomentu(const TModele& m, int k);

}  // namespace velmor
