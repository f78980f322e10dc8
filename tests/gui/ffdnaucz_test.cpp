// The duty limits editor.
#include "gui/editors/ffdnaucz.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QToolButton>

#include "core/grid/tekstoczka.h"
#include "gui/grid/celledi.h"
#include "gui/grid/tekst.h"
#include "gui/planning/ffddysp.h"
#include "powloka.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

class Limits : public Powloka {
 protected:
  // Four teachers N0..N3 on two days of two periods, three regions; teacher
  // t has limits t + 1 and 10 * (t + 1), and 3 duties as ZapiszPlanDyzurow
  // fills the table.
  void SetUp() override {
    Powloka::SetUp();
    Otworz({});
  }

  void Otworz(const TStopka& stopka) {
    ZapiszPlanDyzurow(folder / "plan.vlm", Szkola({2, 2}, 4, 3), 3, stopka);
    dialogi.Pliki.push_back(Sciezka("plan.vlm"));
    Glowne().Odczytaj();
  }

  Tffdnaucz& Okno() { return *static_cast<Tffdnaucz*>(Okna().ffdnaucz); }
  TCellEdi& Siatka() { return Okno().Siatka(); }
  TNaucz& N(int t) { return Dok().Nauczyciele[t]; }

  TTekstOczka Oczko(int x, int y) {
    TTekstOczka ato;
    Siatka().OnOczko(Siatka(), x, y, ato);
    return ato;
  }
  std::string Tekst(int x, int y) { return Oczko(x, y).daj_tekst(0); }
  std::string Naglowek(int x) {
    TTekstOczka ato;
    Siatka().OnTopInfo(Siatka(), x, ato);
    return ato.daj_tekst(0);
  }

  // Teacher t on duty `ile` times at the moments from 0 on, in region 0 up.
  void Dyzury(const std::vector<int>& ile) {
    Dok().Dyzury.UstawWszystkie(kBrak);
    int komorka = 0;
    for (int t = 0; t < static_cast<int>(ile.size()); ++t)
      for (int i = 0; i < ile[static_cast<size_t>(t)]; ++i, ++komorka)
        Dok().Dyzury.UstawDyzurnego(komorka / 4, komorka % 4, static_cast<uint8_t>(t));
  }

  void Zakazy(int t, int ile) {
    for (int s = 0; s < ile; ++s) N(t).Dyspozycja[s].Zakaz = 1;
  }

  std::vector<int32_t> Kolejnosc() { return Okno().Kolejnosc(); }
  void Sortuj(int k) { Siatka().OnTopInfoAkcja(Siatka(), k, 1, {}); }

  void Kursor(int x, int y) { Siatka().UstawKursor(x, y); }
  void Klik(int x, int y, int button) {
    Kursor(x, y);
    int key = 0;
    Siatka().OnAkcjaEdit(Siatka(), x, y, key, button);
  }
  void Klawisz(int x, int y, int znak) {
    Kursor(x, y);
    Siatka().OnAkcjaEdit(Siatka(), x, y, znak, 0);
  }
  void Wklej(int x, int y, std::string tekst) {
    Siatka().OnWklejanie([&] { Siatka().OnClipboardToOczko(Siatka(), x, y, tekst, nullptr); });
  }

  Tffddysp& Mikroplan() {
    return *static_cast<Tffddysp*>(Towarzysze().Mikroplan(kMikroplanGlowny));
  }
  Tffddysp& GdzieDyzuruje() {
    return *static_cast<Tffddysp*>(Towarzysze().Mikroplan(kMikroplanGdzie));
  }
};

}  // namespace

TEST_F(Limits, AFreshWindowHasItsSizes) {
  Uruchom();
  EXPECT_EQ(Okno().windowTitle(), "Limity dyżurów");
  EXPECT_EQ(Siatka().Ilx(), 4);
  EXPECT_EQ(Siatka().SzerInfo(), 30);
  EXPECT_EQ(Siatka().WysInfo(), 28);
  EXPECT_EQ(Siatka().SzerIo(0), 150);
  for (int x : {1, 2, 3}) EXPECT_EQ(Siatka().SzerIo(x), 50) << x;
}

