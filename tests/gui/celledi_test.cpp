#include "gui/grid/celledi.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "gui/grid/grafoczka.h"
#include "gui/grid/tekst.h"
#include "gui/grid/uklady_tekstow.h"

using namespace velmor;

namespace {

struct TZapis {
  std::vector<std::string> zdarzenia;
  void operator()(const std::string& s) { zdarzenia.push_back(s); }
};

QImage Rysuj(TCellEdi& s, int kolumna, int wiersz, QRect r, TStanOczka stan = {}, int tryb = 1,
             bool drukowanie = false) {
  QImage obraz(r.right() + 2, r.bottom() + 2, QImage::Format_RGB32);
  obraz.fill(Qt::black);
  QPainter p(&obraz);
  s.kresl_oczko(p, drukowanie, kolumna, wiersz, r, stan, tryb, 1.0);
  return obraz;
}

uint32_t Piksel(const QImage& obraz, int x, int y) { return Kolor(obraz.pixelColor(x, y)); }

QPoint Srodek(TCellEdi& s, int kolumna, int wiersz) { return s.CellRect(kolumna, wiersz).center(); }

class Grid : public ::testing::Test {
 protected:
  void SetUp() override {
    s.resize(600, 300);
    s.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
  }
  TCellEdi s;
};

}  // namespace

TEST(GridModel, DefaultsOfANewControl) {
  TCellEdi s;
  EXPECT_EQ(s.ColCount(), 6);
  EXPECT_EQ(s.RowCount(), 6);
  EXPECT_EQ(s.Ilx(), 5);
  EXPECT_EQ(s.FixedCols(), 1);
  EXPECT_EQ(s.SzerInfo(), 50);
  EXPECT_EQ(s.WysInfo(), 14);
  EXPECT_EQ(s.DefaultSzerIo(), 100);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(s.SzerIo(x), 100);
  EXPECT_EQ(s.WysIo(4), 14);
  EXPECT_EQ(s.Kurx(), 0);
  EXPECT_EQ(s.InfoKolor, 0x00FFB0B0u);
  EXPECT_EQ(s.FontKursor().Kolor, 0x00FFFFFFu);
  EXPECT_TRUE(s.TurboMyszRuch);
  EXPECT_TRUE(s.SchowekExcelStyl);
  EXPECT_EQ(s.Ustawienia(), TUstawieniaSiatki{});
}

TEST(GridModel, CountsAreClampedAndNewColumnsInheritTheLastWidth) {
  TCellEdi s;
  s.UstawIlx(0);
  EXPECT_EQ(s.Ilx(), 1);
  s.UstawIly(60000);
  EXPECT_EQ(s.Ily(), 49999);
  s.UstawIlx(10);
  s.UstawFixedCols(5);
  s.UstawIlx(3);
  EXPECT_EQ(s.FixedCols(), 3);

  s.UstawIlx(2);
  s.UstawSzerIo(1, 80);
  s.UstawIlx(4);
  EXPECT_EQ(s.SzerIo(2), 80);
  EXPECT_EQ(s.SzerIo(3), 80);
  s.UstawSzerIo(4, 10);  // beyond the last data column
  EXPECT_EQ(s.ColCount(), 5);
}

TEST(GridModel, DefaultWidthLeavesHeaderAndFrozenColumns) {
  TCellEdi s;
  s.UstawFixedCols(2);
  s.UstawSzerIo(0, 70);
  s.UstawDefaultSzerIo(40);
  EXPECT_EQ(s.SzerInfo(), 50);
  EXPECT_EQ(s.SzerIo(0), 70);
  EXPECT_EQ(s.SzerIo(1), 40);
  EXPECT_EQ(s.SzerIo(4), 40);
}

