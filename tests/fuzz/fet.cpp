// FET's XML: any input is read or refused with EStrumien, and a school read
// is sound.
#include "core/import/fet.h"

#include "core/archive/bledy.h"
#include "szkola.h"

using namespace velmor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t n) {
  try {
    fuzz::SprawdzSzkole(CzytajFet(std::string_view(reinterpret_cast<const char*>(dane), n)));
  } catch (const EStrumien&) {
  }
  return 0;
}