TEST_F(Limits, TheMenuCommandShowsTheWindow) {
  Glowne().Polecenia().Limity->trigger();
  EXPECT_TRUE(Okno().isVisible());
  EXPECT_EQ(Siatka().Ilx(), 4);
  EXPECT_EQ(Siatka().Ily(), 4);
  EXPECT_EQ(Naglowek(0), "Kto?");
  EXPECT_EQ(Naglowek(1), "Ile razy?");
  EXPECT_EQ(Naglowek(2), "Ile minut?");
  EXPECT_EQ(Naglowek(3), "Dyspozycja");
  EXPECT_EQ(Okno().KolumnaSortowania(), 0);
  EXPECT_EQ(Kolejnosc(), (std::vector<int32_t>{0, 1, 2, 3}));
}

TEST_F(Limits, CellsShowLimitsLoadsBansAndColours) {
  N(1).Imie = "Jan";
  N(1).Kolor = 0x00778899;
  Zakazy(1, 2);
  Okno().Pokaz();
  // Teacher 1: 3 duties at moments 1, 0, 3 (6 + 5 + 8 minutes), no lessons.
  EXPECT_EQ(Tekst(0, 1), "N1 Jan (0)");
  EXPECT_EQ(Tekst(1, 1), "2 (3)");
  EXPECT_EQ(Tekst(2, 1), "20 (19)");
  EXPECT_EQ(Tekst(3, 1), "2");
  for (int x : {0, 1, 2}) EXPECT_EQ(Oczko(x, 1).Podoczka[0].KolorTla, 0x00778899u) << x;
  EXPECT_EQ(Oczko(3, 1).Podoczka[0].KolorTla, 0x000000FFu);
  EXPECT_EQ(Tekst(3, 0), "");  // no bans: nothing, the teacher's colour
  EXPECT_EQ(Oczko(3, 0).Podoczka[0].KolorTla, N(0).Kolor);
  EXPECT_EQ(Tekst(1, 4), ".....");
}

TEST_F(Limits, AFiveAndThreeLimitStepsDownToTheLoadOnly) {
  Dyzury({3});
  N(0).LimitDyzurow = 5;
  N(0).LimitMinut = 60;
  Okno().Pokaz();
  EXPECT_EQ(Tekst(1, 0), "5 (3)");
  EXPECT_EQ(Tekst(2, 0), "60 (18)");  // moments 0, 1, 2: 5 + 6 + 7
  Dok().Zmieniony = false;
  Klik(1, 0, 2);
  EXPECT_EQ(N(0).LimitDyzurow, 4);
  EXPECT_TRUE(Dok().Zmieniony);
  Klik(1, 0, 2);
  Klik(1, 0, 2);
  EXPECT_EQ(N(0).LimitDyzurow, 3);
  Klik(1, 0, 1);
  EXPECT_EQ(N(0).LimitDyzurow, 4);
  // Minutes go by ten, not below 18.
  Klik(2, 0, 2);
  EXPECT_EQ(N(0).LimitMinut, 50);
  N(0).LimitMinut = 20;
  Klik(2, 0, 2);
  EXPECT_EQ(N(0).LimitMinut, 20);
  N(0).LimitMinut = 195;
  Klik(2, 0, 1);
  EXPECT_EQ(N(0).LimitMinut, 195);
}

