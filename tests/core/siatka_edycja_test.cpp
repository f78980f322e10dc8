#include <gtest/gtest.h>

#include <string>

#include "core/grid/edycja.h"

using namespace velmor;

namespace {

int kOkno = 0, kInneOkno = 0;

// One number cell of an editor: minutes, step 5, 0..100, 0 decimals unless
// set otherwise.
struct TKomorka {
  TStanEdycji& stan;
  double wartosc;
  int miejsc = 0;
  const void* okno = &kOkno;
  int x = 1, y = 1;

  bool Klawisz(int k, int przycisk = 0) {
    klawisz = k;
    return edytuj_liczbe(stan, wartosc, klawisz, przycisk, 5, 0, 100, miejsc, okno, x, y);
  }
  bool Wpisz(const std::string& tekst) {
    bool ok = true;
    for (char c : tekst) ok = Klawisz(static_cast<unsigned char>(c)) && ok;
    return ok;
  }
  int klawisz = 0;
};

}  // namespace

TEST(GridTextEdit, KeysChangeTheText) {
  TStanEdycji stan;
  std::string t = "ab";
  int k = 'c';
  EXPECT_TRUE(edytuj_tekst(stan, t, k, 3, false));
  EXPECT_EQ(t, "abc");
  EXPECT_EQ(k, 0);
  k = 'd';  // full
  EXPECT_FALSE(edytuj_tekst(stan, t, k, 3, false));
  EXPECT_EQ(k, 'd');
  k = kKlawiszBackspace;
  EXPECT_TRUE(edytuj_tekst(stan, t, k, 3, false));
  EXPECT_EQ(t, "ab");
  k = kKlawiszEnter;
  EXPECT_FALSE(edytuj_tekst(stan, t, k, 5, false));
  EXPECT_FALSE(edytuj_tekst(stan, t, k, 3, true));  // CR LF needs two places
  EXPECT_TRUE(edytuj_tekst(stan, t, k, 5, true));
  EXPECT_EQ(t, "ab\r\n");
  k = 0xB9;  // "ą"
  EXPECT_TRUE(edytuj_tekst(stan, t, k, 40, false));
  EXPECT_EQ(t, "ab\r\n\xB9");
  k = kKlawiszUsun;
  EXPECT_TRUE(edytuj_tekst(stan, t, k, 40, false));
  EXPECT_EQ(t, "");
}

TEST(GridTextEdit, NothingToDoLeavesTheKey) {
  TStanEdycji stan;
  std::string t;
  for (int k : {kKlawiszBackspace, kKlawiszUsun, 9, 300}) {
    int klawisz = k;
    EXPECT_FALSE(edytuj_tekst(stan, t, klawisz, 40, true)) << k;
    EXPECT_EQ(klawisz, k);
  }
  EXPECT_EQ(t, "");
}

TEST(GridNumberEdit, StepsAndRange) {
  TStanEdycji stan;
  TKomorka c{stan, 95};
  EXPECT_TRUE(c.Klawisz(0, 1));
  EXPECT_EQ(c.wartosc, 100);
  EXPECT_EQ(c.klawisz, 0);
  EXPECT_FALSE(c.Klawisz(0, 1));
  EXPECT_EQ(c.wartosc, 100);
  EXPECT_EQ(c.klawisz, 0);
  EXPECT_TRUE(c.Klawisz('-'));
  EXPECT_EQ(c.wartosc, 95);
  EXPECT_TRUE(c.Klawisz(0, 2));
  EXPECT_EQ(c.wartosc, 90);
  EXPECT_TRUE(c.Klawisz(kKlawiszUsun));
  EXPECT_EQ(c.wartosc, 0);
  EXPECT_FALSE(c.Klawisz('-'));
  EXPECT_EQ(c.klawisz, '-');

  double w = 1;
  int k = '+';
  EXPECT_TRUE(edytuj_liczbe(stan, w, k, 0, 2.7, 0, 10, 0, &kOkno, 0, 0));
  EXPECT_EQ(w, 3);  // the step is cut to 2 with no decimals
}

TEST(GridNumberEdit, TypingExtendsTheNumberShown) {
  TStanEdycji stan;
  TKomorka c{stan, 5};
  EXPECT_TRUE(c.Wpisz("3"));
  EXPECT_EQ(c.wartosc, 53);
  EXPECT_EQ(stan.Bufor, "53");
  EXPECT_FALSE(c.Wpisz("9"));  // 539 is out of range
  EXPECT_EQ(c.wartosc, 53);
  EXPECT_EQ(stan.Bufor, "53");
  EXPECT_EQ(c.klawisz, '9');
  EXPECT_TRUE(c.Klawisz(kKlawiszBackspace));
  EXPECT_EQ(c.wartosc, 5);
  EXPECT_FALSE(c.Klawisz('a'));
  EXPECT_EQ(c.klawisz, 'a');

  // Delete clears to 0; the next digit starts afresh.
  EXPECT_TRUE(c.Klawisz(kKlawiszUsun));
  EXPECT_TRUE(c.Wpisz("7"));
  EXPECT_EQ(c.wartosc, 7);
  // A step too: 7 - 5 then "1" gives 21, not 71.
  EXPECT_TRUE(c.Klawisz('-'));
  EXPECT_TRUE(c.Wpisz("1"));
  EXPECT_EQ(c.wartosc, 21);
}

