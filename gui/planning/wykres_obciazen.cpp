#include "gui/planning/wykres_obciazen.h"

#include <QPainter>
#include <algorithm>

namespace velmor {

namespace {
constexpr int kWysokoscSlupka = 14, kOdstep = 4;
}

TWykresObciazen::TWykresObciazen(QWidget* rodzic) : QWidget(rodzic) {}

void TWykresObciazen::Ustaw(std::vector<TSlupek> slupki) {
  slupki_ = std::move(slupki);
  setMinimumHeight(static_cast<int>(slupki_.size()) * (kWysokoscSlupka + kOdstep) + kOdstep);
  update();
}

void TWykresObciazen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().base());
  int naNazwy = 0, skala = 1;
  for (const TSlupek& s : slupki_) {
    naNazwy = std::max(naNazwy, fontMetrics().horizontalAdvance(s.Nazwa));
    skala = std::max({skala, s.Dyzury, s.Limit});
  }
  const int x0 = naNazwy + 3 * kOdstep, szerokosc = std::max(width() - x0 - 6 * kOdstep, 10);
  const auto dlugosc = [&](int n) { return szerokosc * n / skala; };
  for (size_t i = 0; i < slupki_.size(); ++i) {
    const TSlupek& s = slupki_[i];
    const int y = kOdstep + static_cast<int>(i) * (kWysokoscSlupka + kOdstep);
    p.setPen(palette().text().color());
    p.drawText(QRect(kOdstep, y, naNazwy, kWysokoscSlupka), Qt::AlignVCenter | Qt::AlignLeft,
               s.Nazwa);
    const QColor kolor = s.Dyzury > s.Limit ? QColor(200, 40, 40) : QColor(60, 120, 200);
    p.fillRect(x0, y, dlugosc(s.Dyzury), kWysokoscSlupka, kolor);
    p.drawRect(x0, y, dlugosc(s.Limit), kWysokoscSlupka);
    p.drawText(QRect(x0 + std::max(dlugosc(s.Dyzury), dlugosc(s.Limit)) + kOdstep, y, 6 * kOdstep,
                     kWysokoscSlupka),
               Qt::AlignVCenter | Qt::AlignLeft, QString("%1/%2").arg(s.Dyzury).arg(s.Limit));
  }
}

}  // namespace velmor
