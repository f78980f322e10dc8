#include "core/document/dokument.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <functional>

#include "core/archive/bledy.h"
#include "core/archive/cp1250.h"
#include "core/document/konfiguracja.h"
#include "core/planning/nowyplan.h"
#include "pliki_testowe.h"
#include "rejestr_bledow.h"
#include "szkola_testowa.h"
#include "wpis_wzorcowy.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

TPozycjaDysp Pozycja(std::initializer_list<uint8_t> lista, uint8_t zakaz = 0) {
  TPozycjaDysp p;
  p.Zakaz = zakaz;
  p.Znacznik = 7;
  p.Lista = TKrotkaLista(lista);
  return p;
}

// Days of 4, 0 and 3 periods (7 slots), three teachers, two classes, two
// rooms, two subjects, three regions, a partly filled duty table, settings.
void WypelnijDokument(TDokument& d) {
  d.Dni.Dni = {TDzien{{{"8:00"}, {"8:55"}, {"9:50"}, {"10:45"}}, 0x123456}, TDzien{},
               TDzien{{{"8:00"}, {"8:55"}, {"9:50"}}, kKolorDomyslny}};
  d.Dni.Znacznik1 = 4;
  d.Dni.Znacznik2 = 9;
  d.Dni.PierwszyDzien = 1;
  d.Dni.OstatniDzien = 1;
  d.Dni.Przelicz();
  const int sloty = d.Dni.LiczbaSlotow();
  d.Nauczyciele.ZmienRozmiar(3);
  const char* nazwiska[] = {"Nowak", "Wiśniewska", "Żółć"};
  for (int t = 0; t < 3; ++t) {
    TNaucz& n = d.Nauczyciele[t];
    n.Nazwisko = Utf8DoCp1250(nazwiska[t]);
    n.Imie = "Jan";
    n.LimitDyzurow = 2 + t;
    n.LimitMinut = 30 + t;
    n.Kolor = 0x00010203u * static_cast<uint32_t>(t + 1);
    for (int s = 0; s < sloty; ++s)
      n.Dyspozycja.Pozycje.push_back(Pozycja({static_cast<uint8_t>((s + t) % 2)}, s == t));
  }
  d.Oddzialy.ZmienRozmiar(2);
  d.Sale.ZmienRozmiar(2);
  for (int i = 0; i < 2; ++i) {
    d.Oddzialy[i].Nazwa = "1" + std::string(1, static_cast<char>('a' + i));
    d.Sale[i].Nazwa = std::to_string(101 + i);
    d.Sale[i].Dane1 = {1, 2, static_cast<uint8_t>(i)};
    for (int s = 0; s < sloty; ++s) {
      d.Oddzialy[i].Przedmioty.Pozycje.push_back(Pozycja({0, 1}));
      d.Oddzialy[i].Sale.Pozycje.push_back(Pozycja({0, 1}));
      d.Sale[i].Zajecia.Pozycje.push_back(Pozycja({static_cast<uint8_t>(i)}));
    }
  }
  d.Przedmioty.ZmienRozmiar(2);
  d.Przedmioty[0].Nazwa = "matematyka";
  d.Przedmioty[0].Program.Oczka = {{2, 0}, {3, 1}};
  d.Przedmioty[0].Grupy.Grupy = {TWektor<uint8_t>{0, 1}};
  d.Przedmioty[1].Znacznik = 5;
  d.Momenty.ZmienRozmiar(sloty);
  d.Momenty[2] = {"długa", 20, 1, 0x00FF00};
  d.Dyzury.ZmienRozmiar(0, sloty);
  for (int r = 0; r < 3; ++r) d.Rejony.WstawRejon(r, d.Dyzury);
  d.Rejony[0].Nazwa = "Parter";
  d.Rejony[0].SaleRejonu = {0, 1};
  d.Dyzury.UstawDyzurnego(1, 3, 2);
  d.Dyzury.UstawDyzurnego(0, 6, kZamkniete);
  d.Opcje.Ustaw(TOpcja::kPrzedLekcjami, true);
  d.Stopka.Okna[kOknoGlowne].Prostokat = {10, 20, 410, 220};
  d.Stopka.Okna[kOknoPlan].Siatka.Szerokosci = {80, 120, 120};
  d.Stopka.Okna[kOknoPlan].Siatka.FixedCols = 2;
  d.Stopka.WpisujAutomatycznie = true;
}

