// The new plan carried over from the previous timetable.
#include "planowanie.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

TEST(PlanWizard, CarryOverBoxes) {
  TModele m = Szkola({8, 8, 8, 8, 8}, 10, 1, 1, 3);
  const TKsztaltPlanu przed = TKsztaltPlanu::Z(m);
  EXPECT_EQ(przed.Sloty, 40);
  EXPECT_EQ(przed.Lekcje, (std::vector<int>{8, 8, 8, 8, 8}));
  TPolaPrzeniesienia p = TPolaPrzeniesienia::Z(przed, m);
  EXPECT_EQ(p.Dostepne, (std::array<bool, 4>{true, true, true, true}));
  EXPECT_EQ(p.Zaznaczone, (std::array<bool, 4>{true, true, true, true}));

  UstawDni(m, {9, 9, 9, 9, 9});
  m.Nauczyciele.ZmienRozmiar(12);
  p = TPolaPrzeniesienia::Z(przed, m);
  EXPECT_EQ(p.Dostepne, (std::array<bool, 4>{true, true, true, true}));
  EXPECT_EQ(p.Zaznaczone, (std::array<bool, 4>{false, true, false, false}));

  const TModele pusta = Szkola({}, 0, 0, 0, 0);
  p = TPolaPrzeniesienia::Z(TKsztaltPlanu::Z(pusta), m);
  EXPECT_FALSE(p.JakiesDostepne());
  EXPECT_EQ(p.Zaznaczone, (std::array<bool, 4>{}));

  // Only teachers before: the plan box is enabled through the limits box.
  TKsztaltPlanu nauczyciele = TKsztaltPlanu::Z(pusta);
  nauczyciele.Nauczyciele = 12;
  p = TPolaPrzeniesienia::Z(nauczyciele, m);
  EXPECT_EQ(p.Dostepne, (std::array<bool, 4>{false, false, true, true}));
  EXPECT_EQ(p.Zaznaczone, (std::array<bool, 4>{false, false, true, false}));
  EXPECT_TRUE(p.JakiesDostepne());
}

TEST(PlanWizard, PreviousSlotByDayAndPeriod) {
  TModele m = Szkola({8, 8, 8, 8, 8, 8}, 0, 0, 0, 0);
  const TKsztaltPlanu przed = TKsztaltPlanu::Z(m);
  UstawDni(m, {9, 9, 9, 9, 9});
  for (int s = 0; s < 45; ++s)
    EXPECT_EQ(przed.PoprzedniSlot(m.Dni, s), s % 9 == 8 ? kBrakSlotu : s / 9 * 8 + s % 9) << s;

  TKsztaltPlanu nierowne = przed;
  nierowne.Lekcje = {3, 0, 4};
  UstawDni(m, {3, 2, 4, 1});
  const int oczekiwane[] = {0, 1, 2, kBrakSlotu, kBrakSlotu, 3, 4, 5, 6, kBrakSlotu};
  for (int s = 0; s < 10; ++s) EXPECT_EQ(nierowne.PoprzedniSlot(m.Dni, s), oczekiwane[s]) << s;
}

// A previous plan of 5 days of 8 periods with 40 teachers, 9 rooms and 3
// regions, every duty cell filled.
class PlanWizardRebuild : public ::testing::Test {
 protected:
  void SetUp() override {
    m = Szkola({8, 8, 8, 8, 8}, 40, 1, 9, 3);
    Sale(m, 0, {2, 7, 8});
    Sale(m, 2, {1, 4});
    m.Rejony[0].Nazwa = "parter";
    for (int k = 0; k < 40; ++k) {
      m.Momenty[k] = {std::to_string(100 + k), U8(5 + k % 11), U8(k % 3 == 0), 0x123456u + U8(k)};
      for (int r = 0; r < 3; ++r) m.Dyzury.UstawDyzurnego(r, k, U8((k * 3 + r) % 45));
    }
    m.Dyzury.UstawDyzurnego(1, 5, kZamkniete);
    for (int t = 0; t < 40; ++t)
      m.Nauczyciele[t].LimitDyzurow = m.Nauczyciele[t].LimitMinut = t + 1;
    stare = m;
    przed = TKsztaltPlanu::Z(m);
  }
  // A timetable read: 5 days of 9 periods, 35 teachers, 5 rooms.
  void NowyPlanLekcji() {
    UstawDni(m, {9, 9, 9, 9, 9});
    m.Nauczyciele.ZmienRozmiar(35);
    m.Sale.ZmienRozmiar(5);
  }
  TModele m, stare;
  TKsztaltPlanu przed;
};

