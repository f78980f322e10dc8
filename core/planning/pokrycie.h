#pragma once
// Cover for absent teachers: the duties an absence leaves open on a date,
// the candidates for each judged as for the plan, and the day filled.
#include <cstdint>
#include <vector>

#include "core/document/dokument.h"
#include "core/planning/optimum.h"
#include "core/planning/warianty.h"

namespace velmor {

// The plan's day of a calendar date (days since 30 December 1899): the
// weekday in the plan's cycle of weeks from its start; -1 when the plan has
// no such day.
int DzienPlanu(const TDni& dni, int data);

// The absence that keeps teacher t away at moment k on the date, or nullptr.
// An absence of periods a..b covers the breaks before those periods.
const TNieobecnosc* Nieobecnosc(const TModele& m, int t, int data, int k);

// A duty of an absent teacher on the date.
struct TPozycjaPokrycia {
  int Moment = 0, Rejon = 0;
  uint8_t Nieobecny = 0;  // whose duty it is
  int Kto = -1;           // who covers it, kZamkniete: "bez zastępstwa", -1: open
};

// In the order of the duty table: moment by moment, region by region.
std::vector<TPozycjaPokrycia> PozycjeDnia(const TModele& m, int data);

// The plan as it stands in the date's week: every cover of that week in its
// cell, a duty nobody needs that day closed; the date's open duties empty,
// its absent teachers banned at their moments, and every other empty cell
// closed, so that a run enters teachers only where cover is needed.
TModele WidokDnia(const TModele& m, int data);

struct TKandydatPokrycia {
  TWariant Wariant;
  bool Nieobecny = false;  // excluded: away at that moment
  int Zastepstwa = 0;      // his cover duties before the date
};

// Every teacher but the absent one, judged for the duty as the plan's
// variant list judges (the week's cover counted in the loads), best first;
// between equals the one with fewer cover duties so far.
std::vector<TKandydatPokrycia> KandydaciPokrycia(const TModele& m, int data,
                                                 const TPozycjaPokrycia& p, const TZasadyOceny& z);

// Every open duty of the date filled by the optimal entry where a teacher
// can take it, as cover records; the others stay open.
TWynikOptimum PokryjDzien(TModele& m, int data, const TZasadyOceny& z,
                          const TUstawieniaOptimum& u = {});

// Cover records no absence needs any more (the absence changed, or the one
// covering is away himself) dropped.
void UsunZbedne(TModele& m);

// Per teacher over the term: duties in the plan, cover duties given, his
// duties others covered and his duties dropped ("bez zastępstwa").
struct TKsiega {
  int Plan = 0, Dane = 0, Otrzymane = 0, Odwolane = 0;
};
std::vector<TKsiega> KsiegaZastepstw(const TModele& m);

}  // namespace velmor
