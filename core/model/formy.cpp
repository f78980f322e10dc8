#include "core/model/formy.h"

#include "core/archive/bledy.h"

namespace velmor {

std::optional<uint8_t> KonwertujIndeks(int16_t x, uint8_t zaBrak) {
  if (x <= 255) return static_cast<uint8_t>(x & 0xFF);
  if (x == 1000) return zaBrak;
  return std::nullopt;
}

uint8_t CzytajIndeksPlanu(TOrvelOdczyt& s, bool grupowy) {
  if (s.Wersja <= 81) return s.CzytajBajt();
  const auto b = KonwertujIndeks(s.CzytajI16(), grupowy ? uint8_t{232} : uint8_t{251});
  if (!b) throw EOrvelError(8);
  return *b;
}

int32_t CzytajLiczbePozycji(TOrvelOdczyt& s, int64_t bajtowNaPozycje) {
  const int32_t n = s.CzytajLiczbe(bajtowNaPozycje);
  if (n > kMaksPozycji) throw EStrumien("za dużo pozycji na liście");
  return n;
}

void PominNapis(TOrvelOdczyt& s) { s.Pomin(s.CzytajBajt()); }

void PominBajty(TOrvelOdczyt& s) { s.Pomin(s.CzytajLiczbe(1)); }

void PominListeA(TOrvelOdczyt& s) {
  const int32_t n = s.CzytajLiczbe(5);
  for (int32_t i = 0; i < n; ++i) {
    s.Pomin(4);
    PominNapis(s);
    if (s.Wersja >= 96) s.Pomin(4);
  }
}

void PominListeB(TOrvelOdczyt& s) {
  const int32_t n = s.CzytajLiczbe(13);
  for (int32_t i = 0; i < n; ++i) {
    s.Pomin(4);
    PominBajty(s);
    s.Pomin(1 + 4);
  }
}

}  // namespace velmor