TEST_F(PlanWizardRebuild, EverythingCarriedByDayAndPeriod) {
  m.Zastepstwa.Pokrycia = {{1000, 17, 2, 4}, {1000, 39, 1, 4}};
  NowyPlanLekcji();
  PrzebudujPlan(m, przed, {true, true, true, true});
  // The cover follows its slot: day 2 period 1 is slot 19 of 9-period days.
  EXPECT_EQ(m.Zastepstwa.Pokrycia, (std::vector<TZastepstwo>{{1000, 19, 2, 4}, {1000, 43, 1, 4}}));
  ASSERT_EQ(m.Rejony.Liczba(), 3);
  EXPECT_EQ(m.Rejony[0].SaleRejonu, (TWektor<uint8_t>{2}));
  EXPECT_EQ(m.Rejony[0].Nazwa, "parter");
  EXPECT_EQ(m.Rejony[2].SaleRejonu, (TWektor<uint8_t>{1, 4}));
  EXPECT_EQ(m.Nauczyciele[34].LimitDyzurow, 35);
  ASSERT_EQ(m.Momenty.Liczba(), 45);
  ASSERT_EQ(m.Dyzury.LiczbaMomentow(), 45);
  ASSERT_EQ(m.Dyzury.LiczbaRejonow(), 3);
  for (int s = 0; s < 45; ++s) {
    const int d = s / 9, p = s % 9, k = d * 8 + p;
    EXPECT_EQ(m.Momenty[s], p == 8 ? TMoment{} : stare.Momenty[k]) << s;
    for (int r = 0; r < 3; ++r) {
      const uint8_t v = p == 8 ? kBrak : stare.Dyzury.Dyzurny(r, k);
      EXPECT_EQ(m.Dyzury.Dyzurny(r, s), v < 35 ? v : kBrak) << r << " " << s;
    }
  }
  EXPECT_EQ(m.Dyzury.Dyzurny(1, 5), kBrak);  // closed before
}

TEST_F(PlanWizardRebuild, NothingCarried) {
  m.Zastepstwa.Nieobecnosci = {{2, 1000, 1000, 0, 0, ""}};
  NowyPlanLekcji();
  PrzebudujPlan(m, przed, {false, false, false, false});
  EXPECT_TRUE(m.Zastepstwa.Puste());
  EXPECT_EQ(m.Rejony.Liczba(), 0);
  EXPECT_EQ(m.Dyzury.LiczbaRejonow(), 0);
  EXPECT_EQ(m.Dyzury.LiczbaMomentow(), 45);
  ASSERT_EQ(m.Momenty.Liczba(), 45);
  for (int s = 0; s < 45; ++s) EXPECT_EQ(m.Momenty[s], TMoment{});
  for (const TNaucz& t : m.Nauczyciele) EXPECT_EQ(t.LimitDyzurow + t.LimitMinut, 0);
}

TEST_F(PlanWizardRebuild, RegionsWithoutThePlanAndPlanWithoutRegions) {
  NowyPlanLekcji();
  TModele drugi = m;
  PrzebudujPlan(m, przed, {false, true, true, false});
  ASSERT_EQ(m.Dyzury.LiczbaRejonow(), 3);
  for (int s = 0; s < 45; ++s) {
    EXPECT_EQ(m.Momenty[s], TMoment{});
    for (int r = 0; r < 3; ++r) EXPECT_EQ(m.Dyzury.Dyzurny(r, s), kBrak);
  }
  PrzebudujPlan(drugi, przed, {true, false, false, true});
  EXPECT_EQ(drugi.Dyzury.LiczbaRejonow(), 0);
  EXPECT_EQ(drugi.Momenty[9], stare.Momenty[8]);
}

