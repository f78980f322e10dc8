// GPU files: GPU001, then GPU004 and GPU005 after zero bytes. Any input is
// read or refused with EStrumien, and a school read is sound.
#include "core/import/gpu.h"

#include "core/archive/bledy.h"
#include "szkola.h"

using namespace velmor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t n) {
  const std::vector<std::string> c = fuzz::Czesci(dane, n, 3);
  try {
    fuzz::SprawdzSzkole(CzytajGpu(TPlikiGpu{c[0], c[1], c[2]}));
  } catch (const EStrumien&) {
  }
  return 0;
}
