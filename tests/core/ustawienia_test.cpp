#include "core/grid/ustawienia.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

using namespace velmor;

namespace {

using TBajty = std::vector<uint8_t>;
constexpr int64_t kPoczatek = 121;  // directory and version byte

// A file name under the temporary folder; the file goes when the test ends.
class TPlik {
 public:
  TPlik() {
    static int licznik = 0;
    sciezka_ = std::filesystem::temp_directory_path() /
               ("velmor_ustawienia_" + std::to_string(std::random_device{}()) + "_" +
                std::to_string(++licznik));
  }
  ~TPlik() {
    std::error_code blad;
    std::filesystem::remove(sciezka_, blad);
  }
  const std::filesystem::path& operator()() const { return sciezka_; }

 private:
  std::filesystem::path sciezka_;
};

// What `pisz` writes after the 121 filler bytes.
TBajty Zapisane(const std::function<void(TOrvelZapis&)>& pisz) {
  TPlik p;
  {
    TOrvelZapis z(p());
    z.ZapiszBajt(103);
    pisz(z);
  }
  std::ifstream f(p(), std::ios::binary);
  TBajty b{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  return TBajty(b.begin() + kPoczatek, b.end());
}

TBajty Blok2005(const TUstawieniaSiatki& u, uint8_t wersja = 103) {
  return Zapisane([&](TOrvelZapis& z) { zapisz2005(z, u, wersja); });
}

struct TWynik {
  bool Przeczytano;
  int64_t Zuzyto;  // bytes of the block the reader took
};

// Reads `blok` placed right after the filler bytes.
TWynik Czytaj(const TBajty& blok, const std::function<bool(TOrvelOdczyt&)>& czytaj) {
  TPlik p;
  {
    TOrvelZapis z(p());
    z.ZapiszBajt(103);
    z.Write(blok.data(), blok.size());
  }
  TOrvelOdczyt s(p());
  s.CzytajBajt();
  const bool wynik = czytaj(s);
  return {wynik, s.Pozycja() - kPoczatek};
}

using TCzytnik = bool (*)(TOrvelOdczyt&, TUstawieniaSiatki&);
TWynik Czytaj(const TBajty& blok, TCzytnik czytnik, TUstawieniaSiatki& u) {
  return Czytaj(blok, [&](TOrvelOdczyt& s) { return czytnik(s, u); });
}

// Hand-built blocks, independent of the writer.
void I32(TBajty& b, int64_t x) {
  const auto u = static_cast<uint32_t>(x);
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(u >> (8 * i)));
}
void Lista(TBajty& b, const std::vector<int32_t>& v) {
  I32(b, static_cast<int64_t>(v.size()));
  for (int32_t x : v) I32(b, x);
}
void Font(TBajty& b, const TCzcionka& f, bool zZestawem = true) {
  I32(b, static_cast<int64_t>(f.Nazwa.size()));
  b.insert(b.end(), f.Nazwa.begin(), f.Nazwa.end());
  I32(b, f.Rozmiar);
  b.insert(b.end(), {f.Pogrubiona, f.Pochylona, f.Podkreslona, f.Przekreslona});
  I32(b, f.Kolor);
  if (zZestawem) b.push_back(f.ZestawZnakow);
}

TBajty Reczny2005(const TUstawieniaSiatki& u, uint8_t wersja) {
  TBajty b{wersja};
  for (const auto* f : {&u.Font, &u.FontInfo, &u.FontKursor}) Font(b, *f);
  for (int32_t x : {u.DefaultJust, u.DefaultJustVert, u.DefaultSzerIo, u.DefaultWysIo}) I32(b, x);
  b.push_back(u.EkstraKolorHorGrad);
  I32(b, u.EkstraKolorZmiana);
  for (uint32_t k :
       {u.InfoKolor, u.KursorKolor, u.OczkoKolor, u.TurboMyszRuchKolor, u.TurboMyszDragKolor})
    I32(b, k);
  b.push_back(u.TurboMyszRuch);
  I32(b, u.FixedCols);
  I32(b, u.FixedRows);
  Lista(b, u.Szerokosci);
  Lista(b, u.Wysokosci);
  return b;
}

TBajty Reczny2004(const TUstawieniaSiatki& u) {
  TBajty b;
  for (const auto* f : {&u.Font, &u.FontInfo, &u.FontKursor}) Font(b, *f);
  b.push_back(1);
  for (int32_t x : {u.DefaultJust, u.DefaultJustVert, u.DefaultSzerIo, u.DefaultWysIo}) I32(b, x);
  b.push_back(u.EkstraKolorHorGrad);
  I32(b, u.EkstraKolorZmiana);
  for (uint32_t k : {u.InfoKolor, u.KursorKolor, u.OczkoKolor, u.TurboMyszRuchKolor}) I32(b, k);
  b.push_back(u.TurboMyszRuch);
  Lista(b, u.Szerokosci);
  Lista(b, u.Wysokosci);
  return b;
}

TBajty Reczny2002(const TUstawieniaSiatki& u) {
  TBajty b;
  Font(b, u.Font, false);
  for (int64_t x : {int64_t{u.DefaultSzerIo}, int64_t{u.DefaultWysIo}, int64_t{u.InfoKolor},
                    int64_t{u.OczkoKolor}, int64_t{u.DefaultJust}})
    I32(b, x);
  Lista(b, u.Szerokosci);
  Lista(b, u.Wysokosci);
  return b;
}

// Every value differs from a fresh grid's.
TUstawieniaSiatki Probka() {
  TUstawieniaSiatki u;
  u.Font = {"Arial", 10, true, false, false, false, 0x00112233, 238};
  u.FontInfo = {"Tahoma", 9, false, true, false, true, 0x00445566, 0};
  u.FontKursor = {"\xA3\xF3\x64\xBC", 12, false, false, true, false, 0x00778899, 204};
  u.DefaultJust = 2;
  u.DefaultJustVert = 1;
  u.DefaultSzerIo = 64;
  u.DefaultWysIo = 18;
  u.EkstraKolorHorGrad = true;
  u.EkstraKolorZmiana = -5;
  u.InfoKolor = 0x00010101;
  u.KursorKolor = 0x00020202;
  u.OczkoKolor = 0x00030303;
  u.TurboMyszRuchKolor = 0x00040404;
  u.TurboMyszDragKolor = 0x00050505;
  u.TurboMyszRuch = false;
  u.FixedCols = 2;
  u.FixedRows = 3;
  u.Szerokosci = {30, 40, 50};
  u.Wysokosci = {14, 20};
  return u;
}

void Wpisz(TBajty& b, size_t o, int32_t x) { std::memcpy(b.data() + o, &x, 4); }

}  // namespace

