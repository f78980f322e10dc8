#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "core/archive/bledy.h"
#include "core/archive/cp1250.h"
#include "core/document/dokument.h"
#include "core/model/data.h"
#include "pliki_testowe.h"
#include "rejestr_bledow.h"
#include "szkola_testowa.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

// What a fresh document holds after reading the sample at version v: files
// before 89 carry no per-slot byte, files before 75 no second carried byte
// and no range.
TSzkola Oczekiwana(int v) {
  TSzkola s = PrzykladowaSzkola();
  if (v < 89) {
    const auto zeruj = [](TDysp& d) {
      for (TPozycjaDysp& p : d.Pozycje) p.Znacznik = 0;
    };
    for (TNaucz& n : s.Nauczyciele) zeruj(n.Dyspozycja);
    for (TOddz& o : s.Oddzialy) {
      zeruj(o.Przedmioty);
      zeruj(o.Sale);
    }
    for (TSala& r : s.Sale) zeruj(r.Zajecia);
  }
  if (v < 75) {
    const TDni swiezy;
    s.Dni.Znacznik2 = swiezy.Znacznik2;
    s.Dni.PierwszyDzien = swiezy.PierwszyDzien;
    s.Dni.OstatniDzien = swiezy.OstatniDzien;
    s.Dni.Przelicz();
  }
  return s;
}

template <typename L>
void SprawdzListe(const L& a, const L& b, const char* co) {
  ASSERT_EQ(a.Liczba(), b.Liczba()) << co;
  for (int i = 0; i < a.Liczba(); ++i) EXPECT_TRUE(a[i] == b[i]) << co << " " << i;
}

void SprawdzSzkole(const TModele& m, const TSzkola& s) {
  EXPECT_TRUE(m.Dni.Dni == s.Dni.Dni);
  EXPECT_EQ(m.Dni.LiczbaSlotow(), s.Dni.LiczbaSlotow());
  EXPECT_EQ(m.Dni.DataPoczatku, s.Dni.DataPoczatku);
  EXPECT_EQ(m.Dni.Znacznik1, s.Dni.Znacznik1);
  EXPECT_EQ(m.Dni.Znacznik2, s.Dni.Znacznik2);
  EXPECT_EQ(m.Dni.PierwszyDzien, s.Dni.PierwszyDzien);
  EXPECT_EQ(m.Dni.OstatniDzien, s.Dni.OstatniDzien);
  SprawdzListe(m.Nauczyciele, s.Nauczyciele, "teacher");
  SprawdzListe(m.Oddzialy, s.Oddzialy, "class");
  SprawdzListe(m.Sale, s.Sale, "room");
  SprawdzListe(m.Przedmioty, s.Przedmioty, "subject");
}

bool Rowne(const TModele& a, const TModele& b) {
  return a.Dni.Dni == b.Dni.Dni && a.Dni.DataPoczatku == b.Dni.DataPoczatku &&
         a.Dni.Znacznik1 == b.Dni.Znacznik1 && a.Dni.Znacznik2 == b.Dni.Znacznik2 &&
         a.Dni.PierwszyDzien == b.Dni.PierwszyDzien && a.Dni.OstatniDzien == b.Dni.OstatniDzien &&
         a.Nauczyciele == b.Nauczyciele && a.Oddzialy == b.Oddzialy && a.Sale == b.Sale &&
         a.Przedmioty == b.Przedmioty && a.Momenty == b.Momenty && a.Rejony == b.Rejony &&
         a.Dyzury == b.Dyzury && a.Opcje == b.Opcje && a.Stopka == b.Stopka;
}

// The places where a raw int16 can be put in the file.
enum class TMiejsce { Lista, Znacznik, Program, Grupa, Dane1 };

void Wstaw(TWstawkiPlanu& w, TMiejsce m, int16_t x) {
  switch (m) {
    case TMiejsce::Lista: w.ListaNauczyciela = x; break;
    case TMiejsce::Znacznik: w.ZnacznikPrzedmiotu = x; break;
    case TMiejsce::Program: w.NauczycielProgramu = x; break;
    case TMiejsce::Grupa: w.Grupa = x; break;
    case TMiejsce::Dane1: w.Dane1Sali = x; break;
  }
}