TEST(GridModel, CursorIsClampedAndReportedOnce) {
  TCellEdi s;
  s.UstawIlx(3);
  s.UstawIly(10);
  std::vector<std::pair<int, int>> zgloszenia;
  s.OnZmianaKomorki = [&](TCellEdi&, int x, int y) { zgloszenia.emplace_back(x, y); };
  s.UstawKursor(-5, 1000);
  EXPECT_EQ(s.Kurx(), 0);
  EXPECT_EQ(s.Kury(), 9);
  ASSERT_EQ(zgloszenia.size(), 1u);
  EXPECT_EQ(zgloszenia[0], std::make_pair(0, 0));
  s.UstawKursor(0, 9);
  EXPECT_EQ(zgloszenia.size(), 1u);
  s.UstawKurx(2);
  ASSERT_EQ(zgloszenia.size(), 2u);
  EXPECT_EQ(zgloszenia[1], std::make_pair(0, 9));
}

TEST(GridModel, RefreshingAHiddenControlDoesNothing) {
  TCellEdi s;
  int odswiezenia = 0;
  s.OnOdswiezenie = [&](TCellEdi&, int, int) { ++odswiezenia; };
  s.OdswiezAll();
  EXPECT_EQ(odswiezenia, 0);
}

TEST(GridModel, SettingsAppliedComeBackUnchanged) {
  TCellEdi s;
  TUstawieniaSiatki u;
  u.Font.Nazwa = "Arial";
  u.Font.Rozmiar = 11;
  u.Font.Pogrubiona = true;
  u.Font.ZestawZnakow = 238;
  u.FontInfo.Podkreslona = true;
  u.DefaultJust = 2;
  u.EkstraKolorZmiana = 0;
  u.InfoKolor = 0x123456;
  u.FixedCols = 2;
  u.FixedRows = 3;
  u.Szerokosci = {30, 100, 100, 80};
  u.Wysokosci = {20, 14, 14, 14, 16};
  s.Zastosuj(u);
  EXPECT_EQ(s.Ilx(), 3);
  EXPECT_EQ(s.SzerIo(2), 80);
  EXPECT_EQ(s.Ustawienia(), u);
}

TEST_F(Grid, DeleteReachesOnAkcjaThenOnAkcjaEditAsTilde) {
  TZapis z;
  s.OnAkcja = [&](TCellEdi&, int, int, int& key, int button, Qt::KeyboardModifiers) {
    z("akcja " + std::to_string(key) + " " + std::to_string(button));
  };
  s.OnAkcjaEdit = [&](TCellEdi&, int, int, int& key, int) { z("edit " + std::to_string(key)); };
  QTest::keyClick(&s, Qt::Key_Delete);
  QTest::keyClick(&s, Qt::Key_Q);
  EXPECT_EQ(z.zdarzenia,
            std::vector<std::string>({"akcja 46 0", "edit 126", "akcja 81 0", "edit 113"}));

  z.zdarzenia.clear();
  s.OnAkcja = [&](TCellEdi&, int, int, int& key, int, Qt::KeyboardModifiers) {
    z("akcja " + std::to_string(key));
    key = 0;
  };
  QTest::keyClick(&s, Qt::Key_Delete);
  QTest::keyClick(&s, Qt::Key_A);
  EXPECT_EQ(z.zdarzenia, std::vector<std::string>({"akcja 46", "akcja 65"}));
}

