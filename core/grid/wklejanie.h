#pragma once
// Clipboard text split into cells for paste.
#include <functional>
#include <string>
#include <string_view>

namespace velmor {

// Most characters of a clipboard text that paste takes.
constexpr size_t kNajwiecejZnakowWklejenia = 4999999;

// Splits UTF-8 clipboard text into cells and hands each one over as
// Windows-1250 text with its column offset i and row offset j from the
// cursor, only while i < ilx and j < ily.
// A tab ends a cell, except one followed by CR or by the end of the text (a
// tab ending a line makes no empty cell); a line feed ends a row;
// CR is dropped; a double quote is dropped and, with `excelStyl`, groups text
// so that a line feed inside quotes stays in the cell as CR LF (a tab still
// ends the cell). Characters the code page lacks become "?".
// The end of the text ends the last row too when anything other than CR
// follows the last row-ending line feed, so a last line without a line feed
// is not lost; a text ending in a line feed gives no extra empty row.
void ParsujWklejenie(
    std::string_view utf8, bool excelStyl, int ilx, int ily,
    const std::function<void(int i, int j, const std::string& tekstCp1250)>& dostarcz);

}  // namespace velmor
