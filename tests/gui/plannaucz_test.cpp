// The teachers' plan view and the load statistics.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <set>
#include <utility>
#include <vector>

#include "gui/planning/ffdplann.h"
#include "gui/planning/ffdstat.h"
#include "plan_towarzyszy.h"
#include "uslugi_testowe.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

constexpr uint32_t kNiebieski = 0x00FF0000, kZielony = 0x00008000, kCyjan = 0x00FFFF00;

class Obciazenia : public ::testing::Test {
 protected:
  // Three days of 10 moments. Teacher 0: region 0 at moments 0..22 and
  // both regions at 23 (25 duties); teacher 1: region 1 at moment 25 of
  // 47 minutes; teacher 2 banned at 3 and 26, on duty at 26.
  void SetUp() override {
    ZbudujPlan(dok, {10, 10, 10}, 3, 2, 1);
    for (int m = 0; m <= 23; ++m) dok.Dyzury.UstawDyzurnego(0, m, 0);
    dok.Dyzury.UstawDyzurnego(1, 23, 0);
    dok.Dyzury.UstawDyzurnego(1, 25, 1);
    dok.Momenty[25].Minuty = 47;
    dok.Dyzury.UstawDyzurnego(0, 26, 2);
    dok.Nauczyciele[2].Dyspozycja[3].Zakaz = 1;
    dok.Nauczyciele[2].Dyspozycja[26].Zakaz = 1;
    dok.Rejony[1].Kolor = 0x00123456;
  }

  // The blocks of one gauge: the rows of the column with a block's top line.
  static int Bloki(const QImage& obraz, int x) {
    int n = 0;
    for (int y = 0; y < obraz.height(); ++y) n += Kolor(obraz.pixelColor(x, y)) == kCyjan;
    return n;
  }

  TDokument dok;
  TUslugiTestowe uslugi{dok};
};

}  // namespace

TEST_F(Obciazenia, PlanViewNamesRegionsAndSeparatesDays) {
  Tffdplann p(dok, uslugi);
  p.pokaz_plan(1, 25);
  TCellEdi& s = *p.Siatka();
  EXPECT_TRUE(p.isVisible());
  EXPECT_EQ(s.Ilx(), 3);
  EXPECT_EQ(s.Ily(), 30);
  EXPECT_EQ(std::make_pair(s.Kurx(), s.Kury()), std::make_pair(1, 25));
  EXPECT_EQ(Oczko(s, 1, -1), "N1");
  EXPECT_EQ(Oczko(s, -1, 0), "Pon m0");
  EXPECT_EQ(Oczko(s, -1, 12), "Wto m12");
  EXPECT_EQ(Oczko(s, 0, 23), "R0");  // in two regions: the lower one
  EXPECT_EQ(Oczko(s, 1, 25), "R1");
  EXPECT_EQ(Oczko(s, 1, 24), ".....");
  EXPECT_EQ(Oczko(s, 3, 0), ".....");

  TTekstOczka ato;
  s.OnOczko(s, 1, 25, ato);
  EXPECT_EQ(ato.Podoczka[0].KolorTla, 0x00123456u);
  EXPECT_EQ(ato.BokiRamki, 0);
  for (int m : {10, 20}) {
    TTekstOczka dzien;
    s.OnOczko(s, 2, m, dzien);
    EXPECT_EQ(dzien.BokiRamki, kBokGora) << m;
    EXPECT_EQ(dzien.GruboscRamki, 2);
    EXPECT_EQ(dzien.KolorRamki, kNiebieski);
  }
  TTekstOczka pierwszy;
  s.OnOczko(s, 2, 0, pierwszy);
  EXPECT_EQ(pierwszy.BokiRamki, 0);

  // Bans: over "....." and over a duty entered by hand.
  EXPECT_TRUE(MaZakaz(s, 2, 3));
  EXPECT_EQ(Oczko(s, 2, 26), "R0");
  EXPECT_TRUE(MaZakaz(s, 2, 26));
  EXPECT_FALSE(MaZakaz(s, 2, 4));
  EXPECT_FALSE(MaZakaz(s, 0, 3));
}

