#pragma once
// A date's cover for the staff room, line by line, and as a message text to
// paste into mail or the school's messenger (UTF-8); its page is in html.h.
#include <string>
#include <vector>

#include "core/document/dokument.h"

namespace velmor {

// "Poniedziałek 14.12.2026".
std::string DzienZastepstw(int data);

// A duty of an absent teacher on the date, in the duty table's order.
struct TLiniaZastepstwa {
  std::string Moment, Rejon, Nieobecny, Kto;  // Kto: "" while open
  bool BezZastepstwa = false;
};
std::vector<TLiniaZastepstwa> LinieZastepstw(const TModele& m, int data);

// "- przed 8:55-9:40, Parter: Ewa Lis (za: Anna Nowak)", a line a duty.
std::string ZastepstwaTekst(const TModele& m, int data);

}  // namespace velmor
