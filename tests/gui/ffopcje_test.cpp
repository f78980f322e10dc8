#include "gui/grid/ffopcje.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "gui/grid/celledi.h"
#include "gui/grid/dialogczcionki.h"

using namespace velmor;

namespace {

template <typename T>
T* Dziecko(QObject& rodzic, const char* nazwa) {
  T* w = rodzic.findChild<T*>(nazwa);
  EXPECT_NE(w, nullptr) << nazwa;
  return w;
}

class AppearanceDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    okno.WybierzCzcionke = [this](QWidget*, const TCzcionka& f) -> std::optional<TCzcionka> {
      pokazanaCzcionka = f;
      return wybranaCzcionka;
    };
    okno.WybierzKolor = [this](QWidget*, uint32_t k) -> std::optional<uint32_t> {
      pokazanyKolor = k;
      return wybranyKolor;
    };
  }
  QSpinBox* Pole(const char* nazwa) { return Dziecko<QSpinBox>(okno, nazwa); }
  void Kliknij(const char* nazwa) { Dziecko<QAbstractButton>(okno, nazwa)->click(); }

  TCellEdi siatka;
  Tffopcje okno;
  std::optional<TCzcionka> wybranaCzcionka;
  std::optional<uint32_t> wybranyKolor;
  TCzcionka pokazanaCzcionka;
  uint32_t pokazanyKolor = 0;
};

}  // namespace

TEST_F(AppearanceDialog, ProportionalSizesArePercentagesOfTheOpeningSizes) {
  EXPECT_EQ(okno.windowTitle(), "Wygląd tabeli");
  siatka.UstawIlx(3);
  siatka.UstawSzerIo(0, 55);
  siatka.UstawSzerIo(1, 70);
  siatka.UstawSzerIo(2, 101);
  siatka.UstawWysIo(1, 20);
  okno.Wczytaj(siatka, true, false, false, false);
  EXPECT_EQ(Pole("szerOczek")->value(), 100);
  EXPECT_EQ(Pole("wysOczek")->value(), 100);
  EXPECT_EQ(siatka.SzerIo(0), 55);  // loading changes nothing

  Pole("szerOczek")->setValue(150);
  EXPECT_EQ(siatka.SzerIo(0), 82);
  EXPECT_EQ(siatka.SzerIo(1), 105);
  EXPECT_EQ(siatka.SzerIo(2), 151);
  Pole("szerOczek")->setValue(10);
  EXPECT_EQ(siatka.SzerIo(0), 5);
  Pole("szerOczek")->setValue(100);
  EXPECT_EQ(siatka.SzerIo(0), 55);
  EXPECT_EQ(siatka.SzerIo(1), 70);
  EXPECT_EQ(siatka.SzerIo(2), 101);
  Pole("wysOczek")->setValue(200);
  EXPECT_EQ(siatka.WysIo(1), 40);
  EXPECT_EQ(siatka.WysIo(0), 28);
  EXPECT_EQ(siatka.SzerInfo(), 50);  // the header keeps its size

  // Opened again, the sizes of now are the new 100 %.
  okno.Wczytaj(siatka, true, false, false, false);
  EXPECT_EQ(Pole("wysOczek")->value(), 100);
  EXPECT_EQ(siatka.WysIo(1), 40);
}

TEST_F(AppearanceDialog, PlainSizesAndHeaderSizes) {
  siatka.UstawSzerIo(0, 55);
  okno.Wczytaj(siatka, false, false, false, false);
  EXPECT_EQ(Pole("szerOczek")->value(), 100);
  EXPECT_EQ(Pole("szerOczek")->minimum(), 10);
  EXPECT_EQ(Pole("szerOczek")->maximum(), 300);
  EXPECT_EQ(Pole("szerInfo")->minimum(), 1);
  Pole("szerOczek")->setValue(60);
  EXPECT_EQ(siatka.DefaultSzerIo(), 60);
  EXPECT_EQ(siatka.SzerIo(0), 60);
  EXPECT_EQ(siatka.SzerIo(4), 60);
  Pole("wysOczek")->setValue(18);
  EXPECT_EQ(siatka.DefaultWysIo(), 18);
  Pole("szerInfo")->setValue(120);
  Pole("wysInfo")->setValue(30);
  EXPECT_EQ(siatka.SzerInfo(), 120);
  EXPECT_EQ(siatka.WysInfo(), 30);

  // Another grid loads its own values without touching them.
  TCellEdi druga;
  druga.UstawSzerIo(1, 77);
  okno.Wczytaj(druga, false, false, false, false);
  EXPECT_EQ(Pole("szerOczek")->value(), 100);
  EXPECT_EQ(druga.SzerIo(1), 77);
  EXPECT_EQ(druga.SzerInfo(), 50);
}

