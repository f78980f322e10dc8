#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/archive/bledy.h"
#include "core/archive/napisy.h"
#include "core/archive/strumien.h"
#include "pliki_testowe.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

const TProstokat kPulpit{0, 0, 1920, 1080};

// A container holding only section 0 with the given body.
TOrvelOdczyt Odczyt(const TFolder& folder, const TBajty& tresc) {
  const auto p = folder / "f.bin";
  ZapiszPlik(p, Kontener(103, tresc));
  TOrvelOdczyt s(p);
  s.CzytajBajt();
  EXPECT_TRUE(s.IdzDoSekcji(0));
  return s;
}

}  // namespace

TEST(Container, DirectoryHoldsOnlyTheSectionsWritten) {
  TFolder folder;
  const auto p = folder / "plan.bin";
  {
    TOrvelZapis z(p);
    EXPECT_EQ(z.Pozycja(), 120);
    z.ZapiszBajt(103);
    z.PoczatekSekcji(0);
    z.ZapiszI32(7);
    z.PoczatekSekcji(13);
    z.ZapiszBajt(0xAB);
    z.ZapiszBajt(0xCD);  // trailing data without a section of its own
    z.Zamknij();
  }
  const TBajty b = CzytajPlik(p);
  ASSERT_EQ(b.size(), 127u);
  EXPECT_EQ(b[120], 0x67);
  for (int i = 0; i < 30; ++i) {
    const int32_t oczekiwany = i == 0 ? 121 : i == 13 ? 125 : -1;
    EXPECT_EQ(I32Z(b, 4 * i), oczekiwany) << i;
  }

  TOrvelOdczyt s(p);
  EXPECT_EQ(s.Pozycja(), 120);
  EXPECT_EQ(s.CzytajBajt(), 103);
  EXPECT_FALSE(s.IdzDoSekcji(1));
  EXPECT_FALSE(s.IdzDoSekcji(12));
  EXPECT_EQ(s.Pozycja(), 121);  // a skipped section does not move the reader
  ASSERT_TRUE(s.IdzDoSekcji(13));
  EXPECT_EQ(s.CzytajBajt(), 0xAB);
  EXPECT_EQ(s.CzytajBajt(), 0xCD);
  ASSERT_TRUE(s.IdzDoSekcji(0));
  EXPECT_EQ(s.CzytajI32(), 7);
}

TEST(Container, SectionStartedTwiceKeepsTheLaterPosition) {
  TFolder folder;
  const auto p = folder / "f.bin";
  TOrvelZapis z(p);
  z.ZapiszBajt(103);
  z.PoczatekSekcji(2);
  z.ZapiszI32(1);
  z.PoczatekSekcji(2);
  z.Zamknij();
  EXPECT_EQ(I32Z(CzytajPlik(p), 8), 125);
}

TEST(Container, AbandonedWriterStillWritesTheDirectory) {
  TFolder folder;
  const auto p = folder / "f.bin";
  try {
    TOrvelZapis z(p);
    z.ZapiszBajt(103);
    z.PoczatekSekcji(0);
    z.ZapiszI32(5);
    z.PoczatekSekcji(1);
    z.ZapiszI16(9);
    throw std::runtime_error("save abandoned");
  } catch (const std::runtime_error&) {
  }
  const TBajty b = CzytajPlik(p);
  ASSERT_EQ(b.size(), 127u);
  EXPECT_EQ(I32Z(b, 0), 121);
  EXPECT_EQ(I32Z(b, 4), 125);
  for (int i = 2; i < 30; ++i) EXPECT_EQ(I32Z(b, 4 * i), -1) << i;
}

TEST(Container, PrimitivesAreLittleEndian) {
  TFolder folder;
  const auto p = folder / "f.bin";
  {
    TOrvelZapis z(p);
    z.ZapiszBajt(0x67);
    z.ZapiszI16(-2);
    z.ZapiszI16(0x1234);
    z.ZapiszI32(0x01020304);
    z.ZapiszI32(-1000);
    z.ZapiszF64(-2.5);
    ZapiszOkno(z, {-5, 10, 800, 0x10000});
  }
  TBajty oczekiwane;
  Dopisz(oczekiwane,
         {0x67, 0xFE, 0xFF, 0x34, 0x12, 0x04, 0x03, 0x02, 0x01, 0x18, 0xFC, 0xFF, 0xFF});
  Dopisz(oczekiwane, {0, 0, 0, 0, 0, 0, 0x04, 0xC0});
  Dopisz(oczekiwane, {0xFB, 0xFF, 0xFF, 0xFF, 10, 0, 0, 0, 0x20, 0x03, 0, 0, 0, 0, 1, 0});
  const TBajty b = CzytajPlik(p);
  EXPECT_EQ(TBajty(b.begin() + 120, b.end()), oczekiwane);

  TOrvelOdczyt s(p);
  EXPECT_EQ(s.CzytajBajt(), 0x67);
  EXPECT_EQ(s.CzytajI16(), -2);
  EXPECT_EQ(s.CzytajI16(), 0x1234);
  EXPECT_EQ(s.CzytajI32(), 0x01020304);
  EXPECT_EQ(s.CzytajI32(), -1000);
  EXPECT_EQ(s.CzytajF64(), -2.5);
  TProstokat okno;
  EXPECT_TRUE(CzytajOkno(s, okno, {-10, 0, 1920, 1080}));
  EXPECT_EQ(okno, (TProstokat{-5, 10, 800, 0x10000}));
}