TEST_F(Grid, CopyAndPasteKeys) {
  std::map<std::pair<int, int>, std::string> dane{{{0, 0}, "a"}, {{1, 0}, "b"}, {{0, 1}, "c"}};
  std::vector<std::string> wklejone;
  int akcje = 0;
  s.OnOczkoToClipboard = [&](TCellEdi&, int x, int y, std::string& t, TStrumienRekordow*) {
    t = dane[{x, y}];
  };
  s.OnClipboardToOczko = [&](TCellEdi&, int x, int y, std::string& t, TStrumienRekordow*) {
    wklejone.push_back(std::to_string(x) + "," + std::to_string(y) + "=" + t);
  };
  // Modifier keys reach OnAkcja on their own (16, 17, 18); they are not counted.
  s.OnAkcja = [&](TCellEdi&, int, int, int& key, int, Qt::KeyboardModifiers) {
    akcje += key < 16 || key > 18;
  };
  s.UstawZaznaczenie({1, 1, 2, 2});
  QTest::keyClick(&s, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "a\tb\r\nc\t\r\n");
  EXPECT_EQ(akcje, 0);

  s.UstawKursor(3, 4);
  s.UstawIlx(10);
  s.UstawIly(10);
  s.UstawKursor(3, 4);
  QTest::keyClick(&s, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(wklejone, std::vector<std::string>({"3,4=a", "4,4=b", "3,5=c"}));
  QTest::keyClick(&s, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(wklejone.size(), 6u);
  QTest::keyClick(&s, Qt::Key_V, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(wklejone.size(), 6u);
  EXPECT_EQ(akcje, 1);

  QApplication::clipboard()->setText(QString::fromUtf8("Łódź\t\"x\r\ny\"\r\n"));
  wklejone.clear();
  s.ze_schowka();
  EXPECT_EQ(wklejone, std::vector<std::string>({"3,4=" + Cp1250("Łódź"), "4,4=x\r\ny"}));
}

TEST_F(Grid, SecondPressOnTheCursorCellIsAnAction) {
  TZapis z;
  s.OnAkcja = [&](TCellEdi&, int x, int y, int& key, int button, Qt::KeyboardModifiers) {
    z("akcja " + std::to_string(x) + std::to_string(y) + " " + std::to_string(key) + " " +
      std::to_string(button));
  };
  s.OnAkcjaEdit = [&](TCellEdi&, int, int, int&, int button) {
    z("edit " + std::to_string(button));
  };
  s.OnMyszWOczkuAkcja = [&](TCellEdi&, int, int, int xm, int ym, int) {
    z("mysz " + std::to_string(xm >= 0 && ym >= 0));
  };
  QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, Srodek(s, 2, 3));
  EXPECT_EQ(s.Kurx(), 1);
  EXPECT_EQ(s.Kury(), 2);
  EXPECT_TRUE(z.zdarzenia.empty());
  QTest::mouseClick(s.viewport(), Qt::RightButton, {}, Srodek(s, 2, 3));
  EXPECT_EQ(z.zdarzenia, std::vector<std::string>({"akcja 12 0 2", "edit 2", "mysz 1"}));
}

TEST_F(Grid, HeaderPressesAndTheCorner) {
  std::vector<int> wiersze;
  int naroznik = 0;
  s.OnLeftInfoAkcja = [&](TCellEdi&, int poz, int, Qt::KeyboardModifiers) {
    wiersze.push_back(poz);
  };
  QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, Srodek(s, 0, 3));
  EXPECT_EQ(wiersze, std::vector<int>{2});
  QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, Srodek(s, 3, 0));
  EXPECT_EQ(s.Zaznaczenie().Left, 3);
  EXPECT_EQ(s.Zaznaczenie().Top, 1);
  EXPECT_EQ(s.Zaznaczenie().Bottom, s.RowCount() - 1);
  QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, Srodek(s, 0, 0));
  EXPECT_EQ(s.Zaznaczenie().Right, s.ColCount() - 1);
  s.OnLeftTopAkcja = [&](TCellEdi&, int, Qt::KeyboardModifiers) { ++naroznik; };
  s.UstawKursor(0, 0);
  QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, Srodek(s, 0, 0));
  EXPECT_EQ(naroznik, 1);
  EXPECT_EQ(s.Zaznaczenie().Right, 1);
}

TEST_F(Grid, FrozenLinesStayWhileScrolling) {
  s.UstawIlx(200);
  s.UstawIly(500);
  s.UstawFixedCols(2);
  s.UstawFixedRows(2);
  const QRect zamrozona = s.CellRect(1, 1);
  const QRect ruchoma = s.CellRect(2, 2);
  s.horizontalScrollBar()->setValue(10);
  s.verticalScrollBar()->setValue(30);
  EXPECT_EQ(s.CellRect(1, 1), zamrozona);
  EXPECT_EQ(s.CellRect(1, 0).left(), zamrozona.left());
  EXPECT_TRUE(s.CellRect(2, 2).isNull());
  EXPECT_EQ(s.CellRect(12, 32).topLeft(), ruchoma.topLeft());
  s.UstawKursor(150, 400);
  EXPECT_FALSE(s.CellRect(151, 401).isNull());
}