TEST_F(Limits, TypingSetsTheLimitOfEverySelectedRowWithinItsRange) {
  Dyzury({0, 0, 0, 0});
  Okno().Pokaz();
  Kursor(1, 1);
  Siatka().UstawZaznaczenie({2, 2, 2, 4});
  Dok().Zmieniony = false;
  int k = '~';  // typing goes on from the value shown: clear it first
  Siatka().OnAkcjaEdit(Siatka(), 1, 1, k, 0);
  EXPECT_EQ(N(1).LimitDyzurow, 0);
  EXPECT_TRUE(Dok().Zmieniony);
  k = '9';
  Siatka().OnAkcjaEdit(Siatka(), 1, 1, k, 0);
  EXPECT_EQ(k, 0);
  for (int t : {1, 2, 3}) EXPECT_EQ(N(t).LimitDyzurow, 9) << t;
  EXPECT_EQ(N(0).LimitDyzurow, 1);
  EXPECT_TRUE(Dok().Zmieniony);
  k = '9';  // 99 is taken, 999 is not
  Siatka().OnAkcjaEdit(Siatka(), 1, 1, k, 0);
  EXPECT_EQ(N(1).LimitDyzurow, 99);
  k = '9';
  Siatka().OnAkcjaEdit(Siatka(), 1, 1, k, 0);
  EXPECT_EQ(N(1).LimitDyzurow, 99);
  EXPECT_EQ(k, '9');

  // Keys on the rows beyond the teachers are consumed and change nothing.
  Dok().Zmieniony = false;
  k = '5';
  Siatka().OnAkcjaEdit(Siatka(), 1, 4, k, 0);
  EXPECT_EQ(k, 0);
  EXPECT_FALSE(Dok().Zmieniony);
}

TEST_F(Limits, TypingThroughTheGridKeys) {
  Dyzury({0, 0, 0, 0});
  Okno().Pokaz();
  Kursor(2, 3);
  QTest::keyClick(&Siatka(), Qt::Key_Delete);
  EXPECT_EQ(N(3).LimitMinut, 0);
  QTest::keyClicks(&Siatka(), "150");
  EXPECT_EQ(N(3).LimitMinut, 150);
}

