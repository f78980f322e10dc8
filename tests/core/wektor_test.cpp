#include "core/model/wektor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/archive/bledy.h"
#include "core/model/krotka_lista.h"
#include "core/model/tablica.h"
#include "pliki_testowe.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

using TBajtowy = TWektor<unsigned char>;

std::vector<int> Elementy(const TWektor<int>& w) { return w.Elementy(); }

}  // namespace

TEST(Wektor, CursorWalk) {
  TWektor<int> pusty;
  int wynik = -7;
  pusty.OdPoczatku();
  EXPECT_FALSE(pusty.Nastepny(wynik));
  EXPECT_EQ(wynik, -7);

  TWektor<int> w{4, 5};
  w.OdPoczatku();
  ASSERT_TRUE(w.Nastepny(wynik));
  EXPECT_EQ(wynik, 4);
  ASSERT_TRUE(w.Nastepny(wynik));
  EXPECT_EQ(wynik, 5);
  EXPECT_FALSE(w.Nastepny(wynik));
  EXPECT_EQ(w.Pozycja, 2);
  EXPECT_EQ(wynik, 5);
}

TEST(Wektor, SearchFindsEachMatchOnce) {
  TWektor<int> w{3, 5, 3};
  int i = -1;
  w.SzukajOd(3);
  ASSERT_TRUE(w.ZnajdzNastepny(i));
  EXPECT_EQ(i, 0);
  ASSERT_TRUE(w.ZnajdzNastepny(i));
  EXPECT_EQ(i, 2);
  EXPECT_FALSE(w.ZnajdzNastepny(i));
  EXPECT_EQ(i, 2);

  w.SzukajOd(5);
  ASSERT_TRUE(w.ZnajdzNastepny(i));
  EXPECT_EQ(i, 1);
  w.SzukajOd(9);
  EXPECT_FALSE(w.ZnajdzNastepny(i));
  EXPECT_TRUE(w.Zawiera(5));
  EXPECT_FALSE(w.Zawiera(9));
}

TEST(Wektor, RemoveLastMatch) {
  TWektor<int> w{3, 5, 3};
  w.UsunOstatni(7);
  EXPECT_EQ(Elementy(w), (std::vector<int>{3, 5, 3}));
  w.UsunOstatni(3);
  EXPECT_EQ(Elementy(w), (std::vector<int>{3, 5}));
  w.UsunOstatni(3);
  EXPECT_EQ(Elementy(w), (std::vector<int>{5}));
}

TEST(Wektor, InsertAt) {
  TWektor<int> w{1, 2, 3};
  w.WstawW(10, 9);
  EXPECT_EQ(Elementy(w), (std::vector<int>{1, 2, 3, 9}));
  w.WstawW(4, 8);
  w.WstawW(0, 0);
  w.WstawW(2, 7);
  EXPECT_EQ(Elementy(w), (std::vector<int>{0, 1, 7, 2, 3, 9, 8}));
}

