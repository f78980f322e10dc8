#include "core/grid/strumien_rekordow.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace velmor {

void TStrumienRekordow::Wyczysc() {
  dane_.clear();
  pozycja_ = 0;
}

void TStrumienRekordow::Zapisz(const void* dane, size_t liczba) {
  if (liczba == 0) return;
  if (pozycja_ + liczba > dane_.size()) dane_.resize(pozycja_ + liczba);
  std::memcpy(dane_.data() + pozycja_, dane, liczba);
  pozycja_ += liczba;
}

void TStrumienRekordow::ZapiszI32(int32_t x) {
  const auto u = static_cast<uint32_t>(x);
  const uint8_t b[4] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8),
                        static_cast<uint8_t>(u >> 16), static_cast<uint8_t>(u >> 24)};
  Zapisz(b, 4);
}

size_t TStrumienRekordow::Czytaj(void* dane, size_t liczba) {
  const size_t n = std::min(liczba, dane_.size() - std::min(pozycja_, dane_.size()));
  if (n == 0) return 0;
  std::memcpy(dane, dane_.data() + pozycja_, n);
  pozycja_ += n;
  return n;
}

int32_t TStrumienRekordow::CzytajI32() {
  uint8_t b[4];
  if (Czytaj(b, 4) < 4) return 0;
  return static_cast<int32_t>(uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 |
                              uint32_t{b[3]} << 24);
}

void KopiujRekordy(TStrumienRekordow& s, const TZaznaczenie& z,
                   const std::function<void(int x, int y, TStrumienRekordow&)>& zapiszOczko) {
  s.Wyczysc();
  for (int y = z.Top; y <= z.Bottom; ++y)
    for (int x = z.Left; x <= z.Right; ++x) {
      s.ZapiszI32(x - z.Left);
      s.ZapiszI32(y - z.Top);
      zapiszOczko(x - 1, y - 1, s);
    }
}

void WklejRekordy(TStrumienRekordow& s, int lewaX, int gornaY,
                  const std::function<void(int x, int y, TStrumienRekordow&)>& czytajOczko) {
  constexpr size_t kPara = 8;
  const size_t koniec = s.Rozmiar();
  s.NaPoczatek();
  while (s.Pozycja() < std::min(koniec, s.Rozmiar())) {
    const size_t przed = s.Pozycja();
    if (s.Rozmiar() - przed < kPara) break;
    const int64_t x = int64_t{lewaX} + s.CzytajI32();
    const int64_t y = int64_t{gornaY} + s.CzytajI32();
    constexpr int64_t kMin = std::numeric_limits<int>::min(),
                      kMax = std::numeric_limits<int>::max();
    if (x < kMin || x > kMax || y < kMin || y > kMax) break;
    czytajOczko(static_cast<int>(x), static_cast<int>(y), s);
    if (s.Pozycja() <= przed) break;
  }
}

}  // namespace velmor