TEST(GridNumberEdit, AnotherCellStartsFromItsOwnValue) {
  TStanEdycji stan;
  TKomorka a{stan, 5};
  ASSERT_TRUE(a.Wpisz("3"));
  TKomorka b{stan, 7};
  b.x = 2;
  EXPECT_TRUE(b.Wpisz("1"));
  EXPECT_EQ(b.wartosc, 71);
  TKomorka inne{stan, 4};
  inne.x = 2;
  inne.okno = &kInneOkno;
  EXPECT_TRUE(inne.Wpisz("2"));
  EXPECT_EQ(inne.wartosc, 42);
  EXPECT_EQ(stan.x, 2);
  EXPECT_EQ(stan.Wlasciciel, &kInneOkno);
}

TEST(GridNumberEdit, SeparatorsAndRounding) {
  TStanEdycji stan;
  TKomorka calk{stan, 5};
  EXPECT_FALSE(calk.Klawisz(','));
  EXPECT_EQ(calk.klawisz, 'x');
  EXPECT_EQ(calk.wartosc, 5);

  TKomorka c{stan, 5};
  c.miejsc = 2;
  c.x = 3;
  EXPECT_TRUE(c.Klawisz(','));
  EXPECT_EQ(stan.Bufor, "5.");
  EXPECT_TRUE(c.Wpisz("257"));
  EXPECT_DOUBLE_EQ(c.wartosc, 5.26);  // 5.257 rounded half up
  EXPECT_EQ(stan.Bufor, "5.25");      // the buffer keeps two decimals

  TKomorka d{stan, 0};
  d.miejsc = 1;
  d.x = 4;
  EXPECT_TRUE(d.Wpisz("2.25"));
  EXPECT_DOUBLE_EQ(d.wartosc, 2.3);
  EXPECT_TRUE(d.Wpisz("\b"));
  EXPECT_DOUBLE_EQ(d.wartosc, 2);

  TKomorka e{stan, 2.5};
  e.miejsc = 1;
  e.x = 5;
  EXPECT_TRUE(e.Wpisz("1"));  // starts from "2.5": 2.51 rounds to 2.5
  EXPECT_DOUBLE_EQ(e.wartosc, 2.5);
  EXPECT_EQ(stan.Bufor, "2.5");

  double w = -3;
  int k = '2';
  EXPECT_TRUE(edytuj_liczbe(stan, w, k, 0, 1, -100, 0, 0, &kOkno, 6, 1));
  EXPECT_EQ(w, -32);
}

// A limit that may not go below 8: Delete empties the number for typing, and
// a number below 8 waits in the buffer, never taken or turned into another.
TEST(GridNumberEdit, BelowTheMinimumWaitsUntilItIsReached) {
  TStanEdycji stan;
  double w = 8;
  const auto klawisz = [&](int k) {
    return edytuj_liczbe(stan, w, k, 0, 1, 8, 100, 0, &kOkno, 1, 1) ? 1 : k == 0 ? 0 : -1;
  };
  EXPECT_EQ(klawisz(kKlawiszUsun), 0);  // consumed, not taken
  EXPECT_TRUE(Nieprzyjeta(stan, &kOkno, 1, 1));
  EXPECT_EQ(klawisz('5'), 0);
  EXPECT_EQ(w, 8);
  EXPECT_EQ(stan.Bufor, "5");
  EXPECT_FALSE(Nieprzyjeta(stan, &kOkno, 2, 1));
  EXPECT_EQ(klawisz('2'), 1);
  EXPECT_EQ(w, 52);
  EXPECT_FALSE(Nieprzyjeta(stan, &kOkno, 1, 1));
  EXPECT_EQ(klawisz(kKlawiszBackspace), 0);
  EXPECT_EQ(w, 52);
  EXPECT_TRUE(Nieprzyjeta(stan, &kOkno, 1, 1));
  EXPECT_EQ(klawisz('+'), 1);  // a step starts from the value
  EXPECT_EQ(w, 53);
  EXPECT_FALSE(Nieprzyjeta(stan, &kOkno, 1, 1));
}