TEST_F(Obciazenia, PlanViewClickMovesTheEditorsCursor) {
  std::vector<std::pair<int, int>> ruchy;
  Tffdplann p(dok, uslugi);
  p.KursorPlanu = [&](int r, int m) { ruchy.emplace_back(r, m); };
  p.resize(600, 700);
  p.pokaz_plan(1, 25);
  TCellEdi& s = *p.Siatka();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
  s.Pokaz(2, 26);
  QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, s.CellRect(2, 26).center());
  QTest::keyClick(&s, Qt::Key_Return);  // not a click
  s.UstawKursor(1, 24);                 // no duty
  s.Pokaz(2, 25);
  QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, s.CellRect(2, 25).center());
  EXPECT_EQ(ruchy, (std::vector<std::pair<int, int>>{{1, 25}}));
}

TEST_F(Obciazenia, StatisticsTextAndGauges) {
  Tffdstat st(dok, uslugi);
  TCellEdi& s = *st.Siatka();
  EXPECT_EQ(s.Ily(), 2);
  EXPECT_EQ(s.WysIo(1), 100);
  st.pokaz_statystyke(1);
  EXPECT_EQ(s.Ilx(), 3);
  EXPECT_EQ(s.Kurx(), 1);
  EXPECT_EQ(Oczko(s, -1, 0), "Ile?");
  EXPECT_EQ(Oczko(s, 0, -1), "I0 N0");
  EXPECT_EQ(Oczko(s, 0, 0), "25, 250");  // both regions at moment 23 count
  EXPECT_EQ(Oczko(s, 1, 0), "1, 47");
  EXPECT_EQ(Oczko(s, 1, 1), "");

  const int pol = s.SzerIo(0) / 2;
  const QImage pierwszy = Obraz(s, 0, 1), drugi = Obraz(s, 1, 1);
  EXPECT_EQ(Bloki(pierwszy, pol / 2), 20);        // 25 duties saturate
  EXPECT_EQ(Bloki(pierwszy, pol + pol / 2), 20);  // 250 minutes too
  EXPECT_EQ(Bloki(drugi, pol / 2), 1);
  EXPECT_EQ(Bloki(drugi, pol + pol / 2), 9);  // 47 / 5
  EXPECT_EQ(Kolor(drugi.pixelColor(pol / 2, drugi.height() - 3)), kNiebieski);
  EXPECT_EQ(Kolor(drugi.pixelColor(pol + pol / 2, drugi.height() - 3)), kZielony);
  EXPECT_EQ(Bloki(Obraz(s, 0, 0), pol / 2), 0);

  // Counted when shown, not when the table changes.
  dok.Dyzury.UstawDyzurnego(0, 29, 1);
  EXPECT_EQ(Oczko(s, 1, 0), "1, 47");
  st.pokaz_statystyke(7);
  EXPECT_EQ(Oczko(s, 1, 0), "2, 57");
  EXPECT_EQ(s.Kurx(), 1);
}

TEST_F(Obciazenia, NoTeachersKeepOneEmptyColumn) {
  dok.Nauczyciele.ZmienRozmiar(0);
  Tffdplann p(dok, uslugi);
  Tffdstat st(dok, uslugi);
  p.pokaz_plan(0, 0);
  st.pokaz_statystyke(0);
  for (TCellEdi* s : {p.Siatka(), st.Siatka()}) {
    EXPECT_EQ(s->Ilx(), 1);
    EXPECT_EQ(Oczko(*s, 0, -1), "");
    EXPECT_EQ(Oczko(*s, 0, 0), ".....");
    EXPECT_EQ(Oczko(*s, 0, 1), ".....");
  }
  EXPECT_EQ(Bloki(Obraz(*st.Siatka(), 0, 1), 20), 0);
}