template <typename M>
uint8_t& Bajt(M& m, TMiejsce miejsce) {
  switch (miejsce) {
    case TMiejsce::Lista: return m.Nauczyciele[0].Dyspozycja[0].Lista[0];
    case TMiejsce::Znacznik: return m.Przedmioty[0].Znacznik;
    case TMiejsce::Program: return m.Przedmioty[0].Program.Oczka[0].Nauczyciel;
    case TMiejsce::Grupa: return m.Przedmioty[0].Grupy.Grupy[0][0];
    case TMiejsce::Dane1: break;
  }
  return m.Sale[0].Dane1[1];
}

int Wpisy(const TDysp& d) {
  int n = 0;
  for (const TPozycjaDysp& p : d.Pozycje) n += p.Lista.Liczba();
  return n;
}

class TimetableFile : public ::testing::Test {
 protected:
  TFolder folder;
  TRejestrKodow raport;
  TZmianaRaportu zmiana{&raport};
  TSzkola szkola = PrzykladowaSzkola();
  std::filesystem::path plik = folder / "plan.pl";

  bool Wczytaj(TDokument& d, int v, const TWstawkiPlanu& w = {}) {
    ZapiszPlanLekcji(plik, v, szkola, w);
    return d.OtworzPlik(plik, kRodzajPlanLekcji);
  }

  // Sizes of sections 0 to 4 of a file written at version v.
  std::array<int64_t, 5> Rozmiary(int v) {
    ZapiszPlanLekcji(plik, v, szkola);
    const TBajty b = CzytajPlik(plik);
    std::array<int64_t, 5> r;
    for (int i = 0; i < 5; ++i)
      r[i] = (i < 4 ? I32Z(b, 4 * (i + 1)) : static_cast<int64_t>(b.size())) - I32Z(b, 4 * i);
    return r;
  }
};

}  // namespace

TEST_F(TimetableFile, EveryVersionReadsBackTheSchool) {
  for (int v = 60; v <= 103; ++v) {
    SCOPED_TRACE(v);
    TDokument d;
    ASSERT_TRUE(Wczytaj(d, v));
    EXPECT_EQ(d.WersjaPliku, v);
    SprawdzSzkole(d, Oczekiwana(v));
  }
  EXPECT_TRUE(raport.kody.empty());
}

TEST_F(TimetableFile, EachVersionStepAddsExactlyItsFields) {
  // 4 teachers, 3 classes, 3 rooms, 9 slots, 9 programme cells, 3 groups;
  // two items in every list A and B.
  ASSERT_EQ(kPozycjiListy, 2);
  const struct {
    int v;
    std::array<int64_t, 5> przyrost;
  } kroki[] = {
      {74, {0, 0, 3 * (4 + 2 * 16), 0, 0}},   // list B in class records
      {75, {8 + 1 + 4 + 4 - 6, 0, 0, 0, 0}},  // double date, byte and range
      {81, {0, 0, 0, 0, 9 * 4}},              // programme cells
      {89, {0, 4 * 9, 3 * 9 * 2, 3 * 9, 0}},  // per-slot carried byte
      {91, {0, 0, 0, 0, 3 * 7}},              // group texts
      {96, {0, 4 * 2 * 4, 3 * 2 * 4, 3 * 2 * 4, 0}},
      {98, {0, 0, 3 * 4, 3 * 4, 0}},  // after class and room names
  };
  for (const auto& k : kroki) {
    SCOPED_TRACE(k.v);
    const auto przed = Rozmiary(k.v - 1), po = Rozmiary(k.v);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(po[i] - przed[i], k.przyrost[i]) << "section " << i;
  }

  // From 82 every stored index, the subject's byte and Dane1 take an int16,
  // and the programme cell's second skipped field is one byte longer.
  std::array<int64_t, 5> int16{};
  for (const TNaucz& n : szkola.Nauczyciele) int16[1] += Wpisy(n.Dyspozycja);
  for (const TOddz& o : szkola.Oddzialy) int16[2] += Wpisy(o.Przedmioty) + Wpisy(o.Sale);
  for (const TSala& r : szkola.Sale) int16[3] += 3 + Wpisy(r.Zajecia);
  for (const TPrzedm& p : szkola.Przedmioty) {
    int16[4] += 1 + 2 * p.Program.Liczba();
    for (const auto& g : p.Grupy.Grupy) int16[4] += g.Liczba();
  }
  const auto przed = Rozmiary(81), po = Rozmiary(82);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(po[i] - przed[i], int16[i]) << "section " << i;

  TDokument d81, d82;
  ASSERT_TRUE(Wczytaj(d81, 81));
  ASSERT_TRUE(Wczytaj(d82, 82));
  EXPECT_TRUE(Rowne(d81, d82));
  EXPECT_EQ(d82.Nauczyciele[2].Dyspozycja[0].Lista[0], kBrak);  // stored as 1000
}

