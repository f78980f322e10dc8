#include "gui/common/przyciski.h"

#include <QToolButton>

namespace velmor {

QToolButton* PlaskiPrzycisk(QWidget* rodzic, QStyle::StandardPixmap ikona, const char* podpowiedz) {
  auto* przycisk = new QToolButton(rodzic);
  przycisk->setAutoRaise(true);
  przycisk->setIcon(rodzic->style()->standardIcon(ikona));
  przycisk->setToolTip(QString::fromUtf8(podpowiedz));
  przycisk->setFocusPolicy(Qt::NoFocus);
  return przycisk;
}

QToolButton* PrzyciskPolecenia(QWidget* rodzic, const TOpisPolecenia& opis) {
  QToolButton* przycisk = PlaskiPrzycisk(rodzic, opis.Ikona, opis.Podpowiedz);
  QObject::connect(przycisk, &QToolButton::clicked, rodzic, opis.Polecenie);
  return przycisk;
}

}  // namespace velmor
