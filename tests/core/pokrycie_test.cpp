// Cover for absent teachers: the day's duties, their candidates, the day
// filled, and the records in the plan file.
#include "core/planning/pokrycie.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/eksport/ical.h"
#include "core/model/data.h"
#include "core/planning/oceniacz.h"
#include "mala_szkola.h"
#include "planowanie.h"
#include "pliki_testowe.h"
#include "wpis_wzorcowy.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

int Dzien(int rok, int miesiac, int dzien) {
  return static_cast<int>(*ZakodujDate(rok, miesiac, dzien));
}

const int kPoniedzialek = Dzien(2026, 12, 14);

// Five days of four periods from Monday 7 December 2026; every teacher
// teaches his class in every period; regions without rooms.
TModele Tydzien(int nauczycieli, int rejonow) {
  TModele m = Szkola({4, 4, 4, 4, 4}, nauczycieli, nauczycieli, nauczycieli, rejonow);
  m.Dni.DataPoczatku = Dzien(2026, 12, 7);
  for (int t = 0; t < nauczycieli; ++t) Lekcje(m, t, 0, m.Dni.LiczbaSlotow() - 1, t);
  return m;
}

TEST(Cover, DatesMapToThePlansDaysThroughItsWeeks) {
  TModele m = Tydzien(1, 1);
  EXPECT_EQ(DzienPlanu(m.Dni, kPoniedzialek), 0);
  EXPECT_EQ(DzienPlanu(m.Dni, kPoniedzialek + 4), 4);
  EXPECT_EQ(DzienPlanu(m.Dni, kPoniedzialek + 5), -1);  // Saturday
  EXPECT_EQ(DzienPlanu(m.Dni, kPoniedzialek - 7 * 30 + 2), 2);
  UstawDni(m, std::vector<int>(10, 2));  // weeks A and B
  EXPECT_EQ(DzienPlanu(m.Dni, kPoniedzialek + 1), 8);
  EXPECT_EQ(DzienPlanu(m.Dni, kPoniedzialek + 8), 1);
}

// Teacher 0 is away on Monday 14 December (and the Monday before), with
// duties at Monday's moments 1 and 2. Teacher 1 is on duty at moment 1,
// teacher 2's one duty is used by a cover on Tuesday, teacher 3 is away for
// period 2, teacher 4 covered once already.
TEST(Cover, CandidatesAreJudgedOnTheDayWithTheWeeksCover) {
  TModele m = Tydzien(6, 2);
  m.Dyzury.UstawDyzurnego(0, 1, 0);
  m.Dyzury.UstawDyzurnego(0, 2, 0);
  m.Dyzury.UstawDyzurnego(1, 1, 1);
  m.Dyzury.UstawDyzurnego(0, 5, 5);
  m.Nauczyciele[2].LimitDyzurow = 1;
  m.Zastepstwa.Nieobecnosci = {{0, kPoniedzialek - 7, kPoniedzialek, 0, 0, "kurs"},
                               {3, kPoniedzialek, kPoniedzialek, 2, 2, ""},
                               {5, kPoniedzialek + 1, kPoniedzialek + 1, 0, 0, ""}};
  m.Zastepstwa.Pokrycia = {{kPoniedzialek + 1, 5, 0, 2}, {kPoniedzialek - 7, 1, 0, 4}};
  UsunZbedne(m);
  ASSERT_EQ(m.Zastepstwa.Pokrycia.size(), 2u);

  const std::vector<TPozycjaPokrycia> pozycje = PozycjeDnia(m, kPoniedzialek);
  ASSERT_EQ(pozycje.size(), 2u);
  EXPECT_EQ(pozycje[0].Moment, 1);
  EXPECT_EQ(pozycje[1].Moment, 2);
  EXPECT_EQ(PozycjeDnia(m, kPoniedzialek - 7)[0].Kto, 4);

  const std::vector<TKandydatPokrycia> k = KandydaciPokrycia(m, kPoniedzialek, pozycje[0], Auto());
  std::vector<std::pair<int, int>> kolejnosc;  // teacher and message
  for (const TKandydatPokrycia& c : k)
    kolejnosc.emplace_back(c.Wariant.nauczyciel, c.Wariant.komunikat);
  const std::vector<std::pair<int, int>> oczekiwana = {{5, kBezKomunikatu},
                                                       {4, kBezKomunikatu},
                                                       {2, kKomunikatLimitDyzurow},
                                                       {1, kKomunikatZajety},
                                                       {3, kKomunikatZakaz}};
  EXPECT_EQ(kolejnosc, oczekiwana);
  EXPECT_EQ(k[1].Zastepstwa, 1);
  EXPECT_TRUE(k[4].Nieobecny);
  EXPECT_FALSE(k[2].Nieobecny);
  // At moment 2 teacher 3 is back, and teacher 1 is free.
  for (const TKandydatPokrycia& c : KandydaciPokrycia(m, kPoniedzialek, pozycje[1], Auto()))
    if (c.Wariant.nauczyciel == 3 || c.Wariant.nauczyciel == 1) {
      EXPECT_TRUE(Czysty(c.Wariant)) << int{c.Wariant.nauczyciel};
    }

  // The one covering can no longer be away himself.
  m.Zastepstwa.Nieobecnosci.push_back({4, kPoniedzialek - 7, kPoniedzialek - 7, 0, 0, ""});
  UsunZbedne(m);
  EXPECT_EQ(m.Zastepstwa.Pokrycia.size(), 1u);
}

