#pragma once
// The companion windows of the duty plan: the micro-plans, the teachers'
// plan view and the load statistics, shown and moved to a teacher, region
// and moment by the duty plan editor, the variant list and the chooser.
#include <functional>

namespace velmor {

void PokazGdzieUczy(int nauczyciel, int moment);      // "Mikroplan", mode 0
void PokazGdzieDyzuruje(int nauczyciel, int moment);  // "Gdzie dyżuruje?", mode 1
void PokazKtoDyzuruje(int rejon, int moment);         // "Kto dyżuruje?", mode 3
void PokazPlanNauczycieli(int nauczyciel, int moment);
void PokazStatystyke(int nauczyciel);
// The windows above that are visible follow teacher t at moment m (the
// variant list's and the chooser's cursor).
void OdswiezWidoczneTowarzysze(int nauczyciel, int moment);

// Moves the duty plan editor's cursor to region r's column and moment m's
// row; the editor sets it when it is created.
std::function<void(int rejon, int moment)>& KursorPlanu();

}  // namespace velmor
