#include "core/grid/paleta.h"

#include <algorithm>

namespace velmor {
namespace {

// Channels are kept within a byte for points just outside the client area.
uint32_t Kanal(int v, int przesuniecie) {
  return static_cast<uint32_t>(std::clamp(v, 0, 255)) << przesuniecie;
}

uint32_t Rgb(int r, int g, int b) { return Kanal(r, 0) | Kanal(g, 8) | Kanal(b, 16); }

}  // namespace

uint32_t daj_kolor(int x, int y, int szer, int wys) {
  if (szer <= 0) return 0;
  const int pol = wys / 2;
  int d = 235, c = 20;  // main and other channels
  if (pol > 0) {
    if (y < pol) d = y * 215 / pol + 20;
    else c = (y - pol) * 215 / pol + 20;
  }
  switch (x * 7 / szer) {
    case 0: return Rgb(d, c, c);
    case 1: return Rgb(d, c, d);
    case 2: return Rgb(d, d, c);
    case 3: return Rgb(d, d, d);
    case 4: return Rgb(c, d, c);
    case 5: return Rgb(c, d, d);
    case 6: return Rgb(c, c, d);
    default: return 0;
  }
}

}  // namespace velmor
