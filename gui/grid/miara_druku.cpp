#include "gui/grid/miara_druku.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

#include "gui/grid/celledi.h"
#include "gui/grid/tekst.h"

namespace velmor {
namespace {

// Space beside and above the text, in points; one printer pixel each side is
// the cell drawing's own.
constexpr double kOdstepX = 4, kOdstepY = 1.5;

// Printer pixels to the grid's screen pixels at the print scale, rounded up.
int NaEkran(double piksele, double naPunkt) {
  return static_cast<int>(std::ceil(piksele / naPunkt));
}

}  // namespace

TMiaraDruku::TMiaraDruku(TCellEdi& siatka)
    : siatka_(siatka),
      odKolumny_(siatka.OnLeftInfo || siatka.FixedCols() == 0 ? 0 : 1),
      odWiersza_(siatka.OnTopInfo || siatka.FixedRows() == 0 ? 0 : 1),
      kolumny_(static_cast<size_t>(siatka.ColCount())),
      wiersze_(static_cast<size_t>(siatka.RowCount())) {
  for (int w = odWiersza_; w < siatka.RowCount(); ++w)
    for (int k = odKolumny_; k < siatka.ColCount(); ++k) {
      if (k == 0 && w == 0) continue;  // the corner prints empty
      int czcionka = 0;
      const TTekstOczka opis = siatka.OpisOczka(k, w, false, czcionka);
      const int kolumn = std::max(opis.Kolumny, 1), wierszy = std::max(opis.Wiersze, 1);
      for (int i = 0; i < opis.Liczba() && i < kolumn * wierszy; ++i) {
        const int t = Tekst(czcionka, opis.Podoczka[static_cast<size_t>(i)]);
        kolumny_[static_cast<size_t>(k)].insert({t, kolumn});
        wiersze_[static_cast<size_t>(w)].insert({t, wierszy});
      }
    }
}

int TMiaraDruku::Tekst(int czcionka, const TPodoczko& po) {
  const int flagi = po.Tekst.empty() ? 0 : TCellEdi::FlagiTekstu(po);
  const auto [i, nowy] =
      indeksy_.try_emplace({czcionka, flagi, po.Tekst}, static_cast<int>(teksty_.size()));
  if (nowy) teksty_.push_back({czcionka, flagi, QTekst(po.Tekst)});
  return i->second;
}

TRozmiaryDruku TMiaraDruku::Rozmiary(QPaintDevice& drukarka, double skala) const {
  TRozmiaryDruku r;
  r.OdStalejKolumny = odKolumny_;
  r.OdStalegoWiersza = odWiersza_;
  // Printer pixels per grid pixel, as the page layout converts.
  const double naX = drukarka.logicalDpiX() * skala / siatka_.viewport()->logicalDpiX();
  const double naY = drukarka.logicalDpiY() * skala / siatka_.viewport()->logicalDpiY();
  const double odstepX = kOdstepX * drukarka.logicalDpiX() / 72 + 2;
  const double odstepY = kOdstepY * drukarka.logicalDpiY() / 72 + 2;

  std::vector<QFontMetricsF> miary;
  for (int i = 0; i < 3; ++i) miary.emplace_back(siatka_.CzcionkaDruku(i, skala), &drukarka);
  // Every text once: an empty one still takes a line.
  const QRectF duzy(0, 0, 1 << 24, 1 << 24);
  std::vector<QSizeF> zajete;
  for (const TTekst& t : teksty_) {
    const QFontMetricsF& m = miary[static_cast<size_t>(t.Czcionka)];
    const QSizeF s = t.Tekst.isEmpty() ? QSizeF() : m.boundingRect(duzy, t.Flagi, t.Tekst).size();
    zajete.push_back({s.width(), std::max(s.height(), m.height())});
  }
  // Each line as its largest text needs; a column at least two characters.
  const auto potrzeba = [&](const std::set<std::pair<int, int>>& teksty, bool poziomo) {
    int n = poziomo ? NaEkran(2 * miary[0].averageCharWidth() + odstepX, naX) : 0;
    for (const auto& [t, ile] : teksty) {
      const QSizeF& z = zajete[static_cast<size_t>(t)];
      n = std::max(n, poziomo ? NaEkran(ile * (z.width() + odstepX), naX)
                              : NaEkran(ile * (z.height() + odstepY), naY));
    }
    return n;
  };
  for (size_t k = 0; k < kolumny_.size(); ++k)
    r.Szerokosci.push_back(static_cast<int>(k) < odKolumny_ ? 0 : potrzeba(kolumny_[k], true));
  for (size_t w = 0; w < wiersze_.size(); ++w)
    r.Wysokosci.push_back(static_cast<int>(w) < odWiersza_ ? 0 : potrzeba(wiersze_[w], false));
  return r;
}

}  // namespace velmor
