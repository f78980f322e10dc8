#pragma once
// A flat tool button with a standard icon and its hint.
#include <QStyle>

class QToolButton;
class QWidget;

namespace velmor {

// `podpowiedz` is UTF-8. The button takes no focus, so keys stay with the table.
QToolButton* PlaskiPrzycisk(QWidget* rodzic, QStyle::StandardPixmap ikona, const char* podpowiedz);

}  // namespace velmor
