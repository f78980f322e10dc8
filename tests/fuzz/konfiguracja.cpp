// The configuration file. The input is read as the file; a name read must
// store and read back the same. The input is also stored as a name: a plain
// ASCII name must come back as it was.
#include "core/document/konfiguracja.h"
#include "fuzz.h"

using namespace velmor;
using namespace velmor::fuzz;

namespace {

bool ZwyklyAscii(const uint8_t* dane, size_t n) {
  if (n == 0 || n > 255) return false;
  for (size_t i = 0; i < n; ++i)
    if (dane[i] < 0x20 || dane[i] > 0x7E) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t n) {
  TCicho cicho;
  TZmianaRaportu zmiana(&cicho);
  static const TParametryUruchomieniowe p =
      TParametryUruchomieniowe::Zbuduj(Folder().string(), Folder().string(), {});
  ZapiszBajty(PlikKonfiguracji(p), dane, n);

  if (const auto nazwa = CzytajKonfiguracje(p)) {
    Wymagaj(!nazwa->empty(), "empty name taken for a document");
    Wymagaj(ZapiszKonfiguracje(p, *nazwa), "name read could not be stored");
    Wymagaj(CzytajKonfiguracje(p) == nazwa, "stored name reads back different");
  }

  const std::string tekst(reinterpret_cast<const char*>(dane), n);
  Wymagaj(ZapiszKonfiguracje(p, tekst), "name not stored");
  const auto nazwa = CzytajKonfiguracje(p);
  if (ZwyklyAscii(dane, n)) Wymagaj(nazwa == tekst, "ASCII name reads back different");
  if (nazwa) {
    Wymagaj(ZapiszKonfiguracje(p, *nazwa), "name read could not be stored");
    Wymagaj(CzytajKonfiguracje(p) == nazwa, "stored name reads back different");
  }
  return 0;
}
