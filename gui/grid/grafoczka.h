#pragma once
// Drawing a window's own graphics in a cell: arrows, ban signs, gauges.
#include <QPainter>

#include "core/grid/rysowanie.h"

namespace velmor {

class TGrafOczkaRys {
 public:
  TGrafOczkaRys(QPainter& p, int x0, int y0, int szer, int wys) : p_(p), g_{x0, y0, szer, wys} {}

  // A filled triangle, pointing up or down, in the current pen.
  void kresl_trojkat(int alignX, int alignY, bool wGore, uint32_t kolor);
  // A red disc of radius r with a white bar across.
  void kresl_zakaz(int alignX, int alignY, int r);
  // A gauge of min(liczba, 20) blocks from the bottom.
  void kresl_slupki(int liczba, uint32_t kolor);

 private:
  QPainter& p_;
  TGrafOczka g_;
};

}  // namespace velmor