TEST_F(Limits, EachHeaderSortsAndTheMarkFollows) {
  Dyzury({1, 3, 3, 0});  // minutes: 5; 6 + 7 + 8; 5 + 6 + 7; 0
  Zakazy(0, 2);
  Zakazy(3, 2);
  Zakazy(2, 1);
  Okno().Pokaz();
  Sortuj(1);
  EXPECT_EQ(Okno().KolumnaSortowania(), 1);
  EXPECT_EQ(Kolejnosc(), (std::vector<int32_t>{2, 1, 0, 3}));
  Sortuj(2);
  EXPECT_EQ(Kolejnosc(), (std::vector<int32_t>{1, 2, 0, 3}));
  Sortuj(3);
  EXPECT_EQ(Kolejnosc(), (std::vector<int32_t>{3, 0, 2, 1}));
  EXPECT_EQ(Tekst(0, 0).rfind("N3 ", 0), 0u);
  EXPECT_EQ(Tekst(3, 0), "2");
  Sortuj(0);
  EXPECT_EQ(Kolejnosc(), (std::vector<int32_t>{0, 1, 2, 3}));

  // The mark is drawn in the sort column's header only.
  Sortuj(2);
  const auto czarne = [this](int x) {
    QImage obraz(Siatka().SzerIo(x), Siatka().WysInfo(), QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    Siatka().OnGrafOczko(Siatka(), p, x, -1, 0, 0);
    p.end();
    int n = 0;
    for (int y = 0; y < obraz.height(); ++y)
      for (int i = 0; i < obraz.width(); ++i) n += Kolor(obraz.pixelColor(i, y)) == 0;
    return n;
  };
  EXPECT_GT(czarne(2), 5);
  EXPECT_EQ(czarne(0), 0);
  EXPECT_EQ(czarne(1), 0);
}

TEST_F(Limits, AfterSortingTheLowerBoundIsThatOfTheRowsTeacher) {
  Dyzury({0, 0, 4, 0});
  for (int t = 0; t < 4; ++t) N(t).LimitDyzurow = 6;
  Okno().Pokaz();
  Sortuj(1);
  ASSERT_EQ(Kolejnosc()[0], 2);
  Kursor(1, 0);
  QTest::keyClick(&Siatka(), Qt::Key_Delete);  // 0 is below teacher 2's four
  EXPECT_EQ(N(2).LimitDyzurow, 6);
  Klik(1, 0, 2);
  Klik(1, 0, 2);
  Klik(1, 0, 2);
  EXPECT_EQ(N(2).LimitDyzurow, 4);
  EXPECT_EQ(N(0).LimitDyzurow, 6);
  Klik(1, 1, 2);  // row 1 shows teacher 3, who has none
  EXPECT_EQ(N(3).LimitDyzurow, 5);
}

TEST_F(Limits, PastedLimitsAreReadBeforeTheBlankAndClamped) {
  Okno().Pokaz();
  Dok().Zmieniony = false;
  Wklej(1, 0, "7");
  EXPECT_EQ(N(0).LimitDyzurow, 0);
  EXPECT_TRUE(Dok().Zmieniony);
  Wklej(1, 0, "7 (2)");
  EXPECT_EQ(N(0).LimitDyzurow, 7);
  Wklej(2, 0, "250 (2)");
  EXPECT_EQ(N(0).LimitMinut, 200);
  Wklej(2, 1, "-5 x");
  EXPECT_EQ(N(1).LimitMinut, 0);
  Wklej(1, 1, "12,7 (1)");
  EXPECT_EQ(N(1).LimitDyzurow, 12);
  Wklej(1, 1, "99999999999999999999 (1)");
  EXPECT_EQ(N(1).LimitDyzurow, 100);

  // No lower bound when pasting; other columns and rows are ignored.
  Wklej(1, 2, "0 (3)");
  EXPECT_EQ(N(2).LimitDyzurow, 0);
  Dok().Zmieniony = false;
  const std::string n3 = N(3).Nazwisko;
  Wklej(0, 3, "X (1)");
  Wklej(3, 3, "5 (1)");
  Wklej(1, 4, "5 (1)");
  EXPECT_EQ(N(3).Nazwisko, n3);
  EXPECT_FALSE(Dok().Zmieniony);
}

TEST_F(Limits, CopiedLimitsPasteBackThroughTheClipboard) {
  N(2).LimitMinut = 70;
  Okno().Pokaz();
  Kursor(2, 2);
  QTest::keyClick(&Siatka(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text().trimmed(), "70 (18)");
  N(2).LimitMinut = 10;
  QTest::keyClick(&Siatka(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(N(2).LimitMinut, 70);
}

TEST_F(Limits, ClicksOpenTheMicroPlansWhichFollowTheCursor) {
  Okno().Pokaz();
  Klik(0, 2, 1);
  EXPECT_TRUE(Mikroplan().isVisible());
  EXPECT_EQ(Mikroplan().Tryb(), 0);
  EXPECT_EQ(Mikroplan().Podmiot(), 2);
  Klik(3, 1, 1);
  EXPECT_TRUE(GdzieDyzuruje().isVisible());
  EXPECT_EQ(GdzieDyzuruje().Tryb(), 1);
  EXPECT_EQ(GdzieDyzuruje().Podmiot(), 1);

  Sortuj(3);
  Zakazy(0, 1);
  Okno().Pokaz();
  Sortuj(3);  // teacher 0 first now
  Kursor(1, 0);
  EXPECT_EQ(Mikroplan().Podmiot(), 0);
  EXPECT_EQ(GdzieDyzuruje().Podmiot(), 0);

  // A right click opens nothing; a hidden plan does not follow.
  GdzieDyzuruje().hide();
  Klik(3, 3, 2);
  EXPECT_FALSE(GdzieDyzuruje().isVisible());
  Kursor(1, 3);
  EXPECT_EQ(Mikroplan().Podmiot(), Kolejnosc()[3]);
  EXPECT_EQ(GdzieDyzuruje().Podmiot(), 0);

  // Koniec closes the window and the "Mikroplan" with it.
  Okno().Koniec()->click();
  EXPECT_FALSE(Okno().isVisible());
  EXPECT_FALSE(Mikroplan().isVisible());
}

TEST_F(Limits, EscapeClosesAndTheOrderSurvivesUntilTheTeacherCountChanges) {
  Dyzury({0, 2, 1, 3});
  Okno().Pokaz();
  Sortuj(1);
  QTest::keyClick(&Siatka(), Qt::Key_Escape);
  EXPECT_FALSE(Okno().isVisible());
  Okno().Pokaz();
  EXPECT_EQ(Okno().KolumnaSortowania(), 1);
  EXPECT_EQ(Kolejnosc(), (std::vector<int32_t>{3, 1, 2, 0}));

  ZapiszPlanDyzurow(folder / "piec.vlm", Szkola({2, 2}, 5, 3), 3);
  dialogi.Pliki.push_back(Sciezka("piec.vlm"));
  Glowne().Odczytaj();
  Okno().Pokaz();
  EXPECT_EQ(Okno().KolumnaSortowania(), 0);
  EXPECT_EQ(Kolejnosc(), (std::vector<int32_t>{0, 1, 2, 3, 4}));
  EXPECT_EQ(Siatka().Ily(), 5);
}

TEST_F(Limits, StoredLookKeepsFourColumns) {
  TStopka stopka;
  stopka.Okna[kOknoLimity].Prostokat = {20, 30, 420, 330};
  auto& siatka = stopka.Okna[kOknoLimity].Siatka;
  siatka.Szerokosci = {30, 111, 50, 50, 50, 60, 70};
  siatka.Wysokosci = std::vector<int32_t>(3, 14);
  siatka.InfoKolor = 0x00123456;
  Otworz(stopka);
  EXPECT_EQ(Siatka().InfoKolor, 0x00123456u);
  EXPECT_EQ(Siatka().SzerIo(0), 111);
  EXPECT_EQ(Siatka().Ilx(), 4);
}

TEST_F(Limits, WithoutTeachersOneRowOfDotsAndEscapeStillCloses) {
  Dok().Nauczyciele.ZmienRozmiar(0);
  Okno().Pokaz();
  EXPECT_EQ(Siatka().Ily(), 1);
  EXPECT_EQ(Tekst(0, 0), ".....");
  EXPECT_TRUE(Kolejnosc().empty());
  Kursor(1, 0);
  QTest::keyClick(&Siatka(), Qt::Key_5);
  EXPECT_FALSE(Dok().Zmieniony);
  QTest::keyClick(&Siatka(), Qt::Key_Escape);
  EXPECT_FALSE(Okno().isVisible());
}

// Delete empties a limit that may not be 0 for typing; a number below the
// teacher's duties waits in the cell, and Enter says why it is not taken.
TEST_F(Limits, ANumberBelowTheDutiesIsRefusedWithAMessageOnEnter) {
  Dyzury({0, 0, 4, 0});
  N(2).LimitDyzurow = 6;
  Okno().Pokaz();
  Kursor(1, 2);
  QTest::keyClick(&Siatka(), Qt::Key_Delete);
  QTest::keyClicks(&Siatka(), "3");
  EXPECT_EQ(N(2).LimitDyzurow, 6);
  EXPECT_EQ(Tekst(1, 2), "3 (4)");
  QTest::keyClick(&Siatka(), Qt::Key_Return);
  EXPECT_TRUE(Okno().Komunikat()->text().startsWith(QString::fromUtf8("Nie mniej niż 4")))
      << Okno().Komunikat()->text().toStdString();
  EXPECT_EQ(N(2).LimitDyzurow, 6);
  QTest::keyClick(&Siatka(), Qt::Key_Backspace);
  QTest::keyClicks(&Siatka(), "5");
  EXPECT_EQ(N(2).LimitDyzurow, 5);
  EXPECT_EQ(Tekst(1, 2), "5 (4)");
  EXPECT_EQ(Okno().Komunikat()->text(), "");
  // Left untaken, the number is dropped with the cell.
  QTest::keyClick(&Siatka(), Qt::Key_Delete);
  Kursor(1, 3);
  Kursor(1, 2);
  EXPECT_EQ(Tekst(1, 2), "5 (4)");
}
