// The judgement of candidates, the check and the list.
#include "core/planning/rozpietosc.h"
#include "planowanie.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

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

// The spread: each teacher's load is the larger of his two shares; a
// teacher without a limit is left out.
TEST(PlanCheck, SpreadOfTheLoads) {
  TModele m = Szkola({4}, 4, 1, 1, 2);
  for (int k = 0; k < 4; ++k) m.Momenty[k].Minuty = static_cast<uint8_t>(k == 0 ? 30 : 10);
  const int limity[][2] = {{4, 100}, {2, 20}, {4, 100}, {0, 100}};
  for (int t = 0; t < 4; ++t)
    m.Nauczyciele[t].LimitDyzurow = limity[t][0], m.Nauczyciele[t].LimitMinut = limity[t][1];
  m.Dyzury.UstawDyzurnego(0, 0, 0);  // teacher 0: 1 of 4, 30 of 100 minutes
  m.Dyzury.UstawDyzurnego(0, 1, 1);  // teacher 1: 2 of 2
  m.Dyzury.UstawDyzurnego(1, 2, 1);
  m.Dyzury.UstawDyzurnego(1, 3, 3);  // teacher 3: no count limit
  const TRozpietosc r = Rozpietosc(m);
  EXPECT_EQ(r.Nauczycieli, 3);
  EXPECT_DOUBLE_EQ(r.NajwiekszeObciazenie, 1.0);
  EXPECT_DOUBLE_EQ(r.NajmniejszeObciazenie, 0.0);  // teacher 2
  EXPECT_EQ(r.NajwiecejDyzurow, 2);
  EXPECT_EQ(r.NaLimicie, 1);
  EXPECT_EQ(r.BezDyzuru, 1);
  m.Dyzury.UstawDyzurnego(0, 1, 2);
  EXPECT_DOUBLE_EQ(Rozpietosc(m).NajmniejszeObciazenie, 0.25);
  m.Nauczyciele[1].LimitDyzurow = 8;
  m.Nauczyciele[1].LimitMinut = 200;
  EXPECT_DOUBLE_EQ(Rozpietosc(m).NajwiekszeObciazenie, 0.3);  // teacher 0's minutes
  EXPECT_EQ(OpisRozpietosci(Rozpietosc(m)), "obciążenie od 13% do 30%, u limitu: 0, bez dyżuru: 0");
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

}  // namespace