TEST(GridSettings, FontRecordBytesAndStyleFlags) {
  const TCzcionka f{"Ab", 10, true, false, true, false, 0x00123456, 238};
  const TBajty oczekiwane{2, 0, 0, 0, 'A',  'b',  10,   0,    0,  0,
                          1, 0, 1, 0, 0x56, 0x34, 0x12, 0x00, 238};
  ASSERT_EQ(Zapisane([&](TOrvelZapis& z) { zapisz_font(z, f); }), oczekiwane);

  TBajty zapis = oczekiwane;
  zapis[10] = 5;     // bold: any non-zero byte
  zapis[12] = 0xFF;  // underline
  TCzcionka wynik;
  EXPECT_TRUE(Czytaj(zapis, [&](TOrvelOdczyt& s) { return odczytaj_font(s, wynik); }).Przeczytano);
  EXPECT_EQ(wynik, f);
}

TEST(GridSettings, Block2005LayoutFieldByField) {
  EXPECT_EQ(Blok2005(Probka(), 0x2A), Reczny2005(Probka(), 0x2A));
}

TEST(GridSettings, RoundTripKeepsEveryByteAndValue) {
  const TBajty blok = Blok2005(Probka(), 73);
  TUstawieniaSiatki u;
  const TWynik w = Czytaj(blok, odczytaj2005, u);
  EXPECT_TRUE(w.Przeczytano);
  EXPECT_EQ(w.Zuzyto, static_cast<int64_t>(blok.size()));
  EXPECT_EQ(u, Probka());
  EXPECT_EQ(Blok2005(u, 73), blok);
}

TEST(GridSettings, HeaderAndThreeColumnsWriteFourWidths) {
  TUstawieniaSiatki u;
  u.Szerokosci = {30, 100, 100, 80};
  const TBajty blok = Blok2005(u);
  const size_t c = blok.size() - 4 * (1 + 4 + 1 + 6);  // count, widths, count, six heights
  TBajty ogon(blok.begin() + static_cast<std::ptrdiff_t>(c),
              blok.begin() + static_cast<std::ptrdiff_t>(c) + 20);
  TBajty oczekiwane;
  Lista(oczekiwane, {30, 100, 100, 80});
  EXPECT_EQ(ogon, oczekiwane);

  TUstawieniaSiatki swieze;
  ASSERT_TRUE(Czytaj(blok, odczytaj2005, swieze).Przeczytano);
  EXPECT_EQ(swieze.Szerokosci, (std::vector<int32_t>{30, 100, 100, 80}));
}

