// Presence, what the duty queries read.
#include "planowanie.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

// Region 0 holds rooms 0 and 1; the break judged is moment 2 (slots 1 and 2).
TEST(Presence, CodesFollowTheLessonsAroundTheBreak) {
  struct TPrzypadek {
    int przed, po, kod;  // rooms of the lessons in slots 1 and 2, -1: none
  };
  const TPrzypadek przypadki[] = {{-1, -1, -1}, {-1, 2, 1}, {2, -1, 2}, {2, 3, 3}, {-1, 0, 4},
                                  {1, -1, 5},   {0, 2, 6},  {3, 1, 6},  {0, 1, 7}};
  const int n = static_cast<int>(std::size(przypadki));
  TModele m = Szkola({4, 4}, n + 1, n + 1, 4, 1);
  Sale(m, 0, {0, 1});
  for (int t = 0; t < n; ++t) {
    if (przypadki[t].przed >= 0) Lekcja(m, t, t, 1, przypadki[t].przed);
    if (przypadki[t].po >= 0) Lekcja(m, t, t, 2, przypadki[t].po);
  }
  // Lessons two slots away do not count.
  Lekcja(m, n, n, 0, 0);
  Lekcja(m, n, n, 3, 0);
  const TOgolne o(m);
  for (int t = 0; t < n; ++t) EXPECT_EQ(o.kod_obecnosci(t, 0, 2), przypadki[t].kod) << "t " << t;
  EXPECT_EQ(o.kod_obecnosci(n, 0, 2), -1);
}

// Teacher 0 teaches in region 0 in every slot of day 0 and in slot 4 (day 1).
class PresenceDuties : public ::testing::Test {
 protected:
  void SetUp() override {
    m = Szkola({4, 4}, 3, 3, 4, 2);
    Sale(m, 0, {0, 1});
    Sale(m, 1, {2});
    Lekcje(m, 0, 0, 4, 0);
  }
  int Kod(int m_) const { return TOgolne(m).kod_obecnosci(0, 0, m_); }
  TModele m;
};

TEST_F(PresenceDuties, DutiesAtTheNeighbouringBreaksOfTheRegionRaiseTheCode) {
  EXPECT_EQ(Kod(2), 7);
  m.Dyzury.UstawDyzurnego(0, 1, 0);
  EXPECT_EQ(Kod(2), 8);
  m.Dyzury.UstawDyzurnego(0, 3, 0);
  EXPECT_EQ(Kod(2), 9);
  m.Dyzury.UstawDyzurnego(0, 1, kBrak);
  EXPECT_EQ(Kod(2), 8);
}

TEST_F(PresenceDuties, OtherRegionsOtherTeachersAndClosedCellsDoNotCount) {
  m.Dyzury.UstawDyzurnego(1, 1, 0);
  m.Dyzury.UstawDyzurnego(0, 3, 1);
  EXPECT_EQ(Kod(2), 7);
  m.Dyzury.UstawDyzurnego(0, 1, kZamkniete);
  EXPECT_EQ(Kod(2), 7);
}

TEST_F(PresenceDuties, TheNextMomentInAnotherDayDoesNotCount) {
  m.Dyzury.UstawDyzurnego(0, 4, 0);  // moment 4 opens day 1
  EXPECT_EQ(Kod(3), 7);
  m.Dyzury.UstawDyzurnego(0, 2, 0);
  EXPECT_EQ(Kod(3), 8);
}

TEST_F(PresenceDuties, TheFirstMomentOfADayHasNoSlotBefore) {
  // Slot 3 ends day 0: at moment 4 the teacher only has the lesson after.
  m.Dyzury.UstawDyzurnego(0, 3, 0);
  EXPECT_EQ(Kod(4), 4);
  EXPECT_EQ(Kod(0), 4);
  Lekcja(m, 1, 1, 3, 0);
  EXPECT_EQ(TOgolne(m).kod_obecnosci(1, 0, 4), -1);
}

TEST(Presence, RegionWithoutUsableRoomsGivesZeroToTeachersAtSchool) {
  TModele m = Szkola({3}, 4, 4, 4, 4);
  Sale(m, 1, {9});  // past the 4 rooms
  Sale(m, 2, {kBrak, 255});
  Sale(m, 3, {0, 9});
  Lekcja(m, 0, 0, 0, 0);  // before moment 1 only
  Lekcja(m, 1, 1, 1, 0);  // after it only
  Lekcje(m, 3, 0, 1, 1);
  const TOgolne o(m);
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(o.kod_obecnosci(0, r, 1), 0) << r;
    EXPECT_EQ(o.kod_obecnosci(1, r, 1), 0) << r;
    EXPECT_EQ(o.kod_obecnosci(2, r, 1), -1) << r;
    EXPECT_EQ(o.kod_obecnosci(3, r, 1), 0) << r;
  }
  // Entries past the room list are passed over, the others still count.
  EXPECT_EQ(o.kod_obecnosci(0, 3, 1), 5);
  EXPECT_EQ(o.kod_obecnosci(3, 3, 1), 3);
}