// Every assignment of candidates to the day's open duties, each one clean
// when entered after the ones before: the most duties any of them covers.
int NajwiecejPokrytych(TModele& w, const std::vector<TPozycjaPokrycia>& p, size_t i) {
  if (i == p.size()) return 0;
  int najwiecej = NajwiecejPokrytych(w, p, i + 1);
  TOceniacz oceniacz(w);
  oceniacz.Przygotuj(p[i].Moment);
  for (int t = 0; t < w.Nauczyciele.Liczba(); ++t) {
    if (!Czysty(oceniacz.Ocen(t, p[i].Rejon, p[i].Moment, Auto()))) continue;
    w.Dyzury.UstawDyzurnego(p[i].Rejon, p[i].Moment, static_cast<uint8_t>(t));
    najwiecej = std::max(najwiecej, 1 + NajwiecejPokrytych(w, p, i + 1));
    w.Dyzury.UstawDyzurnego(p[i].Rejon, p[i].Moment, kBrak);
  }
  return najwiecej;
}

TEST(Cover, TheAutomaticDayCoversAsManyAsAnyAssignment) {
  int pozycji = 0;
  for (unsigned ziarno = 1; ziarno <= 12; ++ziarno) {
    TCechySzkoly c;
    c.HojneLimity = true;
    TModele m = LosowaSzkola(ziarno, 7, 5, 4, 2, c);
    m.Dni.DataPoczatku = Dzien(2026, 12, 7);
    TWyborAutomatyczny wybor;
    TListaWariantow lista;
    wpisz_warianty(m, CalaTabela(m.Dyzury), Auto(), wybor, lista);
    for (int k = 0; k < static_cast<int>(m.Dni.Dni[0].Godziny.size()); ++k)
      m.Dyzury.UstawDyzurnego(0, k, U8(k % 3));
    m.Zastepstwa.Nieobecnosci = {{0, kPoniedzialek, kPoniedzialek, 0, 0, ""},
                                 {1, kPoniedzialek, kPoniedzialek, 2, 0, ""},
                                 {2, kPoniedzialek, kPoniedzialek, 0, 2, ""}};
    const std::vector<TPozycjaPokrycia> p = PozycjeDnia(m, kPoniedzialek);
    pozycji += static_cast<int>(p.size());
    TModele w = WidokDnia(m, kPoniedzialek);
    const int najwiecej = NajwiecejPokrytych(w, p, 0);
    PokryjDzien(m, kPoniedzialek, Auto());
    EXPECT_EQ(static_cast<int>(m.Zastepstwa.Pokrycia.size()), najwiecej) << ziarno;
    // Each cover is clean with the others in place.
    TModele po = WidokDnia(m, kPoniedzialek);
    for (const TZastepstwo& z : m.Zastepstwa.Pokrycia) {
      po.Dyzury.UstawDyzurnego(z.Rejon, z.Moment, kBrak);
      TOceniacz oceniacz(po);
      oceniacz.Przygotuj(z.Moment);
      EXPECT_TRUE(Czysty(oceniacz.Ocen(z.Nauczyciel, z.Rejon, z.Moment, Auto()))) << ziarno;
      po.Dyzury.UstawDyzurnego(z.Rejon, z.Moment, z.Nauczyciel);
    }
  }
  EXPECT_GT(pozycji, 20);
}

