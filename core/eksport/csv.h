#pragma once
// A table as comma-separated values (RFC 4180).
#include <string>

#include "core/eksport/tabele.h"

namespace velmor {

// CR LF after every row; a cell holding a comma, a quote or a line break is
// quoted, its quotes doubled. `excel`: as Excel reads it in Polish
// settings, a byte-order mark first and semicolons between the cells.
std::string JakoCsv(const TTabela& t, bool excel = false);

}  // namespace velmor
