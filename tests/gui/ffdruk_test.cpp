#include "gui/grid/ffdruk.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "gui/grid/celledi.h"
#include "gui/grid/drukarki.h"
#include "gui/grid/tekst.h"

using namespace velmor;

namespace {

constexpr uint32_t kCzerwony = 0x000000FF;

template <typename T>
T* Dziecko(QObject& rodzic, const char* nazwa) {
  T* w = rodzic.findChild<T*>(nazwa);
  EXPECT_NE(w, nullptr) << nazwa;
  return w;
}

int StronyPdf(const QString& plik) {
  QFile f(plik);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  return static_cast<int>(
      QString::fromLatin1(f.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

bool MaKolor(const QImage& obraz, uint32_t kolor) {
  const QRgb szukany = QKolor(kolor).rgb();
  for (int y = 0; y < obraz.height(); ++y)
    for (int x = 0; x < obraz.width(); ++x)
      if ((obraz.pixel(x, y) & 0x00FFFFFF) == (szukany & 0x00FFFFFF)) return true;
  return false;
}

// Every data row 700 pixels high: on A4 at 100 % each takes a page.
void WierszNaStrone(TCellEdi& s, int wiersze) {
  s.UstawIly(wiersze);
  s.UstawIlx(2);
  for (int y = 0; y < wiersze; ++y) s.UstawWysIo(y, 700);
}

class PrintDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    QPrinter& p = okno.Printer();
    WybierzDrukarke(p, kPlikPdf);
    p.setPageSize(QPageSize(QPageSize::A4));
    p.setPageOrientation(QPageLayout::Portrait);
    okno.PytajOPlik = [this](QWidget*, const QString&) { return plik; };
    siatka.OnOczko = [](TCellEdi&, int x, int y, TTekstOczka& ato) {
      ato.ustaw_tekst(0, std::to_string(x) + "," + std::to_string(y));
    };
  }
  QSpinBox* Pole(const char* nazwa) { return Dziecko<QSpinBox>(okno, nazwa); }
  QCheckBox* Znacznik(const char* nazwa) { return Dziecko<QCheckBox>(okno, nazwa); }
  QString Status() { return Dziecko<QLabel>(okno, "status")->text(); }
  void Drukuj() { Dziecko<QPushButton>(okno, "drukuj")->click(); }

  TCellEdi siatka;
  QPrinter drukarka{QPrinter::HighResolution};
  Tffdruk okno{drukarka};
  QTemporaryDir katalog;
  QString plik = katalog.filePath("wydruk.pdf");
};

}  // namespace

TEST_F(PrintDialog, ControlsWithTheirDefaultsAndBounds) {
  EXPECT_EQ(okno.windowTitle(), "Orvel 05");
  const std::tuple<const char*, int, int, int, int> pola[] = {{"lewy", 0, 0, 200, 5},
                                                              {"dolny", 0, 0, 200, 5},
                                                              {"rozmiar", 100, 10, 900, 10},
                                                              {"od", 1, 1, 20, 1},
                                                              {"do", 1, 1, 20, 1}};
  for (const auto& [nazwa, wartosc, min, max, krok] : pola) {
    EXPECT_EQ(Pole(nazwa)->value(), wartosc) << nazwa;
    EXPECT_EQ(Pole(nazwa)->minimum(), min) << nazwa;
    EXPECT_EQ(Pole(nazwa)->maximum(), max) << nazwa;
    EXPECT_EQ(Pole(nazwa)->singleStep(), krok) << nazwa;
  }
  for (const char* nazwa : {"leweNaglowki", "gorneNaglowki", "wysun"})
    EXPECT_TRUE(Znacznik(nazwa)->isChecked()) << nazwa;
  for (const char* nazwa : {"tylkoZaznaczony", "powtarzaj"})
    EXPECT_FALSE(Znacznik(nazwa)->isChecked()) << nazwa;
  EXPECT_TRUE(Dziecko<QRadioButton>(okno, "kolorowanie0")->isChecked());

  okno.Wczytaj(siatka, "Orvel");
  EXPECT_EQ(Dziecko<QLineEdit>(okno, "tytul")->text(), "Orvel");
  EXPECT_EQ(Status(), " ");
  EXPECT_EQ(Dziecko<QLabel>(okno, "drukarka")->text(), "Plik PDF");
  EXPECT_EQ(okno.Printer().docName(), "Orvel");
}

TEST_F(PrintDialog, PageCountLabelAndRangeFollowTheLayout) {
  const std::pair<int, QString> przypadki[] = {
      {1, "1 strona"}, {3, "3 strony"}, {5, "5 stron"}, {22, "22 stron"}};
  for (const auto& [wiersze, napis] : przypadki) {
    WierszNaStrone(siatka, wiersze);
    okno.Wczytaj(siatka, "Orvel");
    EXPECT_EQ(okno.LiczbaStron(), wiersze);
    EXPECT_EQ(Dziecko<QLabel>(okno, "liczbaStron")->text(), napis);
    EXPECT_EQ(Pole("od")->maximum(), wiersze);
    EXPECT_EQ(Pole("do")->maximum(), wiersze);
    EXPECT_EQ(Pole("do")->value(), wiersze);
  }
  // Changing the size lays out again: at 50 % two rows share a page.
  WierszNaStrone(siatka, 4);
  okno.Wczytaj(siatka, "Orvel");
  Pole("rozmiar")->setValue(50);
  EXPECT_EQ(okno.LiczbaStron(), 2);
  EXPECT_EQ(Dziecko<QLabel>(okno, "liczbaStron")->text(), "2 strony");
}

TEST_F(PrintDialog, PrintsEveryPageOfATableToAPdfFile) {
  WierszNaStrone(siatka, 5);
  okno.Wczytaj(siatka, "Orvel");
  Drukuj();
  EXPECT_FALSE(okno.ZadanieOtwarte());
  EXPECT_EQ(StronyPdf(plik), 5);
  EXPECT_EQ(Status(), " Strona 5");
}

TEST_F(PrintDialog, PrintsThePageRangeWhoseEndsKeepTheirOrder) {
  WierszNaStrone(siatka, 5);
  okno.Wczytaj(siatka, "Orvel");
  Pole("do")->setValue(3);
  Pole("od")->setValue(4);  // past the last: takes the last
  EXPECT_EQ(Pole("od")->value(), 3);
  Pole("do")->setValue(1);  // below the first: takes the first
  EXPECT_EQ(Pole("do")->value(), 3);
  Pole("od")->setValue(2);
  Drukuj();
  EXPECT_EQ(StronyPdf(plik), 2);
  EXPECT_EQ(Status(), " Strona 3");
}

TEST_F(PrintDialog, PrintingOnlyPartOfATableEndsTheJobWithoutEject) {
  WierszNaStrone(siatka, 3);
  okno.Wczytaj(siatka, "Orvel");
  Znacznik("wysun")->setChecked(false);
  Pole("do")->setValue(2);
  Drukuj();
  EXPECT_FALSE(okno.ZadanieOtwarte());
  EXPECT_EQ(okno.PozycjaArkusza(), 0);
  EXPECT_EQ(StronyPdf(plik), 2);
}

TEST_F(PrintDialog, TwoTablesShareASheetWithoutEject) {
  siatka.UstawIlx(2);
  siatka.UstawIly(3);
  okno.Wczytaj(siatka, "Pierwsza");
  Znacznik("wysun")->setChecked(false);
  Drukuj();
  ASSERT_TRUE(okno.ZadanieOtwarte());
  EXPECT_GT(okno.PozycjaArkusza(), 0);

  // The next table's preview shows the first one in light colour.
  TCellEdi druga;
  druga.UstawIlx(3);
  druga.UstawIly(2);
  okno.Wczytaj(druga, "Druga");
  EXPECT_GT(druga.OpisStrony(0)->Y, okno.PozycjaArkusza());
  EXPECT_TRUE(MaKolor(okno.ObszarPodgladu()->grab().toImage(), 0x00C88080));
  Pole("od")->setValue(1);
  Znacznik("wysun")->setChecked(true);
  Drukuj();
  EXPECT_FALSE(okno.ZadanieOtwarte());
  EXPECT_EQ(StronyPdf(plik), 1);
}

TEST_F(PrintDialog, TableWhoseFirstRowDoesNotFitStartsANewSheet) {
  // One data row that leaves less than 10 mm and a header row on the sheet.
  siatka.UstawIly(1);
  okno.Wczytaj(siatka, "Pierwsza");
  const TUkladStron& u = siatka.UkladStron();
  const int wolne = okno.Printer().height() - u.GoraPierwszej - static_cast<int>(14 * u.SkalaY);
  siatka.UstawWysIo(0, static_cast<int>((wolne - 100) / u.SkalaY));
  okno.Wczytaj(siatka, "Pierwsza");
  ASSERT_EQ(okno.LiczbaStron(), 1);
  Znacznik("wysun")->setChecked(false);
  Drukuj();
  ASSERT_TRUE(okno.ZadanieOtwarte());

  TCellEdi druga;
  druga.UstawIly(1);
  okno.Wczytaj(druga, "Druga");
  EXPECT_TRUE(druga.UkladStron().TytulSieNieMiesci);
  // The preview shows the table on a fresh sheet and leaves the flag to the
  // printing.
  EXPECT_FALSE(MaKolor(okno.ObszarPodgladu()->grab().toImage(), 0x00C88080));
  EXPECT_TRUE(druga.UkladStron().TytulSieNieMiesci);
  Znacznik("wysun")->setChecked(true);
  Drukuj();
  EXPECT_EQ(StronyPdf(plik), 2);
  EXPECT_EQ(Status(), " Strona 1");
}

TEST_F(PrintDialog, PrintingTwiceWithoutEjectContinuesBelowTheFirstCopy) {
  siatka.UstawIly(3);
  okno.Wczytaj(siatka, "Orvel");
  Znacznik("wysun")->setChecked(false);
  Drukuj();
  const int pierwsza = okno.PozycjaArkusza();
  Drukuj();  // the layout follows the sheet: below, not over, the first copy
  EXPECT_GT(okno.PozycjaArkusza(), pierwsza + siatka.UkladStron().DziesiecMm);
  Znacznik("wysun")->setChecked(true);
  Drukuj();
  EXPECT_FALSE(okno.ZadanieOtwarte());
  EXPECT_EQ(StronyPdf(plik), 1);
}

TEST_F(PrintDialog, LaterRowBandNeverPrintsOverAnOpenSheet) {
  siatka.UstawIly(2);
  okno.Wczytaj(siatka, "Pierwsza");
  Znacznik("wysun")->setChecked(false);
  Drukuj();
  TCellEdi druga;
  WierszNaStrone(druga, 3);
  okno.Wczytaj(druga, "Druga");
  Pole("od")->setValue(2);  // starts at the top of a sheet
  EXPECT_FALSE(MaKolor(okno.ObszarPodgladu()->grab().toImage(), 0x00C88080));
  Znacznik("wysun")->setChecked(true);
  Drukuj();
  EXPECT_EQ(StronyPdf(plik), 3);  // the first table's sheet, then pages 2 and 3
}

TEST_F(PrintDialog, FailureAndCancelledFileName) {
  siatka.UstawIly(3);
  okno.Wczytaj(siatka, "Orvel");
  plik = katalog.filePath("brak/wydruk.pdf");
  Drukuj();
  EXPECT_EQ(Status(), "Wydruk się nie powiódł...");
  EXPECT_FALSE(okno.ZadanieOtwarte());

  plik.clear();
  Drukuj();
  EXPECT_EQ(Status(), " ");
  EXPECT_FALSE(okno.ZadanieOtwarte());
}

TEST_F(PrintDialog, PreviewPagesAndItsArea) {
  WierszNaStrone(siatka, 3);
  okno.Wczytaj(siatka, "Orvel");
  const TObszarPodgladu o = ObszarPodgladu(okno.Printer().width(), okno.Printer().height());
  EXPECT_EQ(okno.ObszarPodgladu()->size(), QSize(o.Szer, o.Wys));
  EXPECT_EQ(o.Wys, 400);
  EXPECT_EQ(okno.Arkusz().size(), QSize(o.Szer, o.Wys));

  auto* dalej = Dziecko<QPushButton>(okno, "dalej");
  auto* wstecz = Dziecko<QPushButton>(okno, "wstecz");
  EXPECT_EQ(dalej->text(), "Strona 1    >>");
  for (int i = 0; i < 4; ++i) dalej->click();
  EXPECT_EQ(dalej->text(), "Strona 3    >>");
  EXPECT_EQ(okno.Podglad(), 2);
  wstecz->click();
  EXPECT_EQ(dalej->text(), "Strona 2    >>");
  for (int i = 0; i < 4; ++i) wstecz->click();
  EXPECT_EQ(okno.Podglad(), 0);
  // The preview draws the page: grid lines and text on white.
  const QImage podglad = okno.ObszarPodgladu()->grab().toImage();
  EXPECT_TRUE(MaKolor(podglad, 0x00000000));
}

TEST_F(PrintDialog, OptionsRunTheSetUpAndResizeThePreview) {
  siatka.UstawIly(3);
  okno.Wczytaj(siatka, "Orvel");
  Znacznik("wysun")->setChecked(false);
  Drukuj();
  ASSERT_TRUE(okno.ZadanieOtwarte());
  QTimer::singleShot(0, [] {
    QWidget* ustawienia = QApplication::activeModalWidget();
    ASSERT_NE(ustawienia, nullptr);
    Dziecko<QComboBox>(*ustawienia, "orientacja")->setCurrentIndex(1);
    EXPECT_EQ(Dziecko<QComboBox>(*ustawienia, "drukarki")->currentText(), "Plik PDF");
    QTest::keyClick(ustawienia, Qt::Key_Return);
  });
  ASSERT_TRUE(QFile::exists(plik));
  Dziecko<QPushButton>(okno, "opcje")->click();
  EXPECT_FALSE(okno.ZadanieOtwarte());  // the open job was abandoned: no file left
  EXPECT_FALSE(QFile::exists(plik));
  EXPECT_EQ(okno.Printer().pageLayout().orientation(), QPageLayout::Landscape);
  EXPECT_EQ(okno.ObszarPodgladu()->width(), 400);
  EXPECT_LT(okno.ObszarPodgladu()->height(), 400);
  EXPECT_EQ(okno.Arkusz().size(), okno.ObszarPodgladu()->size());
}

TEST_F(PrintDialog, EnterPrintsAndClosesGivingTheEditedTitle) {
  WierszNaStrone(siatka, 2);
  QTimer::singleShot(0, [this] {
    ASSERT_TRUE(okno.isVisible());
    Dziecko<QLineEdit>(okno, "tytul")->setText("Plan");
    QTest::keyClick(&okno, Qt::Key_Return);
  });
  EXPECT_EQ(okno.drukuj_tabele(siatka, "Orvel"), "Plan");
  EXPECT_FALSE(okno.isVisible());
  EXPECT_EQ(StronyPdf(plik), 2);

  QTimer::singleShot(0, [this] { QTest::keyClick(&okno, Qt::Key_Escape); });
  plik = katalog.filePath("inny.pdf");
  okno.drukuj_tabele(siatka, "Orvel");
  EXPECT_FALSE(QFile::exists(plik));  // Esc closes without printing
}

namespace {

// A page drawn on an image that stands in for the printer: 96 pixels per
// inch like the screen, so at 100 % cells keep their screen size.
class PageDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    obraz.setDotsPerMeterX(3780);
    obraz.setDotsPerMeterY(3780);
    siatka.UstawIlx(2);
    siatka.UstawIly(2);
    siatka.OnOczko = [](TCellEdi&, int, int, TTekstOczka& ato) { ato.ustaw_kolor(kCzerwony); };
  }
  // Lays out and draws page `strona`; the image is white first.
  bool Rysuj(int tryb, float skala = 1.0f, int strona = 0) {
    TOpcjeWydruku o;
    o.TrybKolorow = tryb;
    o.Skala = skala;
    siatka.IniStrony(obraz, 400, 300, 0, o);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    return siatka.DrukujStrone(p, strona, dol, "Tytuł", false, false);
  }
  uint32_t Piksel(int x, int y) { return Kolor(obraz.pixelColor(x, y)); }