class Document : public ::testing::Test {
 protected:
  TFolder folder;
  TRejestrKodow rejestr;
  TZmianaRaportu zmiana{&rejestr};
};

bool RowneModele(const TModele& a, const TModele& b) {
  return a.Dni.Dni == b.Dni.Dni && a.Dni.DataPoczatku == b.Dni.DataPoczatku &&
         a.Dni.PierwszyDzien == b.Dni.PierwszyDzien && a.Nauczyciele == b.Nauczyciele &&
         a.Oddzialy == b.Oddzialy && a.Przedmioty == b.Przedmioty && a.Sale == b.Sale &&
         a.Momenty == b.Momenty && a.Rejony == b.Rejony && a.Dyzury == b.Dyzury &&
         a.Opcje == b.Opcje && a.Stopka == b.Stopka;
}

}  // namespace

TEST_F(Document, SaveAndOpenGiveTheSameModelsAndTheSameBytes) {
  TDokument d;
  WypelnijDokument(d);
  d.WersjaPliku = 103;
  d.Zmieniony = true;
  ASSERT_TRUE(d.ZapiszPlik(folder / "a.vlm"));
  EXPECT_FALSE(d.Zmieniony);

  TDokument e;
  ASSERT_TRUE(e.OtworzPlik(folder / "a.vlm", kRodzajPlanDyzurow));
  EXPECT_TRUE(RowneModele(d, e));
  EXPECT_EQ(e.WersjaPliku, 103);
  ASSERT_TRUE(e.ZapiszPlik(folder / "b.vlm"));
  EXPECT_EQ(CzytajPlik(folder / "a.vlm"), CzytajPlik(folder / "b.vlm"));
  EXPECT_TRUE(rejestr.kody.empty());
  EXPECT_EQ(PlikiFolderu(folder), (std::vector<std::string>{"a.vlm", "b.vlm"}));
}

