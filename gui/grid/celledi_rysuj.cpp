// Painting of TCellEdi: every cell through kresl_oczko.
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

#include "core/grid/naglowki.h"
#include "core/grid/rysowanie.h"
#include "gui/grid/celledi.h"
#include "gui/grid/tekst.h"

namespace velmor {
namespace {

constexpr uint32_t kKolorLinii = 0x00808080;

QRect Qt4(const TProstokatCalk& r) {
  return QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1));
}

}  // namespace

void TCellEdi::paintEvent(QPaintEvent* e) {
  QPainter p(viewport());
  p.fillRect(e->rect(), QKolor(kKolorLinii));
  const QRect obszar = e->rect();
  const auto linie = [](const std::vector<int>& rozmiary, int stale, int pierwszy, int limit) {
    std::vector<std::pair<int, int>> wynik;  // (index, position)
    int pos = 0;
    for (int i = 0; i < stale && pos <= limit; ++i) {
      wynik.emplace_back(i, pos);
      pos += rozmiary[static_cast<size_t>(i)] + 1;
    }
    for (int i = pierwszy; i < static_cast<int>(rozmiary.size()) && pos <= limit; ++i) {
      wynik.emplace_back(i, pos);
      pos += rozmiary[static_cast<size_t>(i)] + 1;
    }
    return std::pair{wynik, pos};
  };
  const auto [kolumny, prawy] = linie(szer_, fixedCols_, lewaKolumna_, viewport()->width());
  const auto [wiersze, dolny] = linie(wys_, fixedRows_, gornyWiersz_, viewport()->height());
  const QColor tlo = palette().color(QPalette::Base);
  p.fillRect(QRect(prawy, 0, viewport()->width() - prawy, viewport()->height()), tlo);
  p.fillRect(QRect(0, dolny, prawy, viewport()->height() - dolny), tlo);
  for (const auto& [w, y] : wiersze) {
    for (const auto& [k, x] : kolumny) {
      const QRect r(x, y, szer_[static_cast<size_t>(k)], wys_[static_cast<size_t>(w)]);
      if (!r.intersects(obszar)) continue;
      TStanOczka stan;
      stan.Staly = k < fixedCols_ || w < fixedRows_;
      stan.Zaznaczone = k >= 1 && w >= 1 && k >= zaznaczenie_.Left && k <= zaznaczenie_.Right &&
                        w >= zaznaczenie_.Top && w <= zaznaczenie_.Bottom;
      stan.Kursor = k == kolumna_ && w == wiersz_;
      int tryb = 1;
      if (TurboMyszRuch &&
          ((w == 0 && k == najechanaK_ && k > 0) || (k == 0 && w == najechanyW_ && w > 0)))
        tryb = ciagnietaK_ >= 0 || ciagnietyW_ >= 0 ? 4 : 3;
      kresl_oczko(p, false, k, w, r, stan, tryb, 1.0);
    }
  }
}

int TCellEdi::FlagiTekstu(const TPodoczko& po) {
  int flagi = Qt::TextShowMnemonic;
  flagi |= po.Just == 1 ? Qt::AlignHCenter : po.Just == 2 ? Qt::AlignRight : Qt::AlignLeft;
  if (po.JustVert == 1) flagi |= Qt::AlignVCenter | Qt::TextSingleLine;
  else if (po.JustVert == 2) flagi |= Qt::AlignBottom | Qt::TextSingleLine;
  else flagi |= Qt::AlignTop;
  return flagi;
}

void TCellEdi::WypelnijOpis(int kolumna, int wiersz, bool zaznaczone, TTekstOczka& ato,
                            int& czcionka) {
  const int x = kolumna - 1, y = wiersz - 1;
  const auto domyslny = [&ato](std::string tekst) {
    ato.Podoczka[0] = {std::move(tekst), ato.Podoczka[0].KolorTla, 1, 1};
  };
  if (kolumna == 0 && wiersz == 0) return;
  if (kolumna == 0 || wiersz == 0) {
    czcionka = 1;
    if (kolumna == 0) {
      if (OnLeftInfo) OnLeftInfo(*this, y, ato);
      else domyslny(NumerWiersza(y));
    } else {
      if (OnTopInfo) OnTopInfo(*this, x, ato);
      else domyslny(NazwaKolumny(x));
    }
    return;
  }
  if (zaznaczone && zaznaczenie_.Left == zaznaczenie_.Right &&
      zaznaczenie_.Top == zaznaczenie_.Bottom)
    ZglosZmiane(x, y);
  if (OnOczko) {
    czcionka = zaznaczone ? 2 : 0;
    OnOczko(*this, x, y, ato);
  }
}