  TCellEdi siatka;
  QImage obraz{800, 600, QImage::Format_RGB32};
  int dol = -1;
};

}  // namespace

TEST_F(PageDrawing, ColourModesFillsAndOutlines) {
  // Title band 37 pixels, header row 14: data row 1 is y 51..65, data column
  // 1 is x 50..150.
  ASSERT_TRUE(Rysuj(1));
  EXPECT_EQ(siatka.UkladStron().DziesiecMm, 37);
  EXPECT_EQ(Piksel(140, 58), kCzerwony);
  EXPECT_EQ(Piksel(50, 58), 0u);  // the outline
  EXPECT_EQ(dol, 37 + 14 + 14 + 14);
  ASSERT_TRUE(Rysuj(0));
  EXPECT_EQ(Piksel(140, 58), 0x00FFFFFFu);
  bool tytul = false;  // the title line is in the band above the table
  for (int y = 0; y < 37; ++y)
    for (int x = 0; x < 100; ++x) tytul = tytul || Piksel(x, y) != 0x00FFFFFFu;
  EXPECT_TRUE(tytul);
  ASSERT_TRUE(Rysuj(2));
  EXPECT_EQ(Piksel(140, 58), 0x00FFFFFFu);
  siatka.EkstraKolorZmiana = 40;  // printing is flat whatever the shading
  ASSERT_TRUE(Rysuj(1));
  EXPECT_EQ(Piksel(140, 52), kCzerwony);
  EXPECT_EQ(Piksel(140, 64), kCzerwony);
}

