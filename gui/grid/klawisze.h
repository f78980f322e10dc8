#pragma once
// Virtual key codes, the numbers the windows' key answers compare with.
#include <QKeyEvent>

namespace velmor {

enum : int {
  VK_BACK = 8,
  VK_TAB = 9,
  VK_RETURN = 13,
  VK_ESCAPE = 27,
  VK_SPACE = 32,
  VK_PRIOR = 33,
  VK_NEXT = 34,
  VK_END = 35,
  VK_HOME = 36,
  VK_LEFT = 37,
  VK_UP = 38,
  VK_RIGHT = 39,
  VK_DOWN = 40,
  VK_INSERT = 45,
  VK_DELETE = 46,
  VK_F1 = 112
};

// The virtual key code of a key event; 0 for a key without one.
int KodKlawisza(const QKeyEvent& e);

// The Windows-1250 character code the key types; 0 when it types none.
int ZnakKlawisza(const QKeyEvent& e);

}  // namespace velmor