TEST(Presence, OnlyTheFirstClassAndItsFirstRoomAreTested) {
  TModele m = Szkola({3}, 6, 6, 4, 2);
  Sale(m, 0, {0, 1});
  Sale(m, 1, {2});
  // Teacher 0 takes classes 0 (room 2) and 1 (room 0) at once; teacher 1 the reverse.
  Lekcja(m, 0, 0, 1, 2);
  Lekcja(m, 0, 1, 1, 0);
  Lekcja(m, 1, 2, 1, 0);
  Lekcja(m, 1, 3, 1, 2);
  // Class 4 split: teacher 2's group in room 2 is listed first, teacher 3's in room 0.
  Lekcja(m, 2, 4, 1, 2);
  Lekcja(m, 3, 4, 1, 0);
  // Teacher 4's list names no class; teacher 5's class has no room.
  m.Nauczyciele[4].Dyspozycja[1].Lista.Dodaj(249);
  Lekcja(m, 5, 5, 1, 0);
  m.Oddzialy[5].Sale[1].Lista = {};
  const TOgolne o(m);
  EXPECT_EQ(o.kod_obecnosci(0, 0, 1), 1);
  EXPECT_EQ(o.kod_obecnosci(0, 1, 1), 4);
  EXPECT_EQ(o.kod_obecnosci(1, 0, 1), 4);
  EXPECT_EQ(o.kod_obecnosci(3, 0, 1), 1);
  EXPECT_EQ(o.kod_obecnosci(3, 1, 1), 4);
  EXPECT_EQ(o.sala_nauczyciela(3, 1), 0);
  EXPECT_EQ(o.sala_nauczyciela(2, 1), 2);
  EXPECT_EQ(o.kod_obecnosci(4, 0, 1), 1);
  EXPECT_EQ(o.kod_obecnosci(5, 0, 1), 1);
  Sale(m, 1, {});
  EXPECT_EQ(o.kod_obecnosci(4, 1, 1), 0);
}

// ---------------------------------------------------------------------------

TEST(DutyQueries, RoomOfTeacherAndTeacherOfRoom) {
  TModele m = Szkola({2}, 5, 3, 5, 0);
  Lekcja(m, 0, 0, 0, 1);  // class 0 split: teacher 0 in room 1, teacher 1 in room 2
  Lekcja(m, 1, 0, 0, 2);
  Lekcja(m, 2, 1, 0, 0);  // class 1: an entry naming no subject, room 3, comes first
  m.Oddzialy[1].Przedmioty[0].Lista = {250, m.Oddzialy[1].Przedmioty[0].Lista[0]};
  m.Oddzialy[1].Sale[0].Lista = {3, 0};
  m.Sale[3].Zajecia[0].Lista.Dodaj(1);
  Lekcja(m, 3, 2, 1, 4);  // class 2 without its room list
  m.Oddzialy[2].Sale[1].Lista = {};
  Lekcja(m, 4, 2, 0, 4);  // subject whose programme names no teacher
  m.Przedmioty[m.Oddzialy[2].Przedmioty[0].Lista[0]].Program.Oczka[2].Nauczyciel = 249;

  const TOgolne o(m);
  EXPECT_EQ(o.sala_nauczyciela(0, 0), 1);
  EXPECT_EQ(o.sala_nauczyciela(1, 0), 2);
  EXPECT_EQ(o.sala_nauczyciela(2, 0), 0);
  EXPECT_EQ(o.sala_nauczyciela(3, 1), kBrak);
  EXPECT_EQ(o.sala_nauczyciela(0, 1), kBrak);
  EXPECT_EQ(o.sala_nauczyciela(7, 0), kBrak);

  EXPECT_EQ(o.nauczyciel_sali(1, 0), 0);
  EXPECT_EQ(o.nauczyciel_sali(2, 0), 1);
  EXPECT_EQ(o.nauczyciel_sali(0, 0), 2);
  EXPECT_EQ(o.nauczyciel_sali(3, 0), kBrak);
  EXPECT_EQ(o.nauczyciel_sali(4, 0), kBrak);
  EXPECT_EQ(o.nauczyciel_sali(1, 1), kBrak);
  EXPECT_EQ(o.nauczyciel_sali(9, 0), kBrak);
}

TEST(DutyQueries, DutyTableReadersPassClosedAndInvalidCells) {
  TModele m = Szkola({3}, 5, 1, 1, 4);
  const uint8_t wiersz[] = {kZamkniete, 3, 249, 3};
  for (int r = 0; r < 4; ++r) m.Dyzury.UstawDyzurnego(r, 1, wiersz[r]);
  const TOgolne o(m);
  EXPECT_EQ(o.dyzurny_rejonu(0, 1), kBrak);
  EXPECT_EQ(o.dyzurny_rejonu(1, 1), 3);
  EXPECT_EQ(o.dyzurny_rejonu(2, 1), kBrak);
  EXPECT_EQ(o.dyzurny_rejonu(3, 1), 3);
  EXPECT_EQ(o.dyzurny_rejonu(4, 1), kBrak);
  EXPECT_EQ(o.dyzurny_rejonu(0, 3), kBrak);
  EXPECT_EQ(o.dyzurny_rejonu(-1, 0), kBrak);
  EXPECT_EQ(o.dyzurny_rejonu(0, -1), kBrak);
  EXPECT_EQ(o.rejon_dyzuru(3, 1), 1);
  EXPECT_EQ(o.rejon_dyzuru(3, 0), kBrak);
  EXPECT_EQ(o.rejon_dyzuru(2, 1), kBrak);
  EXPECT_EQ(o.rejon_dyzuru(3, 3), kBrak);
}