// Teacher 0 away for two weeks with a duty every day: three equal
// candidates end the term with as many covers each, give or take one.
TEST(Cover, TheAutomaticDaysAreFairOverTheTerm) {
  TModele m = Tydzien(4, 1);
  for (int d = 0; d < 5; ++d) m.Dyzury.UstawDyzurnego(0, d * 4 + 1, 0);
  m.Zastepstwa.Nieobecnosci = {{0, kPoniedzialek, kPoniedzialek + 11, 0, 0, "choroba"}};
  for (int data = kPoniedzialek; data <= kPoniedzialek + 11; ++data) PokryjDzien(m, data, Auto());
  ASSERT_EQ(m.Zastepstwa.Pokrycia.size(), 10u);
  const std::vector<TKsiega> k = KsiegaZastepstw(m);
  EXPECT_EQ(k[0].Plan, 5);
  EXPECT_EQ(k[0].Otrzymane, 10);
  int najmniej = 10, najwiecej = 0;
  for (int t = 1; t < 4; ++t) {
    najmniej = std::min(najmniej, k[static_cast<size_t>(t)].Dane);
    najwiecej = std::max(najwiecej, k[static_cast<size_t>(t)].Dane);
  }
  EXPECT_LE(najwiecej - najmniej, 1);
}

// A cover duty is a single event in the calendar of the one covering, and
// the absent teacher's weekly duty skips that date.
TEST(Cover, CalendarsHaveTheCoverDutiesAndSkipTheCoveredDates) {
  TModele m = Tydzien(3, 1);
  m.Rejony[0].Nazwa = "Boisko";
  m.Dyzury.UstawDyzurnego(0, 1, 0);
  m.Zastepstwa.Nieobecnosci = {{0, kPoniedzialek, kPoniedzialek, 0, 0, ""}};
  m.Zastepstwa.Pokrycia = {{kPoniedzialek, 1, 0, 2}};
  const std::string zastepujacy = KalendarzNauczyciela(m, 2, {}),
                    nieobecny = KalendarzNauczyciela(m, 0, {});
  EXPECT_NE(zastepujacy.find("DTSTART;VALUE=DATE:20261214\r\nDTEND;VALUE=DATE:20261215\r\n"
                             "SUMMARY:Zastępstwo: Boisko\r\n"),
            std::string::npos)
      << zastepujacy;
  EXPECT_EQ(zastepujacy.find("BEGIN:VEVENT"), zastepujacy.rfind("BEGIN:VEVENT"));  // only that
  EXPECT_NE(nieobecny.find("EXDATE;VALUE=DATE:20261214\r\nRRULE:FREQ=WEEKLY"), std::string::npos)
      << nieobecny;
}

// The records go into a section of their own after everything else: the
// file without them is the same bytes with that section's directory entry
// unset, so a reader that does not know the section reads the same plan.
TEST(Cover, TheFileSectionIsAppendedAndReadBack) {
  const TFolder folder;
  TDokument d;
  static_cast<TModele&>(d) = Tydzien(3, 2);
  d.Dyzury.UstawDyzurnego(1, 2, 0);
  ASSERT_TRUE(d.ZapiszPlik(folder / "bez.vlm"));
  d.Zastepstwa.Nieobecnosci = {{0, kPoniedzialek, kPoniedzialek + 2, 1, 3, "Kurs \"BHP\""}};
  d.Zastepstwa.Pokrycia = {{kPoniedzialek, 2, 1, 2}, {kPoniedzialek + 1, 6, 0, kZamkniete}};
  ASSERT_TRUE(d.ZapiszPlik(folder / "z.vlm"));
  const TBajty bez = CzytajPlik(folder / "bez.vlm"), z = CzytajPlik(folder / "z.vlm");
  ASSERT_GT(z.size(), bez.size());
  TBajty poczatek(z.begin(), z.begin() + static_cast<long>(bez.size()));
  int32_t wpis = 0;
  std::memcpy(&wpis, poczatek.data() + 4 * 20, 4);
  EXPECT_EQ(wpis, static_cast<int32_t>(bez.size()));
  std::memset(poczatek.data() + 4 * 20, 0xFF, 4);
  EXPECT_EQ(poczatek, bez);
  TDokument odczyt;
  ASSERT_TRUE(odczyt.OtworzPlik(folder / "z.vlm", kRodzajPlanDyzurow));
  EXPECT_EQ(odczyt.Zastepstwa, d.Zastepstwa);
  // Regions removed and inserted take their cover with them.
  TModele r = odczyt;
  ASSERT_TRUE(r.UsunRejon(0));
  EXPECT_EQ(r.Zastepstwa.Pokrycia, (std::vector<TZastepstwo>{{kPoniedzialek, 2, 0, 2}}));
  r.WstawRejon(0);
  EXPECT_EQ(r.Zastepstwa.Pokrycia[0].Rejon, 1);
  // A record naming a region that does not exist is a damaged file.
  d.Zastepstwa.Pokrycia[0].Rejon = 2;
  ASSERT_TRUE(d.ZapiszPlik(folder / "zly.vlm"));
  EXPECT_FALSE(odczyt.OtworzPlik(folder / "zly.vlm", kRodzajPlanDyzurow));
}

}  // namespace