TEST(GridSettings, VersionByteIsWrittenAsGivenAndNeverRead) {
  const TBajty zero = Blok2005(Probka(), 0), pelny = Blok2005(Probka(), 255);
  EXPECT_EQ(zero[0], 0);
  EXPECT_EQ(pelny[0], 255);
  EXPECT_TRUE(std::equal(zero.begin() + 1, zero.end(), pelny.begin() + 1, pelny.end()));
  TUstawieniaSiatki a, b;
  EXPECT_TRUE(Czytaj(zero, odczytaj2005, a).Przeczytano);
  EXPECT_TRUE(Czytaj(pelny, odczytaj2005, b).Przeczytano);
  EXPECT_EQ(a, Probka());
  EXPECT_EQ(b, Probka());
}

TEST(GridSettings, Form2004KeepsDragColourAndFrozenLines) {
  TUstawieniaSiatki u;
  u.TurboMyszDragKolor = 0x00ABCDEF;
  u.FixedCols = 4;
  u.FixedRows = 5;
  const TBajty blok = Reczny2004(Probka());
  const TWynik w = Czytaj(blok, odczytaj2004, u);
  EXPECT_TRUE(w.Przeczytano);
  EXPECT_EQ(w.Zuzyto, static_cast<int64_t>(blok.size()));

  TUstawieniaSiatki oczekiwane = Probka();
  oczekiwane.TurboMyszDragKolor = 0x00ABCDEF;
  oczekiwane.FixedCols = 4;
  oczekiwane.FixedRows = 5;
  EXPECT_EQ(u, oczekiwane);
}

TEST(GridSettings, Form2002ReadsDataFontSizesAndTwoColoursOnly) {
  TUstawieniaSiatki zrodlo;  // the values the block holds
  zrodlo.Font = {"Courier", 11, false, true, false, true, 0x00ABCDEF, 1};
  zrodlo.DefaultSzerIo = 70;
  zrodlo.DefaultWysIo = 16;
  zrodlo.InfoKolor = 0x00111111;
  zrodlo.OczkoKolor = 0x00222222;
  zrodlo.DefaultJust = 1;
  zrodlo.Szerokosci = {40, 90};
  zrodlo.Wysokosci = {15, 15, 15};
  const TBajty blok = Reczny2002(zrodlo);

  TUstawieniaSiatki u = Probka();
  const TWynik w = Czytaj(blok, odczytaj2002, u);
  EXPECT_TRUE(w.Przeczytano);
  EXPECT_EQ(w.Zuzyto, static_cast<int64_t>(blok.size()));

  TUstawieniaSiatki oczekiwane = Probka();
  oczekiwane.Font = zrodlo.Font;
  oczekiwane.Font.ZestawZnakow = Probka().Font.ZestawZnakow;
  oczekiwane.DefaultSzerIo = zrodlo.DefaultSzerIo;
  oczekiwane.DefaultWysIo = zrodlo.DefaultWysIo;
  oczekiwane.DefaultJust = zrodlo.DefaultJust;
  oczekiwane.InfoKolor = zrodlo.InfoKolor;
  oczekiwane.OczkoKolor = zrodlo.OczkoKolor;
  oczekiwane.Szerokosci = zrodlo.Szerokosci;
  oczekiwane.Wysokosci = zrodlo.Wysokosci;
  EXPECT_EQ(u, oczekiwane);
}

TEST(GridSettings, CutOffBlockChangesNothing) {
  const struct {
    TBajty Blok;
    TCzytnik Czytnik;
  } formy[] = {{Blok2005(Probka()), odczytaj2005},
               {Reczny2004(Probka()), odczytaj2004},
               {Reczny2002(Probka()), odczytaj2002}};
  for (const auto& forma : formy) {
    for (size_t n = 0; n < forma.Blok.size(); ++n) {
      TUstawieniaSiatki u;
      const TBajty uciety(forma.Blok.begin(), forma.Blok.begin() + static_cast<std::ptrdiff_t>(n));
      EXPECT_FALSE(Czytaj(uciety, forma.Czytnik, u).Przeczytano) << n;
      EXPECT_EQ(u, TUstawieniaSiatki{}) << n;
    }
  }
  const TBajty font = Zapisane([](TOrvelZapis& z) { zapisz_font(z, Probka().Font); });
  TCzcionka f;
  EXPECT_FALSE(Czytaj(TBajty(font.begin(), font.end() - 1), [&](TOrvelOdczyt& s) {
                 return odczytaj_font(s, f);
               }).Przeczytano);
  EXPECT_EQ(f, TCzcionka{});
}

