// The micro-plan window: modes, the longest day, bans and the editor's cursor.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <utility>
#include <vector>

#include "gui/planning/ffddysp.h"
#include "plan_towarzyszy.h"
#include "uslugi_testowe.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

class Mikroplan : public ::testing::Test {
 protected:
  // Monday 6 periods, Tuesday 8 (slots 6..13); teacher 0 on duty in
  // region 1 at Tuesday's third moment (slot 8).
  void SetUp() override {
    ZbudujPlan(dok, {6, 8}, 2, 2, 2);
    dok.Dyzury.UstawDyzurnego(1, kWtorek3, 0);
    dok.Dyzury.UstawDyzurnego(0, 1, kZamkniete);
    dok.Dyzury.UstawDyzurnego(0, 2, 1);
  }

  TCellEdi& S(Tffddysp& m) { return *m.Siatka(); }
  void Zaznacz(Tffddysp& m, int x0, int y0, int x1, int y1) {
    S(m).UstawKursor(x0, y0);
    S(m).UstawZaznaczenie({x0 + 1, y0 + 1, x1 + 1, y1 + 1});
  }
  void Klawisz(Tffddysp& m, Qt::Key k) { QTest::keyClick(m.Siatka(), k); }
  bool Zakaz(int t, int s) const { return dok.Nauczyciele[t].Dyspozycja[s].Zakaz != 0; }

  static constexpr int kWtorek3 = 8;
  TDokument dok;
  TUslugiTestowe uslugi{dok};
};

}  // namespace

TEST_F(Mikroplan, GridFollowsTheLongestDay) {
  Tffddysp m(dok, kMikroplanGlowny, uslugi);
  EXPECT_EQ(m.windowTitle(), "Mikroplan");
  m.pokaz_mikroplan(kTrybGdzieUczy, 0, Tffddysp::kBezMomentu);
  EXPECT_TRUE(m.isVisible());
  EXPECT_EQ(S(m).Ilx(), 2);
  EXPECT_EQ(S(m).Ily(), 8);
  EXPECT_EQ(std::make_pair(S(m).Kurx(), S(m).Kury()), std::make_pair(0, 0));
  EXPECT_EQ(QTekst(Oczko(S(m), 1, -1)), "Wtorek");
  // Rows 7 and 8: the periods (mode 0) or moments (mode 1) of Tuesday.
  EXPECT_EQ(Oczko(S(m), -1, 6), "g6");
  EXPECT_EQ(Oczko(S(m), -1, 7), "g7");
  for (TTrybMikroplanu tryb :
       {kTrybGdzieUczy, kTrybGdzieDyzuruje, kTrybKtoUczy, kTrybKtoDyzuruje}) {
    m.pokaz_mikroplan(tryb, 0, 13);
    EXPECT_EQ(Oczko(S(m), 0, 6), ".....") << tryb;  // Monday has no 7th period
    EXPECT_EQ(Oczko(S(m), 0, 7), ".....") << tryb;
  }
  EXPECT_EQ(Oczko(S(m), -1, 6), "m12");
  EXPECT_EQ(Oczko(S(m), -1, 7), "m13");
  EXPECT_EQ(std::make_pair(S(m).Kurx(), S(m).Kury()), std::make_pair(1, 7));
}

TEST_F(Mikroplan, ModeTextsAndTitles) {
  Tffddysp m(dok, kMikroplanGlowny, uslugi);
  m.pokaz_mikroplan(kTrybGdzieDyzuruje, 0, 0);
  EXPECT_EQ(m.TytulPanelu(), "I0 N0(1 raz, 10 minut) ");
  EXPECT_EQ(Oczko(S(m), 1, 2), "R1");
  EXPECT_EQ(Oczko(S(m), 1, 3), ".....");
  EXPECT_TRUE(m.Zakaz()->isEnabled());

  m.pokaz_mikroplan(kTrybKtoDyzuruje, 0, 0);
  EXPECT_EQ(m.TytulPanelu(), "R0 ");
  EXPECT_EQ(Oczko(S(m), 0, 2), "I1 N1");
  EXPECT_EQ(Oczko(S(m), 0, 1), ".....");
  EXPECT_TRUE(MaZakaz(S(m), 0, 1));  // closed
  EXPECT_FALSE(MaZakaz(S(m), 0, 2));
  EXPECT_FALSE(m.Zakaz()->isEnabled());

  m.pokaz_mikroplan(kTrybKtoUczy, 1, 0);
  EXPECT_EQ(m.TytulPanelu(), "S1 ");
  EXPECT_EQ(Oczko(S(m), 0, 0), ".....");  // nobody teaches there

  // A subject past its list keeps the title and leaves the cells blank.
  m.pokaz_mikroplan(kTrybKtoDyzuruje, 7, 0);
  EXPECT_EQ(m.TytulPanelu(), "S1 ");
  EXPECT_EQ(Oczko(S(m), 0, 2), "");
  EXPECT_EQ(Oczko(S(m), 0, 7), ".....");
}