TEST_F(TimetableFile, OldDateFormKeepsTheRangeAndTheSecondByte) {
  szkola.Dni.DataPoczatku = *ZakodujDate(2003, 9, 3);  // a Wednesday
  TDokument d;
  d.Dni.Znacznik2 = 9;
  d.Dni.PierwszyDzien = 1;
  d.Dni.OstatniDzien = 1;
  ASSERT_TRUE(Wczytaj(d, 74));
  const TBajty b = CzytajPlik(plik);
  const size_t koniec = static_cast<size_t>(I32Z(b, 4));
  EXPECT_EQ(TBajty(b.begin() + koniec - 6, b.begin() + koniec), (TBajty{0xD3, 0x07, 9, 0, 3, 0}));
  EXPECT_EQ(d.Dni.DataPoczatku, *ZakodujDate(2003, 9, 8));  // moved to the Monday
  EXPECT_EQ(d.Dni.Znacznik1, szkola.Dni.Znacznik1);
  EXPECT_EQ(d.Dni.Znacznik2, 9);
  EXPECT_EQ(d.Dni.PierwszyDzien, 1);
  EXPECT_EQ(d.Dni.OstatniDzien, 1);

  ASSERT_TRUE(Wczytaj(d, 75));
  EXPECT_EQ(d.Dni.Znacznik2, szkola.Dni.Znacznik2);
  EXPECT_EQ(d.Dni.PierwszyDzien, 1);
  EXPECT_EQ(d.Dni.OstatniDzien, 2);

  // 30 February is no date: the read fails and the document stays.
  ZapiszPlanLekcji(plik, 74, szkola);
  TBajty zla = CzytajPlik(plik);
  zla[koniec - 4] = 2;
  zla[koniec - 2] = 30;
  ZapiszPlik(plik, zla);
  const TModele przed = d;
  EXPECT_FALSE(d.OtworzPlik(plik, kRodzajPlanLekcji));
  EXPECT_EQ(raport.kody, std::vector<int>{1});
  EXPECT_TRUE(Rowne(d, przed));
  EXPECT_EQ(d.WersjaPliku, 75);
}

TEST_F(TimetableFile, Int16ValuesConvertToBytes) {
  const struct {
    TMiejsce miejsce;
    int16_t x;
    uint8_t bajt;
  } przypadki[] = {
      {TMiejsce::Lista, 1000, kBrak},    {TMiejsce::Lista, -1, 255},
      {TMiejsce::Lista, -32768, 0},      {TMiejsce::Lista, 255, 255},
      {TMiejsce::Znacznik, 1000, kBrak}, {TMiejsce::Znacznik, -2, 254},
      {TMiejsce::Program, -1, 255},      {TMiejsce::Program, 1000, kBrak},
      {TMiejsce::Grupa, 1000, 232},      {TMiejsce::Grupa, -1, 255},
      {TMiejsce::Grupa, 251, kBrak},     {TMiejsce::Dane1, 1000, kBrak},
      {TMiejsce::Dane1, -1, 255},        {TMiejsce::Dane1, 300, 3},  // kept: a new room's 3
      {TMiejsce::Dane1, 32767, 3},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(::testing::Message() << static_cast<int>(p.miejsce) << " " << p.x);
    TWstawkiPlanu w;
    Wstaw(w, p.miejsce, p.x);
    TDokument d;
    ASSERT_TRUE(Wczytaj(d, 82, w));
    TSzkola oczekiwana = Oczekiwana(82);
    Bajt(oczekiwana, p.miejsce) = p.bajt;
    SprawdzSzkole(d, oczekiwana);
  }
  EXPECT_TRUE(raport.kody.empty());
}

