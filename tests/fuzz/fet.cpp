// FET's XML: any input is read or refused with EStrumien, and a school read
// has every slot in every list and names only what exists.
#include "core/import/fet.h"

#include "core/archive/bledy.h"
#include "fuzz.h"

using namespace velmor;
using namespace velmor::fuzz;

namespace {

void SprawdzListy(const TDysp& d, int sloty, int ile, bool zBrakiem) {
  Wymagaj(d.Liczba() == sloty, "a list without an entry for every slot");
  for (const TPozycjaDysp& p : d.Pozycje)
    for (int i = 0; i < p.Lista.Liczba(); ++i)
      Wymagaj(p.Lista[i] < ile || (zBrakiem && p.Lista[i] == kBrak), "an index past its list");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t n) {
  TSzkola s;
  try {
    s = CzytajFet(std::string_view(reinterpret_cast<const char*>(dane), n));
  } catch (const EStrumien&) {
    return 0;
  }
  const int sloty = s.Dni.LiczbaSlotow();
  for (const TNaucz& t : s.Nauczyciele)
    SprawdzListy(t.Dyspozycja, sloty, s.Oddzialy.Liczba(), false);
  for (const TOddz& o : s.Oddzialy) {
    SprawdzListy(o.Przedmioty, sloty, s.Przedmioty.Liczba(), false);
    SprawdzListy(o.Sale, sloty, s.Sale.Liczba(), true);
  }
  for (const TSala& r : s.Sale) SprawdzListy(r.Zajecia, sloty, s.Oddzialy.Liczba(), false);
  return 0;
}
