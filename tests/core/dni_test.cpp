#include "core/model/dni.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "core/archive/bledy.h"
#include "core/model/data.h"
#include "pliki_testowe.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

using TPara = std::pair<int, int>;

TDni ZDniami(const std::vector<int>& godzin) {
  TDni d;
  d.Dni.clear();
  for (int c : godzin)
    d.Dni.push_back(TDzien{std::vector<TGodz>(static_cast<size_t>(c)), kKolorDomyslny});
  d.Przelicz();
  return d;
}

double Data(int r, int m, int d) { return ZakodujDate(r, m, d).value(); }

// Section 0 body with `godzin[i]` unnamed periods on day i.
TBajty Tresc(const std::vector<int>& godzin) {
  TBajty b;
  DopiszI32(b, static_cast<int32_t>(godzin.size()));
  for (int c : godzin) {
    DopiszI32(b, c);
    b.insert(b.end(), static_cast<size_t>(c), 0);
    DopiszI32(b, 0x123456);
  }
  b.push_back(7);  // first carried byte
  return b;
}

TBajty TrescNowa(const std::vector<int>& godzin, double data) {
  TBajty b = Tresc(godzin);
  DopiszF64(b, data);
  b.push_back(200);
  DopiszI32(b, 1);
  DopiszI32(b, 2);
  return b;
}

TBajty TrescStara(const std::vector<int>& godzin, int16_t r, int16_t m, int16_t d) {
  TBajty b = Tresc(godzin);
  DopiszI16(b, r);
  DopiszI16(b, m);
  DopiszI16(b, d);
  return b;
}

// Reads section 0 of a container built from `tresc` into `dni`.
void Czytaj(TDni& dni, uint8_t wersja, const TBajty& tresc) {
  TFolder folder;
  const auto p = folder / "dni.bin";
  ZapiszPlik(p, Kontener(wersja, tresc));
  TOrvelOdczyt s(p);
  s.Wersja = s.CzytajBajt();
  ASSERT_TRUE(s.IdzDoSekcji(0));
  dni.Czytaj(s, kRodzajPlanDyzurow);
  EXPECT_EQ(s.Pozostalo(), 0);
}

}  // namespace

TEST(Dni, SlotNumberingSkipsDaysWithoutPeriods) {
  const TDni d = ZDniami({0, 7, 0, 5});
  EXPECT_EQ(d.LiczbaSlotow(), 12);
  EXPECT_EQ(d.PierwszySlot(0), 0);
  EXPECT_EQ(d.PierwszySlot(1), 0);
  EXPECT_EQ(d.PierwszySlot(2), 7);
  EXPECT_EQ(d.PierwszySlot(3), 7);
  EXPECT_EQ(d.DniSzkolne, (TWektor<int>{1, 3}));
  EXPECT_EQ(d.NajdluzszyDzien, 1);
  EXPECT_EQ(d.Slot(0, 0), kBrakSlotu);
  EXPECT_EQ(d.Slot(2, 0), kBrakSlotu);
  EXPECT_EQ(d.Slot(3, 4), 11);
  EXPECT_EQ(d.DzienILekcja(7), TPara(3, 0));
  EXPECT_EQ(d.DzienILekcja(6), TPara(1, 6));
  for (int s = 0; s < d.LiczbaSlotow(); ++s) {
    const auto [dzien, lekcja] = d.DzienILekcja(s);
    EXPECT_EQ(d.Slot(dzien, lekcja), s);
  }
}

TEST(Dni, LongestDayIsTheEarliestOnATie) {
  EXPECT_EQ(ZDniami({2, 6, 6}).NajdluzszyDzien, 1);
  EXPECT_EQ(ZDniami({0, 0}).NajdluzszyDzien, 0);
  EXPECT_EQ(ZDniami({1, 3, 4}).NajdluzszyDzien, 2);
}

TEST(Dni, SlotsOutsideTheDays) {
  const TDni d = ZDniami({3, 2});
  EXPECT_EQ(d.Slot(0, 3), kBrakSlotu);
  EXPECT_EQ(d.Slot(1, 2), kBrakSlotu);
  EXPECT_EQ(d.Slot(1, -1), kBrakSlotu);
  EXPECT_EQ(d.Slot(2, 0), kBrakSlotu);
  EXPECT_EQ(d.Slot(-1, 0), kBrakSlotu);
  EXPECT_EQ(d.DzienILekcja(5), TPara(0, 0));
  EXPECT_EQ(d.DzienILekcja(-1), TPara(0, 0));
}

TEST(Dni, FullWeekOfSlots) {
  const TDni d = ZDniami(std::vector<int>(390, 25));
  EXPECT_EQ(d.LiczbaSlotow(), 9750);
  EXPECT_EQ(d.DzienILekcja(9749), TPara(389, 24));
  EXPECT_EQ(d.Slot(389, 24), 9749);
  EXPECT_EQ(d.DzienILekcja(9750), TPara(0, 0));
}