TEST_F(AppearanceDialog, FrozenLinesOnlyWhereAllowedAndPossible) {
  siatka.UstawIlx(1);
  siatka.UstawIly(4);
  okno.Wczytaj(siatka, false, true, true, false);
  EXPECT_FALSE(Pole("staleKolumny")->isEnabled());
  EXPECT_TRUE(Pole("staleWiersze")->isEnabled());
  EXPECT_EQ(Pole("staleWiersze")->maximum(), 4);
  Pole("staleWiersze")->setValue(3);
  EXPECT_EQ(siatka.FixedRows(), 3);

  siatka.UstawIlx(3);
  okno.Wczytaj(siatka, false, true, false, false);
  EXPECT_TRUE(Pole("staleKolumny")->isEnabled());
  EXPECT_FALSE(Pole("staleWiersze")->isEnabled());
  EXPECT_EQ(Pole("staleWiersze")->value(), 3);
  Pole("staleKolumny")->setValue(2);
  EXPECT_EQ(siatka.FixedCols(), 2);
}

TEST_F(AppearanceDialog, AlignmentAndShading) {
  siatka.DefaultJust = 7;  // anything else shows as right
  siatka.DefaultJustVert = 1;
  okno.Wczytaj(siatka, false, false, false, false);
  EXPECT_TRUE(Dziecko<QRadioButton>(okno, "poziomo2")->isChecked());
  EXPECT_TRUE(Dziecko<QRadioButton>(okno, "pionowo1")->isChecked());
  EXPECT_EQ(siatka.DefaultJust, 7);
  EXPECT_FALSE(Dziecko<QRadioButton>(okno, "pionowo0")->isEnabled());
  Kliknij("poziomo1");
  EXPECT_EQ(siatka.DefaultJust, 1);

  okno.Wczytaj(siatka, false, false, false, true);
  Kliknij("pionowo2");
  EXPECT_EQ(siatka.DefaultJustVert, 2);
  EXPECT_EQ(Pole("cieniowanie")->value(), 40);
  Pole("cieniowanie")->setValue(0);
  EXPECT_EQ(siatka.EkstraKolorZmiana, 0);
}

TEST_F(AppearanceDialog, TableFontCarriedToTheFontsThatFollowIt) {
  okno.Wczytaj(siatka, false, false, false, false);
  TCzcionka niebieska = siatka.Font();
  niebieska.Kolor = 0x00FF0000;
  niebieska.Rozmiar = 12;
  wybranaCzcionka = niebieska;
  Kliknij("czcionkaTabeli");
  EXPECT_EQ(pokazanaCzcionka, TCzcionka{});
  EXPECT_EQ(siatka.Font(), niebieska);
  EXPECT_EQ(siatka.FontInfo(), niebieska);
  EXPECT_EQ(siatka.FontKursor().Kolor, 0x00FF0000u);  // no longer white

  // Unticked, the cursor font keeps its own; ticking copies the table font.
  auto* kursor = Dziecko<QCheckBox>(okno, "jakTabeliKursor");
  kursor->setChecked(false);
  TCzcionka zielona = niebieska;
  zielona.Kolor = 0x0000FF00;
  wybranaCzcionka = zielona;
  Kliknij("czcionkaTabeli");
  EXPECT_EQ(siatka.FontInfo().Kolor, 0x0000FF00u);
  EXPECT_EQ(siatka.FontKursor().Kolor, 0x00FF0000u);
  kursor->setChecked(true);
  EXPECT_EQ(siatka.FontKursor(), zielona);

  // The header and cursor fonts on their own; cancelling changes nothing.
  TCzcionka gruba = zielona;
  gruba.Pogrubiona = true;
  wybranaCzcionka = gruba;
  Kliknij("czcionkaNaglowka");
  EXPECT_EQ(pokazanaCzcionka, zielona);
  EXPECT_EQ(siatka.FontInfo(), gruba);
  EXPECT_EQ(siatka.Font(), zielona);
  wybranaCzcionka.reset();
  Kliknij("czcionkaKursora");
  EXPECT_EQ(siatka.FontKursor(), zielona);
}

