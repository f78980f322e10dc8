#include <gtest/gtest.h>

#include <vector>

#include "core/grid/paleta.h"
#include "core/grid/strona.h"

using namespace velmor;

namespace {

// 100 pixels per inch on screen and paper, a 1000 x 1000 page and no
// preview scaling: one screen pixel is one printer pixel.
TUrzadzenieStrony Urzadzenie() {
  TUrzadzenieStrony u;
  u.EkranX = u.EkranY = 100;
  u.DrukarkaX = u.DrukarkaY = 100;
  u.Szer = u.Wys = 1000;
  u.PodgladSzer = u.PodgladWys = 1000;
  return u;
}

struct TSiatka {
  std::vector<int> szer, wys;
  int fixedCols = 1, fixedRows = 1;
  TZaznaczenie zaznaczenie{1, 1, 1, 1};
  TSiatkaDoDruku Druk() const { return {szer, wys, fixedCols, fixedRows, zaznaczenie}; }
};

// Headers 50 and 100; 6 data columns of 300 make 2 column bands and 7 data
// rows of 300 make 3 row bands (the title band is 39 pixels).
TSiatka Przyklad() {
  return {{50, 300, 300, 300, 300, 300, 300}, {100, 300, 300, 300, 300, 300, 300, 300}};
}

int Uloz(TUkladStron& u, const TSiatka& s, TOpcjeWydruku o = {}, int pozycja = 0) {
  return u.IniStrony(Urzadzenie(), pozycja, o, s.Druk());
}

}  // namespace

TEST(PageLayout, BandsRunDownFirstAndHeadersOnlyOnTheFirstBands) {
  TUkladStron u;
  ASSERT_EQ(Uloz(u, Przyklad()), 6);
  EXPECT_EQ(u.DziesiecMm, 39);
  EXPECT_EQ(u.PodzialKolumn, (std::vector<int>{1, 4, 7}));
  EXPECT_EQ(u.PodzialWierszy, (std::vector<int>{1, 3, 6, 8}));

  const auto s4 = u.OpisStrony(4);
  ASSERT_TRUE(s4);
  EXPECT_EQ(s4->PasKolumn, 1);
  EXPECT_EQ(s4->PasWierszy, 1);
  EXPECT_EQ(s4->PierwszaKolumna, 4);
  EXPECT_EQ(s4->OstatniaKolumna, 6);
  EXPECT_EQ(s4->PierwszyWiersz, 3);
  EXPECT_EQ(s4->OstatniWiersz, 5);
  EXPECT_FALSE(s4->LeweNaglowki);
  EXPECT_FALSE(s4->GorneNaglowki);
  EXPECT_EQ(s4->Y, 39);

  const auto s0 = u.OpisStrony(0), s3 = u.OpisStrony(3), s2 = u.OpisStrony(2);
  EXPECT_TRUE(s0->LeweNaglowki && s0->GorneNaglowki);
  EXPECT_TRUE(!s3->LeweNaglowki && s3->GorneNaglowki);  // column band 1, row band 0
  EXPECT_TRUE(s2->LeweNaglowki && !s2->GorneNaglowki);  // column band 0, row band 2
  EXPECT_EQ(s2->PierwszyWiersz, 6);
  EXPECT_EQ(s2->OstatniWiersz, 7);

  EXPECT_FALSE(u.OpisStrony(6));
  EXPECT_FALSE(u.OpisStrony(-1));
}

TEST(PageLayout, HeaderOptionsOffLeaveMoreRoom) {
  TUkladStron u;
  TOpcjeWydruku o;
  o.LeweNaglowki = o.GorneNaglowki = false;
  Uloz(u, Przyklad(), o);
  // Without the 50-pixel header column three columns still fit (900), the
  // fourth does not; without the header row the first band holds 3 rows.
  EXPECT_EQ(u.PodzialKolumn, (std::vector<int>{1, 4, 7}));
  EXPECT_EQ(u.PodzialWierszy, (std::vector<int>{1, 4, 7, 8}));
  EXPECT_FALSE(u.OpisStrony(0)->LeweNaglowki);
}

