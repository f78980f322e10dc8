#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/archive/cp1250.h"
#include "core/grid/naglowki.h"
#include "core/grid/strumien_rekordow.h"
#include "core/grid/tekst_tabeli.h"
#include "core/grid/wklejanie.h"
#include "core/grid/zaznaczenie.h"

using namespace velmor;

namespace {

using TPozycje = std::vector<std::pair<int, int>>;
using TOczka = std::vector<std::tuple<int, int, std::string>>;

// Data columns 2..4, data rows 7..9.
constexpr TZaznaczenie kZaznaczenie{3, 8, 5, 10};

TPozycje Przejdz(int tryb, const TZaznaczenie& z) {
  TIteratorZaznaczenia it;
  it.ini_sel_iterator(tryb, z);
  TPozycje wynik;
  int x, y;
  while (it.sel_iterator(z, x, y)) wynik.emplace_back(x, y);
  EXPECT_FALSE(it.sel_iterator(z, x, y));  // stays at the end
  return wynik;
}

TOczka Wklej(std::string_view utf8, bool excel, int ilx = 100, int ily = 100) {
  TOczka wynik;
  ParsujWklejenie(utf8, excel, ilx, ily,
                  [&](int i, int j, const std::string& t) { wynik.emplace_back(i, j, t); });
  return wynik;
}

// Data cell (x, y) of `tabela`, rows of columns.
auto Tabela(const std::vector<std::vector<std::string>>& tabela) {
  return [&tabela](int x, int y, std::string& t) {
    t = tabela.at(static_cast<size_t>(y)).at(static_cast<size_t>(x));
  };
}

}  // namespace

TEST(GridHeaders, ColumnNamesAndRowNumbers) {
  EXPECT_EQ(NazwaKolumny(0), " A");
  EXPECT_EQ(NazwaKolumny(25), " Z");
  EXPECT_EQ(NazwaKolumny(26), "AA");
  EXPECT_EQ(NazwaKolumny(27), "AB");
  EXPECT_EQ(NazwaKolumny(26 * 27 - 1), "ZZ");
  EXPECT_EQ(NazwaKolumny(26 * 27), "[A");  // same arithmetic past "Z"
  EXPECT_EQ(NazwaKolumny(49998).size(), 2u);
  EXPECT_EQ(NumerWiersza(0), "1");
  EXPECT_EQ(NumerWiersza(49998), "49999");
  EXPECT_EQ(NumerWiersza(2147483647), "2147483648");
}

TEST(GridSelection, WalkOrders) {
  EXPECT_EQ(Przejdz(0, kZaznaczenie),
            (TPozycje{{2, 7}, {2, 8}, {2, 9}, {3, 7}, {3, 8}, {3, 9}, {4, 7}, {4, 8}, {4, 9}}));
  EXPECT_EQ(Przejdz(1, kZaznaczenie), (TPozycje{{2, 7}, {3, 7}, {4, 7}}));
  EXPECT_EQ(Przejdz(2, kZaznaczenie), (TPozycje{{2, 7}, {2, 8}, {2, 9}}));
  EXPECT_TRUE(Przejdz(3, kZaznaczenie).empty());
  EXPECT_EQ(Przejdz(0, TZaznaczenie{1, 1, 1, 1}), (TPozycje{{0, 0}}));

  TIteratorZaznaczenia nowy;
  int x, y;
  EXPECT_FALSE(nowy.sel_iterator(kZaznaczenie, x, y));
}

TEST(GridSelection, FollowsTheSelectionAtEveryStep) {
  TZaznaczenie z = kZaznaczenie;
  TIteratorZaznaczenia it;
  it.ini_sel_iterator(2, z);
  int x, y;
  ASSERT_TRUE(it.sel_iterator(z, x, y));
  z.Bottom = 12;
  z.Left = 6;
  TPozycje reszta;
  while (it.sel_iterator(z, x, y)) reszta.emplace_back(x, y);
  EXPECT_EQ(reszta, (TPozycje{{5, 8}, {5, 9}, {5, 10}, {5, 11}}));

  it.ini_sel_iterator(0, kZaznaczenie);
  z = kZaznaczenie;
  z.Right = z.Left;  // shrunk to one column while walking it
  reszta.clear();
  while (it.sel_iterator(z, x, y)) reszta.emplace_back(x, y);
  EXPECT_EQ(reszta, (TPozycje{{2, 7}, {2, 8}, {2, 9}}));
}