TEST_F(PageDrawing, DoubleSizeDoublesTheCells) {
  ASSERT_TRUE(Rysuj(1, 2.0f));
  // Header column 100 wide, header row 28 high: data cell 1 is x 100..300,
  // y 65..93.
  EXPECT_EQ(Piksel(290, 90), kCzerwony);
  EXPECT_EQ(Piksel(300, 80), 0u);
  EXPECT_EQ(dol, 37 + 28 * 3);
}

TEST_F(PageDrawing, PageOutsideTheLayoutDrawsNothing) {
  EXPECT_FALSE(Rysuj(1, 1.0f, 1));
  EXPECT_EQ(Piksel(140, 58), 0x00FFFFFFu);
  EXPECT_FALSE(Rysuj(1, 1.0f, -1));
}

TEST_F(PageDrawing, FirstRowThatDoesNotFitIsRefusedOnceOnThePrinter) {
  TOpcjeWydruku o;
  siatka.IniStrony(obraz, 400, 300, 590, o);
  ASSERT_TRUE(siatka.UkladStron().TytulSieNieMiesci);
  obraz.fill(Qt::white);
  QPainter p(&obraz);
  int podglad = 0;
  EXPECT_TRUE(siatka.DrukujStrone(p, 0, podglad, "", true, false));
  EXPECT_TRUE(siatka.UkladStron().TytulSieNieMiesci);
  EXPECT_FALSE(siatka.DrukujStrone(p, 0, dol, "", false, false));
  EXPECT_EQ(dol, 0);
  EXPECT_TRUE(siatka.DrukujStrone(p, 0, dol, "", false, false));
  EXPECT_EQ(dol, 37 + 14 * 3);  // at the top of the fresh sheet
}
