#pragma once
// The glyphs of the main window's tool buttons, drawn in colour so that a
// disabled button shows clearly grey.
#include <QIcon>

namespace velmor {

enum TIkona { kIkonaZapisz, kIkonaMomenty, kIkonaRejony, kIkonaLimity, kIkonaPlan, kIkonaKoniec };

QIcon Ikona(TIkona ikona);

}  // namespace velmor