TEST(GridTextForm, TabsAndRowEnds) {
  const std::vector<std::vector<std::string>> t = {{"a", "b"}, {"c", ""}};
  EXPECT_EQ(oczka_to_txt({1, 1, 2, 1}, true, Tabela(t)), "a\tb\r\n");
  EXPECT_EQ(oczka_to_txt({1, 1, 2, 2}, true, Tabela(t)), "a\tb\r\nc\t\r\n");
  EXPECT_EQ(oczka_to_txt({2, 2, 2, 2}, true, Tabela(t)), "\r\n");

  std::vector<std::pair<int, int>> pytane;
  oczka_to_txt(kZaznaczenie, false, [&](int x, int y, std::string&) { pytane.emplace_back(x, y); });
  ASSERT_EQ(pytane.size(), 9u);
  EXPECT_EQ(pytane[1], std::make_pair(3, 7));  // rows first, then columns
  EXPECT_EQ(pytane[3], std::make_pair(2, 8));
}

TEST(GridTextForm, LineBreaksAndQuotes) {
  const std::vector<std::vector<std::string>> t = {{"x\r\ny", "p\rq\r", "\"z\"", "\xB9\xE6"}};
  EXPECT_EQ(oczka_to_txt({1, 1, 4, 1}, true, Tabela(t)),
            "\"x\ny\"\t\"p\nq\n\"\t\"z\"\t\xB9\xE6\r\n");
  EXPECT_EQ(oczka_to_txt({1, 1, 4, 1}, false, Tabela(t)), "x\ny\tp\nq\n\t\"z\"\t\xB9\xE6\r\n");
}

TEST(GridPaste, CellsRowsAndTheTableEdge) {
  EXPECT_EQ(Wklej("a\tb\r\nc\t\r\n", true), (TOczka{{0, 0, "a"}, {1, 0, "b"}, {0, 1, "c"}}));
  // Without CR a tab before the line feed still makes an empty cell.
  EXPECT_EQ(Wklej("a\t\nb", true), (TOczka{{0, 0, "a"}, {1, 0, ""}, {0, 1, "b"}}));
  EXPECT_EQ(Wklej("a\t\tb\r\n\r\nc\r\n", true),
            (TOczka{{0, 0, "a"}, {1, 0, ""}, {2, 0, "b"}, {0, 1, ""}, {0, 2, "c"}}));
  EXPECT_EQ(Wklej("a\tb\tc\r\nd\te\r\nf\r\n", true, 2, 2),
            (TOczka{{0, 0, "a"}, {1, 0, "b"}, {0, 1, "d"}, {1, 1, "e"}}));
  EXPECT_TRUE(Wklej("", true).empty());
  EXPECT_TRUE(Wklej("a\tb\r\n", true, 0, 5).empty());
}

TEST(GridPaste, Quotes) {
  EXPECT_EQ(Wklej("\"x\ny\"\tz\r\n", true), (TOczka{{0, 0, "x\r\ny"}, {1, 0, "z"}}));
  EXPECT_EQ(Wklej("\"x\ny\"\tz\r\n", false), (TOczka{{0, 0, "x"}, {0, 1, "y"}, {1, 1, "z"}}));
  EXPECT_EQ(Wklej("a\"b\"c\r\n", true), (TOczka{{0, 0, "abc"}}));
  EXPECT_EQ(Wklej("\"p\tq\"\r\n", true),
            (TOczka{{0, 0, "p"}, {1, 0, "q"}}));  // a tab splits even in quotes
}

TEST(GridPaste, UnterminatedLastLine) {
  EXPECT_EQ(Wklej("a\tb\r\nc\td", true),
            (TOczka{{0, 0, "a"}, {1, 0, "b"}, {0, 1, "c"}, {1, 1, "d"}}));
  EXPECT_EQ(Wklej("x", true), (TOczka{{0, 0, "x"}}));
  // A trailing tab or CR ends the line as it would before CR LF.
  EXPECT_EQ(Wklej("a\tb\t", true), (TOczka{{0, 0, "a"}, {1, 0, "b"}}));
  EXPECT_EQ(Wklej("a\t\r", true), (TOczka{{0, 0, "a"}}));
  // Nothing after the last line feed: no extra row.
  EXPECT_EQ(Wklej("a\r\n", true), (TOczka{{0, 0, "a"}}));
  EXPECT_EQ(Wklej("a\r\n\r", true), (TOczka{{0, 0, "a"}}));
  // An unclosed quote keeps the rest in the last cell.
  EXPECT_EQ(Wklej("a\r\n\"b\nc", true), (TOczka{{0, 0, "a"}, {0, 1, "b\r\nc"}}));
}

TEST(GridPaste, CodePageAndCharacterCap) {
  // zażółć, the euro sign, two CJK letters, an emoji, two overlong tabs.
  const auto oczka = Wklej(
      "za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\t\xE2\x82\xAC\t\xE6\x97\xA5\xE6\x9C\xAC\t"
      "\xF0\x9F\x98\x80\t\xC0\x89\xE0\x80\x89x\r\n",
      true);
  EXPECT_EQ(oczka, (TOczka{{0, 0, "za\xBF\xF3\xB3\xE6"},
                           {1, 0, "\x80"},
                           {2, 0, "??"},
                           {3, 0, "?"},
                           {4, 0, "?????x"}}));

  // The cap counts characters, not bytes: "ł" is two bytes.
  std::string tekst;
  for (size_t i = 0; i + 2 < kNajwiecejZnakowWklejenia; ++i) tekst += "\xC5\x82";
  tekst += "\tyz\r\n";
  const auto duze = Wklej(tekst, true);
  ASSERT_EQ(duze.size(), 2u);
  EXPECT_EQ(std::get<2>(duze[0]), std::string(kNajwiecejZnakowWklejenia - 2, '\xB3'));
  EXPECT_EQ(std::get<2>(duze[1]), "y");
}

