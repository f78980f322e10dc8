#pragma once
// Flat tool buttons with a standard icon and a hint.
#include <QStyle>
#include <functional>

class QToolButton;
class QWidget;

namespace velmor {

// `podpowiedz` is UTF-8. The button takes no focus, so keys stay with the table.
QToolButton* PlaskiPrzycisk(QWidget* rodzic, QStyle::StandardPixmap ikona, const char* podpowiedz);

// A window's toolbar command.
struct TOpisPolecenia {
  QStyle::StandardPixmap Ikona;
  const char* Podpowiedz;  // UTF-8
  std::function<void()> Polecenie;
};

// The command's button, running it when clicked.
QToolButton* PrzyciskPolecenia(QWidget* rodzic, const TOpisPolecenia& opis);

}  // namespace velmor
