#include "core/grid/zaznaczenie.h"

namespace velmor {

void TIteratorZaznaczenia::ini_sel_iterator(int tryb, const TZaznaczenie& z) {
  x_ = z.Left - 1;
  y_ = z.Top - 1;
  tryb_ = tryb;
}

bool TIteratorZaznaczenia::sel_iterator(const TZaznaczenie& z, int& x, int& y) {
  const int prawa = z.Right - 1, dolna = z.Bottom - 1;
  switch (tryb_) {
    case 0:
      if (x_ > prawa || y_ > dolna) return false;
      x = x_;
      y = y_;
      if (++y_ > dolna) {
        y_ = z.Top - 1;
        ++x_;
      }
      return true;
    case 1:
      if (x_ > prawa) return false;
      x = x_++;
      y = z.Top - 1;
      return true;
    case 2:
      if (y_ > dolna) return false;
      x = z.Left - 1;
      y = y_++;
      return true;
    default: return false;
  }
}

}  // namespace velmor
