#include "gui/planning/towarzysze.h"

#include "gui/planning/ffdplann.h"
#include "gui/planning/ffdstat.h"

namespace velmor {
namespace {

bool Widoczny(const QWidget* okno) { return okno && okno->isVisible(); }

}  // namespace

void TTowarzysze::PokazGdzieUczy(int nauczyciel, int moment) {
  if (Tffddysp* m = Mikroplan(kMikroplanGlowny))
    m->pokaz_mikroplan(kTrybGdzieUczy, nauczyciel, moment);
}

void TTowarzysze::PokazGdzieDyzuruje(int nauczyciel, int moment) {
  if (Tffddysp* m = Mikroplan(kMikroplanGdzie))
    m->pokaz_mikroplan(kTrybGdzieDyzuruje, nauczyciel, moment);
}

void TTowarzysze::PokazKtoDyzuruje(int rejon, int moment) {
  if (Tffddysp* m = Mikroplan(kMikroplanKto)) m->pokaz_mikroplan(kTrybKtoDyzuruje, rejon, moment);
}

void TTowarzysze::PokazPlanNauczycieli(int nauczyciel, int moment) {
  if (PlanNauczycieli) PlanNauczycieli->pokaz_plan(nauczyciel, moment);
}

void TTowarzysze::PokazStatystyke(int nauczyciel) {
  if (Statystyka) Statystyka->pokaz_statystyke(nauczyciel);
}

void TTowarzysze::OdswiezWidoczne(int nauczyciel, int moment) {
  if (Widoczny(Mikroplan(kMikroplanGlowny))) PokazGdzieUczy(nauczyciel, moment);
  if (Widoczny(Mikroplan(kMikroplanGdzie))) PokazGdzieDyzuruje(nauczyciel, moment);
  if (Widoczny(PlanNauczycieli)) PokazPlanNauczycieli(nauczyciel, moment);
  if (Widoczny(Statystyka)) PokazStatystyke(nauczyciel);
}

}  // namespace velmor
