#include "gui/grid/celledi.h"

#include <QScrollBar>
#include <QTimer>
#include <algorithm>

namespace velmor {
namespace {

constexpr int kLinia = 1;  // grid line between cells

}  // namespace

TCellEdi::TCellEdi(QWidget* rodzic)
    : QAbstractScrollArea(rodzic),
      szer_{50, 100, 100, 100, 100, 100},
      wys_(6, 14),
      przewijanie_(new QTimer(this)) {
  przewijanie_->setInterval(50);
  connect(przewijanie_, &QTimer::timeout, this, [this] { PrzewinZaznaczanie(); });
  czcionki_[2].Kolor = 0x00FFFFFF;
  for (int i = 0; i < 3; ++i) qczcionki_[i] = QCzcionka(czcionki_[i]);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  PrzeliczPaski();
}

void TCellEdi::UstawCzcionke(int i, const TCzcionka& f) {
  czcionki_[i] = f;
  qczcionki_[i] = QCzcionka(f);
  uklady_.Wyczysc(i);
  viewport()->update();
}

void TCellEdi::UstawColCount(int n) {
  n = std::clamp(n, 1, kMaksIlosc + 1);
  szer_.resize(static_cast<size_t>(n), szer_.empty() ? defaultSzerIo_ : szer_.back());
  fixedCols_ = std::min(fixedCols_, std::max(n - 1, 0));
  kolumna_ = std::clamp(kolumna_, PierwszaKolumna(), std::max(n - 1, 1));
  UstawZaznaczenie(zaznaczenie_);
  PrzeliczPaski();
}

void TCellEdi::UstawRowCount(int n) {
  n = std::clamp(n, 1, kMaksIlosc + 1);
  wys_.resize(static_cast<size_t>(n), wys_.empty() ? defaultWysIo_ : wys_.back());
  fixedRows_ = std::min(fixedRows_, std::max(n - 1, 0));
  wiersz_ = std::clamp(wiersz_, PierwszyWiersz(), std::max(n - 1, 1));
  UstawZaznaczenie(zaznaczenie_);
  PrzeliczPaski();
}

void TCellEdi::UstawFixedCols(int n) {
  fixedCols_ = std::clamp(n, 0, ColCount() - 1);
  kolumna_ = std::max(kolumna_, PierwszaKolumna());
  UstawZaznaczenie(zaznaczenie_);
  PrzeliczPaski();
}

void TCellEdi::UstawFixedRows(int n) {
  fixedRows_ = std::clamp(n, 0, RowCount() - 1);
  wiersz_ = std::max(wiersz_, PierwszyWiersz());
  UstawZaznaczenie(zaznaczenie_);
  PrzeliczPaski();
}

int TCellEdi::PierwszaKolumna() const {
  return std::clamp(fixedCols_, 1, std::max(ColCount() - 1, 1));
}

int TCellEdi::PierwszyWiersz() const {
  return std::clamp(fixedRows_, 1, std::max(RowCount() - 1, 1));
}

void TCellEdi::UstawIlx(int v) {
  v = std::clamp(v, 1, kMaksIlosc);
  if (v < fixedCols_) fixedCols_ = v;
  UstawColCount(v + 1);
}

void TCellEdi::UstawIly(int v) {
  v = std::clamp(v, 1, kMaksIlosc);
  if (v < fixedRows_) fixedRows_ = v;
  UstawRowCount(v + 1);
}

void TCellEdi::UstawSzerKolumny(int c, int w) {
  if (c < 0 || c >= ColCount()) return;
  szer_[static_cast<size_t>(c)] = std::max(w, 0);
  PrzeliczPaski();
}

void TCellEdi::UstawWysWiersza(int r, int h) {
  if (r < 0 || r >= RowCount()) return;
  wys_[static_cast<size_t>(r)] = std::max(h, 0);
  PrzeliczPaski();
}

void TCellEdi::UstawDefaultSzerIo(int w) {
  defaultSzerIo_ = w;
  for (int c = std::max(fixedCols_, 1); c < ColCount(); ++c) szer_[static_cast<size_t>(c)] = w;
  PrzeliczPaski();
}

void TCellEdi::UstawDefaultWysIo(int h) {
  defaultWysIo_ = h;
  for (int r = std::max(fixedRows_, 1); r < RowCount(); ++r) wys_[static_cast<size_t>(r)] = h;
  PrzeliczPaski();
}

void TCellEdi::UstawSzerIo(int x, int w) {
  if (x >= 0 && x < Ilx()) UstawSzerKolumny(x + 1, w);
}

void TCellEdi::UstawWysIo(int y, int h) {
  if (y >= 0 && y < Ily()) UstawWysWiersza(y + 1, h);
}

void TCellEdi::UstawZaznaczenie(const TZaznaczenie& z) {
  const int minK = PierwszaKolumna(), minW = PierwszyWiersz();
  const int maxK = std::max(ColCount() - 1, 1), maxW = std::max(RowCount() - 1, 1);
  zaznaczenie_ = {std::clamp(std::min(z.Left, z.Right), minK, maxK),
                  std::clamp(std::min(z.Top, z.Bottom), minW, maxW),
                  std::clamp(std::max(z.Left, z.Right), minK, maxK),
                  std::clamp(std::max(z.Top, z.Bottom), minW, maxW)};
  viewport()->update();
}

void TCellEdi::ZaznaczWszystko() {
  if (ZakresZaznaczania) UstawZaznaczenie({1, 1, ColCount() - 1, RowCount() - 1});
}

void TCellEdi::UstawBiezaca(int kolumna, int wiersz, bool rozszerz) {
  kolumna_ = std::clamp(kolumna, PierwszaKolumna(), std::max(ColCount() - 1, 1));
  wiersz_ = std::clamp(wiersz, PierwszyWiersz(), std::max(RowCount() - 1, 1));
  if (!rozszerz || !ZakresZaznaczania) {
    kotwicaK_ = kolumna_;
    kotwicaW_ = wiersz_;
  }
  UstawZaznaczenie({kotwicaK_, kotwicaW_, kolumna_, wiersz_});
  Pokaz(kolumna_, wiersz_);
}

void TCellEdi::ZglosZmiane(int x, int y) {
  const int staryX = zgloszonyX_, staryY = zgloszonyY_;
  if (staryX == x && staryY == y) return;
  if (OnZmianaKomorki) OnZmianaKomorki(*this, staryX, staryY);
  zgloszonyX_ = x;
  zgloszonyY_ = y;
}

void TCellEdi::UstawKursor(int x, int y) {
  UstawBiezaca(x + 1, y + 1, false);
  ZglosZmiane(Kurx(), Kury());
}

void TCellEdi::UstawKurx(int x) {
  UstawBiezaca(x + 1, wiersz_, false);
  if (Kurx() == zgloszonyX_) return;
  if (OnZmianaKomorki) OnZmianaKomorki(*this, zgloszonyX_, zgloszonyY_);
  zgloszonyX_ = Kurx();
}

void TCellEdi::UstawKury(int y) {
  UstawBiezaca(kolumna_, y + 1, false);
  if (Kury() == zgloszonyY_) return;
  if (OnZmianaKomorki) OnZmianaKomorki(*this, zgloszonyX_, zgloszonyY_);
  zgloszonyY_ = Kury();
}

void TCellEdi::OdswiezCell(int x, int y) {
  const QRect r = CellRect(x + 1, y + 1);
  if (!r.isEmpty()) viewport()->update(r);
}

void TCellEdi::OdswiezRow(int y) {
  if (OnOdswiezenie) OnOdswiezenie(*this, -1, y);
  const QRect r = CellRect(0, y + 1);
  if (!r.isNull()) viewport()->update(0, r.top(), viewport()->width(), r.height());
}

void TCellEdi::OdswiezCol(int x) {
  if (OnOdswiezenie) OnOdswiezenie(*this, x, -1);
  const QRect r = CellRect(x + 1, 0);
  if (!r.isNull()) viewport()->update(r.left(), 0, r.width(), viewport()->height());
}

void TCellEdi::OdswiezAll() {
  if (!isVisible()) return;
  if (OnOdswiezenie) OnOdswiezenie(*this, -1, -1);
  viewport()->update();
}

int TCellEdi::XKolumny(int c) const {
  int x = 0;
  for (int i = 0; i < std::min(c, fixedCols_); ++i) x += szer_[static_cast<size_t>(i)] + kLinia;
  if (c < fixedCols_) return x;
  if (c < lewaKolumna_) return -1;
  for (int i = lewaKolumna_; i < c && x <= viewport()->width(); ++i)
    x += szer_[static_cast<size_t>(i)] + kLinia;
  return x;
}

int TCellEdi::YWiersza(int r) const {
  int y = 0;
  for (int i = 0; i < std::min(r, fixedRows_); ++i) y += wys_[static_cast<size_t>(i)] + kLinia;
  if (r < fixedRows_) return y;
  if (r < gornyWiersz_) return -1;
  for (int i = gornyWiersz_; i < r && y <= viewport()->height(); ++i)
    y += wys_[static_cast<size_t>(i)] + kLinia;
  return y;
}

QRect TCellEdi::CellRect(int kolumna, int wiersz) const {
  if (kolumna < 0 || kolumna >= ColCount() || wiersz < 0 || wiersz >= RowCount()) return {};
  const int x = XKolumny(kolumna), y = YWiersza(wiersz);
  if (x < 0 || y < 0 || x > viewport()->width() || y > viewport()->height()) return {};
  return {x, y, szer_[static_cast<size_t>(kolumna)], wys_[static_cast<size_t>(wiersz)]};
}

QPoint TCellEdi::KomorkaW(const QPoint& p) const {
  const auto szukaj = [](const std::vector<int>& rozmiary, int stale, int pierwszy, int v,
                         int limit) {
    int pos = 0;
    for (int i = 0; i < stale; ++i) {
      pos += rozmiary[static_cast<size_t>(i)] + kLinia;
      if (v < pos) return i;
    }
    for (int i = pierwszy; i < static_cast<int>(rozmiary.size()) && pos <= limit; ++i) {
      pos += rozmiary[static_cast<size_t>(i)] + kLinia;
      if (v < pos) return i;
    }
    return -1;
  };
  if (p.x() < 0 || p.y() < 0) return {-1, -1};
  const int k = szukaj(szer_, fixedCols_, lewaKolumna_, p.x(), viewport()->width());
  const int w = szukaj(wys_, fixedRows_, gornyWiersz_, p.y(), viewport()->height());
  return k < 0 || w < 0 ? QPoint(-1, -1) : QPoint(k, w);
}

void TCellEdi::Pokaz(int kolumna, int wiersz) {
  const auto dopasuj = [](const std::vector<int>& rozmiary, int stale, int pierwszy, int cel,
                          int miejsce) {
    if (cel < stale) return pierwszy;
    if (cel < pierwszy) return cel;
    int zajete = 0;
    for (int i = 0; i < stale; ++i) zajete += rozmiary[static_cast<size_t>(i)] + kLinia;
    // Move the first scrolled line on until the target fits.
    int pos = zajete;
    for (int i = pierwszy; i <= cel; ++i) pos += rozmiary[static_cast<size_t>(i)] + kLinia;
    while (pos > miejsce && pierwszy < cel) {
      pos -= rozmiary[static_cast<size_t>(pierwszy)] + kLinia;
      ++pierwszy;
    }
    return pierwszy;
  };
  const int lewa = dopasuj(szer_, fixedCols_, lewaKolumna_, kolumna, viewport()->width());
  const int gorny = dopasuj(wys_, fixedRows_, gornyWiersz_, wiersz, viewport()->height());
  horizontalScrollBar()->setValue(lewa - fixedCols_);
  verticalScrollBar()->setValue(gorny - fixedRows_);
}

void TCellEdi::PrzeliczPaski() {
  // The last first line that still fills the view when scrolled to the end.
  const auto najdalszy = [](const std::vector<int>& rozmiary, int stale, int miejsce) {
    int zajete = 0;
    for (int i = 0; i < stale; ++i) zajete += rozmiary[static_cast<size_t>(i)] + kLinia;
    int pierwszy = static_cast<int>(rozmiary.size()) - 1, pos = zajete;
    while (pierwszy >= stale) {
      pos += rozmiary[static_cast<size_t>(pierwszy)] + kLinia;
      if (pos > miejsce) break;
      --pierwszy;
    }
    return std::max(std::min(pierwszy + 1, static_cast<int>(rozmiary.size()) - 1), stale);
  };
  const int maxLewa = najdalszy(szer_, fixedCols_, viewport()->width());
  const int maxGorny = najdalszy(wys_, fixedRows_, viewport()->height());
  horizontalScrollBar()->setRange(0, std::max(maxLewa - fixedCols_, 0));
  verticalScrollBar()->setRange(0, std::max(maxGorny - fixedRows_, 0));
  horizontalScrollBar()->setPageStep(
      std::max(viewport()->width() / std::max(defaultSzerIo_, 1), 1));
  verticalScrollBar()->setPageStep(
      std::max(viewport()->height() / std::max(defaultWysIo_ + kLinia, 1), 1));
  lewaKolumna_ = std::clamp(fixedCols_ + horizontalScrollBar()->value(), fixedCols_,
                            std::max(ColCount() - 1, fixedCols_));
  gornyWiersz_ = std::clamp(fixedRows_ + verticalScrollBar()->value(), fixedRows_,
                            std::max(RowCount() - 1, fixedRows_));
  viewport()->update();
}

void TCellEdi::scrollContentsBy(int, int) {
  lewaKolumna_ = fixedCols_ + horizontalScrollBar()->value();
  gornyWiersz_ = fixedRows_ + verticalScrollBar()->value();
  viewport()->update();
}

void TCellEdi::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  PrzeliczPaski();
}

}  // namespace velmor