TEST_F(TimetableFile, RoomByteThatCannotConvertKeepsItsEarlierValue) {
  TDokument d;
  ASSERT_TRUE(Wczytaj(d, 103));
  d.Sale[0].Dane1[1] = 77;
  TWstawkiPlanu w;
  w.Dane1Sali = 300;
  ASSERT_TRUE(Wczytaj(d, 103, w));
  EXPECT_EQ(d.Sale[0].Dane1, (std::array<uint8_t, 3>{1, 77, 3}));
  EXPECT_TRUE(d.Sale[0].Zajecia == szkola.Sale[0].Zajecia);
  EXPECT_TRUE(raport.kody.empty());
}

TEST_F(TimetableFile, UnconvertibleIndexFailsTheOpenAndKeepsTheDocument) {
  TDokument d;
  ASSERT_TRUE(Wczytaj(d, 103));
  d.Nauczyciele[1].LimitDyzurow = 4;
  d.Momenty.ZmienRozmiar(2);
  const TModele przed = d;
  for (TMiejsce m : {TMiejsce::Lista, TMiejsce::Znacznik, TMiejsce::Program, TMiejsce::Grupa}) {
    for (int x : {256, 300, 999, 1001, 32767}) {
      SCOPED_TRACE(::testing::Message() << static_cast<int>(m) << " " << x);
      raport.kody.clear();
      TWstawkiPlanu w;
      Wstaw(w, m, static_cast<int16_t>(x));
      EXPECT_FALSE(Wczytaj(d, 82, w));
      EXPECT_EQ(raport.kody, (std::vector<int>{8, 1}));
      EXPECT_TRUE(Rowne(d, przed));
      EXPECT_EQ(d.WersjaPliku, 103);
    }
  }
}

TEST_F(TimetableFile, ReadClearsEveryBanAndKeepsTheLimits) {
  TDokument d;
  ASSERT_TRUE(Wczytaj(d, 103));
  for (int t = 0; t < 4; ++t) {
    d.Nauczyciele[t].LimitDyzurow = 3 + t;
    d.Nauczyciele[t].LimitMinut = 40 + t;
    for (int s = t; s < 9; s += 2) d.Nauczyciele[t].Dyspozycja[s].Zakaz = 1;
  }
  ASSERT_TRUE(Wczytaj(d, 95));
  for (int t = 0; t < 4; ++t) {
    EXPECT_EQ(d.Nauczyciele[t].Dyspozycja.LiczbaZakazow(), 0) << t;
    EXPECT_EQ(d.Nauczyciele[t].LimitDyzurow, 3 + t);
    EXPECT_EQ(d.Nauczyciele[t].LimitMinut, 40 + t);
  }
}

TEST_F(TimetableFile, ListsResizeInPlace) {
  szkola.Nauczyciele.ZmienRozmiar(5);
  szkola.Nauczyciele[4].Nazwisko = Utf8DoCp1250("Zieliński");
  szkola.Nauczyciele[4].Kolor = 0x00ABCDEF;
  TDokument d;
  ASSERT_TRUE(Wczytaj(d, 103));
  for (int t = 0; t < 5; ++t) d.Nauczyciele[t].LimitMinut = 10 * (t + 1);

  const TSzkola piec = szkola;
  szkola.Nauczyciele.ZmienRozmiar(3);
  szkola.Nauczyciele[2].Imie = "Anna";
  ASSERT_TRUE(Wczytaj(d, 103));
  ASSERT_EQ(d.Nauczyciele.Liczba(), 3);
  EXPECT_EQ(d.Nauczyciele[2].Imie, "Anna");
  EXPECT_EQ(d.Nauczyciele[2].LimitMinut, 30);

  szkola = piec;
  ASSERT_TRUE(Wczytaj(d, 103));
  ASSERT_EQ(d.Nauczyciele.Liczba(), 5);
  EXPECT_EQ(d.Nauczyciele[1].LimitMinut, 20);
  EXPECT_EQ(d.Nauczyciele[3].LimitMinut, 0);  // appended: nothing of the earlier entry
  EXPECT_TRUE(d.Nauczyciele[4] == szkola.Nauczyciele[4]);
}

