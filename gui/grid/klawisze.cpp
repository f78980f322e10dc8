#include "gui/grid/klawisze.h"

#include "core/archive/cp1250.h"

namespace velmor {

int KodKlawisza(const QKeyEvent& e) {
  const int k = e.key();
  if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return k;
  if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return VK_F1 + (k - Qt::Key_F1);
  switch (k) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    default: return 0;
  }
}

int ZnakKlawisza(const QKeyEvent& e) {
  const QString t = e.text();
  if (t.isEmpty()) return 0;
  const char16_t z = t.at(0).unicode();
  if (z == 0x7F || (z < 32 && z != VK_BACK && z != VK_RETURN && z != VK_ESCAPE)) return 0;
  const int b = UnicodeNaCp1250(z);
  return b < 0 ? '?' : b;
}

}  // namespace velmor
