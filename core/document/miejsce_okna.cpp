#include "core/document/miejsce_okna.h"

#include <algorithm>
#include <cstdint>

namespace velmor {
namespace {

constexpr int32_t kWidocznaSzerokosc = 100, kWidocznaWysokosc = 50;

TProstokat Przesuniety(const TProstokat& p, int32_t lewo, int32_t gora) {
  return {lewo, gora, lewo + p.Szerokosc(), gora + p.Wysokosc()};
}

bool TytulNaEkranie(const TProstokat& okno, const TProstokat& e) {
  const int64_t szer = int64_t{std::min(okno.Right, e.Right)} - std::max(okno.Left, e.Left);
  const int64_t wys =
      int64_t{std::min(okno.Top + kWidocznaWysokosc, e.Bottom)} - std::max(okno.Top, e.Top);
  return szer >= std::min(kWidocznaSzerokosc, okno.Szerokosc()) &&
         wys >= std::min(kWidocznaWysokosc, okno.Wysokosc());
}

// Squared distance between the rectangles' centres.
int64_t Odleglosc(const TProstokat& a, const TProstokat& b) {
  const int64_t dx = (int64_t{a.Left} + a.Right) / 2 - (int64_t{b.Left} + b.Right) / 2;
  const int64_t dy = (int64_t{a.Top} + a.Bottom) / 2 - (int64_t{b.Top} + b.Bottom) / 2;
  return dx * dx + dy * dy;
}

const TProstokat& Najblizszy(const TProstokat& okno, const std::vector<TProstokat>& ekrany) {
  return *std::min_element(ekrany.begin(), ekrany.end(), [&](const auto& a, const auto& b) {
    return Odleglosc(okno, a) < Odleglosc(okno, b);
  });
}

// Shrunk to the screen and moved wholly onto it.
TProstokat WEkranie(const TProstokat& okno, const TProstokat& e) {
  const int32_t szer = std::min(okno.Szerokosc(), e.Szerokosc());
  const int32_t wys = std::min(okno.Wysokosc(), e.Wysokosc());
  const int32_t lewo = std::clamp(okno.Left, e.Left, e.Right - szer);
  const int32_t gora = std::clamp(okno.Top, e.Top, e.Bottom - wys);
  return {lewo, gora, lewo + szer, gora + wys};
}

}  // namespace

bool ZnaneMiejsce(const TProstokat& p) { return p.Left != 0 || p.Top != 0; }

TProstokat NaEkranie(const TProstokat& okno, const std::vector<TProstokat>& ekrany) {
  if (ekrany.empty()) return okno;
  for (const TProstokat& e : ekrany)
    if (TytulNaEkranie(okno, e)) return okno;
  return WEkranie(okno, Najblizszy(okno, ekrany));
}

TProstokat ObokWlasciciela(const TProstokat& okno, const TProstokat& wlasciciel,
                           const std::vector<TProstokat>& ekrany) {
  if (ekrany.empty()) return Przesuniety(okno, wlasciciel.Right, wlasciciel.Top);
  const TProstokat& e = Najblizszy(wlasciciel, ekrany);
  TProstokat p = Przesuniety(okno, wlasciciel.Right, wlasciciel.Top);
  if (p.Right > e.Right) p = Przesuniety(okno, wlasciciel.Left - okno.Szerokosc(), wlasciciel.Top);
  if (p.Left < e.Left) p = Przesuniety(okno, wlasciciel.Left + 40, wlasciciel.Top + 40);
  return WEkranie(p, e);
}

}  // namespace velmor
