#include "gui/grid/uklady_tekstow.h"

#include <QPainter>

#include "gui/grid/tekst.h"

namespace velmor {

const QStaticText* TUkladyTekstow::Uklad(const std::string& tekst, int czcionka, const QFont& f) {
  auto& uklady = uklady_[czcionka];
  if (const auto it = uklady.find(tekst); it != uklady.end()) return &it->second;
  const size_t skrot = std::hash<std::string>{}(tekst);
  size_t& widziany = widziane_[czcionka][skrot % kNajwiecej];
  if (widziany != skrot) {
    widziany = skrot;
    return nullptr;
  }
  widziany = 0;
  if (uklady.size() >= kNajwiecej) uklady.clear();
  QStaticText uklad(QTekst(tekst));
  uklad.setTextFormat(Qt::PlainText);
  uklad.prepare(QTransform(), f);
  return &uklady.emplace(tekst, std::move(uklad)).first->second;
}

bool TUkladyTekstow::Rysuj(QPainter& p, const std::string& tekst, int czcionka, const QRect& r,
                           int flagi) {
  if (tekst.find_first_of("&\r\n\t") != std::string::npos) return false;
  const QStaticText* uklad = Uklad(tekst, czcionka, p.font());
  if (!uklad) return false;
  const QSizeF rozmiar = uklad->size();
  qreal x = r.left(), y = r.top();
  if (flagi & Qt::AlignHCenter) x += (r.width() - rozmiar.width()) / 2;
  else if (flagi & Qt::AlignRight) x += r.width() - rozmiar.width();
  if (flagi & Qt::AlignVCenter) y += (r.height() - rozmiar.height()) / 2;
  else if (flagi & Qt::AlignBottom) y += r.height() - rozmiar.height();
  const bool przycinaj = rozmiar.width() > r.width() || rozmiar.height() > r.height();
  if (przycinaj) p.setClipRect(r);
  p.drawStaticText(QPointF(x, y), *uklad);
  if (przycinaj) p.setClipping(false);
  return true;
}

}  // namespace velmor
