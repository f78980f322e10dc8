#pragma once
// The tables velmor-cli shows, as UTF-8 text.
#include <string>
#include <vector>

#include "core/document/dokument.h"

namespace velmor::cli {

using TTabela = std::vector<std::vector<std::string>>;

// "Pon przed 8:00-8:45": the day and the moment's name.
std::string EtykietaMomentu(const TModele& m, int s);

// Moments by regions, the cells as the duty plan window shows them.
TTabela WidokDyzurow(const TModele& m);
// Moments by teachers, naming the region of each duty.
TTabela WidokNauczycieli(const TModele& m);
// Per teacher: duties, minutes and both limits.
TTabela WidokObciazen(const TModele& m);
// Per teacher as the limits window shows it: "Nowak Jan (18)", "5 (3)".
TTabela WidokLimitow(const TModele& m);

// Columns padded to their widest cell, for a terminal.
std::string JakoTekst(const TTabela& t);
// Cells separated by tabs, one row a line, for a spreadsheet.
std::string JakoTsv(const TTabela& t);

}  // namespace velmor::cli