TEST(PageLayout, MarginsScaleAndPreviewRatios) {
  TUkladStron u;
  TUrzadzenieStrony d;
  d.EkranX = d.EkranY = 96;
  d.DrukarkaX = d.DrukarkaY = 600;
  d.Szer = 4800;
  d.Wys = 6000;
  d.PodgladSzer = 320;
  d.PodgladWys = 400;
  TOpcjeWydruku o;
  o.LewyMm = 5;
  o.PrawyMm = 200;
  o.GornyMm = 10;
  o.DolnyMm = 0;
  o.Skala = 1.5f;
  TSiatka s = Przyklad();
  u.IniStrony(d, 0, o, s.Druk());
  EXPECT_EQ(u.LewyMargines, 118);  // 5 x 600 / 25.4, truncated
  EXPECT_EQ(u.PrawyMargines, 4724);
  EXPECT_EQ(u.GornyMargines, 236);
  EXPECT_EQ(u.DziesiecMm, 236);
  EXPECT_EQ(u.DolnyMargines, 0);
  EXPECT_DOUBLE_EQ(u.SkalaX, 9.375);  // 600 x 1.5 / 96
  EXPECT_DOUBLE_EQ(u.PodgladX, 320.0 / 4800);
  EXPECT_DOUBLE_EQ(u.PodgladY, 400.0 / 6000);
  EXPECT_DOUBLE_EQ(u.PodgladCzcionki, 320.0 / 96 / 8);
  EXPECT_EQ(u.OpisStrony(0)->X, 118);
  EXPECT_EQ(u.OpisStrony(0)->Y, 472);
}

TEST(PageLayout, ZeroMarginsPutTheTableAtTheEdgeBelowTheTitleBand) {
  TUkladStron u;
  Uloz(u, Przyklad());
  EXPECT_EQ(u.OpisStrony(0)->X, 0);
  EXPECT_EQ(u.OpisStrony(0)->Y, u.DziesiecMm);
  const auto kolumny = OdcinkiStrony(Przyklad().szer, 1, true, 1, 3, 0, u.SkalaX, 1);
  EXPECT_EQ(kolumny.front(), (TOdcinek{0, 0, 50}));
}