// Keys, clicks and header presses keep the cursor and the selection in the
// scrollable cells, and every move of the cursor scrolls it into view.
TEST_F(Grid, CursorAndSelectionStayOutOfTheFrozenLines) {
  s.UstawIlx(100);
  s.UstawIly(200);
  s.UstawFixedCols(3);
  s.UstawFixedRows(3);
  EXPECT_EQ(s.Kurx(), 2);
  EXPECT_EQ(s.Kury(), 2);
  QTest::keyClick(&s, Qt::Key_Left);
  QTest::keyClick(&s, Qt::Key_Up);
  EXPECT_EQ(s.Kurx(), 2);
  EXPECT_EQ(s.Kury(), 2);
  QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, Srodek(s, 1, 5));
  EXPECT_EQ(s.Kurx(), 2);
  EXPECT_EQ(s.Kury(), 4);
  s.UstawZaznaczenie({1, 1, 4, 4});
  EXPECT_EQ(s.Zaznaczenie().Left, 3);
  EXPECT_EQ(s.Zaznaczenie().Top, 3);

  QTest::keyClick(&s, Qt::Key_End, Qt::ControlModifier);
  EXPECT_FALSE(s.CellRect(100, 200).isNull());
  QTest::keyClick(&s, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(s.Kurx(), 2);
  EXPECT_EQ(s.Kury(), 2);
  EXPECT_EQ(s.horizontalScrollBar()->value(), 0);
  EXPECT_EQ(s.verticalScrollBar()->value(), 0);

  // A frozen column's header selects nothing; Shift+click on a second
  // header and a drag across headers select the range.
  const TZaznaczenie przed = s.Zaznaczenie();
  QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, Srodek(s, 2, 0));
  EXPECT_EQ(s.Zaznaczenie(), przed);
  QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, Srodek(s, 3, 0));
  QTest::mouseClick(s.viewport(), Qt::LeftButton, Qt::ShiftModifier, Srodek(s, 5, 0));
  EXPECT_EQ(s.Zaznaczenie(), (TZaznaczenie{3, 3, 5, 200}));
  QTest::mousePress(s.viewport(), Qt::LeftButton, {}, Srodek(s, 0, 4));
  QTest::mouseMove(s.viewport(), Srodek(s, 0, 7));
  QTest::mouseRelease(s.viewport(), Qt::LeftButton, {}, Srodek(s, 0, 7));
  EXPECT_EQ(s.Zaznaczenie(), (TZaznaczenie{3, 4, 100, 7}));
  // Dragged on into the frozen headers, the range reaches the first line.
  QTest::mousePress(s.viewport(), Qt::LeftButton, {}, Srodek(s, 6, 0));
  QTest::mouseMove(s.viewport(), Srodek(s, 4, 0));
  QTest::mouseMove(s.viewport(), Srodek(s, 1, 0));
  QTest::mouseRelease(s.viewport(), Qt::LeftButton, {}, Srodek(s, 1, 0));
  EXPECT_EQ(s.Zaznaczenie(), (TZaznaczenie{3, 3, 6, 200}));
  QTest::mousePress(s.viewport(), Qt::LeftButton, {}, Srodek(s, 0, 6));
  QTest::mouseMove(s.viewport(), Srodek(s, 0, 4));
  QTest::mouseMove(s.viewport(), Srodek(s, 0, 1));
  QTest::mouseRelease(s.viewport(), Qt::LeftButton, {}, Srodek(s, 0, 1));
  EXPECT_EQ(s.Zaznaczenie(), (TZaznaczenie{3, 3, 100, 6}));

  QTest::keyClick(&s, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(s.Zaznaczenie(), (TZaznaczenie{3, 3, 100, 200}));
}