TEST_F(AppearanceDialog, ColourSwatchesDriveTheirProperties) {
  okno.Wczytaj(siatka, false, false, false, false);
  const std::pair<const char*, uint32_t TCellEdi::*> probki[] = {
      {"kolorNaglowki", &TCellEdi::InfoKolor},
      {"kolorAktywnyNaglowek", &TCellEdi::TurboMyszRuchKolor},
      {"kolorOczka", &TCellEdi::OczkoKolor},
      {"kolorKursor", &TCellEdi::KursorKolor},
      {"kolorZaznaczenie", &TCellEdi::ZaznaczKolor},
      {"kolorPrzenoszone", &TCellEdi::TurboMyszDragKolor}};
  uint32_t nowy = 0x00102030;
  for (const auto& [nazwa, pole] : probki) {
    const uint32_t byl = siatka.*pole;
    wybranyKolor.reset();
    Kliknij(nazwa);
    EXPECT_EQ(pokazanyKolor, byl) << nazwa;
    EXPECT_EQ(siatka.*pole, byl) << nazwa;
    wybranyKolor = ++nowy;
    Kliknij(nazwa);
    EXPECT_EQ(siatka.*pole, nowy) << nazwa;
  }
}

TEST_F(AppearanceDialog, EnterEscapeAndCloseEndTheDialog) {
  for (int klawisz : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Enter}) {
    QTimer::singleShot(0, [this, klawisz] {
      ASSERT_TRUE(okno.isVisible());
      Pole("wysInfo")->setValue(25);
      QTest::keyClick(Pole("wysInfo"), static_cast<Qt::Key>(klawisz));
    });
    okno.pokaz_wyglad(siatka, true, true, true, true);
    EXPECT_FALSE(okno.isVisible());
    EXPECT_EQ(siatka.WysInfo(), 25);  // applied at once, kept on closing
    siatka.UstawWysInfo(14);
  }
  QTimer::singleShot(0, [this] { Kliknij("zamknij"); });
  okno.pokaz_wyglad(siatka, false, false, false, false);
  EXPECT_FALSE(okno.isVisible());
}

// Only the sizes the grid takes are offered or accepted; style, colour and
// character set come through.
TEST(FontDialog, SizeWithinBoundsColourAndCharacterSet) {
  TCzcionka f;
  f.Kolor = 0x00FF0000;
  f.ZestawZnakow = 238;
  f.Rozmiar = 72;
  TDialogCzcionki okno(f);
  EXPECT_EQ(okno.Rozmiar()->minimum(), 6);
  EXPECT_EQ(okno.Rozmiar()->maximum(), 20);
  TCzcionka wynik = okno.Czcionka();
  EXPECT_EQ(wynik.Rozmiar, 20);
  EXPECT_EQ(wynik.Kolor, 0x00FF0000u);
  EXPECT_EQ(wynik.ZestawZnakow, 238);
  okno.Rozmiar()->setValue(3);
  okno.Styl(TDialogCzcionki::kPochylona)->setChecked(true);
  okno.UstawKolor(0x000000FF);
  wynik = okno.Czcionka();
  EXPECT_EQ(wynik.Rozmiar, 6);
  EXPECT_TRUE(wynik.Pochylona);
  EXPECT_FALSE(wynik.Pogrubiona);
  EXPECT_EQ(wynik.Kolor, 0x000000FFu);
}
