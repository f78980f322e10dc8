#pragma once
// The program's one edit state: the cell being typed into and its number text.
#include "core/grid/edycja.h"

namespace velmor {

TStanEdycji& StanEdycji();

}  // namespace velmor
