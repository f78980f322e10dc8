#include "gui/grid/tytul.h"

#include <QWidget>
#include <algorithm>

namespace velmor {

void MiejsceNaTytul(QWidget* okno) {
  // The icon and the buttons of a title bar, with some room to spare.
  constexpr int kPrzyciski = 160;
  const int tytul = okno->fontMetrics().horizontalAdvance(okno->windowTitle());
  okno->setMinimumWidth(std::max(okno->minimumWidth(), tytul + kPrzyciski));
}

}  // namespace velmor