TEST_F(Mikroplan, BanTogglesOnlyFreeSlotsInMode1) {
  Tffddysp m(dok, kMikroplanGdzie, uslugi);
  m.pokaz_mikroplan(kTrybGdzieDyzuruje, 0, kWtorek3);
  ASSERT_EQ(std::make_pair(S(m).Kurx(), S(m).Kury()), std::make_pair(1, 2));
  Klawisz(m, Qt::Key_Z);  // on the duty: the window says why nothing happens
  EXPECT_FALSE(Zakaz(0, kWtorek3));
  EXPECT_FALSE(dok.Zmieniony);
  EXPECT_EQ(m.Komunikat()->text().toStdString(),
            "Bez zmian: 1 chwila z dyżurem; zakaz dopiero po usunięciu dyżuru");

  S(m).UstawKursor(1, 3);
  Klawisz(m, Qt::Key_Z);
  EXPECT_TRUE(Zakaz(0, kWtorek3 + 1));
  EXPECT_EQ(m.Komunikat()->text(), "");
  EXPECT_TRUE(dok.Zmieniony);
  EXPECT_TRUE(MaZakaz(S(m), 1, 3));
  EXPECT_FALSE(MaZakaz(S(m), 1, 4));
  Klawisz(m, Qt::Key_Z);
  EXPECT_FALSE(Zakaz(0, kWtorek3 + 1));
  EXPECT_FALSE(MaZakaz(S(m), 1, 3));

  // Over a selection: the duty and the missing Monday periods are skipped.
  Zaznacz(m, 0, 4, 1, 7);
  m.Zakaz()->click();
  std::vector<int> zakazy;
  for (int s = 0; s < dok.Dni.LiczbaSlotow(); ++s)
    if (Zakaz(0, s)) zakazy.push_back(s);
  EXPECT_EQ(zakazy, (std::vector<int>{4, 5, 10, 11, 12, 13}));
  EXPECT_FALSE(Zakaz(1, 4));
}

TEST_F(Mikroplan, BanDoesNothingOutsideMode1) {
  Tffddysp m(dok, kMikroplanGlowny, uslugi);
  for (TTrybMikroplanu tryb : {kTrybGdzieUczy, kTrybKtoUczy, kTrybKtoDyzuruje}) {
    m.pokaz_mikroplan(tryb, 0, 0);
    EXPECT_FALSE(m.Zakaz()->isEnabled());
    Zaznacz(m, 0, 0, 1, 7);
    Klawisz(m, Qt::Key_Z);
    m.PrzelaczZakazy();
  }
  EXPECT_EQ(dok.Nauczyciele[0].Dyspozycja.LiczbaZakazow(), 0);
  EXPECT_FALSE(dok.Zmieniony);
}

TEST_F(Mikroplan, ActionsMoveTheEditorsCursor) {
  std::vector<std::pair<int, int>> ruchy;
  Tffddysp kto(dok, kMikroplanKto, uslugi), gdzie(dok, kMikroplanGdzie, uslugi),
      glowny(dok, kMikroplanGlowny, uslugi);
  for (Tffddysp* m : {&kto, &gdzie, &glowny})
    m->KursorPlanu = [&](int r, int mom) { ruchy.emplace_back(r, mom); };
  kto.pokaz_mikroplan(kTrybKtoDyzuruje, 1, 3);
  Klawisz(kto, Qt::Key_Return);
  S(kto).UstawKursor(0, 7);  // no such slot
  Klawisz(kto, Qt::Key_Return);
  gdzie.pokaz_mikroplan(kTrybGdzieDyzuruje, 0, kWtorek3);
  Klawisz(gdzie, Qt::Key_Return);
  S(gdzie).UstawKursor(1, 4);  // no duty there
  Klawisz(gdzie, Qt::Key_Return);
  glowny.pokaz_mikroplan(kTrybGdzieUczy, 0, kWtorek3);
  Klawisz(glowny, Qt::Key_Return);
  EXPECT_EQ(ruchy, (std::vector<std::pair<int, int>>{{1, 3}, {1, kWtorek3}}));

  ruchy.clear();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&gdzie));
  S(gdzie).UstawKursor(1, 2);
  QTest::mouseClick(S(gdzie).viewport(), Qt::LeftButton, {}, S(gdzie).CellRect(2, 3).center());
  EXPECT_EQ(ruchy, (std::vector<std::pair<int, int>>{{1, kWtorek3}}));
}

TEST_F(Mikroplan, EscapeCloses) {
  Tffddysp m(dok, kMikroplanGlowny, uslugi);
  m.pokaz_mikroplan(kTrybGdzieUczy, 0, 0);
  ASSERT_TRUE(m.isVisible());
  Klawisz(m, Qt::Key_Escape);
  EXPECT_FALSE(m.isVisible());
  m.pokaz_mikroplan(kTrybGdzieUczy, 0, 0);
  m.Koniec()->click();
  EXPECT_FALSE(m.isVisible());
}
