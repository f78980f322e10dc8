#include "gui/app/przyciski.h"

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

}  // namespace velmor