// A drag held below the view scrolls it and the selection grows with it.
TEST_F(Grid, DragSelectionScrollsPastTheEdge) {
  s.UstawIly(500);
  QTest::mousePress(s.viewport(), Qt::LeftButton, {}, Srodek(s, 1, 2));
  QMouseEvent ruch(QEvent::MouseMove, QPointF(50, s.viewport()->height() + 20),
                   s.viewport()->mapToGlobal(QPointF(50, s.viewport()->height() + 20)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(s.viewport(), &ruch);
  QTest::qWait(400);
  QTest::mouseRelease(s.viewport(), Qt::LeftButton, {}, Srodek(s, 1, 1));
  EXPECT_GT(s.verticalScrollBar()->value(), 0);
  EXPECT_GT(s.Zaznaczenie().Bottom, 30);
  const int dol = s.Zaznaczenie().Bottom;
  QTest::qWait(100);
  EXPECT_EQ(s.Zaznaczenie().Bottom, dol);  // the release stops it
}

// A column sized to 0 can be caught at its edge and widened again; the
// wheel with Shift scrolls sideways; leaving clears the header highlight.
TEST_F(Grid, HiddenColumnsShiftWheelAndTheHeaderHighlight) {
  s.UstawIlx(50);
  s.UstawSzerKolumny(2, 0);
  const int krawedz = s.CellRect(1, 0).right() + 2;
  QTest::mousePress(s.viewport(), Qt::LeftButton, {}, QPoint(krawedz, 5));
  QTest::mouseMove(s.viewport(), QPoint(krawedz + 40, 5));
  QTest::mouseRelease(s.viewport(), Qt::LeftButton, {}, QPoint(krawedz + 40, 5));
  EXPECT_GT(s.SzerKolumny(2), 30);
  EXPECT_EQ(s.SzerKolumny(1), 100);

  QWheelEvent kolko(QPointF(50, 50), s.mapToGlobal(QPointF(50, 50)), {}, QPoint(0, -240),
                    Qt::NoButton, Qt::ShiftModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(s.viewport(), &kolko);
  EXPECT_EQ(s.horizontalScrollBar()->value(), 2);
  EXPECT_EQ(s.verticalScrollBar()->value(), 0);

  const auto podswietlony = [&] {
    const QImage obraz = s.viewport()->grab().toImage();
    const QPoint p = s.CellRect(3, 0).center();
    return Piksel(obraz, p.x(), s.CellRect(3, 0).top() + 1);
  };
  const uint32_t zwykly = podswietlony();
  const QPointF nad = Srodek(s, 3, 2);
  QMouseEvent ruch(QEvent::MouseMove, nad, s.viewport()->mapToGlobal(nad), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(s.viewport(), &ruch);
  EXPECT_NE(podswietlony(), zwykly);
  QEvent wyjscie(QEvent::Leave);
  QApplication::sendEvent(&s, &wyjscie);
  EXPECT_EQ(podswietlony(), zwykly);
}

TEST_F(Grid, CursorMoveIsReportedWhenTheNewCellIsPainted) {
  std::vector<std::pair<int, int>> zgloszenia;
  s.OnZmianaKomorki = [&](TCellEdi&, int x, int y) { zgloszenia.emplace_back(x, y); };
  QTest::keyClick(&s, Qt::Key_Down);
  QTest::keyClick(&s, Qt::Key_Right);
  s.viewport()->repaint();
  ASSERT_EQ(zgloszenia.size(), 1u);
  EXPECT_EQ(zgloszenia[0], std::make_pair(0, 0));
  QTest::keyClick(&s, Qt::Key_Right, Qt::ShiftModifier);  // a range: no report
  s.viewport()->repaint();
  EXPECT_EQ(zgloszenia.size(), 1u);
  EXPECT_EQ(s.Zaznaczenie().Right - s.Zaznaczenie().Left, 1);
}

TEST(GridDrawing, GradientEndsAndFlatFillWhenPrinting) {
  TCellEdi s;
  const QRect r(0, 0, 60, 40);
  const QImage ekran = Rysuj(s, 1, 1, r);
  EXPECT_NEAR(static_cast<int>(Piksel(ekran, 30, 0) & 0xFF), 0xBC, 2);
  EXPECT_NEAR(static_cast<int>(Piksel(ekran, 30, 39) & 0xFF), 0xE4, 2);
  EXPECT_EQ(Piksel(ekran, 30, 39) >> 16, 0xFFu);
  const QImage papier = Rysuj(s, 1, 1, r, {}, 1, true);
  EXPECT_EQ(Piksel(papier, 30, 0), 0x00FFD0D0u);
  EXPECT_EQ(Piksel(papier, 30, 39), 0x00FFD0D0u);
}

// The box of the pixels a text drew on white.
QRect Tusz(const QImage& obraz) {
  QRect tusz;
  for (int y = 0; y < obraz.height(); ++y)
    for (int x = 0; x < obraz.width(); ++x)
      if (obraz.pixel(x, y) != qRgb(255, 255, 255)) tusz |= QRect(x, y, 1, 1);
  return tusz;
}

// A kept layout lands where the full way puts the text, clipped alike; the
// first sight and a mnemonic go the full way.
TEST(GridDrawing, KeptTextLayoutsDrawAsTheFullWay) {
  TUkladyTekstow uklady;
  const QRect r(10, 5, 90, 24);
  const QFont czcionka("DejaVu Sans", 10);
  const auto rysuj = [&](const std::string& tekst, int flagi, bool wlasny) {
    QImage obraz(120, 36, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    p.setFont(czcionka);
    if (wlasny) EXPECT_TRUE(uklady.Rysuj(p, tekst, 0, r, flagi)) << tekst;
    else p.drawText(r, flagi, QTekst(tekst));
    return Tusz(obraz);
  };
  for (const std::string tekst : {"Jan Wójcik", "Katarzyna Wiśniewska-Zielińska"}) {
    const std::string cp = Cp1250(QString::fromStdString(tekst));
    bool widziany = false;
    for (int flagi : {Qt::AlignLeft | Qt::AlignTop, Qt::AlignHCenter | Qt::AlignVCenter,
                      Qt::AlignRight | Qt::AlignBottom}) {
      QImage obraz(1, 1, QImage::Format_RGB32);
      QPainter p(&obraz);
      p.setFont(czcionka);
      EXPECT_EQ(uklady.Rysuj(p, cp, 0, r, flagi), widziany);
      p.end();
      widziany = true;
      const QRect pelny = rysuj(cp, flagi, false), wlasny = rysuj(cp, flagi, true);
      if (pelny.width() > r.width()) {
        EXPECT_TRUE(r.contains(wlasny)) << tekst;
      }
      for (int roznica : {wlasny.left() - pelny.left(), wlasny.top() - pelny.top(),
                          wlasny.right() - pelny.right(), wlasny.bottom() - pelny.bottom()})
        EXPECT_LE(std::abs(roznica), 1) << tekst << ' ' << flagi;
    }
  }
  QImage obraz(1, 1, QImage::Format_RGB32);
  QPainter p(&obraz);
  EXPECT_FALSE(uklady.Rysuj(p, "&Plik", 0, r, Qt::AlignLeft));
  EXPECT_FALSE(uklady.Rysuj(p, "&Plik", 0, r, Qt::AlignLeft));
}

TEST(GridDrawing, SelectedCellsAndTheCursor) {
  TCellEdi s;
  s.EkstraKolorZmiana = 0;
  s.OnOczko = [](TCellEdi&, int, int, TTekstOczka& ato) { ato.ustaw_kolor(0x00123456); };
  const QRect r(0, 0, 40, 20);
  EXPECT_EQ(Piksel(Rysuj(s, 1, 1, r), 5, 5), 0x00123456u);
  EXPECT_EQ(Piksel(Rysuj(s, 1, 1, r, {true, true, false}), 5, 5), s.KursorKolor);
  EXPECT_EQ(Piksel(Rysuj(s, 1, 1, r, {true, false, false}), 5, 5), s.ZaznaczKolor);
  EXPECT_EQ(Piksel(Rysuj(s, 1, 0, r, {}, 3), 5, 5), s.TurboMyszRuchKolor);
}

TEST(GridDrawing, SubCellsSplitWithTheRemainderLast) {
  TCellEdi s;
  s.EkstraKolorZmiana = 0;
  const uint32_t kolory[] = {0x000000FF, 0x0000FF00, 0x00FF0000};
  s.OnOczko = [&](TCellEdi&, int, int, TTekstOczka& ato) {
    ato.Kolumny = 3;
    ato.GruboscSiatki = 0;
    ato.Podoczka.assign(3, TPodoczko{});
    for (int i = 0; i < 3; ++i) ato.Podoczka[static_cast<size_t>(i)].KolorTla = kolory[i];
  };
  const QImage obraz = Rysuj(s, 1, 1, QRect(0, 0, 50, 10));
  std::vector<int> szerokosci(3, 0);
  for (int x = 0; x < 50; ++x)
    for (int i = 0; i < 3; ++i)
      if (Piksel(obraz, x, 5) == kolory[i]) ++szerokosci[static_cast<size_t>(i)];
  EXPECT_EQ(szerokosci, std::vector<int>({16, 16, 18}));
}

TEST(GridDrawing, CornerSquaresOnlyWithACornerAction) {
  TCellEdi s;
  s.EkstraKolorZmiana = 0;
  const QRect r(0, 0, 70, 30);  // w = 10, h = 10
  EXPECT_EQ(Piksel(Rysuj(s, 0, 0, r), 15, 15), s.InfoKolor);
  s.OnLeftTopAkcja = [](TCellEdi&, int, Qt::KeyboardModifiers) {};
  const QImage obraz = Rysuj(s, 0, 0, r);
  EXPECT_EQ(Piksel(obraz, 15, 15), 0x000000FFu);
  EXPECT_EQ(Piksel(obraz, 35, 15), 0x00008000u);
  EXPECT_EQ(Piksel(obraz, 55, 15), 0x00FF0000u);
  EXPECT_EQ(Piksel(Rysuj(s, 0, 0, r, {}, 1, true), 15, 15), s.InfoKolor);
}

TEST(GridDrawing, TopBorderOfTheDaySeparator) {
  TCellEdi s;
  s.EkstraKolorZmiana = 0;
  s.OnOczko = [](TCellEdi&, int, int, TTekstOczka& ato) {
    ato.BokiRamki = kBokGora;
    ato.GruboscRamki = 2;
    ato.KolorRamki = 0x00FF0000;
  };
  const QImage obraz = Rysuj(s, 1, 1, QRect(0, 0, 40, 20));
  EXPECT_EQ(Piksel(obraz, 20, 0), 0x00FF0000u);
  EXPECT_EQ(Piksel(obraz, 20, 10), s.OczkoKolor);
}

TEST(GridDrawing, WindowGraphicsInACell) {
  QImage obraz(40, 120, QImage::Format_RGB32);
  obraz.fill(Qt::black);
  {
    QPainter p(&obraz);
    TGrafOczkaRys(p, 0, 0, 40, 20).kresl_zakaz(1, 1, 6);           // centre (20, 10)
    TGrafOczkaRys(p, 0, 20, 40, 100).kresl_slupki(3, 0x00FF0000);  // blocks 5 high
  }
  EXPECT_EQ(Piksel(obraz, 20, 5), 0x000000FFu);    // the red disc above the bar
  EXPECT_EQ(Piksel(obraz, 20, 10), 0x00FFFFFFu);   // the white bar
  EXPECT_EQ(Piksel(obraz, 10, 118), 0x00FF0000u);  // the lowest block
  EXPECT_EQ(Piksel(obraz, 10, 115), 0x00FFFF00u);  // its cyan top line
  EXPECT_EQ(Piksel(obraz, 10, 106), 0x00FF0000u);  // the third block
  EXPECT_EQ(Piksel(obraz, 10, 100), 0x00000000u);  // nothing above it
  EXPECT_EQ(Piksel(obraz, 2, 118), 0x00000000u);   // inset by a tenth
}