TEST(Container, TypedReadsRaiseAtTheEndButRawReadsDoNot) {
  TFolder folder;
  TOrvelOdczyt s = Odczyt(folder, {1, 2, 3});
  EXPECT_THROW(s.CzytajI32(), EStrumien);
  EXPECT_THROW(s.CzytajF64(), EStrumien);
  EXPECT_EQ(s.Pozycja(), 121);  // a refused read does not move the reader
  EXPECT_EQ(s.CzytajI16(), 0x0201);
  EXPECT_THROW(s.CzytajI16(), EStrumien);

  uint8_t bufor[4] = {9, 9, 9, 9};
  EXPECT_EQ(s.Read(bufor, 4), 1u);
  EXPECT_EQ(bufor[0], 3);
  EXPECT_EQ(bufor[1], 9);
  EXPECT_EQ(s.Read(bufor, 4), 0u);
  EXPECT_THROW(s.CzytajBajt(), EStrumien);
  char jeden;
  EXPECT_THROW(s.CzytajBajty(&jeden, 1), EStrumien);
}

TEST(Container, CountsMustFitTheRestOfTheFile) {
  TFolder folder;
  TBajty tresc;
  DopiszI32(tresc, 2);
  Dopisz(tresc, {1, 2, 3, 4, 5, 6, 7, 8});
  TOrvelOdczyt s = Odczyt(folder, tresc);
  EXPECT_EQ(s.CzytajLiczbe(4), 2);
  ASSERT_TRUE(s.IdzDoSekcji(0));
  EXPECT_THROW(s.CzytajLiczbe(5), EStrumien);

  TBajty ujemna;
  DopiszI32(ujemna, -1);
  TOrvelOdczyt u = Odczyt(folder, ujemna);
  EXPECT_THROW(u.CzytajLiczbe(0), EStrumien);
}

TEST(Container, SkipAndSectionJumpsStayInsideTheFile) {
  TFolder folder;
  TOrvelOdczyt s = Odczyt(folder, {1, 2, 3, 4});
  s.Pomin(3);
  EXPECT_EQ(s.CzytajBajt(), 4);
  EXPECT_THROW(s.Pomin(1), EStrumien);
  ASSERT_TRUE(s.IdzDoSekcji(0));
  EXPECT_THROW(s.Pomin(-1), EStrumien);
  s.Pomin(4);
  EXPECT_EQ(s.Pozostalo(), 0);

  TBajty b = Kontener(103, {});
  b[4] = 0x7F;  // section 1 at offset 127 of a 121-byte file
  const auto p = folder / "zly.bin";
  ZapiszPlik(p, b);
  TOrvelOdczyt z(p);
  EXPECT_THROW(z.IdzDoSekcji(1), EStrumien);
}

TEST(Container, ShortOrMissingFilesAreRefused) {
  TFolder folder;
  const auto p = folder / "f.bin";
  ZapiszPlik(p, TBajty(120, 0xFF));
  EXPECT_THROW(TOrvelOdczyt{p}, EStrumien);
  ZapiszPlik(p, TBajty(121, 0xFF));
  TOrvelOdczyt s(p);
  EXPECT_EQ(s.CzytajBajt(), 0xFF);
  EXPECT_THROW(TOrvelOdczyt{folder / "brak.bin"}, EStrumien);
  EXPECT_THROW(TOrvelZapis{folder / "brak" / "f.bin"}, EStrumien);
}

#ifndef _WIN32
// Windows has no /dev/full.
TEST(Container, FullDiskFailsTheSave) {
  {
    TOrvelZapis z("/dev/full");
    z.ZapiszBajt(103);
    EXPECT_THROW(z.Zamknij(), EStrumien);
  }
  TOrvelZapis z("/dev/full");
  const std::string duzo(1 << 16, 'x');
  EXPECT_THROW(z.Write(duzo.data(), duzo.size()), EStrumien);
}
#endif

TEST(Container, WritingAfterCloseIsRefused) {
  TFolder folder;
  TOrvelZapis z(folder / "f.bin");
  z.Zamknij();
  EXPECT_THROW(z.ZapiszBajt(1), EStrumien);
  EXPECT_NO_THROW(z.Zamknij());
}

