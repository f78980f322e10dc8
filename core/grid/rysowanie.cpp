#include "core/grid/rysowanie.h"

#include <algorithm>
#include <climits>

namespace velmor {
namespace {

constexpr uint32_t kBialy = 0x00FFFFFF;
constexpr uint32_t kCzarny = 0;

uint32_t Kanal(uint32_t kolor, int przesuniecie, int zmiana) {
  const int ch = static_cast<int>((kolor >> przesuniecie) & 0xFF);
  return static_cast<uint32_t>(std::clamp(ch + zmiana, 0, 255)) << przesuniecie;
}

uint32_t Przesuniety(uint32_t kolor, int zmiana) {
  return Kanal(kolor, 0, zmiana) | Kanal(kolor, 8, zmiana) | Kanal(kolor, 16, zmiana);
}

int Pozycja(int poczatek, int rozmiar, int align, int margines) {
  if (align == 0) return poczatek + margines + 1;
  if (align == 2) return poczatek + rozmiar - margines - 1;
  return poczatek + rozmiar / 2;
}

std::pair<int, int> SrodekZakazu(const TGrafOczka& g, int alignX, int alignY, int r) {
  return {g.pozycja_x(alignX, r), g.pozycja_y(alignY, r)};
}

}  // namespace

std::pair<uint32_t, uint32_t> KoloryGradientu(uint32_t tlo, int zmiana) {
  const int d = std::clamp(zmiana / 2, -255, 255);
  return {Przesuniety(tlo, -d), Przesuniety(tlo, d)};
}

TKoloryTrybu KoloryTrybu(int tryb, uint32_t kolorPodoczka, uint32_t oczkoKolor, uint32_t infoKolor,
                         uint32_t ruchKolor, uint32_t dragKolor) {
  switch (tryb) {
    case 0: return {kBialy, false, kCzarny};
    case 2: {
      const bool zwykly =
          kolorPodoczka == kBialy || kolorPodoczka == oczkoKolor || kolorPodoczka == infoKolor;
      return {kBialy, false, zwykly ? kCzarny : kolorPodoczka};
    }
    case 3: return {ruchKolor, true, kCzarny};
    case 4: return {dragKolor, true, kCzarny};
    default: return {kolorPodoczka, true, kCzarny};
  }
}

std::vector<TProstokatCalk> PodzialOczka(const TProstokatCalk& r, int kolumny, int wiersze) {
  kolumny = std::max(kolumny, 1);
  wiersze = std::max(wiersze, 1);
  const int szer = (r.Right - r.Left) / kolumny, wys = (r.Bottom - r.Top) / wiersze;
  std::vector<TProstokatCalk> wynik;
  wynik.reserve(static_cast<size_t>(kolumny) * static_cast<size_t>(wiersze));
  for (int j = 0; j < wiersze; ++j) {
    const int gora = r.Top + j * wys;
    const int dol = j == wiersze - 1 ? r.Bottom : gora + wys;
    for (int i = 0; i < kolumny; ++i) {
      const int lewa = r.Left + i * szer;
      wynik.push_back({lewa, gora, i == kolumny - 1 ? r.Right : lewa + szer, dol});
    }
  }
  return wynik;
}

int TGrafOczka::pozycja_x(int align, int margines) const {
  return Pozycja(x0, szer, align, margines);
}
int TGrafOczka::pozycja_y(int align, int margines) const {
  return Pozycja(y0, wys, align, margines);
}

std::array<std::pair<int, int>, 3> Trojkat(const TGrafOczka& g, int alignX, int alignY,
                                           bool wGore) {
  const int x = g.pozycja_x(alignX, 7), y = g.pozycja_y(alignY, 7) + 3;
  if (wGore) return {{{x - 7, y}, {x + 7, y}, {x, y - 7}}};
  return {{{x - 7, y - 7}, {x + 7, y - 7}, {x, y}}};
}

TProstokatCalk KolkoZakazu(const TGrafOczka& g, int alignX, int alignY, int r) {
  const auto [x, y] = SrodekZakazu(g, alignX, alignY, r);
  return {x - r, y - r, x + r, y + r};
}

TProstokatCalk BelkaZakazu(const TGrafOczka& g, int alignX, int alignY, int r) {
  const auto [x, y] = SrodekZakazu(g, alignX, alignY, r);
  return {x - r + 1, y - 3, x + r - 1, y + 3};
}

std::vector<TProstokatCalk> Slupki(const TGrafOczka& g, int liczba) {
  const int lewa = g.x0 + g.szer / 10, prawa = g.x0 + g.szer - g.szer / 10, wys = g.wys / 20;
  std::vector<TProstokatCalk> wynik;
  int dol = g.y0 + g.wys;
  for (int i = 0; i < std::clamp(liczba, 0, 20); ++i) {
    wynik.push_back({lewa, dol - wys, prawa, dol});
    dol -= wys;
  }
  return wynik;
}

int SkalujRozmiarCzcionki(int rozmiar, double skala) {
  const double r = rozmiar * skala;
  if (!(r >= 2)) return 2;  // NaN too
  if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
  return static_cast<int>(r);
}

}  // namespace velmor
