#include "gui/app/ikony.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace velmor {
namespace {

constexpr int kBok = 24;
const QColor kKontur(47, 93, 138);

void Zapisz(QPainter& p) {
  p.setBrush(QColor(60, 110, 190));
  p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(7.5, 3.5, 9, 6));
  p.setBrush(QColor(200, 210, 225));
  p.drawRect(QRectF(6.5, 13.5, 11, 7));
}

void Momenty(QPainter& p) {
  p.setBrush(QColor(255, 210, 63));
  p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
  p.drawLine(QPointF(12, 12), QPointF(12, 6.5));
  p.drawLine(QPointF(12, 12), QPointF(16, 14));
}

void Rejony(QPainter& p) {
  const QColor kolory[] = {QColor(240, 176, 176), QColor(160, 240, 240), QColor(176, 220, 140),
                           QColor(255, 210, 63)};
  const QRectF pola[] = {
      {3.5, 3.5, 9, 8}, {12.5, 3.5, 8, 8}, {3.5, 11.5, 6, 9}, {9.5, 11.5, 11, 9}};
  for (int i = 0; i < 4; ++i) {
    p.setBrush(kolory[i]);
    p.drawRect(pola[i]);
  }
}

void Limity(QPainter& p) {
  p.setBrush(QColor(200, 210, 225));
  p.drawRect(QRectF(4.5, 16.5, 15, 4));
  p.setBrush(QColor(90, 170, 90));
  p.drawRect(QRectF(5.5, 10.5, 4, 6));
  p.setBrush(QColor(230, 160, 60));
  p.drawRect(QRectF(10.5, 6.5, 4, 10));
  p.setBrush(QColor(210, 70, 70));
  p.drawRect(QRectF(15.5, 3.5, 4, 13));
}

void Plan(QPainter& p) {
  p.setBrush(Qt::white);
  p.drawRect(QRectF(3.5, 4.5, 17, 15));
  p.setBrush(QColor(240, 176, 176));
  p.drawRect(QRectF(3.5, 4.5, 17, 4));
  p.setBrush(QColor(160, 240, 240));
  p.drawRect(QRectF(9.5, 8.5, 5, 4));
  p.drawRect(QRectF(14.5, 15.5, 6, 4));
  p.drawLine(QPointF(9.5, 4.5), QPointF(9.5, 19.5));
  p.drawLine(QPointF(14.5, 4.5), QPointF(14.5, 19.5));
  p.drawLine(QPointF(3.5, 12.5), QPointF(20.5, 12.5));
}

void Koniec(QPainter& p) {
  p.setBrush(QColor(170, 120, 80));
  p.drawRect(QRectF(5.5, 3.5, 11, 17));
  p.setBrush(QColor(210, 70, 70));
  QPainterPath strzalka;
  strzalka.moveTo(13, 10);
  strzalka.lineTo(17, 10);
  strzalka.lineTo(17, 7);
  strzalka.lineTo(22, 12);
  strzalka.lineTo(17, 17);
  strzalka.lineTo(17, 14);
  strzalka.lineTo(13, 14);
  strzalka.closeSubpath();
  p.drawPath(strzalka);
}

}  // namespace

QIcon Ikona(TIkona ikona) {
  QPixmap obraz(kBok, kBok);
  obraz.fill(Qt::transparent);
  QPainter p(&obraz);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kKontur, 1.2));
  switch (ikona) {
    case kIkonaZapisz: Zapisz(p); break;
    case kIkonaMomenty: Momenty(p); break;
    case kIkonaRejony: Rejony(p); break;
    case kIkonaLimity: Limity(p); break;
    case kIkonaPlan: Plan(p); break;
    case kIkonaKoniec: Koniec(p); break;
  }
  return QIcon(obraz);
}

}  // namespace velmor
