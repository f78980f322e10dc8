// FET's CSV results: the timetable, then the students, teachers and rooms
// lists after zero bytes. Any input is read or refused with EStrumien, and a
// school read is sound.
#include "core/import/fet_csv.h"

#include "core/archive/bledy.h"
#include "szkola.h"

using namespace velmor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t n) {
  const std::vector<std::string> c = fuzz::Czesci(dane, n, 4);
  try {
    fuzz::SprawdzSzkole(CzytajFetCsv(c[0], TObokFetCsv{c[1], c[2], c[3]}));
  } catch (const EStrumien&) {
  }
  return 0;
}
