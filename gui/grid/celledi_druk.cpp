// Printing of TCellEdi: the page layout and a page drawn on any painter.
#include <QPaintDevice>
#include <QPainter>

#include "gui/grid/celledi.h"
#include "gui/grid/tekst.h"

namespace velmor {

int TCellEdi::IniStrony(const QPaintDevice& drukarka, int podgladSzer, int podgladWys,
                        int pozycjaArkusza, const TOpcjeWydruku& opcje) {
  return IniStrony(drukarka, podgladSzer, podgladWys, pozycjaArkusza, opcje, {szer_, wys_});
}

int TCellEdi::IniStrony(const QPaintDevice& drukarka, int podgladSzer, int podgladWys,
                        int pozycjaArkusza, const TOpcjeWydruku& opcje,
                        const TRozmiaryDruku& rozmiary) {
  TUrzadzenieStrony u;
  u.EkranX = viewport()->logicalDpiX();
  u.EkranY = viewport()->logicalDpiY();
  u.DrukarkaX = drukarka.logicalDpiX();
  u.DrukarkaY = drukarka.logicalDpiY();
  u.Szer = drukarka.width();
  u.Wys = drukarka.height();
  u.PodgladSzer = podgladSzer;
  u.PodgladWys = podgladWys;
  return uklad_.IniStrony(u, pozycjaArkusza, opcje,
                          {rozmiary.Szerokosci, rozmiary.Wysokosci, fixedCols_, fixedRows_,
                           zaznaczenie_, rozmiary.OdStalejKolumny, rozmiary.OdStalegoWiersza});
}

bool TCellEdi::DrukujStrone(QPainter& p, int strona, int& dol, const QString& tytul, bool podglad,
                            bool powtarzajTytul) {
  const auto opis = uklad_.OpisStrony(strona);
  if (!opis) return false;
  const QString linia =
      strona == 0 || powtarzajTytul
          ? tytul
          : QString(" [x=%1 : y=%2]").arg(opis->PasKolumn + 1).arg(opis->PasWierszy + 1);
  const double rx = podglad ? uklad_.PodgladX : 1, ry = podglad ? uklad_.PodgladY : 1;
  const double rf = podglad ? uklad_.PodgladCzcionki : 1;
  QFont f = qczcionki_[0];
  f.setPointSize(std::max(static_cast<int>(10 * rf), 1));
  p.setFont(f);
  // The preview shows the table where it will print and leaves the one-shot
  // to the printing.
  if (!podglad && uklad_.TytulSieNieMiesci) {
    uklad_.TytulSieNieMiesci = false;
    dol = 0;
    return false;
  }
  const QFontMetrics miara = p.fontMetrics();
  p.save();
  p.setPen(QKolor(Font().Kolor));
  const int yTytulu = static_cast<int>((opis->Y - (miara.height() + uklad_.DziesiecMm) / 2) * ry);
  p.drawText(QPoint(static_cast<int>(opis->X * rx), yTytulu + miara.ascent()), linia);
  p.restore();

  const int x0 = static_cast<int>(opis->X * rx), y0 = static_cast<int>(opis->Y * ry);
  const auto kolumny =
      OdcinkiStrony(uklad_.Szerokosci, uklad_.FixedCols, opis->LeweNaglowki, opis->PierwszaKolumna,
                    opis->OstatniaKolumna, x0, uklad_.SkalaX, rx, uklad_.OdStalejKolumny);
  const auto wiersze =
      OdcinkiStrony(uklad_.Wysokosci, uklad_.FixedRows, opis->GorneNaglowki, opis->PierwszyWiersz,
                    opis->OstatniWiersz, y0, uklad_.SkalaY, ry, uklad_.OdStalegoWiersza);
  const double skala = static_cast<double>(uklad_.SkalaDruku) * rf;
  dol = y0;
  for (const TOdcinek& w : wiersze) {
    dol = std::max(dol, w.Koniec);
    for (const TOdcinek& k : kolumny) {
      TStanOczka stan;
      stan.Staly = k.Indeks < fixedCols_ || w.Indeks < fixedRows_;
      kresl_oczko(p, true, k.Indeks, w.Indeks,
                  QRect(k.Poczatek, w.Poczatek, k.Koniec - k.Poczatek, w.Koniec - w.Poczatek), stan,
                  uklad_.TrybKolorow, skala);
      p.drawLine(k.Poczatek, w.Poczatek, k.Koniec, w.Poczatek);
      p.drawLine(k.Koniec, w.Poczatek, k.Koniec, w.Koniec);
      p.drawLine(k.Koniec, w.Koniec, k.Poczatek, w.Koniec);
      p.drawLine(k.Poczatek, w.Koniec, k.Poczatek, w.Poczatek);
    }
  }
  return true;
}

}  // namespace velmor