// The timetable program put a teacher in the middle, removed another, gave
// two teachers one name and reordered the rooms: everything follows names.
TEST_F(PlanWizardRebuild, TeachersAndRoomsAreCarriedByName) {
  const auto imie = [](TModele& x, int t, const char* nazwisko) {
    x.Nauczyciele[t].Nazwisko = nazwisko;
    x.Nauczyciele[t].Imie = "Jan";
  };
  for (int t = 0; t < 40; ++t) imie(m, t, (std::string("N") + std::to_string(t)).c_str());
  imie(m, 5, "Kowalski");
  imie(m, 9, "Kowalski");
  for (int o = 0; o < 9; ++o) m.Sale[o].Nazwa = std::string("S") + std::to_string(o);
  for (int k = 0; k < 40; ++k) m.Dyzury.UstawDyzurnego(0, k, U8(k));
  m.Zastepstwa.Nieobecnosci = {{20, 1000, 1000, 0, 0, ""}, {21, 1000, 1001, 0, 0, "kurs"}};
  m.Zastepstwa.Pokrycia = {{1000, 9, 0, 9}, {1000, 20, 0, 21}, {1000, 21, 0, 20}};
  przed = TKsztaltPlanu::Z(m);
  // New list: "Nowak" inserted at 3, N20 removed, rooms in reverse order.
  std::vector<TNaucz> kolejni(m.Nauczyciele.begin(), m.Nauczyciele.end());
  kolejni.erase(kolejni.begin() + 20);
  kolejni.insert(kolejni.begin() + 3, TNaucz{});
  kolejni[3].Nazwisko = "Nowak";
  TModele nowe = m;
  for (int t = 0; t < 40; ++t) {
    nowe.Nauczyciele[t].Nazwisko = kolejni[static_cast<size_t>(t)].Nazwisko;
    nowe.Nauczyciele[t].Imie = kolejni[static_cast<size_t>(t)].Imie;
  }
  for (int o = 0; o < 9; ++o) nowe.Sale[o].Nazwa = std::string("S") + std::to_string(8 - o);
  const TDopasowaniePlanu d = TDopasowaniePlanu::Z(przed, nowe);
  EXPECT_EQ(d.Opis(), "Nauczyciele: 39 bez zmian, 1 nowy, 1 usunięty. Sale: 9 bez zmian.");
  PrzebudujPlan(nowe, przed, {true, true, true, true});

  EXPECT_EQ(nowe.Nauczyciele[3].LimitDyzurow, 0);  // no one before
  EXPECT_EQ(nowe.Nauczyciele[4].LimitDyzurow, 4);  // N3, one place on
  EXPECT_EQ(nowe.Nauczyciele[6].LimitDyzurow, 6);  // the first Kowalski
  EXPECT_EQ(nowe.Nauczyciele[10].LimitDyzurow, 10);
  EXPECT_EQ(nowe.Nauczyciele[21].LimitDyzurow, 22);  // N21 after the removed N20
  for (int k : {0, 3, 5, 9, 19, 21, 39}) {
    const int t = k < 3 ? k : k < 20 ? k + 1 : k;
    EXPECT_EQ(nowe.Dyzury.Dyzurny(0, k), U8(t)) << k;
  }
  EXPECT_EQ(nowe.Dyzury.Dyzurny(0, 20), kBrak);  // N20 is gone
  // So are his absence and his cover; the others follow their teachers.
  EXPECT_EQ(nowe.Zastepstwa.Nieobecnosci,
            (std::vector<TNieobecnosc>{{21, 1000, 1001, 0, 0, "kurs"}}));
  EXPECT_EQ(nowe.Zastepstwa.Pokrycia,
            (std::vector<TZastepstwo>{{1000, 9, 0, 10}, {1000, 20, 0, 21}}));
  EXPECT_EQ(nowe.Rejony[0].SaleRejonu, (TWektor<uint8_t>{6, 1, 0}));
  EXPECT_EQ(nowe.Rejony[2].SaleRejonu, (TWektor<uint8_t>{7, 4}));

  // Rooms renamed away leave their regions empty, and the summary says so.
  for (TSala& o : nowe.Sale) o.Nazwa += "x";
  EXPECT_EQ(TDopasowaniePlanu::Z(przed, nowe).Opis(),
            "Nauczyciele: 39 bez zmian, 1 nowy, 1 usunięty. Sale: 0 bez zmian, 9 nowych, "
            "9 usuniętych. Rejony bez sal: parter, .");
}

TEST_F(PlanWizardRebuild, FewerDaysDropTheRest) {
  UstawDni(m, {8, 8, 8, 8});
  PrzebudujPlan(m, przed, {true, true, true, true});
  ASSERT_EQ(m.Dyzury.LiczbaMomentow(), 32);
  for (int s = 0; s < 32; ++s) {
    EXPECT_EQ(m.Momenty[s], stare.Momenty[s]);
    for (int r = 0; r < 3; ++r)
      EXPECT_EQ(m.Dyzury.Dyzurny(r, s),
                stare.Dyzury.Dyzurny(r, s) < 40 ? stare.Dyzury.Dyzurny(r, s) : kBrak);
  }
}

TEST_F(PlanWizardRebuild, KeptListsShorterThanThePreviousShape) {
  // A timetable read earlier without a rebuild: the shape says 40 slots and
  // 3 regions, the kept lists hold 30 moments and 2 columns.
  m.Momenty.ZmienRozmiar(30);
  m.Dyzury.ZmienRozmiar(2, 30);
  PrzebudujPlan(m, przed, {true, true, true, true});
  ASSERT_EQ(m.Momenty.Liczba(), 40);
  ASSERT_EQ(m.Dyzury.LiczbaRejonow(), 3);
  for (int s = 0; s < 40; ++s) {
    EXPECT_EQ(m.Momenty[s], s < 30 ? stare.Momenty[s] : TMoment{}) << s;
    for (int r = 0; r < 3; ++r) {
      const uint8_t v = s < 30 && r < 2 ? stare.Dyzury.Dyzurny(r, s) : kBrak;
      EXPECT_EQ(m.Dyzury.Dyzurny(r, s), v < 40 ? v : kBrak) << r << " " << s;
    }
  }
}

}  // namespace
