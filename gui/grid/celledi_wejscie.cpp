// Keys and mouse of TCellEdi.
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "gui/grid/celledi.h"
#include "gui/grid/klawisze.h"

namespace velmor {
namespace {

constexpr int kKrawedz = 2;  // pixels either side of a sizing edge

int Przycisk(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 3;
    default: return 0;
  }
}

}  // namespace

bool TCellEdi::Nawigacja(QKeyEvent* e) {
  const bool shift = e->modifiers() & Qt::ShiftModifier;
  const bool ctrl = e->modifiers() & Qt::ControlModifier;
  const int strona =
      std::max(viewport()->height() / std::max(defaultWysIo_ + 1, 1) - fixedRows_, 1);
  int k = kolumna_, w = wiersz_;
  switch (KodKlawisza(*e)) {
    case VK_LEFT: --k; break;
    case VK_RIGHT: ++k; break;
    case VK_UP: --w; break;
    case VK_DOWN: ++w; break;
    case VK_PRIOR: w -= strona; break;
    case VK_NEXT: w += strona; break;
    case VK_HOME:
      k = 1;
      if (ctrl) w = 1;
      break;
    case VK_END:
      k = ColCount() - 1;
      if (ctrl) w = RowCount() - 1;
      break;
    default: return false;
  }
  UstawBiezaca(k, w, shift);
  return true;
}

void TCellEdi::keyPressEvent(QKeyEvent* e) {
  const int kod = KodKlawisza(*e);
  const Qt::KeyboardModifiers mod = e->modifiers();
  const bool alt = mod & Qt::AltModifier, ctrl = mod & Qt::ControlModifier,
             shift = mod & Qt::ShiftModifier;
  if (kod >= VK_PRIOR && kod <= VK_DOWN && Nawigacja(e)) return;

  // Qt brings the key and the character it types in one event: the
  // character follows the key unless the key was consumed.
  bool obsluzony = true;
  if (!alt && ctrl && kod == 'A') {
    ZaznaczWszystko();
  } else if (!alt && ((shift && kod == VK_INSERT) || (ctrl && kod == 'V')) && OnClipboardToOczko &&
             (SchowekFile || !QGuiApplication::clipboard()->text().isEmpty())) {
    ze_schowka();
  } else if (!alt && ctrl && (kod == VK_INSERT || kod == 'C') && OnOczkoToClipboard) {
    do_schowka();
  } else {
    int klawisz = kod;
    if (OnAkcja) OnAkcja(*this, Kurx(), Kury(), klawisz, 0, mod);
    obsluzony = klawisz == 0 && kod != 0;
    if (!obsluzony && klawisz == VK_DELETE && OnAkcjaEdit) {
      klawisz = '~';
      OnAkcjaEdit(*this, Kurx(), Kury(), klawisz, 0);
      obsluzony = klawisz != '~';
    }
    // Ctrl with a letter is a command, never a character (AltGr, which
    // comes as Ctrl+Alt, still types Polish letters).
    int znak = obsluzony || (ctrl && !alt) ? 0 : ZnakKlawisza(*e);
    if (znak != 0 && OnAkcjaEdit) {
      OnAkcjaEdit(*this, Kurx(), Kury(), znak, 0);
      obsluzony = znak == 0;
    }
  }
  // What nobody took goes on to the window (Escape closes it).
  e->setAccepted(obsluzony);
}

// Of the edges under the pointer the last one wins: a column sized to 0
// shares its edge with the one before, and must stay within reach.
int TCellEdi::KrawedzKolumny(const QPoint& p) const {
  int krawedz = -1;
  for (int c = 0; c < ColCount(); ++c) {
    const int x = XKolumny(c);
    if (x < 0) continue;
    if (x > viewport()->width()) break;
    if (std::abs(p.x() - (x + szer_[static_cast<size_t>(c)])) <= kKrawedz) krawedz = c;
    if (c >= fixedCols_ && c < lewaKolumna_) c = lewaKolumna_ - 1;
  }
  return krawedz;
}

int TCellEdi::KrawedzWiersza(const QPoint& p) const {
  int krawedz = -1;
  for (int r = 0; r < RowCount(); ++r) {
    const int y = YWiersza(r);
    if (y < 0) continue;
    if (y > viewport()->height()) break;
    if (std::abs(p.y() - (y + wys_[static_cast<size_t>(r)])) <= kKrawedz) krawedz = r;
    if (r >= fixedRows_ && r < gornyWiersz_) r = gornyWiersz_ - 1;
  }
  return krawedz;
}