TEST(GridSettings, FontNameBeyondTheFormatDropsTheBlock) {
  auto czyta = [](const TBajty& blok, TCzytnik czytnik) {
    TUstawieniaSiatki u;
    const bool wynik = Czytaj(blok, czytnik, u).Przeczytano;
    EXPECT_EQ(wynik, u != TUstawieniaSiatki{});
    return wynik;
  };
  TUstawieniaSiatki p = Probka();
  p.FontKursor.Nazwa.assign(99, 'x');
  EXPECT_TRUE(czyta(Reczny2005(p, 103), odczytaj2005));
  p.FontKursor.Nazwa.assign(100, 'x');
  EXPECT_FALSE(czyta(Reczny2005(p, 103), odczytaj2005));
  EXPECT_FALSE(czyta(Reczny2004(p), odczytaj2004));

  TBajty ujemna = Blok2005(Probka());
  Wpisz(ujemna, 1, -1);
  EXPECT_FALSE(czyta(ujemna, odczytaj2005));

  p = Probka();
  p.Font.Nazwa.assign(42, 'x');
  EXPECT_TRUE(czyta(Reczny2002(p), odczytaj2002));
  p.Font.Nazwa.assign(43, 'x');
  EXPECT_FALSE(czyta(Reczny2002(p), odczytaj2002));
}

TEST(GridSettings, WriterCutsNameTheReaderCouldNotTake) {
  TUstawieniaSiatki p = Probka();
  p.FontInfo.Nazwa.assign(150, 'x');
  TUstawieniaSiatki u;
  ASSERT_TRUE(Czytaj(Blok2005(p), odczytaj2005, u).Przeczytano);
  p.FontInfo.Nazwa.resize(99);
  EXPECT_EQ(u, p);
}

TEST(GridSettings, CountTheFileCannotHoldDropsTheBlock) {
  const TBajty blok = Blok2005(Probka());
  const size_t r = blok.size() - 4 * 3, c = r - 4 * 4;  // two heights, three widths
  for (auto [o, n] : {std::pair{c, -1}, {c, 0x40000000}, {r, -3}, {r, 3}}) {
    TBajty zly = blok;
    Wpisz(zly, o, n);
    TUstawieniaSiatki u;
    EXPECT_FALSE(Czytaj(zly, odczytaj2005, u).Przeczytano) << o << " " << n;
    EXPECT_EQ(u, TUstawieniaSiatki{});
  }
}

TEST(GridSettings, FileVersionChoosesTheForm) {
  TUstawieniaSiatki bez2004 = Probka(), bez2002;
  bez2004.TurboMyszDragKolor = TUstawieniaSiatki{}.TurboMyszDragKolor;
  bez2004.FixedCols = bez2004.FixedRows = 1;
  bez2002.Font = Probka().Font;
  bez2002.Font.ZestawZnakow = 1;
  bez2002.DefaultSzerIo = 64;
  bez2002.DefaultWysIo = 18;
  bez2002.InfoKolor = 0x00010101;
  bez2002.OczkoKolor = 0x00030303;
  bez2002.DefaultJust = 2;
  bez2002.Szerokosci = {30, 40, 50};
  bez2002.Wysokosci = {14, 20};

  const struct {
    int Wersja;
    TBajty Blok;
    TUstawieniaSiatki Oczekiwane;
  } przypadki[] = {{60, Reczny2002(Probka()), bez2002}, {68, Reczny2002(Probka()), bez2002},
                   {69, Reczny2004(Probka()), bez2004}, {72, Reczny2004(Probka()), bez2004},
                   {73, Blok2005(Probka()), Probka()},  {103, Blok2005(Probka()), Probka()}};
  for (const auto& p : przypadki) {
    TUstawieniaSiatki u;
    const TWynik w =
        Czytaj(p.Blok, [&](TOrvelOdczyt& s) { return OdczytajUstawienia(s, u, p.Wersja); });
    EXPECT_TRUE(w.Przeczytano) << p.Wersja;
    EXPECT_EQ(w.Zuzyto, static_cast<int64_t>(p.Blok.size())) << p.Wersja;
    EXPECT_EQ(u, p.Oczekiwane) << p.Wersja;
  }
}