TEST(Texts, ShortTextIsCutAt255Bytes) {
  TFolder folder;
  const auto p = folder / "f.bin";
  std::string dlugi(300, 'a');
  for (size_t i = 0; i < dlugi.size(); ++i) dlugi[i] = static_cast<char>('a' + i % 26);
  {
    TOrvelZapis z(p);
    ZapiszNapis(z, dlugi);
    ZapiszNapis(z, "");
    ZapiszNapis(z,
                "\xA3\xF3"
                "d\x9F");  // Łódź
    ZapiszTekst(z, "");
    ZapiszTekst(z, dlugi);
  }
  const TBajty b = CzytajPlik(p);
  ASSERT_EQ(b.size(), 120u + 256 + 1 + 5 + 4 + 4 + 300);
  EXPECT_EQ(b[120], 255);
  EXPECT_EQ(std::string(b.begin() + 121, b.begin() + 376), dlugi.substr(0, 255));
  EXPECT_EQ(b[376], 0);
  EXPECT_EQ(b[377], 4);
  EXPECT_EQ(TBajty(b.begin() + 382, b.begin() + 386), TBajty(4, 0));
  EXPECT_EQ(I32Z(b, 386), 300);

  TOrvelOdczyt s(p);
  std::string t = "stare";
  CzytajNapis(s, t);
  EXPECT_EQ(t, dlugi.substr(0, 255));
  CzytajNapis(s, t);
  EXPECT_EQ(t, "");
  CzytajNapis(s, t);
  EXPECT_EQ(t,
            "\xA3\xF3"
            "d\x9F");
  t = "stare";
  CzytajTekst(s, t);
  EXPECT_EQ(t, "");
  CzytajTekst(s, t);
  EXPECT_EQ(t, dlugi);
}

TEST(Texts, ZeroByteEndsAStoredTextButNotTheField) {
  TFolder folder;
  TBajty tresc;
  Dopisz(tresc, {4, 'a', 0, 'b', 'c'});
  DopiszI32(tresc, 3);
  Dopisz(tresc, {'x', 0, 'y', 0x2A});
  TOrvelOdczyt s = Odczyt(folder, tresc);
  std::string t;
  CzytajNapis(s, t);
  EXPECT_EQ(t, "a");
  CzytajTekst(s, t);
  EXPECT_EQ(t, "x");
  EXPECT_EQ(s.CzytajBajt(), 0x2A);
}

TEST(Texts, BadLengthsOfLongAndShortTexts) {
  TFolder folder;
  TBajty tresc;
  DopiszI32(tresc, -3);
  DopiszI32(tresc, 100);
  Dopisz(tresc, {'a', 'b'});
  TOrvelOdczyt s = Odczyt(folder, tresc);
  std::string t = "stare";
  CzytajTekst(s, t);
  EXPECT_EQ(t, "stare");
  EXPECT_EQ(s.Pozycja(), 125);
  EXPECT_THROW(CzytajTekst(s, t), EStrumien);
  EXPECT_EQ(t, "stare");

  TOrvelOdczyt k = Odczyt(folder, {5, 'a', 'b'});
  EXPECT_THROW(CzytajNapis(k, t), EStrumien);
  EXPECT_EQ(t, "stare");
}

TEST(Windows, RectangleIsKeptOnTheDesktop) {
  TFolder folder;
  TBajty tresc;
  for (int32_t x : {-2000, 50, -1500, 650,   // left of the desktop
                    1915, 1085, 2315, 1385,  // within 10 pixels of the far edges
                    1910, 1070, 2000, 1100,  // exactly 10 pixels in: stays
                    -1280, -1, 0, 99})       // on a desktop reaching left of 0
    DopiszI32(tresc, x);
  TOrvelOdczyt s = Odczyt(folder, tresc);
  TProstokat okno;
  ASSERT_TRUE(CzytajOkno(s, okno, kPulpit));
  EXPECT_EQ(okno, (TProstokat{0, 50, 500, 650}));
  ASSERT_TRUE(CzytajOkno(s, okno, kPulpit));
  EXPECT_EQ(okno, (TProstokat{0, 0, 400, 300}));
  ASSERT_TRUE(CzytajOkno(s, okno, kPulpit));
  EXPECT_EQ(okno, (TProstokat{1910, 1070, 2000, 1100}));
  ASSERT_TRUE(s.IdzDoSekcji(0));
  s.Pomin(48);
  ASSERT_TRUE(CzytajOkno(s, okno, {-1280, -200, 1920, 1080}));
  EXPECT_EQ(okno, (TProstokat{-1280, -1, 0, 99}));
}

TEST(Windows, ShortRectangleLeavesTheWindowAlone) {
  TFolder folder;
  TOrvelOdczyt s = Odczyt(folder, TBajty(15, 0x11));
  TProstokat okno{1, 2, 3, 4};
  EXPECT_FALSE(CzytajOkno(s, okno, kPulpit));
  EXPECT_EQ(okno, (TProstokat{1, 2, 3, 4}));
}