TEST(Wektor, RemoveAtKeepsCursorInRange) {
  TWektor<int> w{1, 2, 3};
  w.Pozycja = 3;
  w.UsunZ(5);
  EXPECT_EQ(Elementy(w), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(w.Pozycja, 3);
  w.UsunZ(1);
  EXPECT_EQ(Elementy(w), (std::vector<int>{1, 3}));
  EXPECT_EQ(w.Pozycja, 2);

  TWektor<int> v{1, 2, 3};
  v.Pozycja = 1;
  v.UsunZ(2);
  EXPECT_EQ(v.Pozycja, 1);
}

TEST(Wektor, ResizeAndFill) {
  TWektor<int> w{1, 2};
  w.Wypelnij(4, 251);
  EXPECT_EQ(Elementy(w), (std::vector<int>(4, 251)));
  w.Wypelnij(1, 6);
  EXPECT_EQ(Elementy(w), std::vector<int>{6});
  w.ZmienRozmiar(3);
  EXPECT_EQ(Elementy(w), (std::vector<int>{6, 0, 0}));
  w.UstawWszystkie(2);
  EXPECT_EQ(Elementy(w), (std::vector<int>{2, 2, 2}));
  w.ZmienRozmiar(-1);
  EXPECT_EQ(w.Liczba(), 0);
}

TEST(Wektor, CopiesTakeElementsOnly) {
  TWektor<int> a{7, 8, 7};
  a.SzukajOd(7);
  int i;
  ASSERT_TRUE(a.ZnajdzNastepny(i));

  TWektor<int> b(a);
  EXPECT_EQ(b, a);
  EXPECT_EQ(b.Pozycja, 0);
  EXPECT_EQ(b.Szukany, 0);

  TWektor<int> c{1};
  c.Pozycja = 1;
  c.Szukany = 4;
  c = a;
  EXPECT_EQ(Elementy(c), (std::vector<int>{7, 8, 7}));
  EXPECT_EQ(c.Pozycja, 1);
  EXPECT_EQ(c.Szukany, 4);
}

TEST(Wektor, SerialisedForm) {
  TFolder folder;
  const auto p = folder / "w.bin";
  {
    TOrvelZapis z(p);
    TBajtowy().Zapisz(z);
    TBajtowy{1, 251}.Zapisz(z);
    TWektor<int16_t>{-1, 0x1234}.Zapisz(z);
  }
  TBajty oczekiwane;
  Dopisz(oczekiwane, {0, 0, 0, 0, 2, 0, 0, 0, 1, 251, 2, 0, 0, 0, 0xFF, 0xFF, 0x34, 0x12});
  const TBajty b = CzytajPlik(p);
  EXPECT_EQ(TBajty(b.begin() + 120, b.end()), oczekiwane);

  TOrvelOdczyt s(p);
  TBajtowy pusty{9, 9, 9}, bajty;
  TWektor<int16_t> krotkie{5};
  pusty.Czytaj(s);
  bajty.Czytaj(s);
  krotkie.Czytaj(s);
  EXPECT_EQ(pusty.Liczba(), 0);
  EXPECT_EQ(bajty, (TBajtowy{1, 251}));
  EXPECT_EQ(krotkie, (TWektor<int16_t>{-1, 0x1234}));
  EXPECT_EQ(s.Pozostalo(), 0);
}

TEST(Wektor, CountPastTheEndIsRefused) {
  TFolder folder;
  TBajty tresc;
  DopiszI32(tresc, 3);
  Dopisz(tresc, {1, 2, 3, 4, 5});
  const auto p = folder / "w.bin";
  ZapiszPlik(p, Kontener(103, tresc));
  TOrvelOdczyt s(p);
  s.CzytajBajt();
  TWektor<int16_t> w{7};
  EXPECT_THROW(w.Czytaj(s), EStrumien);
  EXPECT_EQ(w, TWektor<int16_t>{7});
}

// Lists cross between the in-place bytes and the heap as they grow and shrink.
TEST(KrotkaLista, GrowsShrinksCopiesAndReadsBackAcrossTheHeapLimit) {
  TKrotkaLista l;
  std::vector<uint8_t> wzor;
  for (uint8_t v = 1; v <= 20; ++v) {
    l.Dodaj(v);
    wzor.push_back(v);
    ASSERT_EQ(l.Liczba(), static_cast<int>(wzor.size()));
    for (int i = 0; i < l.Liczba(); ++i) ASSERT_EQ(l[i], wzor[static_cast<size_t>(i)]);
  }
  TKrotkaLista kopia = l;
  TKrotkaLista przeniesiona = std::move(kopia);
  EXPECT_EQ(przeniesiona, l);
  EXPECT_EQ(kopia.Liczba(), 0);
  przeniesiona[19] = 99;
  EXPECT_FALSE(przeniesiona == l);

  TFolder folder;
  const auto p = folder / "l.bin";
  {
    TOrvelZapis z(p);
    l.Zapisz(z);
    TKrotkaLista{4, 5}.Zapisz(z);
  }
  TOrvelOdczyt s(p);
  TKrotkaLista dluga{7}, krotka = l;
  dluga.Czytaj(s);
  krotka.Czytaj(s);
  EXPECT_EQ(dluga, l);
  EXPECT_EQ(krotka, (TKrotkaLista{4, 5}));

  l.ZmienRozmiar(3);
  EXPECT_EQ(l, (TKrotkaLista{1, 2, 3}));
  l.ZmienRozmiar(12);
  EXPECT_EQ(l[2], 3);
  EXPECT_EQ(l[3], 0);
  EXPECT_EQ(l[11], 0);
  EXPECT_TRUE(l.Zawiera(2));
  EXPECT_FALSE(l.Zawiera(4));
}

TEST(Tablica, ResizeKeepsRowsEqual) {
  TTablica<unsigned char> t;
  t.ZmienRozmiar(3, 2);
  EXPECT_EQ(t.LiczbaWierszy(), 2);
  EXPECT_EQ(t.LiczbaKolumn(), 3);
  t.UstawKomorke(2, 1, 42);
  t.UstawKomorke(0, 0, 7);
  t.ZmienRozmiar(4, 3);
  EXPECT_EQ(t.Komorka(2, 1), 42);
  EXPECT_EQ(t.Komorka(0, 0), 7);
  for (int r = 0; r < 3; ++r) EXPECT_EQ(t.Wiersz(r).Liczba(), 4);
  EXPECT_EQ(t.Komorka(3, 2), 0);
  t.ZmienRozmiar(1, 1);
  EXPECT_EQ(t.Wiersz(0), (TBajtowy{7}));
}

TEST(Tablica, ColumnsInsertAndRemoveInEveryRow) {
  TTablica<unsigned char> t;
  t.ZmienRozmiar(2, 2);
  t.UstawKomorke(0, 0, 1);
  t.UstawKomorke(1, 0, 2);
  t.UstawKomorke(0, 1, 3);
  t.UstawKomorke(1, 1, 4);
  t.WstawKolumne(1, 251);
  t.WstawKolumne(9, 252);
  EXPECT_EQ(t.Wiersz(0), (TBajtowy{1, 251, 2, 252}));
  EXPECT_EQ(t.Wiersz(1), (TBajtowy{3, 251, 4, 252}));
  t.UsunKolumne(0);
  t.UsunKolumne(7);
  EXPECT_EQ(t.LiczbaKolumn(), 3);
  EXPECT_EQ(t.Wiersz(1), (TBajtowy{251, 4, 252}));
  t.UstawWszystkie(251);
  EXPECT_EQ(t.Wiersz(0), (TBajtowy{251, 251, 251}));
}

TEST(Tablica, NoRowsMeansNoColumns) {
  TTablica<unsigned char> t;
  EXPECT_EQ(t.LiczbaKolumn(), 0);
  t.ZmienRozmiar(5, 2);
  t.ZmienRozmiar(5, 0);
  EXPECT_EQ(t.LiczbaWierszy(), 0);
  EXPECT_EQ(t.LiczbaKolumn(), 0);
  t.WstawKolumne(0, 1);
  EXPECT_EQ(t.LiczbaKolumn(), 0);
}