TEST(Dni, StartDateMovesForwardToMonday) {
  TDni d = ZDniami({1});
  const std::vector<std::pair<double, double>> przypadki = {
      {Data(2024, 1, 2), Data(2024, 1, 8)},  // Tuesday
      {Data(2024, 1, 7), Data(2024, 1, 8)},  // Sunday
      {Data(2024, 1, 6), Data(2024, 1, 8)},  // Saturday
      {Data(2024, 1, 8), Data(2024, 1, 8)},  // Monday
  };
  for (const auto& [przed, po] : przypadki) {
    d.DataPoczatku = przed;
    d.Przelicz();
    EXPECT_EQ(d.DataPoczatku, po) << przed;
  }
}

TEST(Dni, StartDateWithATimeLandsOnMondayOnce) {
  TDni d = ZDniami({1});
  // Saturday 30 December 1899 6:00, Wednesday 27 December 1899 12:00, and
  // the last instant of a Sunday whose Monday is day 65536, where the
  // spacing of doubles grows.
  for (double przed : {-0.25, -3.5, std::nextafter(65536.0, 0.0)}) {
    d.DataPoczatku = przed;
    d.Przelicz();
    const double po = d.DataPoczatku;
    EXPECT_EQ(DzienTygodnia(po), 2) << przed;
    d.Przelicz();
    EXPECT_EQ(d.DataPoczatku, po) << przed;
  }
  d.DataPoczatku = -0.25;
  d.Przelicz();
  EXPECT_EQ(d.DataPoczatku, 2.25);
}

TEST(Dni, RangeOfSchoolDaysIsClamped) {
  TDni d = ZDniami({1, 1, 0, 1, 1, 1});
  d.PierwszyDzien = 4;
  d.OstatniDzien = 9;
  d.Przelicz();
  EXPECT_EQ(d.PierwszyDzien, 4);
  EXPECT_EQ(d.OstatniDzien, 4);
  d.PierwszyDzien = 7;
  d.Przelicz();
  EXPECT_EQ(d.PierwszyDzien, 0);
  EXPECT_EQ(d.OstatniDzien, 4);
  d.PierwszyDzien = 3;
  d.OstatniDzien = 2;
  d.Przelicz();
  EXPECT_EQ(d.OstatniDzien, 4);
  d.PierwszyDzien = 1;
  d.OstatniDzien = 3;
  d.Przelicz();
  EXPECT_EQ(d.PierwszyDzien, 1);
  EXPECT_EQ(d.OstatniDzien, 3);
}

TEST(Dni, NewObjectIsSavedAsFiveEmptyDays) {
  const TDni d;
  EXPECT_EQ(DzienTygodnia(d.DataPoczatku), 2);
  EXPECT_GE(d.DataPoczatku, Dzisiaj());
  EXPECT_LT(d.DataPoczatku, Dzisiaj() + 7);
  EXPECT_EQ(d.PierwszyDzien, 0);
  EXPECT_EQ(d.OstatniDzien, -1);
  EXPECT_EQ(d.LiczbaSlotow(), 0);

  TFolder folder;
  const auto p = folder / "dni.bin";
  {
    TOrvelZapis z(p);
    d.Zapisz(z);
  }
  TBajty oczekiwane;
  DopiszI32(oczekiwane, 5);
  for (int i = 0; i < 5; ++i) {
    DopiszI32(oczekiwane, 0);
    DopiszI32(oczekiwane, static_cast<int32_t>(kKolorDomyslny));
  }
  oczekiwane.push_back(0);
  DopiszF64(oczekiwane, d.DataPoczatku);
  oczekiwane.push_back(0);
  DopiszI32(oczekiwane, 0);
  DopiszI32(oczekiwane, -1);
  const TBajty b = CzytajPlik(p);
  EXPECT_EQ(TBajty(b.begin() + 120, b.end()), oczekiwane);
}

TEST(Dni, DayNames) {
  EXPECT_EQ(TDni::NazwaDnia(9, 3), "\x8Cro");
  EXPECT_EQ(TDni::NazwaDnia(6, 0), "Niedziela");
  EXPECT_EQ(TDni::NazwaDnia(0, 0),
            "Poniedzia\xB3"
            "ek");
  EXPECT_EQ(TDni::NazwaDnia(4, 3), "Pi\xB9");
  EXPECT_EQ(TDni::NazwaDnia(12, 20), "Sobota");
}