TEST(PageLayout, DoubleSizeDoublesEveryLineOnPaper) {
  const TSiatka s = Przyklad();
  TUkladStron u;
  TOpcjeWydruku o;
  o.Skala = 2.0f;
  Uloz(u, s, o);
  EXPECT_DOUBLE_EQ(u.SkalaX, 2.0);
  // A 600-pixel column: one data column a band once the header is there.
  EXPECT_EQ(u.PodzialKolumn, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
  const auto kolumny = OdcinkiStrony(s.szer, 1, true, 1, 1, 0, u.SkalaX, 1);
  EXPECT_EQ(kolumny, (std::vector<TOdcinek>{{0, 0, 100}, {1, 100, 700}}));
  const auto wiersze = OdcinkiStrony(s.wys, 1, false, 2, 3, 39, u.SkalaY, 1);
  EXPECT_EQ(wiersze, (std::vector<TOdcinek>{{2, 39, 639}, {3, 639, 1239}}));
  // The preview scales on top of the size, truncating each line.
  const auto podglad = OdcinkiStrony(s.szer, 1, true, 1, 1, 0, u.SkalaX, 0.333);
  EXPECT_EQ(podglad, (std::vector<TOdcinek>{{0, 0, 33}, {1, 33, 232}}));
}

TEST(PageLayout, SelectionOnlyPrintsTheSelectedLinesAndTheFrozenOnes) {
  TSiatka s = Przyklad();
  s.zaznaczenie = {3, 2, 4, 2};
  TUkladStron u;
  TOpcjeWydruku o;
  o.TylkoZaznaczenie = true;
  EXPECT_EQ(Uloz(u, s, o), 1);
  EXPECT_EQ(u.PodzialKolumn, (std::vector<int>{3, 5}));
  EXPECT_EQ(u.PodzialWierszy, (std::vector<int>{2, 3}));
  const auto opis = *u.OpisStrony(0);
  const auto kolumny = OdcinkiStrony(s.szer, 1, opis.LeweNaglowki, opis.PierwszaKolumna,
                                     opis.OstatniaKolumna, 0, 1, 1);
  ASSERT_EQ(kolumny.size(), 3u);
  EXPECT_EQ(kolumny[0].Indeks, 0);
  EXPECT_EQ(kolumny[1].Indeks, 3);
  EXPECT_EQ(kolumny[2].Indeks, 4);
  EXPECT_EQ(OdcinkiStrony(s.wys, 1, false, 2, 2, 0, 1, 1).size(), 1u);
}

TEST(PageLayout, FrozenDataLinesInTheSelectionAreNotTakenTwice) {
  TSiatka s = Przyklad();
  s.fixedCols = 3;  // the header and two frozen data columns: 650 pixels
  s.zaznaczenie = {2, 1, 4, 1};
  TUkladStron u;
  TOpcjeWydruku o;
  o.TylkoZaznaczenie = true;
  Uloz(u, s, o);
  // 0, 1, 2 (frozen) then 3 fit; 4 starts the next band.
  EXPECT_EQ(u.PodzialKolumn, (std::vector<int>{2, 4, 5}));
  const auto kolumny = OdcinkiStrony(s.szer, 3, true, 2, 3, 0, 1, 1);
  std::vector<int> indeksy;
  for (const auto& k : kolumny) indeksy.push_back(k.Indeks);
  EXPECT_EQ(indeksy, (std::vector<int>{0, 1, 2, 3}));
}

// The export leaves out a grid's letter row and number column: they take no
// room in the bands and no place on the page, which keeps their sizes.
TEST(PageLayout, FrozenLinesBeforeTheFirstPrintedOneAreLeftOut) {
  TSiatka s{{150, 300, 300, 300, 300}, {100, 300, 300}};
  TUkladStron u;
  Uloz(u, s);
  EXPECT_EQ(u.PodzialKolumn, (std::vector<int>{1, 3, 5}));
  TSiatkaDoDruku d = s.Druk();
  d.OdStalejKolumny = d.OdStalegoWiersza = 1;
  EXPECT_EQ(u.IniStrony(Urzadzenie(), 0, {}, d), 2);
  EXPECT_EQ(u.PodzialKolumn, (std::vector<int>{1, 4, 5}));
  EXPECT_EQ(u.Szerokosci, s.szer);
  const auto kolumny = OdcinkiStrony(u.Szerokosci, 1, true, 1, 3, 0, 1, 1, u.OdStalejKolumny);
  EXPECT_EQ(kolumny, (std::vector<TOdcinek>{{1, 0, 300}, {2, 300, 600}, {3, 600, 900}}));
  const auto wiersze = OdcinkiStrony(u.Wysokosci, 1, true, 1, 2, 39, 1, 1, u.OdStalegoWiersza);
  EXPECT_EQ(wiersze, (std::vector<TOdcinek>{{1, 39, 339}, {2, 339, 639}}));
}

TEST(PageLayout, TableBelowAnEarlierOneOnTheSameSheet) {
  TUkladStron u;
  TSiatka s = Przyklad();
  // Below position 500 the table starts 10 mm lower and the bands follow.
  Uloz(u, s, {}, 500);
  EXPECT_FALSE(u.TytulSieNieMiesci);
  EXPECT_EQ(u.GoraPierwszej, 539);
  EXPECT_EQ(u.OpisStrony(0)->Y, 539);
  EXPECT_EQ(u.PodzialWierszy, (std::vector<int>{1, 2, 5, 8}));
  EXPECT_EQ(u.OpisStrony(1)->Y, 39);

  // At 900 not even the header row fits: a fresh sheet, flagged once.
  Uloz(u, s, {}, 900);
  EXPECT_TRUE(u.TytulSieNieMiesci);
  EXPECT_EQ(u.GoraPierwszej, 39);
  EXPECT_EQ(u.PodzialWierszy, (std::vector<int>{1, 3, 6, 8}));
  Uloz(u, s);
  EXPECT_FALSE(u.TytulSieNieMiesci);

  // At 800 the header row fits but the first data row does not: the rows
  // go to the next sheet; the header stays with the title.
  Uloz(u, s, {}, 800);
  EXPECT_FALSE(u.TytulSieNieMiesci);
  EXPECT_EQ(u.PodzialWierszy, (std::vector<int>{1, 1, 4, 7, 8}));
  EXPECT_EQ(u.OpisStrony(0)->OstatniWiersz, 0);

  // Without top headers the first data row (300) decides.
  TOpcjeWydruku bez;
  bez.GorneNaglowki = false;
  Uloz(u, s, bez, 700);
  EXPECT_TRUE(u.TytulSieNieMiesci);
  Uloz(u, s, bez, 600);
  EXPECT_FALSE(u.TytulSieNieMiesci);
}

TEST(PageLayout, LineWiderThanThePageMakesNoEmptyBand) {
  TSiatka s{{50, 2000, 300}, {14, 14}};
  TUkladStron u;
  EXPECT_EQ(Uloz(u, s), 2);
  EXPECT_EQ(u.PodzialKolumn, (std::vector<int>{1, 2, 3}));
  TSiatka wysoka{{50, 100}, {14, 5000, 14}};
  EXPECT_EQ(Uloz(u, wysoka), 2);
  EXPECT_EQ(u.PodzialWierszy, (std::vector<int>{1, 2, 3}));
}

TEST(PageLayout, ManyBandsGrowTheLists) {
  TSiatka s{{50, 100}, std::vector<int>(2001, 600)};
  TUkladStron u;
  EXPECT_EQ(Uloz(u, s), 2000);
  EXPECT_EQ(u.PodzialWierszy.size(), 2001u);
  const auto ostatnia = u.OpisStrony(1999);
  ASSERT_TRUE(ostatnia);
  EXPECT_EQ(ostatnia->PierwszyWiersz, 2000);
  EXPECT_EQ(ostatnia->OstatniWiersz, 2000);
}

TEST(PageLayout, NoPageOrResolutionGivesNoPages) {
  TUkladStron u;
  TUrzadzenieStrony d = Urzadzenie();
  d.Wys = 0;
  TSiatka s = Przyklad();
  EXPECT_EQ(u.IniStrony(d, 0, {}, s.Druk()), 0);
  EXPECT_FALSE(u.OpisStrony(0));
  d = Urzadzenie();
  d.EkranX = 0;
  EXPECT_EQ(u.IniStrony(d, 0, {}, s.Druk()), 0);
}

TEST(PageLayout, PageCountWordsAndPreviewArea) {
  EXPECT_EQ(LiczbaStronNapis(1), "1 strona");
  EXPECT_EQ(LiczbaStronNapis(2), "2 strony");
  EXPECT_EQ(LiczbaStronNapis(3), "3 strony");
  EXPECT_EQ(LiczbaStronNapis(4), "4 strony");
  EXPECT_EQ(LiczbaStronNapis(5), "5 stron");
  EXPECT_EQ(LiczbaStronNapis(22), "22 stron");
  EXPECT_EQ(LiczbaStronNapis(0), "0 stron");

  EXPECT_EQ(ObszarPodgladu(9583, 13699), (TObszarPodgladu{362, 35, 279, 400}));
  EXPECT_EQ(ObszarPodgladu(13699, 9583), (TObszarPodgladu{302, 95, 400, 279}));
  EXPECT_EQ(ObszarPodgladu(500, 500), (TObszarPodgladu{302, 35, 400, 400}));
  EXPECT_EQ(ObszarPodgladu(0, 0), (TObszarPodgladu{302, 35, 400, 400}));
}

namespace {

uint32_t Rgb(int r, int g, int b) {
  return static_cast<uint32_t>(r) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b) << 16;
}

}  // namespace

