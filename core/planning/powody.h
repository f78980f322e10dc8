#pragma once
// Why an open duty cell stays empty: what keeps each teacher out of it.
#include <string>

#include "core/document/dokument.h"
#include "core/planning/warianty.h"

namespace velmor {

// Teachers by the first rule that excludes them at the cell, in the
// judgement's order, and those who could take it.
struct TPowodyPustej {
  int Zakaz = 0, LimitDyzurow = 0, LimitMinut = 0, Zajety = 0, DlugaZajeta = 0, NieMaWSzkole = 0;
  int ZZastrzezeniem = 0;         // not excluded, but only with a reservation
  int Czysci = 0;                 // clean: an automatic run could enter them
  int NajlepszyZastrzezony = -1;  // the best of those with a reservation, or -1
  int MocNajlepszego = -1;        // his score
};

// The cell of region r and moment k judged as an automatic run judges it.
TPowodyPustej PowodyPustej(const TModele& m, int r, int k, const TZasadyOceny& z);

// The reasons in a line of Polish (UTF-8), the rules that excluded nobody
// left out: "limit dyżurów 5, nie ma w szkole 20; z zastrzeżeniem 2
// (najlepszy: Anna Nowak)".
std::string OpisPowodow(const TModele& m, const TPowodyPustej& p);

}  // namespace velmor