TEST(GridPaste, CopiedTextPastesBack) {
  const std::vector<std::vector<std::string>> t = {{"Ala", "x\r\ny", "\xA3\xF3\x64\x9F"},
                                                   {"", "b", ""}};
  const std::string tekst = Cp1250DoUtf8(oczka_to_txt({1, 1, 3, 2}, true, Tabela(t)));
  TOczka oczekiwane = {
      {0, 0, "Ala"}, {1, 0, "x\r\ny"}, {2, 0, "\xA3\xF3\x64\x9F"}, {0, 1, ""}, {1, 1, "b"}};
  EXPECT_EQ(Wklej(tekst, true), oczekiwane);
}

TEST(GridRecords, StreamReadsWhatWasWritten) {
  TStrumienRekordow s;
  s.ZapiszI32(-2);
  s.ZapiszI32(0x01020304);
  s.Zapisz("abc", 3);
  EXPECT_EQ(s.Rozmiar(), 11u);
  s.NaPoczatek();
  s.ZapiszI32(7);  // overwrites, size stays
  EXPECT_EQ(s.Rozmiar(), 11u);
  s.NaPoczatek();
  EXPECT_EQ(s.CzytajI32(), 7);
  EXPECT_EQ(s.CzytajI32(), 0x01020304);
  char b[16] = {};
  EXPECT_EQ(s.Czytaj(b, sizeof b), 3u);  // only what is left
  EXPECT_STREQ(b, "abc");
  EXPECT_EQ(s.CzytajI32(), 0);
  EXPECT_EQ(s.Pozycja(), 11u);

  s.NaPoczatek();
  s.Czytaj(b, 9);
  EXPECT_EQ(s.CzytajI32(), 0);  // two bytes left: not a number
  EXPECT_EQ(s.Pozycja(), s.Rozmiar());
  s.Wyczysc();
  EXPECT_EQ(s.Rozmiar(), 0u);
  EXPECT_EQ(s.Pozycja(), 0u);
}

TEST(GridRecords, CopyAndPasteRoundTrip) {
  TStrumienRekordow s;
  s.Zapisz("old", 3);
  KopiujRekordy(s, kZaznaczenie, [](int x, int y, TStrumienRekordow& st) {
    const std::string r(static_cast<size_t>(x + y - 8),
                        static_cast<char>('a' + x));  // 1 to 5 bytes
    st.ZapiszI32(static_cast<int32_t>(r.size()));
    st.Zapisz(r.data(), r.size());
  });
  std::vector<std::tuple<int, int, std::string>> wklejone;
  WklejRekordy(s, 10, 20, [&](int x, int y, TStrumienRekordow& st) {
    std::string r(static_cast<size_t>(st.CzytajI32()), '\0');
    st.Czytaj(r.data(), r.size());
    wklejone.emplace_back(x, y, r);
  });
  ASSERT_EQ(wklejone.size(), 9u);
  EXPECT_EQ(wklejone[0], std::make_tuple(10, 20, std::string("c")));
  EXPECT_EQ(wklejone[1], std::make_tuple(11, 20, std::string("dd")));
  EXPECT_EQ(wklejone[3], std::make_tuple(10, 21, std::string("cc")));
  EXPECT_EQ(wklejone[8], std::make_tuple(12, 22, std::string("eeeee")));
}

TEST(GridRecords, PasteAlwaysEnds) {
  TStrumienRekordow s;
  KopiujRekordy(s, kZaznaczenie, [](int, int, TStrumienRekordow& st) { st.ZapiszI32(99); });
  const auto ile = [&](const std::function<void(int, int, TStrumienRekordow&)>& f) {
    int n = 0;
    WklejRekordy(s, 0, 0, [&](int x, int y, TStrumienRekordow& st) {
      ++n;
      f(x, y, st);
    });
    return n;
  };
  EXPECT_EQ(ile([](int, int, TStrumienRekordow&) {}), 13);  // 108 bytes taken 8 at a time
  EXPECT_EQ(ile([](int, int, TStrumienRekordow& st) { st.NaPoczatek(); }), 1);
  EXPECT_LE(ile([](int, int, TStrumienRekordow& st) {
              st.Zapisz("\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16);
            }),
            9);
  s.Wyczysc();
  s.Zapisz("\1\0\0", 3);  // a cut-off pair of offsets
  EXPECT_EQ(ile([](int, int, TStrumienRekordow&) {}), 0);
}
