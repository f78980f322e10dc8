// The window-settings trailer. The first byte picks the file version (the
// table block form) and the desktop; the rest is the trailer. What was read
// must write and read back whole and unchanged.
#include "core/document/stopka.h"

#include "core/model/wspolne.h"
#include "fuzz.h"

using namespace velmor;
using namespace velmor::fuzz;

namespace {

constexpr int kNajstarsza = 60;

// A container with no sections: the directory, the version byte, the bytes.
void ZapiszKontener(const std::filesystem::path& p, uint8_t wersja, const uint8_t* dane, size_t n) {
  std::vector<uint8_t> b(kRozmiarKatalogu, 0xFF);
  b.push_back(wersja);
  b.insert(b.end(), dane, dane + n);
  ZapiszBajty(p, b.data(), b.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t n) {
  if (n == 0) return 0;
  const int wersja = kNajstarsza + (dane[0] & 0x7F) % (kWersjaZapisu - kNajstarsza + 1);
  const TProstokat pulpit = (dane[0] & 0x80)
                                ? TProstokat{0, 0, 1920, 1080}
                                : TProstokat{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  ZapiszKontener(Plik("stopka"), static_cast<uint8_t>(wersja), dane + 1, n - 1);

  TStopka a;
  {
    TOrvelOdczyt s(Plik("stopka"));
    s.Wersja = s.CzytajBajt();
    a.Czytaj(s, s.Wersja, pulpit);
  }
  {
    TOrvelZapis z(Plik("stopka2"));
    z.ZapiszBajt(kWersjaZapisu);
    a.Zapisz(z, wersja);
    z.Zamknij();
  }
  TStopka b;
  TOrvelOdczyt s(Plik("stopka2"));
  s.Wersja = s.CzytajBajt();
  b.Czytaj(s, s.Wersja, pulpit);
  Wymagaj(s.Pozostalo() == 0, "written trailer not read to its end");
  Wymagaj(a == b, "trailer reads back different");
  return 0;
}
