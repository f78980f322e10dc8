#pragma once
// The tables velmor-cli shows, as UTF-8 text.
#include <string>

#include "core/eksport/tabele.h"

namespace velmor::cli {

using velmor::TTabela;

// Columns padded to their widest cell, for a terminal.
std::string JakoTekst(const TTabela& t);
// Cells separated by tabs, one row a line, for a spreadsheet.
std::string JakoTsv(const TTabela& t);

}  // namespace velmor::cli
