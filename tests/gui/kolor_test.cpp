#include "gui/grid/kolor.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "gui/grid/tekst.h"

using namespace velmor;

TEST(PaletteControl, PressReportsTheColourUnderThePointer) {
  TKolor paleta;
  EXPECT_EQ(paleta.size(), QSize(100, 40));
  EXPECT_EQ(paleta.contentsRect().size(), QSize(98, 38));
  paleta.resize(100, 42);  // a client area of 98 x 40
  std::vector<uint32_t> zgloszone;
  paleta.OnAkcja = [&zgloszone](TKolor&, uint32_t k) { zgloszone.push_back(k); };
  // Client (45, 19) and (5, 39): the frame is one pixel wide.
  QTest::mouseClick(&paleta, Qt::LeftButton, {}, QPoint(46, 20));
  QTest::mouseClick(&paleta, Qt::RightButton, {}, QPoint(6, 40));
  EXPECT_EQ(zgloszone, (std::vector<uint32_t>{0x00E0E0E0, 0x00E0E0EB}));
}

TEST(PaletteControl, ClientWidthStaysAMultipleOfSeven) {
  TKolor paleta;
  paleta.show();
  paleta.resize(110, 42);
  EXPECT_EQ(paleta.contentsRect().width(), 105);
  EXPECT_EQ(paleta.width(), 107);
  paleta.resize(72, 30);
  EXPECT_EQ(paleta.contentsRect().width(), 70);
}

TEST(PaletteControl, PaintsSevenBandsWithGreySeparators) {
  TKolor paleta;
  paleta.resize(100, 42);
  const QImage obraz = paleta.grab().toImage();
  // Client (x, y) is image (x + 1, y + 1).
  for (int pas = 0; pas < 7; ++pas) {
    const int x0 = pas * 14;
    EXPECT_EQ(Kolor(obraz.pixelColor(x0 + 1, 11)), 0x00C0C0C0u) << pas;
    EXPECT_EQ(Kolor(obraz.pixelColor(x0 + 8, 11)), paleta.daj_kolor(x0, 10)) << pas;
  }
  EXPECT_EQ(Kolor(obraz.pixelColor(44, 21)), 0x00EBEBEBu);
}