void TCellEdi::kresl_oczko(QPainter& p, bool drukowanie, int kolumna, int wiersz, const QRect& r,
                           TStanOczka stan, int tryb, double skala) {
  // A page's painter goes on to titles and footers; the screen's sets all
  // it uses cell by cell, so it saves nothing.
  if (drukowanie) p.save();
  const bool zaznaczone = kolumna > 0 && wiersz > 0 && stan.Zaznaczone;
  int czcionka = 0;
  const TTekstOczka ato = OpisOczka(kolumna, wiersz, zaznaczone && !drukowanie, czcionka);
  if (zaznaczone && drukowanie && OnOczko) czcionka = 2;
  p.setFont(CzcionkaDruku(czcionka, skala));

  const auto czesci = PodzialOczka({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()},
                                   ato.Kolumny, ato.Wiersze);
  for (size_t i = 0; i < czesci.size() && i < ato.Podoczka.size(); ++i)
    RysujPodoczko(p, ato.Podoczka[i], Qt4(czesci[i]), drukowanie, zaznaczone, stan.Kursor, tryb,
                  czcionka);

  const int kol = std::max(ato.Kolumny, 1), wie = std::max(ato.Wiersze, 1);
  if (ato.GruboscSiatki > 0 && (kol > 1 || wie > 1)) {
    p.setPen(QPen(QKolor(ato.KolorSiatki), ato.GruboscSiatki));
    const int sw = r.width() / kol, sh = r.height() / wie;
    for (int i = 1; i < kol; ++i)
      p.drawLine(r.left() + i * sw, r.top(), r.left() + i * sw, r.bottom());
    for (int j = 1; j < wie; ++j)
      p.drawLine(r.left(), r.top() + j * sh, r.right(), r.top() + j * sh);
  }
  if (!drukowanie && OnGrafOczko) {
    p.save();
    OnGrafOczko(*this, p, kolumna - 1, wiersz - 1, r.left(), r.top());
    p.restore();
  }
  if (ato.BokiRamki != 0 && ato.GruboscRamki > 0) {
    p.setPen(QPen(QKolor(ato.KolorRamki), ato.GruboscRamki));
    const QPoint lg = r.topLeft(), pg = r.topRight(), pd = r.bottomRight(), ld = r.bottomLeft();
    if (ato.BokiRamki & kBokGora) p.drawLine(lg, pg);
    if (ato.BokiRamki & kBokPrawy) p.drawLine(pg, pd);
    if (ato.BokiRamki & kBokDol) p.drawLine(pd, ld);
    if (ato.BokiRamki & kBokLewy) p.drawLine(ld, lg);
  }
  if (kolumna == 0 && wiersz == 0 && !drukowanie && OnLeftTopAkcja) RysujRogi(p, r);
  if (drukowanie) p.restore();
}

TTekstOczka TCellEdi::OpisOczka(int kolumna, int wiersz, bool zaznaczone, int& czcionka) {
  TTekstOczka ato(kolumna > 0 && wiersz > 0 ? OczkoKolor : InfoKolor, DefaultJust, DefaultJustVert);
  czcionka = 0;
  WypelnijOpis(kolumna, wiersz, zaznaczone, ato, czcionka);
  return ato;
}

QFont TCellEdi::CzcionkaDruku(int czcionka, double skala) const {
  QFont f = qczcionki_[czcionka];
  if (skala != 1.0) f.setPointSize(SkalujRozmiarCzcionki(f.pointSize(), skala));
  return f;
}

void TCellEdi::RysujPodoczko(QPainter& p, const TPodoczko& po, const QRect& r, bool drukowanie,
                             bool zaznaczone, bool kursor, int tryb, int czcionka) {
  uint32_t tlo, tekst;
  if (zaznaczone) {
    tlo = kursor ? KursorKolor : ZaznaczKolor;
    tekst = czcionki_[czcionka].Kolor;
  } else {
    const TKoloryTrybu k = KoloryTrybu(tryb, po.KolorTla, OczkoKolor, InfoKolor, TurboMyszRuchKolor,
                                       TurboMyszDragKolor);
    tlo = k.Tlo;
    tekst = k.WlasnyKolorCzcionki ? czcionki_[czcionka].Kolor : k.KolorTekstu;
  }
  if (EkstraKolorZmiana <= 0 || drukowanie) {
    p.fillRect(r, QKolor(tlo));
  } else {
    const auto [poczatek, koniec] = KoloryGradientu(tlo, EkstraKolorZmiana);
    QLinearGradient g(r.topLeft(), EkstraKolorHorGrad ? r.topRight() : r.bottomLeft());
    g.setColorAt(0, QKolor(poczatek));
    g.setColorAt(1, QKolor(koniec));
    p.fillRect(r, g);
  }
  if (po.Tekst.empty()) return;
  p.setPen(QKolor(tekst));
  const QRect wnetrze = r.adjusted(1, 1, -1, -1);
  if (!drukowanie && uklady_.Rysuj(p, po.Tekst, czcionka, wnetrze, FlagiTekstu(po))) return;
  p.drawText(wnetrze, FlagiTekstu(po), QTekst(po.Tekst));
}

void TCellEdi::RysujRogi(QPainter& p, const QRect& r) {
  const int w = r.width() / 7, h = r.height() / 3;
  p.setPen(QPen(Qt::white, 1));
  const uint32_t kolory[] = {0x000000FF, 0x00008000, 0x00FF0000};
  for (int i = 0; i < 3; ++i) {
    p.setBrush(QKolor(kolory[i]));
    const int x = (2 * i + 1) * w - 1;
    p.drawRect(QRect(QPoint(x, h - 1), QPoint((2 * i + 2) * w + 1, 2 * h + 1)));
  }
}

}  // namespace velmor