TEST_F(TimetableFile, DutyModelsOptionsAndSettingsStayInMemory) {
  TDokument d;
  d.Momenty.ZmienRozmiar(4);
  d.Momenty[1] = {"długa", 20, 1, 0x00FF00};
  d.Dyzury.ZmienRozmiar(0, 4);
  d.Rejony.WstawRejon(0, d.Dyzury);
  d.Rejony[0].Nazwa = "Parter";
  d.Rejony[0].SaleRejonu = {0, 2};
  d.Dyzury.UstawDyzurnego(0, 3, 1);
  d.Opcje.Ustaw(TOpcja::kPrzedLekcjami, true);
  d.Stopka.Okna[kOknoGlowne].Prostokat = {10, 20, 410, 220};
  d.Stopka.WpisujAutomatycznie = true;
  const TModele przed = d;

  TWstawkiPlanu w;
  w.ObceSekcje = true;
  ASSERT_TRUE(Wczytaj(d, 103, w));
  EXPECT_TRUE(d.Momenty == przed.Momenty);
  EXPECT_TRUE(d.Rejony == przed.Rejony);
  EXPECT_TRUE(d.Dyzury == przed.Dyzury);
  EXPECT_TRUE(d.Opcje == przed.Opcje);
  EXPECT_TRUE(d.Stopka == przed.Stopka);
  SprawdzSzkole(d, Oczekiwana(103));

  // Not even looked for: a directory entry past the end is no failure.
  TBajty b = CzytajPlik(plik);
  for (int sekcja : {11, 12, 13}) {
    const int32_t poza = static_cast<int32_t>(b.size()) + 1000;
    std::memcpy(b.data() + 4 * sekcja, &poza, 4);
  }
  ZapiszPlik(plik, b);
  EXPECT_TRUE(d.OtworzPlik(plik, kRodzajPlanLekcji));
  EXPECT_TRUE(d.Momenty == przed.Momenty);
  EXPECT_TRUE(raport.kody.empty());
}

TEST_F(TimetableFile, VersionOutsideTheRangeReadsNothing) {
  TDokument d;
  ASSERT_TRUE(Wczytaj(d, 90));
  const TModele przed = d;
  for (int v : {59, 104, 0, 255}) {
    SCOPED_TRACE(v);
    raport.kody.clear();
    EXPECT_FALSE(Wczytaj(d, v));
    EXPECT_EQ(raport.kody, (std::vector<int>{4, 1}));
    EXPECT_TRUE(Rowne(d, przed));
    EXPECT_EQ(d.WersjaPliku, 90);
  }
}

TEST_F(TimetableFile, MoreThan251TeachersIsRefused) {
  szkola.Nauczyciele.ZmienRozmiar(251);
  TDokument d;
  ASSERT_TRUE(Wczytaj(d, 103));
  EXPECT_EQ(d.Nauczyciele.Liczba(), 251);

  szkola.Nauczyciele.ZmienRozmiar(252);
  EXPECT_FALSE(Wczytaj(d, 103));
  EXPECT_EQ(raport.kody, std::vector<int>{1});
  EXPECT_EQ(d.Nauczyciele.Liczba(), 251);
}

TEST_F(TimetableFile, CountsTheFileCannotHoldAreRefusedBeforeAllocating) {
  using TPole = std::optional<int32_t> TWstawkiPlanu::*;
  const std::pair<TPole, int32_t> przypadki[] = {
      {&TWstawkiPlanu::LiczbaNauczycieli, 2'000'000'000},
      {&TWstawkiPlanu::LiczbaNauczycieli, -1},
      {&TWstawkiPlanu::LiczbaSlotowNauczyciela, 2'000'000'000},
      {&TWstawkiPlanu::LiczbaListyA, 2'000'000'000},
  };
  for (const auto& [pole, liczba] : przypadki) {
    SCOPED_TRACE(liczba);
    TWstawkiPlanu w;
    w.*pole = liczba;
    raport.kody.clear();
    TDokument d;
    EXPECT_FALSE(Wczytaj(d, 82, w));
    EXPECT_EQ(raport.kody, std::vector<int>{1});
    EXPECT_EQ(d.Nauczyciele.Liczba(), 0);

    // Refused by the count check itself, not by a failed allocation.
    TOrvelOdczyt s(plik);
    s.Wersja = s.CzytajBajt();
    ASSERT_TRUE(s.IdzDoSekcji(1));
    TNauczle n;
    EXPECT_THROW(n.Czytaj(s, kRodzajPlanLekcji), EStrumien);
  }
}
