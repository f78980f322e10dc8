#pragma once
// The companion windows of the duty plan: the five micro-plans, the teachers'
// plan view and the load statistics, shown and moved to a teacher, region
// and moment by the duty plan editor, the limits and regions editors, the
// variant list and the chooser.
#include <array>

#include "gui/planning/ffddysp.h"

namespace velmor {

class Tffdplann;
class Tffdstat;

class TTowarzysze {
 public:
  // The windows, set by the program as it creates them.
  std::array<Tffddysp*, kLiczbaMikroplanow> Mikroplany{};
  Tffdplann* PlanNauczycieli = nullptr;
  Tffdstat* Statystyka = nullptr;

  Tffddysp* Mikroplan(TMikroplan i) const { return Mikroplany[static_cast<size_t>(i)]; }

  void PokazGdzieUczy(int nauczyciel, int moment);      // "Mikroplan"
  void PokazGdzieDyzuruje(int nauczyciel, int moment);  // "Gdzie dyżuruje?"
  void PokazKtoDyzuruje(int rejon, int moment);         // "Kto dyżuruje?"
  void PokazPlanNauczycieli(int nauczyciel, int moment);
  void PokazStatystyke(int nauczyciel);
  // The windows above that are visible follow teacher t at moment m (the
  // variant list's and the chooser's cursor).
  void OdswiezWidoczne(int nauczyciel, int moment);
};

}  // namespace velmor