void TCellEdi::NaciskNaglowka(bool kolumna, int indeks, const QPoint& p, int button,
                              Qt::KeyboardModifiers shift) {
  const int krawedz = kolumna ? KrawedzKolumny(p) : KrawedzWiersza(p);
  if (krawedz >= 0 && (kolumna ? RozmiarKolumn : RozmiarWierszy)) {
    (kolumna ? rozmiarK_ : rozmiarW_) = krawedz;
    return;
  }
  const auto& akcja = kolumna ? OnTopInfoAkcja : OnLeftInfoAkcja;
  if (akcja) {
    akcja(*this, indeks - 1, button, shift);
  } else if (kolumna ? PrzesuwanieKolumn : PrzesuwanieWierszy) {
    (kolumna ? ciagnietaK_ : ciagnietyW_) = indeks;
    viewport()->setCursor(Qt::DragMoveCursor);
  } else if (ZakresZaznaczania && indeks >= (kolumna ? PierwszaKolumna() : PierwszyWiersz())) {
    // Shift+click extends from the header clicked before; a drag goes on.
    const bool dalej = shift & Qt::ShiftModifier;
    const int od = dalej ? (kolumna ? kotwicaK_ : kotwicaW_) : indeks;
    ZaznaczNaglowki(kolumna, od, indeks);
    zaznaczanieNaglowkow_ = kolumna ? 1 : 2;
  }
}

void TCellEdi::ZaznaczNaglowki(bool kolumny, int od, int doo) {
  if (kolumny) {
    kolumna_ = doo;
    kotwicaK_ = od;
    kotwicaW_ = PierwszyWiersz();
    UstawZaznaczenie({od, 1, doo, RowCount() - 1});
  } else {
    wiersz_ = doo;
    kotwicaK_ = PierwszaKolumna();
    kotwicaW_ = od;
    UstawZaznaczenie({1, od, ColCount() - 1, doo});
  }
}

// One line on from the view's edge towards the pointer outside it, the
// selection with it.
void TCellEdi::PrzewinZaznaczanie() {
  const QRect widok = viewport()->rect();
  const int dx = mysz_.x() < 0 ? -1 : mysz_.x() > widok.right() ? 1 : 0;
  const int dy = mysz_.y() < 0 ? -1 : mysz_.y() > widok.bottom() ? 1 : 0;
  QPoint brzeg = KomorkaW(
      QPoint(std::clamp(mysz_.x(), 0, widok.right()), std::clamp(mysz_.y(), 0, widok.bottom())));
  if (brzeg.x() < 0) brzeg = {kolumna_, wiersz_};
  const int k = dx == 0 ? kolumna_ : brzeg.x() + dx, w = dy == 0 ? wiersz_ : brzeg.y() + dy;
  if (zaznaczanieNaglowkow_ == 1 && dx != 0) {
    ZaznaczNaglowki(true, kotwicaK_, std::clamp(k, PierwszaKolumna(), ColCount() - 1));
    Pokaz(kolumna_, gornyWiersz_);
  } else if (zaznaczanieNaglowkow_ == 2 && dy != 0) {
    ZaznaczNaglowki(false, kotwicaW_, std::clamp(w, PierwszyWiersz(), RowCount() - 1));
    Pokaz(lewaKolumna_, wiersz_);
  } else if (zaznaczanieMysza_ && (dx != 0 || dy != 0)) {
    UstawBiezaca(k, w, true);
  }
}

void TCellEdi::mousePressEvent(QMouseEvent* e) {
  setFocus(Qt::MouseFocusReason);
  zaznaczanieNaglowkow_ = 0;
  const QPoint p = e->position().toPoint();
  const QPoint c = KomorkaW(p);
  const int button = Przycisk(e->button());
  if (c.x() < 0) return;
  if (c.x() == 0 && c.y() == 0) {
    if (OnLeftTopAkcja) OnLeftTopAkcja(*this, button, e->modifiers());
    else if (ZakresZaznaczania) UstawZaznaczenie({1, 1, ColCount() - 1, RowCount() - 1});
  } else if (c.x() == 0 || c.y() == 0) {
    NaciskNaglowka(c.y() == 0, c.y() == 0 ? c.x() : c.y(), p, button, e->modifiers());
  } else if (c.x() == kolumna_ && c.y() == wiersz_) {
    int klawisz = 0;
    if (OnAkcja) OnAkcja(*this, Kurx(), Kury(), klawisz, button, e->modifiers());
    klawisz = 0;
    if (OnAkcjaEdit) OnAkcjaEdit(*this, Kurx(), Kury(), klawisz, button);
    if (OnMyszWOczkuAkcja) {
      const QPoint w = p - CellRect(c.x(), c.y()).topLeft();
      OnMyszWOczkuAkcja(*this, Kurx(), Kury(), w.x(), w.y(), button);
    }
  } else if (e->button() == Qt::LeftButton) {
    UstawBiezaca(c.x(), c.y(), e->modifiers() & Qt::ShiftModifier);
    zaznaczanieMysza_ = true;
  }
}

