#include "gui/planning/towarzysze.h"

namespace velmor {

std::function<void(int, int)>& KursorPlanu() {
  static std::function<void(int, int)> kursor;
  return kursor;
}

}  // namespace velmor
