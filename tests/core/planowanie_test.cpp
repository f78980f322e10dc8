#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/document/dokument.h"
#include "core/planning/kontrola.h"
#include "core/planning/nowyplan.h"
#include "core/planning/ogolne.h"
#include "core/planning/powody.h"
#include "core/planning/warianty.h"
#include "core/planning/wpis.h"
#include "wpis_wzorcowy.h"

namespace velmor {
[[maybe_unused]] static void PrintTo(const TWariant& w, std::ostream* os) {
  *os << "{moc " << w.moc << ", t " << int(w.nauczyciel) << ", kom " << w.komunikat << ", z "
      << int(w.zastrzezenie) << "}";
}
}  // namespace velmor

using namespace velmor;
using namespace velmor::testy;

namespace {

uint8_t U8(int x) { return static_cast<uint8_t>(x); }

void UstawDni(TModele& m, const std::vector<int>& lekcje) {
  m.Dni.Dni.clear();
  for (int c : lekcje)
    m.Dni.Dni.push_back(TDzien{std::vector<TGodz>(static_cast<size_t>(c)), kKolorDomyslny});
  m.Dni.Przelicz();
}

// Days of the given period counts; teachers with generous limits; classes and
// rooms with empty timetables; regions without rooms; 10-minute moments; an
// empty duty table.
TModele Szkola(const std::vector<int>& lekcje, int nauczycieli, int oddzialow, int sal,
               int rejonow) {
  TModele m;
  UstawDni(m, lekcje);
  const int s = m.Dni.LiczbaSlotow();
  const auto sloty = static_cast<size_t>(s);
  m.Nauczyciele.ZmienRozmiar(nauczycieli);
  for (TNaucz& t : m.Nauczyciele) {
    t.LimitDyzurow = 100;
    t.LimitMinut = 10000;
    t.Dyspozycja.Pozycje.resize(sloty);
  }
  m.Oddzialy.ZmienRozmiar(oddzialow);
  for (TOddz& o : m.Oddzialy) {
    o.Przedmioty.Pozycje.resize(sloty);
    o.Sale.Pozycje.resize(sloty);
  }
  m.Sale.ZmienRozmiar(sal);
  for (TSala& x : m.Sale) x.Zajecia.Pozycje.resize(sloty);
  m.Momenty.ZmienRozmiar(s);
  m.Rejony.ZmienRozmiar(rejonow);
  m.Dyzury.ZmienRozmiar(rejonow, s);
  m.Dyzury.UstawWszystkie(kBrak);
  return m;
}

// Teacher t teaches class o in slot s in room `sala`, under a subject of his own.
void Lekcja(TModele& m, int t, int o, int s, int sala) {
  int j = 0;
  while (j < m.Przedmioty.Liczba() &&
         m.Przedmioty[j].Program.Oczka[static_cast<size_t>(o)].Nauczyciel != t)
    ++j;
  if (j == m.Przedmioty.Liczba()) {
    m.Przedmioty.ZmienRozmiar(j + 1);
    m.Przedmioty[j].Program.Oczka.assign(static_cast<size_t>(m.Oddzialy.Liczba()), TOczkoProg{});
    m.Przedmioty[j].Program.Oczka[static_cast<size_t>(o)] = {1, U8(t)};
  }
  m.Oddzialy[o].Przedmioty[s].Lista.Dodaj(U8(j));
  m.Oddzialy[o].Sale[s].Lista.Dodaj(U8(sala));
  if (m.Sale.Istnieje(sala)) m.Sale[sala].Zajecia[s].Lista.Dodaj(U8(o));
  m.Nauczyciele[t].Dyspozycja[s].Lista.Dodaj(U8(o));
}

// Lessons of teacher t (and his class t) in room `sala` in slots od..doo.
void Lekcje(TModele& m, int t, int od, int doo, int sala) {
  for (int s = od; s <= doo; ++s) Lekcja(m, t, t, s, sala);
}

void Sale(TModele& m, int r, std::initializer_list<uint8_t> sale) { m.Rejony[r].SaleRejonu = sale; }

// Keeps every list it is given (in teacher order, as the run builds it) with
// its moment, then answers through `Decyzja`, or as the unattended manner.
class TWyborZapisany : public TWyborWariantu {
 public:
  std::function<int(TListaWariantow&)> Decyzja;
  bool Sortujac = false;  // the unattended choice by sorting the list first
  std::vector<int> Momenty;
  std::vector<std::vector<TWariant>> Listy;

