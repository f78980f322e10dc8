#include "gui/grid/grafoczka.h"

#include "gui/grid/tekst.h"

namespace velmor {
namespace {

QRect Prostokat(const TProstokatCalk& r) {
  return QRect(QPoint(r.Left, r.Top), QPoint(r.Right, r.Bottom));
}

}  // namespace

void TGrafOczkaRys::kresl_trojkat(int alignX, int alignY, bool wGore, uint32_t kolor) {
  const auto rogi = Trojkat(g_, alignX, alignY, wGore);
  const QPoint punkty[3] = {{rogi[0].first, rogi[0].second},
                            {rogi[1].first, rogi[1].second},
                            {rogi[2].first, rogi[2].second}};
  p_.setBrush(QKolor(kolor));
  p_.drawPolygon(punkty, 3);
}

void TGrafOczkaRys::kresl_zakaz(int alignX, int alignY, int r) {
  const QPen pioro = p_.pen();
  const QColor czerwony = QKolor(0x000000FF);
  p_.setPen(czerwony);
  p_.setBrush(czerwony);
  p_.drawEllipse(Prostokat(KolkoZakazu(g_, alignX, alignY, r)));
  p_.setBrush(Qt::white);
  p_.drawRect(Prostokat(BelkaZakazu(g_, alignX, alignY, r)));
  p_.setPen(pioro);
}

void TGrafOczkaRys::kresl_slupki(int liczba, uint32_t kolor) {
  const QPen pioro = p_.pen();
  for (const TProstokatCalk& b : Slupki(g_, liczba)) {
    p_.fillRect(QRect(QPoint(b.Left, b.Top), QPoint(b.Right - 1, b.Bottom - 1)), QKolor(kolor));
    p_.setPen(QKolor(0x00FFFF00));
    p_.drawLine(b.Left, b.Top, b.Right - 1, b.Top);
  }
  p_.setPen(pioro);
}

}  // namespace velmor
