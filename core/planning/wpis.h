#pragma once
// Automatic entry: the selected cells of the duty table filled one after
// another with the best candidate.
#include <functional>

#include "core/planning/ogolne.h"
#include "core/planning/warianty.h"

namespace velmor {

// Chooses the teacher for one cell from the judged list (in teacher order).
class TWyborWariantu {
 public:
  virtual ~TWyborWariantu() = default;
  // The teacher, or kWyborPrzerwany to stop the run, kBezWyboru to leave the
  // cell as it is.
  virtual int wybierz_wariant(TListaWariantow& lista) = 0;
  // True when the choice is the unattended one: the first record by score,
  // taken only when clean. The run may then find that record itself without
  // judging every teacher, and asks `wybierz_wariant` only for the last cell.
  virtual bool Nienadzorowany() const { return false; }
  // True when the run fills empty cells only and keeps every teacher entered.
  virtual bool TylkoPuste() const { return false; }
};

// The unattended manner: the best record by score, only when it is clean.
class TWyborAutomatyczny : public TWyborWariantu {
 public:
  int wybierz_wariant(TListaWariantow& lista) override;
  bool Nienadzorowany() const override { return true; }
};

// Cells of regions RejonOd..RejonDo and moments MomentOd..MomentDo, inclusive.
struct TObszar {
  int RejonOd = 0, RejonDo = -1, MomentOd = 0, MomentDo = -1;
};

// The whole duty table.
TObszar CalaTabela(const TDyzury& d);
// The area cut to the duty table (and to the regions that exist).
TObszar Przytnij(const TObszar& o, const TModele& m);

// Visits the cells column by column, top to bottom, passing closed cells and
// cells outside the table; every teacher but the one in the cell is judged
// with the loads of the table as it stands, then `wybor` decides. Returns
// the number of cells written; `poWpisie` hears of each.
int wpisz_warianty(TModele& modele, const TObszar& obszar, const TZasadyOceny& zasady,
                   TWyborWariantu& wybor, TListaWariantow& lista,
                   const std::function<void(int r, int m)>& poWpisie = {});

}  // namespace velmor
