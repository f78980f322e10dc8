#include "gui/planning/towarzysze.h"

#include "gui/app/ffdmain.h"
#include "gui/app/okna.h"
#include "gui/planning/ffddysp.h"
#include "gui/planning/ffdplann.h"
#include "gui/planning/ffdstat.h"

namespace velmor {
namespace {

Tffddysp* Mikroplan() { return static_cast<Tffddysp*>(Okna().ffddysp); }

// The extra instance of that kind, once the main window made it.
Tffddysp* Mikroplan(TMikroplan instancja) {
  if (!Okna().ffdmain) return nullptr;
  return static_cast<Tffddysp*>(Okna().ffdmain->DodatkowyMikroplan(instancja - kMikroplanRejonu));
}

bool Widoczny(const QWidget* okno) { return okno && okno->isVisible(); }

}  // namespace

void PokazGdzieUczy(int nauczyciel, int moment) {
  if (Tffddysp* m = Mikroplan()) m->pokaz_mikroplan(0, nauczyciel, moment);
}

void PokazGdzieDyzuruje(int nauczyciel, int moment) {
  if (Tffddysp* m = Mikroplan(kMikroplanGdzie)) m->pokaz_mikroplan(1, nauczyciel, moment);
}

void PokazKtoDyzuruje(int rejon, int moment) {
  if (Tffddysp* m = Mikroplan(kMikroplanKto)) m->pokaz_mikroplan(3, rejon, moment);
}

void PokazPlanNauczycieli(int nauczyciel, int moment) {
  if (auto* p = static_cast<Tffdplann*>(Okna().ffdplann)) p->pokaz_plan(nauczyciel, moment);
}

void PokazStatystyke(int nauczyciel) {
  if (auto* s = static_cast<Tffdstat*>(Okna().ffdstat)) s->pokaz_statystyke(nauczyciel);
}

void OdswiezWidoczneTowarzysze(int nauczyciel, int moment) {
  if (Widoczny(Mikroplan())) PokazGdzieUczy(nauczyciel, moment);
  if (Widoczny(Mikroplan(kMikroplanGdzie))) PokazGdzieDyzuruje(nauczyciel, moment);
  if (Widoczny(Okna().ffdplann)) PokazPlanNauczycieli(nauczyciel, moment);
  if (Widoczny(Okna().ffdstat)) PokazStatystyke(nauczyciel);
}

}  // namespace velmor