TEST(Palette, GreyAndRedBandsOfA98By40Palette) {
  for (int x : {42, 50, 55}) {
    EXPECT_EQ(daj_kolor(x, 0, 98, 40), Rgb(20, 20, 20)) << x;
    EXPECT_EQ(daj_kolor(x, 19, 98, 40), Rgb(224, 224, 224)) << x;
    for (int y : {20, 30, 39})
      EXPECT_EQ(daj_kolor(x, y, 98, 40), Rgb(235, 235, 235)) << x << " " << y;
  }
  EXPECT_EQ(daj_kolor(0, 0, 98, 40), Rgb(20, 20, 20));
  EXPECT_EQ(daj_kolor(13, 20, 98, 40), Rgb(235, 20, 20));
  EXPECT_EQ(daj_kolor(13, 39, 98, 40), Rgb(235, 224, 224));
}

TEST(Palette, EveryBandAndTheEdges) {
  const uint32_t pelne[] = {Rgb(235, 20, 20),   Rgb(235, 20, 235), Rgb(235, 235, 20),
                            Rgb(235, 235, 235), Rgb(20, 235, 20),  Rgb(20, 235, 235),
                            Rgb(20, 20, 235)};
  for (int b = 0; b < 7; ++b) EXPECT_EQ(daj_kolor(b * 14 + 7, 20, 98, 40), pelne[b]) << b;
  EXPECT_EQ(daj_kolor(98, 20, 98, 40), 0u);  // beyond the seventh band
  EXPECT_EQ(daj_kolor(5, 5, 0, 40), 0u);     // no width
  // One pixel high: the full colours instead of a division by 0.
  EXPECT_EQ(daj_kolor(5, 0, 98, 1), Rgb(235, 20, 20));
  // Just outside the client area the channels stay within a byte.
  EXPECT_EQ(daj_kolor(5, 60, 98, 40), Rgb(235, 255, 255));
}
