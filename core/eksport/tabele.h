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

// How a view is meant: as the windows show it, or for a spreadsheet, with
// empty cells empty and the limits as numbers in columns of their own.
enum class TPostac { Okno, Arkusz };

// Moments by regions, the cells as the duty plan window shows them.
TTabela WidokDyzurow(const TModele& m, TPostac p = TPostac::Okno);
// Moments by teachers, naming the region of each duty.
TTabela WidokNauczycieli(const TModele& m, TPostac p = TPostac::Okno);
// Per teacher: duties, minutes and both limits.
TTabela WidokObciazen(const TModele& m);
// Per teacher as the limits window shows it: "Nowak Jan (18)", "5 (3)".
TTabela WidokLimitow(const TModele& m, TPostac p = TPostac::Okno);
// One duty per row, teachers in Polish order: surname, first name, day,
// break, its start and end ("08:45", empty without clock times), region and
// minutes.
TTabela WidokDyzurowWierszami(const TModele& m);

// "duty", "teachers", "loads", "limits" and "duties" name the views.
bool ZnanyWidok(const std::string& nazwa);
// A view a window shows, and so one that prints.
bool WidokOkna(const std::string& nazwa);
// The view of that name; raises std::invalid_argument for another name.
TTabela Widok(const TModele& m, const std::string& nazwa, TPostac p = TPostac::Okno);

}  // namespace velmor
