#include "gui/common/stanedycji.h"

namespace velmor {

TStanEdycji& StanEdycji() {
  static TStanEdycji stan;
  return stan;
}

}  // namespace velmor