TEST(DutyQueries, LongBreakDutiesOfTheDay) {
  TModele m = Szkola({4, 4}, 3, 1, 1, 2);
  for (int k : {1, 3, 5}) m.Momenty[k].Dluga = 1;
  m.Dyzury.UstawDyzurnego(0, 1, 0);
  m.Dyzury.UstawDyzurnego(1, 3, 0);
  m.Dyzury.UstawDyzurnego(0, 2, 0);  // not a long break
  m.Dyzury.UstawDyzurnego(0, 5, 0);
  m.Dyzury.UstawDyzurnego(0, 3, 2);  // two regions at one long break count once
  m.Dyzury.UstawDyzurnego(1, 1, kZamkniete);
  const TOgolne o(m);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(o.dlugie_dyzury_dnia(0, k), 2) << k;
  EXPECT_EQ(o.dlugie_dyzury_dnia(0, 6), 1);
  EXPECT_EQ(o.dlugie_dyzury_dnia(1, 1), 0);
  m.Dyzury.UstawDyzurnego(1, 3, 2);
  EXPECT_EQ(o.dlugie_dyzury_dnia(2, 0), 1);
}

TEST(DutyQueries, LoadsCountValidTeachersWithoutWrapping) {
  TModele m = Szkola({26}, 3, 1, 1, 3);
  m.Momenty[0].Minuty = 15;
  for (int k = 0; k < 26; ++k) m.Dyzury.UstawDyzurnego(0, k, 0);
  m.Dyzury.UstawDyzurnego(0, 0, 1);
  m.Dyzury.UstawDyzurnego(1, 0, 1);  // twice at one moment: counted twice
  m.Dyzury.UstawDyzurnego(1, 5, 0);
  m.Dyzury.UstawDyzurnego(2, 0, kZamkniete);
  m.Dyzury.UstawDyzurnego(2, 1, 3);  // past the three teachers
  m.Dyzury.UstawDyzurnego(2, 2, 249);
  const TObciazenia obc = TOgolne(m).policz_obciazenia();
  EXPECT_EQ(obc.Dyzury, (std::vector<int>{26, 2, 0}));
  EXPECT_EQ(obc.Minuty, (std::vector<int>{260, 30, 0}));
  EXPECT_EQ(obc.NajwiecejDyzurow, 26);
  EXPECT_EQ(obc.NajwiecejMinut, 260);

  TModele pusta = Szkola({4}, 0, 0, 0, 2);
  const TObciazenia nic = TOgolne(pusta).policz_obciazenia();
  EXPECT_TRUE(nic.Dyzury.empty());
  EXPECT_EQ(nic.NajwiecejDyzurow, -1);
  EXPECT_EQ(nic.NajwiecejMinut, -1);
}

TEST(DutyQueries, LessonCountCountsJointLessonsOnce) {
  TModele m = Szkola({1}, 6, 4, 0, 0);
  const auto przedmiot = [&](std::vector<TOczkoProg> oczka, std::vector<TWektor<uint8_t>> grupy) {
    TPrzedm j;
    j.Program.Oczka = std::move(oczka);
    j.Grupy.Grupy = std::move(grupy);
    m.Przedmioty.ZmienRozmiar(m.Przedmioty.Liczba() + 1);
    m.Przedmioty[m.Przedmioty.Liczba() - 1] = j;
  };
  // Classes 1 and 2 together, 3 and 4 hours: 4; classes 0 and 3 alone.
  przedmiot({{2, 0}, {3, 1}, {4, 1}, {1, 0}}, {{1, 2}});
  // Entries that are no class are ignored; a group of none is passed over.
  przedmiot({{5, 2}, {6, 2}}, {{0, 200, 1}, {200}});
  // Classes 1 to 3 have no programme cell: nothing for them, also in a group.
  przedmiot({{2, 3}}, {{0, 3}});
  // Equal hours: the first class of the group stands for it.
  przedmiot({{3, 4}, {3, 5}}, {{1, 0}});
  const TOgolne o(m);
  EXPECT_EQ(o.liczba_lekcji(0), 3);
  EXPECT_EQ(o.liczba_lekcji(1), 4);
  EXPECT_EQ(o.liczba_lekcji(2), 6);
  EXPECT_EQ(o.liczba_lekcji(3), 2);
  EXPECT_EQ(o.liczba_lekcji(4), 0);
  EXPECT_EQ(o.liczba_lekcji(5), 3);
}

// ---------------------------------------------------------------------------

}  // namespace
