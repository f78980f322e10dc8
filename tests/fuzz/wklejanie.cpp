// The paste parser. The first byte picks the style, the next two the target's
// width and height (negative too); the rest is the clipboard text. Cells
// come row by row, left to right, inside the target, each once, and no cell
// keeps a separator.
#include "core/grid/wklejanie.h"

#include <string_view>

#include "fuzz.h"

using namespace velmor;
using namespace velmor::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t n) {
  if (n < 3) return 0;
  const bool excel = dane[0] & 1;
  const int ilx = static_cast<int8_t>(dane[1]), ily = static_cast<int8_t>(dane[2]);
  const std::string_view tekst(reinterpret_cast<const char*>(dane + 3), n - 3);

  int ostatnieI = -1, ostatnieJ = -1;
  size_t komorek = 0;
  ParsujWklejenie(tekst, excel, ilx, ily, [&](int i, int j, const std::string& t) {
    Wymagaj(i >= 0 && i < ilx && j >= 0 && j < ily, "cell outside the target");
    Wymagaj(j > ostatnieJ || (j == ostatnieJ && i > ostatnieI), "cells out of order");
    ostatnieI = i;
    ostatnieJ = j;
    ++komorek;
    Wymagaj(t.find_first_of("\t\"") == std::string::npos, "tab or quote kept in a cell");
    for (size_t k = 0; k < t.size(); ++k) {
      // A line break stays only inside quotes, and always as CR LF.
      if (t[k] == '\r') Wymagaj(excel && k + 1 < t.size() && t[k + 1] == '\n', "CR kept in a cell");
      if (t[k] == '\n') Wymagaj(excel && k > 0 && t[k - 1] == '\r', "LF kept in a cell");
    }
  });
  // A cell takes at least one character of the text or ends at one.
  Wymagaj(komorek <= tekst.size() + 1, "more cells than characters");
  return 0;
}
