// The look of TCellEdi as a settings block record, both ways.
#include "gui/grid/celledi.h"
#include "gui/grid/tekst.h"

namespace velmor {

QFont TCellEdi::QCzcionka(const TCzcionka& f) {
  QFont q(QTekst(f.Nazwa));
  if (f.Rozmiar > 0) q.setPointSize(f.Rozmiar);
  q.setBold(f.Pogrubiona);
  q.setItalic(f.Pochylona);
  q.setUnderline(f.Podkreslona);
  q.setStrikeOut(f.Przekreslona);
  return q;
}

TCzcionka TCellEdi::ZQFont(const QFont& f, uint32_t kolor, uint8_t zestaw) {
  return {Cp1250(f.family()),
          f.pointSize() > 0 ? f.pointSize() : 8,
          f.bold(),
          f.italic(),
          f.underline(),
          f.strikeOut(),
          kolor,
          zestaw};
}

TUstawieniaSiatki TCellEdi::Ustawienia() const {
  TUstawieniaSiatki u;
  u.Font = czcionki_[0];
  u.FontInfo = czcionki_[1];
  u.FontKursor = czcionki_[2];
  u.DefaultJust = DefaultJust;
  u.DefaultJustVert = DefaultJustVert;
  u.DefaultSzerIo = defaultSzerIo_;
  u.DefaultWysIo = defaultWysIo_;
  u.EkstraKolorHorGrad = EkstraKolorHorGrad;
  u.EkstraKolorZmiana = EkstraKolorZmiana;
  u.InfoKolor = InfoKolor;
  u.KursorKolor = KursorKolor;
  u.OczkoKolor = OczkoKolor;
  u.TurboMyszRuchKolor = TurboMyszRuchKolor;
  u.TurboMyszDragKolor = TurboMyszDragKolor;
  u.TurboMyszRuch = TurboMyszRuch;
  u.FixedCols = fixedCols_;
  u.FixedRows = fixedRows_;
  u.Szerokosci.assign(szer_.begin(), szer_.end());
  u.Wysokosci.assign(wys_.begin(), wys_.end());
  return u;
}

void TCellEdi::Zastosuj(const TUstawieniaSiatki& u) {
  UstawFont(u.Font);
  UstawFontInfo(u.FontInfo);
  UstawFontKursor(u.FontKursor);
  DefaultJust = u.DefaultJust;
  DefaultJustVert = u.DefaultJustVert;
  defaultSzerIo_ = u.DefaultSzerIo;
  defaultWysIo_ = u.DefaultWysIo;
  EkstraKolorHorGrad = u.EkstraKolorHorGrad;
  EkstraKolorZmiana = u.EkstraKolorZmiana;
  InfoKolor = u.InfoKolor;
  KursorKolor = u.KursorKolor;
  OczkoKolor = u.OczkoKolor;
  TurboMyszRuchKolor = u.TurboMyszRuchKolor;
  TurboMyszDragKolor = u.TurboMyszDragKolor;
  TurboMyszRuch = u.TurboMyszRuch;
  UstawColCount(static_cast<int>(u.Szerokosci.size()));
  for (int c = 0; c < ColCount() && c < static_cast<int>(u.Szerokosci.size()); ++c)
    szer_[static_cast<size_t>(c)] = std::max(u.Szerokosci[static_cast<size_t>(c)], 0);
  UstawRowCount(static_cast<int>(u.Wysokosci.size()));
  for (int r = 0; r < RowCount() && r < static_cast<int>(u.Wysokosci.size()); ++r)
    wys_[static_cast<size_t>(r)] = std::max(u.Wysokosci[static_cast<size_t>(r)], 0);
  UstawFixedCols(u.FixedCols);
  UstawFixedRows(u.FixedRows);
}

}  // namespace velmor
