#pragma once
// What the exports share: a teacher's duties, texts in UTF-8, colours for a
// page.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/document/dokument.h"

namespace velmor {

// One cell of the duty table held by a teacher.
struct TDyzur {
  int Moment, Rejon;
};

// Teacher t's duties, by moment, then by region (moments the moment list
// holds only).
std::vector<TDyzur> DyzuryNauczyciela(const TModele& m, int t);

// The teacher in a duty cell; -1 for nobody, a closed cell or an index past
// the list.
int NauczycielKomorki(const TModele& m, int r, int s);

// UTF-8 forms of model texts.
std::string Utf8(const std::string& cp1250);
// "Nazwisko Imie", as the limits window names a teacher.
std::string NazwiskoImie(const TNaucz& n);
// The weekday name of a moment's day.
std::string DzienMomentu(const TModele& m, int s);
// The label of slot s's period ("8:55-9:40"); empty for no such slot.
std::string EtykietaLekcji(const TModele& m, int s);
// Moment k's break in minutes of the day, from its period's start and its
// length: the start is below 0 when the break begins the day before. None
// when the period's label gives no time.
std::optional<std::pair<int, int>> GodzinyPrzerwy(const TModele& m, int k);
// The clock time of minutes of the day, taken round midnight: "8:45", or
// "08:45" with `dwieCyfry`.
std::string Zegar(int minuty, bool dwieCyfry = false);
// "8:45–8:55", or "" without clock times.
std::string GodzinyPrzerwyTekst(const TModele& m, int k);
// The teachers' indices by surname, then first name, in Polish order.
std::vector<int> NauczycieleAlfabetycznie(const TModele& m);
// A region's rooms by name, comma-separated.
std::string SaleRejonu(const TModele& m, int r);

// "#RRGGBB" of a 0x00BBGGRR colour.
std::string KolorHtml(uint32_t kolor);

}  // namespace velmor
