// A timetable file made into a new duty plan the way `velmor-cli new` does
// it; the plan must save and read back unchanged.
#include "core/document/dokument.h"
#include "core/planning/nowyplan.h"
#include "fuzz.h"

using namespace velmor;
using namespace velmor::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t n) {
  TCicho cicho;
  TZmianaRaportu zmiana(&cicho);
  ZapiszBajty(Plik("plan.tbx"), dane, n);

  TDokument d;
  const TKsztaltPlanu ksztalt = TKsztaltPlanu::Z(d);
  if (!d.OtworzPlik(Plik("plan.tbx"), kRodzajPlanLekcji)) {
    Wymagaj(!cicho.Kody.empty() && cicho.Kody.back() == 1, "failed open without error 1");
    return 0;
  }
  Wymagaj(cicho.Kody.empty(), "open succeeded with an error reported");
  const TPolaPrzeniesienia pola = TPolaPrzeniesienia::Z(ksztalt, d);
  PrzebudujPlan(d, ksztalt, pola.Zaznaczone);
  Wymagaj(d.ZapiszPlik(Plik("plan.vlm")), "rebuilt plan not saved");

  TDokument e;
  Wymagaj(e.OtworzPlik(Plik("plan.vlm"), kRodzajPlanDyzurow), "saved plan does not open");
  Wymagaj(static_cast<const TModele&>(d) == static_cast<const TModele&>(e),
          "saved plan reads back different");
  Wymagaj(cicho.Kody.empty(), "error reported on save or reopen");
  return 0;
}
