// A duty-plan file: what opens must save, and the saved file must open to the
// same models and trailer; saving that again must give the same bytes.
#include <iterator>

#include "core/document/dokument.h"
#include "fuzz.h"

using namespace velmor;
using namespace velmor::fuzz;

namespace {

std::vector<char> Bajty(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t n) {
  TCicho cicho;
  TZmianaRaportu zmiana(&cicho);
  ZapiszBajty(Plik("we.vlm"), dane, n);

  TDokument d;
  if (!d.OtworzPlik(Plik("we.vlm"), kRodzajPlanDyzurow)) {
    Wymagaj(!cicho.Kody.empty() && cicho.Kody.back() == 1, "failed open without error 1");
    return 0;
  }
  Wymagaj(cicho.Kody.empty(), "open succeeded with an error reported");
  Wymagaj(d.ZapiszPlik(Plik("a.vlm")), "opened plan not saved");

  TDokument e;
  Wymagaj(e.OtworzPlik(Plik("a.vlm"), kRodzajPlanDyzurow), "saved plan does not open");
  Wymagaj(static_cast<const TModele&>(d) == static_cast<const TModele&>(e),
          "saved plan reads back different");

  // Table blocks carry the document's version byte: the same one, the same bytes.
  e.WersjaPliku = d.WersjaPliku;
  Wymagaj(e.ZapiszPlik(Plik("b.vlm")), "reopened plan not saved");
  Wymagaj(Bajty(Plik("a.vlm")) == Bajty(Plik("b.vlm")), "second save gives other bytes");
  Wymagaj(cicho.Kody.empty(), "error reported on save or reopen");
  return 0;
}
