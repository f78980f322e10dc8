// The automatic entry.
#include "planowanie.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

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

}  // namespace
