#pragma once
// The plan check: everything in a duty plan a planner should look at before
// it goes up on the wall, as a list of findings over the whole document.
#include <string>
#include <vector>

#include "core/document/dokument.h"

namespace velmor {

enum class TRodzajUwagi {
  kPusta,             // an open cell without a teacher
  kLimitDyzurow,      // more duties than the count limit
  kLimitMinut,        // more minutes than the minutes limit
  kZakaz,             // on duty at a banned moment
  kDwaRejony,         // on duty in two regions at one moment
  kNieMaWSzkole,      // no lesson right before nor right after the break
  kDwieDlugie,        // more than one long-break duty a day (option byte 2)
  kBlednyNauczyciel,  // a cell naming no teacher of the plan
  kBezDyzuru,         // no duty while others are at their limit
  kRozklad,           // the spread of duties and minutes
  kZastepstwa,        // a teacher's cover over the term: the ledger's row
};

struct TUwaga {
  TRodzajUwagi Rodzaj;
  int Moment = -1, Rejon = -1, Nauczyciel = -1;  // -1: not about one
  std::string Tekst;                             // Polish, UTF-8
};

// The findings, cell by cell in moment order, then per teacher, then the
// spread, then the cover ledger of each teacher with any cover; none but
// the spread (and the ledger) on a sound plan.
std::vector<TUwaga> KontrolaPlanu(const TModele& m);

// Every finding but the spread and the ledger is a problem.
inline bool JestProblemem(const TUwaga& u) {
  return u.Rodzaj != TRodzajUwagi::kRozklad && u.Rodzaj != TRodzajUwagi::kZastepstwa;
}

// The kind's short name, as the cli's tsv and json outputs give it.
const char* NazwaRodzaju(TRodzajUwagi r);

}  // namespace velmor
