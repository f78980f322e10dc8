#pragma once
// Test helpers of the duty plan's companion windows: a small plan built on
// the models directly, and cells read back as text and as pixels.
#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "core/document/dokument.h"
#include "gui/grid/celledi.h"
#include "gui/grid/tekst.h"
#include "mala_szkola.h"

namespace velmor::testy {

// Days of the given period counts ("g<p>"), teachers "I<t> N<t>", regions
// "R<r>", rooms "S<o>", moment s named "m<s>" of 10 minutes; nobody on duty.
inline void ZbudujPlan(TDokument& d, const std::vector<int>& lekcje, int nauczycieli, int rejonow,
                       int sal) {
  static_cast<TModele&>(d) = Szkola(lekcje, nauczycieli, 0, sal, rejonow);
  for (TDzien& dzien : d.Dni.Dni)
    for (size_t p = 0; p < dzien.Godziny.size(); ++p)
      dzien.Godziny[p].Nazwa = Nazwa("g", static_cast<int>(p));
  for (int t = 0; t < nauczycieli; ++t) {
    d.Nauczyciele[t].Imie = Nazwa("I", t);
    d.Nauczyciele[t].Nazwisko = Nazwa("N", t);
  }
  for (int o = 0; o < sal; ++o) d.Sale[o].Nazwa = Nazwa("S", o);
  for (int r = 0; r < rejonow; ++r) d.Rejony[r].Nazwa = Nazwa("R", r);
  for (int s = 0; s < d.Momenty.Liczba(); ++s) d.Momenty[s].Nazwa = Nazwa("m", s);
}

inline std::string Oczko(TCellEdi& s, int x, int y) {
  TTekstOczka ato;
  if (y < 0 && s.OnTopInfo) s.OnTopInfo(s, x, ato);
  else if (x < 0 && s.OnLeftInfo) s.OnLeftInfo(s, y, ato);
  else if (s.OnOczko) s.OnOczko(s, x, y, ato);
  return ato.daj_tekst(0);
}

// Data cell (x, y) as the grid draws it on screen.
inline QImage Obraz(TCellEdi& s, int x, int y) {
  const QRect r(0, 0, s.SzerIo(x), s.WysIo(y));
  QImage obraz(r.width() + 1, r.height() + 1, QImage::Format_RGB32);
  obraz.fill(Qt::white);
  QPainter p(&obraz);
  s.kresl_oczko(p, false, x + 1, y + 1, r, {}, 1, 1.0);
  return obraz;
}

inline int Piksele(const QImage& obraz, uint32_t kolor) {
  int n = 0;
  for (int y = 0; y < obraz.height(); ++y)
    for (int x = 0; x < obraz.width(); ++x) n += Kolor(obraz.pixelColor(x, y)) == kolor;
  return n;
}

// Whether the ban sign (red, 0x000000FF) is drawn in the data cell.
inline bool MaZakaz(TCellEdi& s, int x, int y) { return Piksele(Obraz(s, x, y), 0x000000FF) > 20; }

}  // namespace velmor::testy
