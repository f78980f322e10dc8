#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "core/grid/rysowanie.h"

using namespace velmor;

namespace {

constexpr uint32_t kOczko = 0x00FFD0D0, kInfo = 0x00FFB0B0, kRuch = 0x00FF90F0, kDrag = 0x00FFFFFF;

TKoloryTrybu Tryb(int tryb, uint32_t kolor) {
  return KoloryTrybu(tryb, kolor, kOczko, kInfo, kRuch, kDrag);
}

std::vector<int> Szerokosci(const std::vector<TProstokatCalk>& r) {
  std::vector<int> w;
  for (const auto& p : r) w.push_back(p.Right - p.Left);
  return w;
}

}  // namespace

TEST(GridDrawing, GradientEnds) {
  EXPECT_EQ(KoloryGradientu(0x00FFD0D0, 40), std::make_pair(0x00EBBCBCu, 0x00FFE4E4u));
  EXPECT_EQ(KoloryGradientu(0x00FFD0D0, 41), std::make_pair(0x00EBBCBCu, 0x00FFE4E4u));
  EXPECT_EQ(KoloryGradientu(0x00123456, 1), std::make_pair(0x00123456u, 0x00123456u));
  EXPECT_EQ(KoloryGradientu(0x00FF0A80, 60), std::make_pair(0x00E10062u, 0x00FF289Eu));
  EXPECT_EQ(KoloryGradientu(0x00808080, 1000), std::make_pair(0x00000000u, 0x00FFFFFFu));
}

TEST(GridDrawing, ModeColours) {
  for (uint32_t zwykly : {0x00FFFFFFu, kOczko, kInfo}) {
    const auto k = Tryb(2, zwykly);
    EXPECT_EQ(k.Tlo, 0x00FFFFFFu);
    EXPECT_FALSE(k.WlasnyKolorCzcionki);
    EXPECT_EQ(k.KolorTekstu, 0u);
  }
  const auto czerwony = Tryb(2, 0x000000FF);
  EXPECT_EQ(czerwony.Tlo, 0x00FFFFFFu);
  EXPECT_EQ(czerwony.KolorTekstu, 0x000000FFu);

  const auto czarnoBialy = Tryb(0, 0x000000FF);
  EXPECT_EQ(czarnoBialy.Tlo, 0x00FFFFFFu);
  EXPECT_FALSE(czarnoBialy.WlasnyKolorCzcionki);
  EXPECT_EQ(czarnoBialy.KolorTekstu, 0u);
  EXPECT_EQ(Tryb(1, 0x000000FF).Tlo, 0x000000FFu);
  EXPECT_TRUE(Tryb(1, 0x000000FF).WlasnyKolorCzcionki);
  EXPECT_EQ(Tryb(3, 0x000000FF).Tlo, kRuch);
  EXPECT_EQ(Tryb(4, 0x000000FF).Tlo, kDrag);
  EXPECT_TRUE(Tryb(4, 0x000000FF).WlasnyKolorCzcionki);
}

TEST(GridDrawing, SubCellsTakeTheRemainderLast) {
  EXPECT_EQ(Szerokosci(PodzialOczka({0, 0, 50, 14}, 3, 1)), (std::vector<int>{16, 16, 18}));
  const auto r = PodzialOczka({10, 20, 31, 41}, 2, 2);
  EXPECT_EQ(r, (std::vector<TProstokatCalk>{
                   {10, 20, 20, 30}, {20, 20, 31, 30}, {10, 30, 20, 41}, {20, 30, 31, 41}}));
  EXPECT_EQ(PodzialOczka({0, 0, 50, 14}, 0, -1), (std::vector<TProstokatCalk>{{0, 0, 50, 14}}));
}

TEST(GridDrawing, WindowGraphicsGeometry) {
  const TGrafOczka g{10, 20, 51, 15};
  EXPECT_EQ(g.pozycja_x(0, 7), 18);
  EXPECT_EQ(g.pozycja_x(1, 7), 35);
  EXPECT_EQ(g.pozycja_x(2, 7), 53);
  EXPECT_EQ(g.pozycja_y(0, 3), 24);
  EXPECT_EQ(g.pozycja_y(5, 3), 27);
  EXPECT_EQ(g.pozycja_y(2, 3), 31);

  using P = std::pair<int, int>;
  // Base line 3 below pozycja_y with margin 7.
  EXPECT_EQ(Trojkat(g, 0, 1, true), (std::array<P, 3>{P{11, 30}, P{25, 30}, P{18, 23}}));
  EXPECT_EQ(Trojkat(g, 2, 2, false), (std::array<P, 3>{P{46, 23}, P{60, 23}, P{53, 30}}));

  EXPECT_EQ(KolkoZakazu(g, 1, 1, 5), (TProstokatCalk{30, 22, 40, 32}));
  EXPECT_EQ(BelkaZakazu(g, 1, 1, 5), (TProstokatCalk{31, 24, 39, 30}));
  EXPECT_EQ(KolkoZakazu(g, 0, 2, 4), (TProstokatCalk{11, 26, 19, 34}));
}

TEST(GridDrawing, GaugeBlocks) {
  const TGrafOczka g{100, 200, 50, 41};
  const auto s = Slupki(g, 3);
  EXPECT_EQ(s, (std::vector<TProstokatCalk>{
                   {105, 239, 145, 241}, {105, 237, 145, 239}, {105, 235, 145, 237}}));
  EXPECT_EQ(Slupki(g, 25).size(), 20u);
  EXPECT_TRUE(Slupki(g, -3).empty());
}

TEST(GridDrawing, FontScale) {
  EXPECT_EQ(SkalujRozmiarCzcionki(10, 1.59), 15);
  EXPECT_EQ(SkalujRozmiarCzcionki(8, 0.2), 2);
  EXPECT_EQ(SkalujRozmiarCzcionki(-8, 1.0), 2);
  EXPECT_EQ(SkalujRozmiarCzcionki(8, std::nan("")), 2);
}
