#pragma once
// The plan's tables as rows of UTF-8 cells: what `velmor-cli show` prints
// and the CSV export writes.
#include <string>
#include <vector>

#include "core/document/dokument.h"

namespace velmor {

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

// "duty", "teachers", "loads" and "limits" name the four views.
bool ZnanyWidok(const std::string& nazwa);
// The view of that name; raises std::invalid_argument for another name.
TTabela Widok(const TModele& m, const std::string& nazwa);

}  // namespace velmor