TEST_F(Document, SectionsLieInOrderAndTheTableIsFollowedByTheOptions) {
  TDokument d;
  d.Dni.Dni.assign(3, TDzien{});
  for (auto& dzien : d.Dni.Dni) dzien.Godziny.assign(4, TGodz{"x"});
  d.Dni.Przelicz();
  d.Momenty.ZmienRozmiar(12);
  d.Dyzury.ZmienRozmiar(0, 12);
  for (int r = 0; r < 3; ++r) d.Rejony.WstawRejon(r, d.Dyzury);
  ASSERT_TRUE(d.ZapiszPlik(folder / "a.vlm"));
  const TBajty b = CzytajPlik(folder / "a.vlm");
  EXPECT_EQ(b[120], 103);
  const int sekcje[] = {0, 1, 2, 3, 4, 11, 12, 13};
  for (int i = 1; i < 8; ++i) EXPECT_LT(I32Z(b, 4 * sekcje[i - 1]), I32Z(b, 4 * sekcje[i]));
  EXPECT_EQ(I32Z(b, 0), 121);
  EXPECT_EQ(I32Z(b, 4 * 5), -1);
  const size_t tabela = static_cast<size_t>(I32Z(b, 4 * 13));
  for (size_t i = 0; i < 36; ++i) EXPECT_EQ(b[tabela + i], kBrak) << i;
  const TBajty opcje(b.begin() + static_cast<long>(tabela) + 36,
                     b.begin() + static_cast<long>(tabela) + 52);
  EXPECT_EQ(opcje, TBajty({0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(Document, BadVersionReportsFourThenOneAndReadsNothing) {
  TDokument d;
  WypelnijDokument(d);
  ASSERT_TRUE(d.ZapiszPlik(folder / "a.vlm"));
  for (uint8_t wersja : {uint8_t{59}, uint8_t{104}}) {
    TBajty b = CzytajPlik(folder / "a.vlm");
    b[120] = wersja;
    ZapiszPlik(folder / "z.vlm", b);
    TDokument e;
    e.Zmieniony = true;
    rejestr.kody.clear();
    EXPECT_FALSE(e.OtworzPlik(folder / "z.vlm", kRodzajPlanDyzurow));
    EXPECT_EQ(rejestr.kody, std::vector<int>({4, 1}));
    EXPECT_EQ(e.Nauczyciele.Liczba(), 0);
    EXPECT_TRUE(e.Zmieniony);
    EXPECT_EQ(e.WersjaPliku, 0);
  }
}

TEST_F(Document, FailedOpenLeavesEveryModelAsItWas) {
  TDokument d;
  WypelnijDokument(d);
  ASSERT_TRUE(d.ZapiszPlik(folder / "a.vlm"));
  // Cut inside the duty table: every section before it reads well.
  TBajty b = CzytajPlik(folder / "a.vlm");
  b.resize(static_cast<size_t>(I32Z(b, 4 * 13)) + 5);
  ZapiszPlik(folder / "cut.vlm", b);

  TDokument e;
  e.Dni.Dni.assign(2, TDzien{{{"x"}}, 1});
  e.Dni.Przelicz();
  e.Rejony.WstawRejon(0, e.Dyzury);
  e.Zmieniony = true;
  e.WersjaPliku = 77;
  const TDokument przed = e;
  EXPECT_FALSE(e.OtworzPlik(folder / "cut.vlm", kRodzajPlanDyzurow));
  EXPECT_EQ(rejestr.kody, std::vector<int>{1});
  EXPECT_TRUE(RowneModele(przed, e));
  EXPECT_TRUE(e.Zmieniony);
  EXPECT_EQ(e.WersjaPliku, 77);

  rejestr.kody.clear();
  EXPECT_FALSE(e.OtworzPlik(folder / "brak.vlm", kRodzajPlanDyzurow));
  EXPECT_EQ(rejestr.kody, std::vector<int>{1});
}

TEST_F(Document, AnOpenHoldsWhatAFreshDocumentHoldsWhereTheFileIsSilent) {
  TDokument d;
  WypelnijDokument(d);
  ASSERT_TRUE(d.ZapiszPlik(folder / "a.vlm"));
  TBajty b = CzytajPlik(folder / "a.vlm");
  for (int i : {1, 12}) {
    const int32_t brak = -1;
    std::memcpy(b.data() + 4 * i, &brak, 4);
  }
  b.resize(static_cast<size_t>(I32Z(b, 4 * 13)) + 7 * 3);  // no options, no trailer
  ZapiszPlik(folder / "bez.vlm", b);

  TDokument swiezy;
  ASSERT_TRUE(swiezy.OtworzPlik(folder / "bez.vlm", kRodzajPlanDyzurow));
  EXPECT_EQ(swiezy.Nauczyciele.Liczba(), 0);
  EXPECT_EQ(swiezy.Rejony.Liczba(), 0);
  EXPECT_EQ(swiezy.Oddzialy, d.Oddzialy);
  EXPECT_TRUE(swiezy.Spojne());
  // Over another plan the same file gives the same document.
  TDokument e;
  WypelnijDokument(e);
  e.Opcje.UstawLimitSekund(30);
  ASSERT_TRUE(e.OtworzPlik(folder / "bez.vlm", kRodzajPlanDyzurow));
  EXPECT_TRUE(static_cast<TModele&>(e) == swiezy);
}

TEST_F(Document, PlanWithoutMomentsOrTableOpensAsANewPlanHasThem) {
  TDokument d;
  WypelnijDokument(d);
  ASSERT_TRUE(d.ZapiszPlik(folder / "a.vlm"));
  for (int brak : {11, 13}) {
    TBajty b = CzytajPlik(folder / "a.vlm");
    const int32_t minus1 = -1;
    std::memcpy(b.data() + 4 * brak, &minus1, 4);
    ZapiszPlik(folder / "bez.vlm", b);

    TDokument e;
    ASSERT_TRUE(e.OtworzPlik(folder / "bez.vlm", kRodzajPlanDyzurow)) << brak;
    ASSERT_TRUE(e.Spojne());
    if (brak == 11) {
      TMomenty nowe;
      nowe.ZmienRozmiar(7);
      EXPECT_EQ(e.Momenty, nowe);
      EXPECT_EQ(e.Dyzury, d.Dyzury);
    } else {
      EXPECT_EQ(e.Momenty, d.Momenty);
      ASSERT_EQ(e.Dyzury.LiczbaRejonow(), 3);
      ASSERT_EQ(e.Dyzury.LiczbaMomentow(), 7);
      for (int m = 0; m < 7; ++m)
        for (int r = 0; r < 3; ++r) EXPECT_EQ(e.Dyzury.Dyzurny(r, m), kBrak);
    }
    ASSERT_TRUE(e.ZapiszPlik(folder / "znowu.vlm"));
    TDokument f;
    ASSERT_TRUE(f.OtworzPlik(folder / "znowu.vlm", kRodzajPlanDyzurow));
    EXPECT_TRUE(static_cast<TModele&>(f) == e) << brak;
  }
}

TEST_F(Document, InconsistentDocumentIsNotWritten) {
  TDokument d;
  WypelnijDokument(d);
  ASSERT_TRUE(d.ZapiszPlik(folder / "a.vlm"));
  const TBajty stary = CzytajPlik(folder / "a.vlm");
  const auto psuj = std::vector<std::function<void(TDokument&)>>{
      [](TDokument& x) { x.Momenty.ZmienRozmiar(6); },
      [](TDokument& x) { x.Dyzury.ZmienRozmiar(3, 8); },
      [](TDokument& x) { x.Dyzury.ZmienRozmiar(2, 7); },
      [](TDokument& x) { x.Rejony.ZmienRozmiar(4); },
      [](TDokument& x) { x.Nauczyciele.ZmienRozmiar(252); },
  };
  for (size_t i = 0; i < psuj.size(); ++i) {
    TDokument e = d;
    psuj[i](e);
    e.Zmieniony = true;
    rejestr.kody.clear();
    EXPECT_FALSE(e.ZapiszPlik(folder / "a.vlm")) << i;
    EXPECT_EQ(rejestr.kody, std::vector<int>{3}) << i;
    EXPECT_TRUE(e.Zmieniony);
    EXPECT_EQ(CzytajPlik(folder / "a.vlm"), stary) << i;
  }
  EXPECT_EQ(PlikiFolderu(folder), std::vector<std::string>{"a.vlm"});
}

// Every kind of document the tests build is written and read back unchanged.
TEST_F(Document, EveryBuiltDocumentReadsBackTheSame) {
  std::vector<TModele> modele;
  TDokument wypelniony;
  WypelnijDokument(wypelniony);
  modele.push_back(wypelniony);
  modele.push_back(TModele{});
  for (unsigned ziarno = 1; ziarno <= 6; ++ziarno)
    modele.push_back(LosowaSzkola(ziarno, 5 + 9 * static_cast<int>(ziarno), 1 + ziarno % 5,
                                  4 + ziarno % 5, static_cast<int>(ziarno % 4) * 3));
  const TSzkola szkola = PrzykladowaSzkola();
  TModele zPlanu;
  zPlanu.Dni = szkola.Dni;
  zPlanu.Nauczyciele = szkola.Nauczyciele;
  zPlanu.Oddzialy = szkola.Oddzialy;
  zPlanu.Sale = szkola.Sale;
  zPlanu.Przedmioty = szkola.Przedmioty;
  PrzebudujPlan(zPlanu, TKsztaltPlanu{}, {});
  modele.push_back(zPlanu);

  for (size_t i = 0; i < modele.size(); ++i) {
    TDokument d;
    static_cast<TModele&>(d) = modele[i];
    d.WersjaPliku = 103;
    ASSERT_TRUE(d.ZapiszPlik(folder / "a.vlm")) << i;
    TDokument e;
    ASSERT_TRUE(e.OtworzPlik(folder / "a.vlm", kRodzajPlanDyzurow)) << i;
    EXPECT_TRUE(static_cast<TModele&>(e) == modele[i]) << i;
  }
  EXPECT_TRUE(rejestr.kody.empty());
}

TEST_F(Document, OlderVersionIsKeptAsTheGridBlocksVersionButTheFileIsCurrent) {
  TDokument d;
  WypelnijDokument(d);
  ASSERT_TRUE(d.ZapiszPlik(folder / "a.vlm"));
  TBajty b = CzytajPlik(folder / "a.vlm");
  // Version 95 has the current duty-plan form.
  b[120] = 95;
  ZapiszPlik(folder / "v95.vlm", b);
  TDokument e;
  ASSERT_TRUE(e.OtworzPlik(folder / "v95.vlm", kRodzajPlanDyzurow));
  EXPECT_EQ(e.WersjaPliku, 95);
  ASSERT_TRUE(e.ZapiszPlik(folder / "zapis.vlm"));
  EXPECT_EQ(e.WersjaPliku, 95);
  const TBajty c = CzytajPlik(folder / "zapis.vlm");
  EXPECT_EQ(c[120], 103);
  // The first grid block follows the main window's and the moments editor's
  // rectangles.
  const size_t stopka = c.size() - (b.size() - (static_cast<size_t>(I32Z(b, 4 * 13)) + 7 * 3 + 16));
  EXPECT_EQ(c[stopka + 32], 95);
}

TEST_F(Document, TrailerCutShortGivesWhatItCannotReadAsFresh) {
  TDokument d;
  WypelnijDokument(d);
  ASSERT_TRUE(d.ZapiszPlik(folder / "a.vlm"));
  TBajty b = CzytajPlik(folder / "a.vlm");
  const size_t stopka = static_cast<size_t>(I32Z(b, 4 * 13)) + 7 * 3 + 16;
  b.resize(stopka + 16 + 40);  // main rectangle, then part of the next entry
  ZapiszPlik(folder / "cut.vlm", b);
  TDokument e;
  e.Stopka.Okna[kOknoMomenty].Siatka.DefaultSzerIo = 77;
  ASSERT_TRUE(e.OtworzPlik(folder / "cut.vlm", kRodzajPlanDyzurow));
  EXPECT_TRUE(rejestr.kody.empty());
  EXPECT_EQ(e.Stopka.Okna[kOknoGlowne].Prostokat, d.Stopka.Okna[kOknoGlowne].Prostokat);
  EXPECT_EQ(e.Stopka.Okna[kOknoMomenty].Siatka.DefaultSzerIo,
            TDokument{}.Stopka.Okna[kOknoMomenty].Siatka.DefaultSzerIo);
  EXPECT_EQ(e.Dyzury, d.Dyzury);
}

TEST_F(Document, WindowsStoredOffTheDesktopComeBackOnIt) {
  TDokument d;
  d.Stopka.Okna[kOknoGlowne].Prostokat = {-2000, 50, -1700, 250};
  d.Stopka.Okna[kOknoRejony].Prostokat = {1019, 50, 1219, 150};
  ASSERT_TRUE(d.ZapiszPlik(folder / "a.vlm"));
  TDokument e;
  e.Pulpit = {0, 0, 1024, 768};
  ASSERT_TRUE(e.OtworzPlik(folder / "a.vlm", kRodzajPlanDyzurow));
  EXPECT_EQ(e.Stopka.Okna[kOknoGlowne].Prostokat, (TProstokat{0, 50, 300, 250}));
  EXPECT_EQ(e.Stopka.Okna[kOknoRejony].Prostokat, (TProstokat{0, 50, 200, 150}));
}

TEST_F(Document, FailedSaveKeepsTheOldFileAndTheChangedFlag) {
  TDokument d;
  WypelnijDokument(d);
  ASSERT_TRUE(d.ZapiszPlik(folder / "a.vlm"));
  const TBajty stary = CzytajPlik(folder / "a.vlm");

  d.Zmieniony = true;
  EXPECT_FALSE(d.ZapiszPlik(folder / "brak" / "a.vlm"));
  EXPECT_FALSE(d.ZapiszPlik(folder / "a.vlm" / "x.vlm"));
  EXPECT_EQ(rejestr.kody, std::vector<int>({3, 3}));
  EXPECT_TRUE(d.Zmieniony);

#ifndef _WIN32
  // A device that takes only part of the file: the write fails after some
  // sections. (Windows: a target held open, in the Windows safe-save tests.)
  rejestr.kody.clear();
  d.Rejony[0].Nazwa = "Piętro";
  auto* poprzedni = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{}, przed{};
  getrlimit(RLIMIT_FSIZE, &przed);
  limit = przed;
  limit.rlim_cur = 300;
  setrlimit(RLIMIT_FSIZE, &limit);
  const bool zapisano = d.ZapiszPlik(folder / "a.vlm");
  setrlimit(RLIMIT_FSIZE, &przed);
  std::signal(SIGXFSZ, poprzedni);
  EXPECT_FALSE(zapisano);
  EXPECT_EQ(rejestr.kody, std::vector<int>{3});
  EXPECT_TRUE(d.Zmieniony);
  EXPECT_EQ(CzytajPlik(folder / "a.vlm"), stary);
  EXPECT_EQ(PlikiFolderu(folder), std::vector<std::string>{"a.vlm"});
#endif
}

TEST_F(Document, SavingOverAnExistingFileReplacesIt) {
  ZapiszPlik(folder / "a.vlm", TBajty(5000, 0xAB));
  TDokument d;
  ASSERT_TRUE(d.ZapiszPlik(folder / "a.vlm"));
  TDokument e;
  EXPECT_TRUE(e.OtworzPlik(folder / "a.vlm", kRodzajPlanDyzurow));
}

class Configuration : public ::testing::Test {
 protected:
  TFolder folder;
  TRejestrKodow rejestr;
  TZmianaRaportu zmiana{&rejestr};
  TParametryUruchomieniowe p =
      TParametryUruchomieniowe::Zbuduj("/opt/velmor", (folder / "dok").string(), {});
  void SetUp() override { std::filesystem::create_directories(folder / "dok"); }
};

TEST_F(Configuration, StoresTheVersionByteAndTheName) {
  EXPECT_FALSE(CzytajKonfiguracje(p).has_value());
  EXPECT_EQ(PlikKonfiguracji(p), folder / "dok" / "vlm2025.cfg");
  ASSERT_TRUE(ZapiszKonfiguracje(p, "/szkoła/plan.vlm"));
  TBajty b = CzytajPlik(PlikKonfiguracji(p));
  ASSERT_EQ(b.size(), 1u + 4 + 16);
  EXPECT_EQ(b[0], 103);
  EXPECT_EQ(I32Z(b, 1), 16);
  EXPECT_EQ(b[1 + 4 + 5], 0xB3);  // "ł" in Windows-1250
  EXPECT_EQ(CzytajKonfiguracje(p), "/szkoła/plan.vlm");
  // A document never saved: nothing to reopen, and nothing to say.
  ASSERT_TRUE(ZapiszKonfiguracje(p, ""));
  EXPECT_EQ(CzytajPlik(PlikKonfiguracji(p)).size(), 5u);
  EXPECT_FALSE(CzytajKonfiguracje(p).has_value());
  EXPECT_TRUE(rejestr.kody.empty());
}

TEST_F(Configuration, CommandLineFileIsOpenedWithOrWithoutAFile) {
  TParametryUruchomieniowe zPlikiem = p;
  zPlikiem.JestPlik = true;
  zPlikiem.Plik = "/inny.vlm";
  EXPECT_EQ(CzytajKonfiguracje(zPlikiem), "/inny.vlm");  // first start
  ASSERT_TRUE(ZapiszKonfiguracje(p, "/plan.vlm"));
  EXPECT_EQ(CzytajKonfiguracje(zPlikiem), "/inny.vlm");
  ASSERT_TRUE(ZapiszKonfiguracje(p, ""));
  EXPECT_EQ(CzytajKonfiguracje(zPlikiem), "/inny.vlm");
  // A damaged file is still reported.
  ZapiszPlik(PlikKonfiguracji(p), TBajty{102});
  EXPECT_EQ(CzytajKonfiguracje(zPlikiem), "/inny.vlm");
  EXPECT_EQ(rejestr.kody, std::vector<int>{4});
}

TEST_F(Configuration, WrongFirstByteIsErrorFourAndNoReopen) {
  ZapiszPlik(PlikKonfiguracji(p), TBajty{102, 0, 0, 0, 0});
  EXPECT_FALSE(CzytajKonfiguracje(p).has_value());
  EXPECT_EQ(rejestr.kody, std::vector<int>{4});
  rejestr.kody.clear();
  ZapiszPlik(PlikKonfiguracji(p), TBajty{103, 50, 0, 0, 0, 'a'});  // name past the end
  EXPECT_FALSE(CzytajKonfiguracje(p).has_value());
  EXPECT_TRUE(rejestr.kody.empty());
}

// A name Windows-1250 cannot hold comes back exactly; the plain form in front
// of it still holds what that code page can.
TEST_F(Configuration, NamesOutsideTheCodePageComeBackExactly) {
  const std::string nazwa = "/plany/plan_ąę€ßñ😀.vlm";
  ASSERT_TRUE(ZapiszKonfiguracje(p, nazwa));
  EXPECT_EQ(CzytajKonfiguracje(p), nazwa);
  const TBajty b = CzytajPlik(PlikKonfiguracji(p));
  ASSERT_GT(b.size(), 5u);
  const auto zwykla = static_cast<size_t>(I32Z(b, 1));
  EXPECT_EQ(Cp1250DoUtf8(std::string(b.begin() + 5, b.begin() + 5 + static_cast<long>(zwykla))),
            "/plany/plan_ąę€ß??.vlm");
  // A name the code page holds is stored in the plain form only.
  ASSERT_TRUE(ZapiszKonfiguracje(p, "/szkoła/plan.vlm"));
  EXPECT_EQ(CzytajPlik(PlikKonfiguracji(p)).size(), 1u + 4 + 16);
  EXPECT_TRUE(rejestr.kody.empty());
}

// Devices, folders and absurd lengths are read as no configuration at all.
TEST_F(Configuration, OnlyABoundedRegularFileIsRead) {
#ifndef _WIN32
  std::filesystem::create_symlink("/dev/zero", PlikKonfiguracji(p));
  EXPECT_FALSE(CzytajKonfiguracje(p).has_value());
  std::filesystem::remove(PlikKonfiguracji(p));
#endif
  std::filesystem::create_directory(PlikKonfiguracji(p));
  EXPECT_FALSE(CzytajKonfiguracje(p).has_value());
  std::filesystem::remove(PlikKonfiguracji(p));
  TBajty b{103};
  DopiszI32(b, 0x7FFFFFF0);
  b.resize(b.size() + 70000, 'a');
  ZapiszPlik(PlikKonfiguracji(p), b);
  EXPECT_FALSE(CzytajKonfiguracje(p).has_value());
  EXPECT_TRUE(rejestr.kody.empty());
}

TEST_F(Configuration, UnwritableFolderFailsSilently) {
  const auto q =
      TParametryUruchomieniowe::Zbuduj("/opt/velmor", (folder / "nie" / "ma").string(), {});
  EXPECT_FALSE(ZapiszKonfiguracje(q, "/plan.vlm"));
  EXPECT_TRUE(rejestr.kody.empty());
}
