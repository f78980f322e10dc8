// The configuration file. The input is read as the file; a name read must
// store and read back the same. The input is also stored as a name, which
// must come back as it was, whatever its bytes.
#include "core/document/konfiguracja.h"

#include "fuzz.h"

using namespace velmor;
using namespace velmor::fuzz;

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
  // Names far longer than any path are refused on reading.
  if (n > 0 && n <= 4096) Wymagaj(nazwa == tekst, "stored name reads back different");
  return 0;
}