  int wybierz_wariant(TListaWariantow& lista) override {
    Momenty.push_back(lista.Moment());
    Listy.push_back(lista.Warianty());
    if (Decyzja) return Decyzja(lista);
    if (Sortujac) return TWyborSortujacy().wybierz_wariant(lista);
    return TWyborAutomatyczny().wybierz_wariant(lista);
  }
};

// The record of teacher t; teacher 255 when t is not listed.
TWariant Rekord(const std::vector<TWariant>& lista, int t) {
  for (const TWariant& w : lista)
    if (w.nauczyciel == t) return w;
  return {0, 255, 0, 0};
}

TZasadyOceny Auto(bool przed = false, bool po = false, bool jednaDluga = true) {
  return {true, przed, po, jednaDluga};
}

using TWynik = std::tuple<int, int, int>;  // score, message, reservation

TWynik Ocen(const TFaktyKandydata& f, const TZasadyOceny& z) {
  int komunikat = kBezKomunikatu;
  uint8_t zastrzezenie = 0;
  const int moc = ocen_kandydata(f, z, komunikat, zastrzezenie);
  return {moc, komunikat, zastrzezenie};
}

// Within every limit, free, at school with presence code `kod`.
TFaktyKandydata Fakty(int kod) {
  TFaktyKandydata f;
  f.LimitDyzurow = 10;
  f.LimitMinut = 300;
  f.MinutyMomentu = 10;
  f.Kod = static_cast<TObecnosc>(kod);
  return f;
}

// ---------------------------------------------------------------------------

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

TEST(Judgement, ExclusionsInTheirOrder) {
  TFaktyKandydata f = Fakty(-1);
  f.Zakaz = f.Zajety = true;
  f.Dyzury = 10;
  f.Minuty = 300;
  EXPECT_EQ(Ocen(f, Auto()), TWynik(-1, 10, 0));
  f.Zakaz = false;
  EXPECT_EQ(Ocen(f, Auto()), TWynik(-1, 7, 0));
  f.Dyzury = 0;
  EXPECT_EQ(Ocen(f, {}), TWynik(-1, 8, 0));
  f.Minuty = 0;
  EXPECT_EQ(Ocen(f, {}), TWynik(-1, 9, 0));
  f.Zajety = false;
  EXPECT_EQ(Ocen(f, {}), TWynik(-1, 6, 0));
}

TEST(Judgement, LimitBoundaries) {
  TFaktyKandydata f = Fakty(7);
  f.LimitDyzurow = 3;
  f.Dyzury = 3;
  EXPECT_EQ(Ocen(f, Auto()), TWynik(-1, 7, 0));
  f.Dyzury = 2;
  EXPECT_EQ(Ocen(f, Auto()), TWynik(90, 11, 0));
  f.LimitDyzurow = f.Dyzury = 0;
  EXPECT_EQ(Ocen(f, Auto()), TWynik(-1, 7, 0));

  f = Fakty(7);
  f.LimitMinut = 40;
  f.Minuty = 30;
  f.MinutyMomentu = 10;
  EXPECT_EQ(Ocen(f, Auto()), TWynik(90, 11, 0));
  f.MinutyMomentu = 15;
  EXPECT_EQ(Ocen(f, Auto()), TWynik(-1, 8, 0));
  f.LimitMinut = f.Minuty = f.MinutyMomentu = 0;
  EXPECT_EQ(Ocen(f, Auto()), TWynik(90, 11, 0));
}

TEST(Judgement, PresenceCodesInBothManners) {
  const std::map<int, TWynik> oczekiwane = {{-1, {-1, 6, 0}},  {0, {20, 11, 0}}, {1, {0, 4, 1}},
                                            {2, {0, 3, 1}},    {3, {0, 2, 1}},   {4, {0, 1, 1}},
                                            {5, {0, 0, 1}},    {6, {80, 11, 0}}, {7, {90, 11, 0}},
                                            {8, {100, 11, 0}}, {9, {110, 11, 0}}};
  for (const auto& [kod, wynik] : oczekiwane) {
    EXPECT_EQ(Ocen(Fakty(kod), Auto()), wynik) << kod;
    EXPECT_EQ(Ocen(Fakty(kod), {}), wynik) << kod;
  }
}

TEST(Judgement, OptionsLoosenOnlyAnAutomaticRun) {
  const TZasadyOceny przed = Auto(true), po = Auto(false, true);
  EXPECT_EQ(Ocen(Fakty(4), przed), TWynik(20, 11, 0));
  EXPECT_EQ(Ocen(Fakty(4), po), TWynik(0, 1, 1));
  EXPECT_EQ(Ocen(Fakty(5), po), TWynik(20, 11, 0));
  EXPECT_EQ(Ocen(Fakty(5), przed), TWynik(0, 0, 1));
  const TZasadyOceny pokazana{false, true, true, true};
  EXPECT_EQ(Ocen(Fakty(4), pokazana), TWynik(0, 1, 1));
  EXPECT_EQ(Ocen(Fakty(5), pokazana), TWynik(0, 0, 1));
  EXPECT_EQ(Ocen(Fakty(1), Auto(true, true)), TWynik(0, 4, 1));

  const TOpcje opcje = TOpcje::ZRekordu({2, 0, 0});
  const TZasadyOceny z = TZasadyOceny::Z(opcje, true);
  EXPECT_TRUE(z.Automatycznie && z.PrzedLekcjami);
  EXPECT_FALSE(z.PoLekcjach || z.JednaDluga);
}

TEST(Judgement, LongBreakAlreadyTakenInTheThreeManners) {
  TFaktyKandydata f = Fakty(7);
  f.DlugaZajeta = true;
  EXPECT_EQ(Ocen(f, Auto()), TWynik(-1, 5, 0));
  EXPECT_EQ(Ocen(f, Auto(false, false, false)), TWynik(90, 5, 0));
  EXPECT_EQ(Ocen(f, {}), TWynik(70, 5, 1));
  EXPECT_EQ(Ocen(f, {false, false, false, true}), TWynik(70, 5, 1));
  EXPECT_EQ(KolorWariantu({70, 0, 5, 1}), 0xFF00FFu);

  f.Kod = kObecnoscBezSal;
  EXPECT_EQ(Ocen(f, {}), TWynik(0, 5, 1));
  EXPECT_EQ(Ocen(f, Auto(false, false, false)), TWynik(20, 5, 0));
  f.Kod = kObecnoscPoWRejonie;
  EXPECT_EQ(Ocen(f, Auto(true, false, false)), TWynik(20, 5, 0));
  f.Kod = kObecnoscPoPozaRejonem;  // the presence message replaces message 5
  EXPECT_EQ(Ocen(f, {}), TWynik(0, 4, 1));
  f.Kod = kObecnoscBrak;
  EXPECT_EQ(Ocen(f, Auto(false, false, false)), TWynik(-1, 6, 0));
}

// Each teacher counts under the first rule that keeps him out of the cell.
TEST(Judgement, WhyACellStaysEmpty) {
  TModele m = Szkola({4}, 7, 7, 2, 2);
  Sale(m, 0, {0});
  for (int t : {0, 1, 2, 3, 5}) Lekcje(m, t, 0, 1, 0);
  Lekcja(m, 6, 6, 0, 0);  // only before the break: he must stay
  m.Nauczyciele[0].Dyspozycja[1].Zakaz = 1;
  m.Nauczyciele[1].LimitDyzurow = 0;
  m.Nauczyciele[2].LimitMinut = 5;
  m.Dyzury.UstawDyzurnego(1, 1, 3);
  const TPowodyPustej p = PowodyPustej(m, 0, 1, TZasadyOceny::Z(m.Opcje, true));
  EXPECT_EQ(p.Zakaz, 1);
  EXPECT_EQ(p.LimitDyzurow, 1);
  EXPECT_EQ(p.LimitMinut, 1);
  EXPECT_EQ(p.Zajety, 1);
  EXPECT_EQ(p.NieMaWSzkole, 1);  // teacher 4 teaches nothing
  EXPECT_EQ(p.Czysci, 1);        // teacher 5
  EXPECT_EQ(p.ZZastrzezeniem, 1);
  EXPECT_EQ(p.NajlepszyZastrzezony, 6);
  EXPECT_EQ(p.DlugaZajeta, 0);
}

// Each kind of finding on a plan built to show it, and none on a sound one
// but the spread.
TEST(PlanCheck, EachFindingOnAPlanBuiltToShowIt) {
  TModele czysty = Szkola({4, 4}, 4, 4, 2, 2);
  Sale(czysty, 0, {0});
  Sale(czysty, 1, {0});
  for (int t = 0; t < 3; ++t) Lekcje(czysty, t, 0, 7, 0);  // teacher 3 teaches nothing
  czysty.Dyzury.UstawWszystkie(kZamkniete);
  czysty.Dyzury.UstawDyzurnego(0, 1, 0);
  const auto rodzaje = [](const TModele& m) {
    std::vector<TRodzajUwagi> r;
    for (const TUwaga& u : KontrolaPlanu(m)) {
      EXPECT_FALSE(u.Tekst.empty());
      if (u.Rodzaj != TRodzajUwagi::kRozklad) r.push_back(u.Rodzaj);
    }
    return r;
  };
  using R = std::vector<TRodzajUwagi>;
  EXPECT_EQ(rodzaje(czysty), R{});
  ASSERT_EQ(KontrolaPlanu(czysty).back().Rodzaj, TRodzajUwagi::kRozklad);
  EXPECT_EQ(KontrolaPlanu(czysty).back().Nauczyciel, -1);  // about the whole staff

  const auto zmieniony = [&](const std::function<void(TModele&)>& zmiana) {
    TModele m = czysty;
    zmiana(m);
    return rodzaje(m);
  };
  EXPECT_EQ(zmieniony([](TModele& m) { m.Dyzury.UstawDyzurnego(1, 1, kBrak); }),
            R{TRodzajUwagi::kPusta});
  EXPECT_EQ(zmieniony([](TModele& m) { m.Nauczyciele[0].LimitDyzurow = 0; }),
            R{TRodzajUwagi::kLimitDyzurow});
  EXPECT_EQ(zmieniony([](TModele& m) { m.Nauczyciele[0].LimitMinut = 5; }),
            R{TRodzajUwagi::kLimitMinut});
  EXPECT_EQ(zmieniony([](TModele& m) { m.Nauczyciele[0].Dyspozycja[1].Zakaz = 1; }),
            R{TRodzajUwagi::kZakaz});
  EXPECT_EQ(zmieniony([](TModele& m) { m.Dyzury.UstawDyzurnego(1, 1, 0); }),
            R{TRodzajUwagi::kDwaRejony});
  EXPECT_EQ(zmieniony([](TModele& m) { m.Dyzury.UstawDyzurnego(0, 5, 3); }),
            R{TRodzajUwagi::kNieMaWSzkole});
  EXPECT_EQ(zmieniony([](TModele& m) { m.Dyzury.UstawDyzurnego(0, 5, 200); }),
            R{TRodzajUwagi::kBlednyNauczyciel});
  const auto dwieDlugie = [](TModele& m) {
    m.Momenty[1].Dluga = m.Momenty[2].Dluga = true;
    m.Dyzury.UstawDyzurnego(0, 2, 0);
  };
  EXPECT_EQ(zmieniony([&](TModele& m) {
              dwieDlugie(m);
              m.Opcje.Ustaw(TOpcja::kJednaDluga, true);
            }),
            R{TRodzajUwagi::kDwieDlugie});
  EXPECT_EQ(zmieniony([&](TModele& m) {
              dwieDlugie(m);
              m.Opcje.Ustaw(TOpcja::kJednaDluga, false);
            }),
            R{});
  // Teacher 0 at his limit: the others, who could take duties, are idle.
  EXPECT_EQ(zmieniony([](TModele& m) { m.Nauczyciele[0].LimitDyzurow = 1; }),
            (R{TRodzajUwagi::kBezDyzuru, TRodzajUwagi::kBezDyzuru, TRodzajUwagi::kBezDyzuru}));
}

TEST(Judgement, MessagesAndColours) {
  const std::vector<std::string> teksty = {"  Nauczyciel musi zostać w szkole",
                                           "  Nauczyciel musi wcześniej przyjść",
                                           "  Jest w szkole, ale nie w tym rejonie",
                                           "  Nie w rejonie i musi zostać po pracy",
                                           "  Nie w rejonie i musi wcześniej przyjść",
                                           "  Już ma dyżur na długiej przerwie",
                                           "Nie ma w szkole przed i po przerwie",
                                           "Osiągnął limit liczby dyżurów",
                                           "Osiągnął limit łącznego czasu dyżurów",
                                           "Akurat ma dyżur",
                                           "Ma zakaz dyżurowania",
                                           ""};
  for (int k = 0; k < 12; ++k) EXPECT_EQ(KomunikatWariantu(k), teksty[static_cast<size_t>(k)]) << k;
  EXPECT_STREQ(KomunikatWariantu(-1), "");
  EXPECT_STREQ(KomunikatWariantu(12), "");

  EXPECT_EQ(KolorWariantu({-1, 0, 6, 0}), 255u);
  EXPECT_EQ(KolorWariantu({-1, 0, 6, 1}), 255u);
  EXPECT_EQ(KolorWariantu({0, 0, 4, 1}), 0xFF00FFu);
  EXPECT_EQ(KolorWariantu({0, 0, 11, 0}), 0xFFFF00u);
  EXPECT_EQ(KolorWariantu({110, 0, 11, 0}), 0xFFFF00u);
  EXPECT_TRUE(Wykluczony({-1, 0, 9, 0}));
  EXPECT_FALSE(Czysty({20, 0, 1, 1}));
  EXPECT_TRUE(Czysty({0, 0, 11, 0}));
}

// ---------------------------------------------------------------------------

// 80 records; `klucz` gives score and message, teacher i is record i unless
// `nauczyciel` says otherwise.
TListaWariantow Lista(const std::function<std::pair<int, int>(int)>& klucz,
                      const std::function<int(int)>& nauczyciel = {}) {
  TListaWariantow l;
  l.wyczysc_warianty(3);
  for (int i = 0; i < 80; ++i) {
    const auto [moc, kom] = klucz(i);
    l.dodaj_wariant(moc, U8(nauczyciel ? nauczyciel(i) : i), kom, moc == 0 ? 1 : 0);
  }
  return l;
}

TEST(CandidateList, SortByScoreKeepsTeacherOrderAmongEquals) {
  TListaWariantow l = Lista([](int i) { return std::pair{(i * 7 % 4) * 10 - 1, i * 5 % 3 + 4}; });
  std::vector<TWariant> oczekiwana = l.Warianty();
  std::sort(oczekiwana.begin(), oczekiwana.end(), [](const TWariant& a, const TWariant& b) {
    return std::tuple(-a.moc, a.komunikat, a.nauczyciel) <
           std::tuple(-b.moc, b.komunikat, b.nauczyciel);
  });
  l.sortuj_warianty(2);
  EXPECT_EQ(l.Warianty(), oczekiwana);
  EXPECT_EQ(l.Kolumna(), 2);
  EXPECT_EQ(l.Moment(), 3);
}

TEST(CandidateList, SortByMessageThenScore) {
  TListaWariantow l = Lista([](int i) { return std::pair{i % 3 * 20, i * 7 % 5 + 7}; });
  std::vector<TWariant> oczekiwana = l.Warianty();
  std::sort(oczekiwana.begin(), oczekiwana.end(), [](const TWariant& a, const TWariant& b) {
    return std::tuple(-a.komunikat, -a.moc, a.nauczyciel) <
           std::tuple(-b.komunikat, -b.moc, b.nauczyciel);
  });
  l.sortuj_warianty(1);
  EXPECT_EQ(l.Warianty(), oczekiwana);
  EXPECT_EQ(l.Kolumna(), 1);
}

TEST(CandidateList, SortByTeacherThenScore) {
  // Teachers repeat; the message stands for the insertion order, which equal
  // records keep.
  TListaWariantow l = Lista(
      [](int i) {
        return std::pair{i % 2 * 30, i};
      },
      [](int i) { return (79 - i) / 4; });
  std::vector<TWariant> oczekiwana = l.Warianty();
  std::sort(oczekiwana.begin(), oczekiwana.end(), [](const TWariant& a, const TWariant& b) {
    return std::tuple(a.nauczyciel, -a.moc, a.komunikat) <
           std::tuple(b.nauczyciel, -b.moc, b.komunikat);
  });
  l.sortuj_warianty(0);
  EXPECT_EQ(l.Warianty(), oczekiwana);
}

TEST(CandidateList, ChoiceRule) {
  TListaWariantow l;
  l.wyczysc_warianty(0);
  EXPECT_EQ(l.Wybor(0, false), -1);
  EXPECT_EQ(l.Wybor(0, true), -1);
  l.dodaj_wariant(-1, 4, 9, 0);
  l.dodaj_wariant(0, 5, 2, 1);
  l.dodaj_wariant(20, 6, 11, 0);
  EXPECT_EQ(l.Wybor(0, true), -1);
  EXPECT_EQ(l.Wybor(1, false), -1);
  EXPECT_EQ(l.Wybor(1, true), 5);
  EXPECT_EQ(l.Wybor(2, false), 6);
  EXPECT_EQ(l.Wybor(3, true), -1);
  EXPECT_EQ(l.Wybor(-1, true), -1);
  l.wyczysc_warianty(5);
  EXPECT_TRUE(l.Warianty().empty());
  EXPECT_EQ(l.Moment(), 5);
}

TEST(CandidateList, UnattendedChoiceTakesTheBestRecordOnlyWhenClean) {
  const auto wybierz = [](std::vector<TWariant> w) {
    TListaWariantow l;
    for (const TWariant& x : w) l.dodaj_wariant(x.moc, x.nauczyciel, x.komunikat, x.zastrzezenie);
    TWyborAutomatyczny a;
    return a.wybierz_wariant(l);
  };
  EXPECT_EQ(wybierz({{90, 1, 11, 0}, {110, 2, 11, 0}}), 2);
  EXPECT_EQ(wybierz({{90, 1, 11, 0}, {90, 2, 5, 0}, {90, 3, 5, 0}}), 2);
  // The best record carries a reservation: nothing, though a clean one follows.
  EXPECT_EQ(wybierz({{0, 1, 11, 0}, {0, 2, 1, 1}}), -1);
  EXPECT_EQ(wybierz({{-1, 1, 6, 0}, {-1, 2, 9, 0}}), -1);
  EXPECT_EQ(wybierz({}), -1);
}

// ---------------------------------------------------------------------------

TEST(AutoEntry, VisitsCellsColumnByColumnTopToBottom) {
  TModele m = Szkola({3}, 4, 1, 1, 5);
  TWyborZapisany wybor;
  wybor.Decyzja = [](TListaWariantow&) { return 1; };
  std::vector<std::pair<int, int>> wpisy;
  TListaWariantow lista;
  const int n = wpisz_warianty(m, {1, 3, 0, 1}, Auto(), wybor, lista,
                               [&](int r, int k) { wpisy.emplace_back(r, k); });
  EXPECT_EQ(n, 6);
  EXPECT_EQ(wpisy,
            (std::vector<std::pair<int, int>>{{1, 0}, {1, 1}, {2, 0}, {2, 1}, {3, 0}, {3, 1}}));
  EXPECT_EQ(wybor.Momenty, (std::vector<int>{0, 1, 0, 1, 0, 1}));
  for (int r = 0; r < 5; ++r)
    for (int k = 0; k < 3; ++k)
      EXPECT_EQ(m.Dyzury.Dyzurny(r, k), r >= 1 && r <= 3 && k <= 1 ? 1 : kBrak) << r << " " << k;
}

TEST(AutoEntry, ClosedCellsAreLeftAndNotOffered) {
  TModele m = Szkola({3}, 4, 1, 1, 3);
  m.Dyzury.UstawDyzurnego(1, 1, kZamkniete);
  TWyborZapisany wybor;
  wybor.Decyzja = [](TListaWariantow&) { return 2; };
  std::vector<std::pair<int, int>> wpisy;
  TListaWariantow lista;
  EXPECT_EQ(wpisz_warianty(m, {0, 1, 1, 2}, Auto(), wybor, lista,
                           [&](int r, int k) { wpisy.emplace_back(r, k); }),
            3);
  EXPECT_EQ(wpisy, (std::vector<std::pair<int, int>>{{0, 1}, {0, 2}, {1, 2}}));
  EXPECT_EQ(wybor.Momenty, (std::vector<int>{1, 2, 2}));
  EXPECT_EQ(m.Dyzury.Dyzurny(1, 1), kZamkniete);
}

TEST(AutoEntry, AreaBeyondTheTableIsClipped) {
  TModele m = LosowaSzkola(7, 20, 3, 5, 4);
  TModele kopia = m;
  TWyborAutomatyczny wybor;
  TListaWariantow lista;
  const int n = wpisz_warianty(m, {-3, 100, -5, 1000}, Auto(), wybor, lista);
  EXPECT_EQ(wpisz_warianty(kopia, CalaTabela(kopia.Dyzury), Auto(), wybor, lista), n);
  EXPECT_GT(n, 0);
  EXPECT_TRUE(m.Dyzury == kopia.Dyzury);
  EXPECT_EQ(wpisz_warianty(m, {5, 9, 0, 3}, Auto(), wybor, lista), 0);
}

TEST(AutoEntry, TeacherEnteredInOneCellIsBusyInTheNextOfTheMoment) {
  TModele m = Szkola({2}, 3, 3, 2, 2);
  Sale(m, 0, {0});
  Sale(m, 1, {1});
  Lekcje(m, 0, 0, 1, 0);  // 90 in region 0, reservation in region 1
  Lekcje(m, 1, 0, 1, 1);  // the reverse
  Lekcja(m, 2, 2, 1, 0);
  Lekcja(m, 2, 2, 0, 1);  // 80 in both
  TWyborZapisany wybor;
  TListaWariantow lista;
  EXPECT_EQ(wpisz_warianty(m, {0, 1, 1, 1}, Auto(), wybor, lista), 2);
  EXPECT_EQ(m.Dyzury.Dyzurny(0, 1), 0);
  EXPECT_EQ(m.Dyzury.Dyzurny(1, 1), 1);
  ASSERT_EQ(wybor.Listy.size(), 2u);
  EXPECT_EQ(Rekord(wybor.Listy[1], 0), (TWariant{-1, 0, 9, 0}));
  EXPECT_EQ(Rekord(wybor.Listy[1], 2), (TWariant{80, 2, 11, 0}));
}

TEST(AutoEntry, CountLimitUsedUpByAnEarlierCell) {
  TModele m = Szkola({4}, 2, 2, 1, 1);
  Sale(m, 0, {0});
  Lekcje(m, 0, 0, 3, 0);
  Lekcje(m, 1, 1, 3, 0);
  m.Nauczyciele[0].LimitDyzurow = 1;
  m.Nauczyciele[1].LimitMinut = 25;  // two 10-minute duties, no third
  TWyborZapisany wybor;
  TListaWariantow lista;
  EXPECT_EQ(wpisz_warianty(m, {0, 0, 1, 3}, Auto(), wybor, lista), 3);
  ASSERT_EQ(wybor.Listy.size(), 3u);
  EXPECT_EQ(m.Dyzury.Dyzurny(0, 1), 0);
  EXPECT_EQ(Rekord(wybor.Listy[1], 0), (TWariant{-1, 0, 7, 0}));
  EXPECT_EQ(m.Dyzury.Dyzurny(0, 2), 1);
  EXPECT_EQ(Rekord(wybor.Listy[2], 0), (TWariant{-1, 0, 7, 0}));
  EXPECT_EQ(Rekord(wybor.Listy[2], 1), (TWariant{100, 1, 11, 0}));
  EXPECT_EQ(m.Dyzury.Dyzurny(0, 3), 1);
  // Both duties of this run count towards teacher 1's minutes.
  EXPECT_EQ(wpisz_warianty(m, {0, 0, 0, 0}, Auto(), wybor, lista), 0);
  EXPECT_EQ(Rekord(wybor.Listy[3], 1), (TWariant{-1, 1, 8, 0}));
}

TEST(AutoEntry, StopKeepsTheCellsWrittenSoFar) {
  TModele m = Szkola({5}, 3, 1, 1, 1);
  TWyborZapisany wybor;
  int wywolan = 0;
  wybor.Decyzja = [&](TListaWariantow&) { return ++wywolan == 3 ? -2 : 2; };
  TListaWariantow lista;
  EXPECT_EQ(wpisz_warianty(m, CalaTabela(m.Dyzury), {}, wybor, lista), 2);
  EXPECT_EQ(wywolan, 3);
  const uint8_t oczekiwane[] = {2, 2, kBrak, kBrak, kBrak};
  for (int k = 0; k < 5; ++k) EXPECT_EQ(m.Dyzury.Dyzurny(0, k), oczekiwane[k]) << k;
  EXPECT_EQ(lista.Moment(), 2);
}

TEST(AutoEntry, CellsOwnTeacherIsNoCandidateAndStaysWhenNobodyElseFits) {
  TModele m = Szkola({2}, 3, 3, 1, 1);
  Sale(m, 0, {0});
  Lekcje(m, 1, 0, 1, 0);
  m.Dyzury.UstawDyzurnego(0, 1, 1);
  TWyborZapisany wybor;
  TListaWariantow lista;
  EXPECT_EQ(wpisz_warianty(m, {0, 0, 1, 1}, Auto(), wybor, lista), 0);
  EXPECT_EQ(m.Dyzury.Dyzurny(0, 1), 1);
  ASSERT_EQ(wybor.Listy.size(), 1u);
  EXPECT_EQ(wybor.Listy[0], (std::vector<TWariant>{{-1, 0, 6, 0}, {-1, 2, 6, 0}}));

  // Teacher 2 only comes for the lesson after: entered when the option allows it.
  Lekcja(m, 2, 2, 1, 0);
  EXPECT_EQ(wpisz_warianty(m, {0, 0, 1, 1}, Auto(), wybor, lista), 0);
  EXPECT_EQ(wpisz_warianty(m, {0, 0, 1, 1}, Auto(true), wybor, lista), 1);
  EXPECT_EQ(m.Dyzury.Dyzurny(0, 1), 2);
}

TEST(AutoEntry, FirstMomentOfADayWithDutiesBeforeLessons) {
  TModele m = Szkola({3, 3}, 2, 2, 2, 1);
  Sale(m, 0, {0});
  Lekcje(m, 0, 2, 3, 0);  // last lesson of day 0 and first of day 1
  Lekcja(m, 1, 1, 3, 1);  // outside the region
  TWyborZapisany wybor;
  TListaWariantow lista;
  EXPECT_EQ(wpisz_warianty(m, {0, 0, 3, 3}, Auto(), wybor, lista), 0);
  EXPECT_EQ(Rekord(wybor.Listy[0], 0), (TWariant{0, 0, 1, 1}));
  EXPECT_EQ(Rekord(wybor.Listy[0], 1), (TWariant{0, 1, 4, 1}));
  EXPECT_EQ(wpisz_warianty(m, {0, 0, 3, 3}, Auto(true), wybor, lista), 1);
  EXPECT_EQ(Rekord(wybor.Listy[1], 0), (TWariant{20, 0, 11, 0}));
  EXPECT_EQ(m.Dyzury.Dyzurny(0, 3), 0);
}

TEST(AutoEntry, OneLongBreakDutyADayUnlessTheOptionIsCleared) {
  for (const bool jedna : {true, false}) {
    TModele m = Szkola({4, 4}, 1, 1, 1, 1);
    Sale(m, 0, {0});
    Lekcje(m, 0, 0, 7, 0);
    for (int k : {1, 3, 5}) m.Momenty[k].Dluga = 1;
    TWyborZapisany wybor;
    TListaWariantow lista;
    wpisz_warianty(m, CalaTabela(m.Dyzury), Auto(false, false, jedna), wybor, lista);
    EXPECT_EQ(m.Dyzury.Dyzurny(0, 1), 0);
    EXPECT_EQ(m.Dyzury.Dyzurny(0, 2), 0);
    EXPECT_EQ(m.Dyzury.Dyzurny(0, 3), jedna ? kBrak : 0);
    EXPECT_EQ(wybor.Listy[3][0], (TWariant{jedna ? -1 : 100, 0, 5, 0}));
    EXPECT_EQ(m.Dyzury.Dyzurny(0, 5), 0) << "another day";
  }
}

TEST(AutoEntry, NothingEnteredWhereTheBestCarriesAReservation) {
  TModele m = Szkola({2}, 3, 3, 2, 3);
  Sale(m, 0, {1});
  Sale(m, 2, {7});  // names no room: no room test
  for (int t = 0; t < 3; ++t) Lekcje(m, t, 0, 1, 0);
  TWyborZapisany wybor;
  TListaWariantow lista;
  EXPECT_EQ(wpisz_warianty(m, {0, 0, 0, 1}, Auto(true, true), wybor, lista), 0);
  EXPECT_EQ(wybor.Listy[1][2], (TWariant{0, 2, 2, 1}));
  // Regions without rooms take a teacher at school, clean with 20.
  EXPECT_EQ(wpisz_warianty(m, {1, 2, 1, 1}, Auto(), wybor, lista), 2);
  EXPECT_EQ(Rekord(wybor.Listy[2], 0), (TWariant{20, 0, 11, 0}));
  EXPECT_EQ(Rekord(wybor.Listy[3], 0), (TWariant{-1, 0, 9, 0}));
  EXPECT_EQ(m.Dyzury.Dyzurny(1, 1), 0);
  EXPECT_EQ(m.Dyzury.Dyzurny(2, 1), 1);
}

TEST(AutoEntry, InvalidCellValuesAreDecidedLikeEmptyOnes) {
  TModele m = Szkola({2}, 2, 2, 1, 1);
  Lekcje(m, 0, 0, 1, 0);
  m.Dyzury.UstawDyzurnego(0, 1, 249);
  TWyborZapisany wybor;
  TListaWariantow lista;
  EXPECT_EQ(wpisz_warianty(m, {0, 0, 1, 1}, Auto(), wybor, lista), 1);
  EXPECT_EQ(wybor.Listy[0].size(), 2u);
  EXPECT_EQ(m.Dyzury.Dyzurny(0, 1), 0);
}

// ---------------------------------------------------------------------------

// A chooser as a user might be: any sort column, any acceptable record, now
// and then an excluded one, and a stop after `stop` lists (0: never).
std::function<int(TListaWariantow&)> Uzytkownik(unsigned ziarno, int stop) {
  return [los = std::mt19937(ziarno), stop, n = 0](TListaWariantow& l) mutable -> int {
    if (++n == stop) return -2;
    l.sortuj_warianty(std::uniform_int_distribution<int>(0, 2)(los));
    std::vector<int> dobre;
    for (int i = 0; i < static_cast<int>(l.Warianty().size()); ++i)
      if (!Wykluczony(l.Warianty()[static_cast<size_t>(i)])) dobre.push_back(i);
    if (dobre.empty() || std::uniform_int_distribution<int>(0, 9)(los) == 0)
      return l.Wybor(0, true);
    return l.Wybor(dobre[std::uniform_int_distribution<size_t>(0, dobre.size() - 1)(los)], true);
  };
}

TEST(AutoEntryRandom, ProductRunMatchesTheReference) {
  std::map<int, int> komunikaty, moce;
  int wpisano = 0;
  for (unsigned ziarno = 1; ziarno <= 30; ++ziarno) {
    const int rejonow = 2 + static_cast<int>(ziarno % 7);
    const TModele szkola =
        LosowaSzkola(ziarno, 8 + static_cast<int>(ziarno * 7 % 33),
                     2 + static_cast<int>(ziarno % 4), 3 + static_cast<int>(ziarno % 6), rejonow);
    // Each run goes on over the table the one before left.
    TModele a = szkola, b = szkola;
    for (const int wariant : {2, 0, 1, 3}) {
      SCOPED_TRACE("ziarno " + std::to_string(ziarno) + ", wariant " + std::to_string(wariant));
      TZasadyOceny zasady = TZasadyOceny::Z(szkola.Opcje, true);
      TObszar obszar = CalaTabela(szkola.Dyzury);
      if (wariant == 1) {
        zasady = {true, true, true, false};
        obszar = {1, rejonow - 1, 2, szkola.Dyzury.LiczbaMomentow() - 3};
      } else if (wariant == 2) {
        zasady.Automatycznie = false;
        obszar = {-2, 300, -1, 9999};
      } else if (wariant == 3) {
        zasady = {false, true, false, false};
        obszar.RejonOd = 1;
      }
      TWyborZapisany wa, wb;
      wb.Sortujac = true;
      if (wariant >= 2) {
        const int stop = wariant == 3 ? static_cast<int>(ziarno) * 3 : 0;
        wa.Decyzja = Uzytkownik(ziarno, stop);
        wb.Decyzja = Uzytkownik(ziarno, stop);
      }
      TListaWariantow la, lb;
      const int na = wpisz_warianty(a, obszar, zasady, wa, la);
      const int nb = wpisz_wzorcowo(b, obszar, zasady, wb, lb);
      EXPECT_EQ(na, nb);
      EXPECT_TRUE(a.Dyzury == b.Dyzury);
      EXPECT_EQ(wa.Momenty, wb.Momenty);
      ASSERT_EQ(wa.Listy.size(), wb.Listy.size());
      for (size_t i = 0; i < wa.Listy.size(); ++i)
        ASSERT_EQ(wa.Listy[i], wb.Listy[i]) << "list " << i;
      // The unattended choice leaves its list unsorted.
      if (wariant < 2) la.sortuj_warianty(2);
      EXPECT_EQ(la.Warianty(), lb.Warianty());
      EXPECT_EQ(la.Moment(), lb.Moment());
      wpisano += na;
      for (const auto& l : wa.Listy)
        for (const TWariant& w : l) ++komunikaty[w.komunikat], ++moce[w.moc];
    }
  }
  // The schools reach every judgement.
  EXPECT_GT(wpisano, 500);
  for (int k = 0; k <= 11; ++k) EXPECT_GT(komunikaty[k], 0) << "message " << k;
  for (int moc : {0, 20, 60, 70, 80, 90, 100, 110}) EXPECT_GT(moce[moc], 0) << "score " << moc;
}

// The unattended chooser, counting how often the run asks it.
class TWyborLiczacy : public TWyborAutomatyczny {
 public:
  int Pytan = 0;
  int wybierz_wariant(TListaWariantow& lista) override {
    ++Pytan;
    return TWyborAutomatyczny::wybierz_wariant(lista);
  }
};

// The unattended run finds its choices without the whole list; every option
// combination, areas cut at both ends, and tables already partly filled.
TEST(AutoEntryRandom, UnattendedRunMatchesTheReference) {
  int wpisano = 0;
  for (unsigned ziarno = 1; ziarno <= 40; ++ziarno) {
    const int rejonow = 1 + static_cast<int>(ziarno % 6);
    TCechySzkoly c;
    c.Dlugie = 0.3;
    c.Wpisane = 0.2;
    c.BezSal = 0.25;
    const TModele szkola = LosowaSzkola(ziarno, 5 + static_cast<int>(ziarno * 11 % 40),
                                        1 + static_cast<int>(ziarno % 5),
                                        2 + static_cast<int>(ziarno % 7), rejonow, c);
    TModele a = szkola, b = szkola;
    for (int opcje = 0; opcje < 8; ++opcje) {
      SCOPED_TRACE("ziarno " + std::to_string(ziarno) + ", opcje " + std::to_string(opcje));
      const TZasadyOceny zasady{opcje % 3 != 2, (opcje & 1) != 0, (opcje & 2) != 0,
                                (opcje & 4) != 0};
      TObszar obszar = CalaTabela(szkola.Dyzury);
      if (opcje % 3 == 1) obszar = {1, rejonow - 1, 1, szkola.Dyzury.LiczbaMomentow() - 2};
      // Every other run starts over, the rest go on over the table left.
      if (opcje % 2 == 0) a = szkola, b = szkola;
      TWyborLiczacy wa;
      TWyborSortujacy wb;
      TListaWariantow la, lb;
      const int na = wpisz_warianty(a, obszar, zasady, wa, la);
      EXPECT_EQ(na, wpisz_wzorcowo(b, obszar, zasady, wb, lb));
      EXPECT_TRUE(a.Dyzury == b.Dyzury);
      // Only the last cell's list is built, and it is the reference's.
      EXPECT_LE(wa.Pytan, 1);
      la.sortuj_warianty(2);
      EXPECT_EQ(la.Warianty(), lb.Warianty());
      EXPECT_EQ(la.Moment(), lb.Moment());
      wpisano += na;
    }
  }
  EXPECT_GT(wpisano, 1000);
}

// ---------------------------------------------------------------------------

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
  NowyPlanLekcji();
  PrzebudujPlan(m, przed, {true, true, true, true});
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
  NowyPlanLekcji();
  PrzebudujPlan(m, przed, {false, false, false, false});
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