TEST(Dni, RoundTripThroughAFile) {
  TDni d = ZDniami({2, 0, 1});
  d.Dni[0].Godziny = {{"8:00-8:45"}, {"8:55-9:40"}};
  d.Dni[2].Godziny = {
      {"\x9Cr\xF3"
       "dka"}};
  d.Dni[1].Kolor = 0x00FF0000;
  d.DataPoczatku = Data(2024, 9, 2);
  d.Znacznik1 = 3;
  d.Znacznik2 = 200;
  d.PierwszyDzien = 1;
  d.OstatniDzien = 1;
  d.Przelicz();

  TFolder folder;
  const auto p = folder / "plan.bin";
  {
    TOrvelZapis z(p);
    z.ZapiszBajt(kWersjaZapisu);
    z.PoczatekSekcji(0);
    d.Zapisz(z);
  }
  TOrvelOdczyt s(p);
  s.Wersja = s.CzytajBajt();
  ASSERT_TRUE(s.IdzDoSekcji(0));
  TDni r = ZDniami({4, 4, 4, 4});
  r.Czytaj(s, kRodzajPlanDyzurow);
  EXPECT_EQ(s.Pozostalo(), 0);
  EXPECT_EQ(r.Dni, d.Dni);
  EXPECT_EQ(r.DataPoczatku, d.DataPoczatku);
  EXPECT_EQ(r.Znacznik1, 3);
  EXPECT_EQ(r.Znacznik2, 200);
  EXPECT_EQ(r.PierwszyDzien, 1);
  EXPECT_EQ(r.OstatniDzien, 1);
  EXPECT_EQ(r.LiczbaSlotow(), 3);
  EXPECT_EQ(r.DniSzkolne, (TWektor<int>{0, 2}));
}

TEST(Dni, OldDateFormKeepsTheRangeFields) {
  TDni d = ZDniami({1});
  d.Znacznik2 = 9;
  d.PierwszyDzien = 1;
  d.OstatniDzien = 2;
  Czytaj(d, 74, TrescStara({1, 1, 1}, 2003, 9, 1));
  EXPECT_EQ(d.DataPoczatku, Data(2003, 9, 1));
  EXPECT_EQ(d.Dni.size(), 3u);
  EXPECT_EQ(d.Dni[0].Kolor, 0x123456u);
  EXPECT_EQ(d.Znacznik1, 7);
  EXPECT_EQ(d.Znacznik2, 9);
  EXPECT_EQ(d.PierwszyDzien, 1);
  EXPECT_EQ(d.OstatniDzien, 2);

  Czytaj(d, 60, TrescStara({1}, 2003, 9, 3));  // a Wednesday
  EXPECT_EQ(d.DataPoczatku, Data(2003, 9, 8));
}

TEST(Dni, NewDateFormFromVersion75) {
  TDni d;
  Czytaj(d, 75, TrescNowa({1, 1, 1}, Data(2010, 9, 1)));
  EXPECT_EQ(d.DataPoczatku, Data(2010, 9, 6));
  EXPECT_EQ(d.Znacznik2, 200);
  EXPECT_EQ(d.PierwszyDzien, 1);
  EXPECT_EQ(d.OstatniDzien, 2);
}

TEST(Dni, BadDatesAreRefused) {
  TDni d = ZDniami({2});
  for (const auto& [r, m, dz] : std::vector<std::tuple<int16_t, int16_t, int16_t>>{
           {2003, 2, 29}, {2003, 13, 1}, {0, 1, 1}, {2003, 4, 31}, {9999, 12, 28}}) {
    EXPECT_THROW(Czytaj(d, 74, TrescStara({1}, r, m, dz)), EStrumien) << r << "-" << m << "-" << dz;
  }
  // The last days of 9999 would move past the last readable Monday.
  for (double data :
       {std::nan(""), std::numeric_limits<double>::infinity(), 3e6, -7e5, Data(9999, 12, 30)}) {
    EXPECT_THROW(Czytaj(d, 103, TrescNowa({1}, data)), EStrumien) << data;
  }
  EXPECT_EQ(d.LiczbaSlotow(), 2);  // a refused read leaves the days as they were

  Czytaj(d, 74, TrescStara({1}, 9999, 12, 27));
  EXPECT_EQ(d.DataPoczatku, Data(9999, 12, 27));
}

TEST(Dni, TooManyDaysOrSlotsAreRefused) {
  const double poniedzialek = Data(2024, 1, 8);
  TDni d;
  Czytaj(d, 103, TrescNowa(std::vector<int>(390, 0), poniedzialek));
  EXPECT_EQ(d.Dni.size(), 390u);
  EXPECT_THROW(Czytaj(d, 103, TrescNowa(std::vector<int>(391, 0), poniedzialek)), EStrumien);

  Czytaj(d, 103, TrescNowa({9749, 1}, poniedzialek));
  EXPECT_EQ(d.LiczbaSlotow(), 9750);
  EXPECT_THROW(Czytaj(d, 103, TrescNowa({9750, 1}, poniedzialek)), EStrumien);
  EXPECT_THROW(Czytaj(d, 103, TrescNowa({9751}, poniedzialek)), EStrumien);
  EXPECT_EQ(d.LiczbaSlotow(), 9750);
}