void TCellEdi::mouseDoubleClickEvent(QMouseEvent* e) { mousePressEvent(e); }

void TCellEdi::mouseMoveEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  if (rozmiarK_ >= 0) {
    UstawSzerKolumny(rozmiarK_, p.x() - XKolumny(rozmiarK_));
    return;
  }
  if (rozmiarW_ >= 0) {
    UstawWysWiersza(rozmiarW_, p.y() - YWiersza(rozmiarW_));
    return;
  }
  const QPoint c = KomorkaW(p);
  if (TurboMyszRuch && c.x() >= 0) {
    if (c.x() != najechanaK_) {
      viewport()->update(CellRect(najechanaK_, 0));
      viewport()->update(CellRect(c.x(), 0));
    }
    if (c.y() != najechanyW_) {
      viewport()->update(CellRect(0, najechanyW_));
      viewport()->update(CellRect(0, c.y()));
    }
  }
  const bool naKrawedzi = (c.y() == 0 && RozmiarKolumn && KrawedzKolumny(p) >= 0) ||
                          (c.x() == 0 && RozmiarWierszy && KrawedzWiersza(p) >= 0);
  if (ciagnietaK_ < 0 && ciagnietyW_ < 0)
    viewport()->setCursor(naKrawedzi ? (c.y() == 0 ? Qt::SplitHCursor : Qt::SplitVCursor)
                                     : Qt::ArrowCursor);
  if (zaznaczanieMysza_ || zaznaczanieNaglowkow_ != 0) {
    mysz_ = p;
    const bool poza = !viewport()->rect().contains(p);
    if (poza && !przewijanie_->isActive()) przewijanie_->start();
    if (!poza) przewijanie_->stop();
    // Over the frozen lines the range reaches the first line that can hold it.
    if (zaznaczanieNaglowkow_ == 1 && c.x() >= 0)
      ZaznaczNaglowki(true, kotwicaK_, std::max(c.x(), PierwszaKolumna()));
    if (zaznaczanieNaglowkow_ == 2 && c.y() >= 0)
      ZaznaczNaglowki(false, kotwicaW_, std::max(c.y(), PierwszyWiersz()));
  }
  if (OnMyszRuszona && c != ostatniaKomorka_) {
    OnMyszRuszona(*this, c.x() - 1, c.y() - 1, ostatniaKomorka_.x() - 1, ostatniaKomorka_.y() - 1);
  } else if (zaznaczanieMysza_ && c.x() > 0 && c.y() > 0) {
    UstawBiezaca(c.x(), c.y(), true);
  }
  if (c.x() >= 0) {
    najechanaK_ = c.x();
    najechanyW_ = c.y();
  }
  ostatniaKomorka_ = c;
}

void TCellEdi::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint c = KomorkaW(e->position().toPoint());
  if (ciagnietaK_ >= 0 && c.y() == 0 && c.x() >= 0 && PrzesuwanieKolumn && OnPrzeniesionoCol)
    OnPrzeniesionoCol(*this, ciagnietaK_ - 1, c.x() - 1);
  if (ciagnietyW_ >= 0 && c.x() == 0 && c.y() >= 0 && PrzesuwanieWierszy && OnPrzeniesionoRow)
    OnPrzeniesionoRow(*this, ciagnietyW_ - 1, c.y() - 1);
  ciagnietaK_ = ciagnietyW_ = rozmiarK_ = rozmiarW_ = -1;
  zaznaczanieMysza_ = false;
  zaznaczanieNaglowkow_ = 0;
  przewijanie_->stop();
  viewport()->unsetCursor();
  viewport()->update();
}

// Shift turns the wheel sideways, a column a notch; some mice send it so.
void TCellEdi::wheelEvent(QWheelEvent* e) {
  const QPoint d = e->angleDelta();
  if ((e->modifiers() & Qt::ShiftModifier) || d.x() != 0) {
    const int kroki = (d.x() != 0 ? d.x() : d.y()) / 120;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - kroki);
  } else {
    verticalScrollBar()->setValue(verticalScrollBar()->value() - d.y() / 40);
  }
}

// The header highlight follows the pointer only while it is over the grid.
void TCellEdi::leaveEvent(QEvent* e) {
  QAbstractScrollArea::leaveEvent(e);
  viewport()->update(CellRect(najechanaK_, 0));
  viewport()->update(CellRect(0, najechanyW_));
  najechanaK_ = najechanyW_ = -1;
}

}  // namespace velmor
