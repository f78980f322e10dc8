#pragma once
// The text form of a block of cells, as copy puts it on the clipboard.
#include <functional>
#include <string>

#include "core/grid/zaznaczenie.h"

namespace velmor {

// Rows top to bottom, cells left to right, each cell followed by a tab and
// every row (the last too) by CR LF; the one tab that ends a row is dropped.
// Line breaks inside a cell become LF, and with `excelStyl` such a cell is
// put between double quotes. `tekstOczka` fills the Windows-1250 text of the
// data cell (x, y); the result is Windows-1250 as well.
std::string oczka_to_txt(const TZaznaczenie& z, bool excelStyl,
                         const std::function<void(int x, int y, std::string& tekst)>& tekstOczka);

}  // namespace velmor
