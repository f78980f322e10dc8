#include "gui/grid/kolor.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/grid/paleta.h"
#include "gui/grid/tekst.h"

namespace velmor {

TKolor::TKolor(QWidget* rodzic) : QFrame(rodzic) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  resize(100, 40);
}

uint32_t TKolor::daj_kolor(int x, int y) const {
  const QRect r = contentsRect();
  return velmor::daj_kolor(x, y, r.width(), r.height());
}

void TKolor::paintEvent(QPaintEvent* e) {
  QFrame::paintEvent(e);
  QPainter p(this);
  const QRect r = contentsRect();
  p.translate(r.topLeft());
  const int w = r.width() / 7;
  if (w <= 0) return;
  const QColor szary = QKolor(0x00C0C0C0);
  for (int x0 = 0; x0 < r.width(); x0 += w) {
    for (int y = 0; y < r.height(); ++y) {
      p.fillRect(x0, y, w, 1, QKolor(daj_kolor(x0, y)));
      p.fillRect(x0, y, 1, 1, szary);
    }
  }
}

// The client width stays a multiple of 7, so the bands are equal.
void TKolor::resizeEvent(QResizeEvent* e) {
  QFrame::resizeEvent(e);
  const int reszta = contentsRect().width() % 7;
  if (reszta != 0) resize(width() - reszta, height());
}

void TKolor::mousePressEvent(QMouseEvent* e) {
  if (!OnAkcja) return QFrame::mousePressEvent(e);
  const QPoint p = e->position().toPoint() - contentsRect().topLeft();
  OnAkcja(*this, daj_kolor(p.x(), p.y()));
}

}  // namespace velmor
