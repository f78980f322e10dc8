// The duty moments editor.
#include "gui/editors/ffdmomenty.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>

#include "core/archive/cp1250.h"
#include "core/grid/tekstoczka.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/grid/celledi.h"
#include "gui/grid/kolor.h"
#include "gui/planning/ffddyzur.h"
#include "powloka.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

class Moments : public Powloka {
 protected:
  // Two days of two periods labelled 8:00 and 9:00: moments m0..m3 of
  // 5..8 minutes.
  void SetUp() override {
    Powloka::SetUp();
    ZapiszPlanDyzurow(folder / "plan.vlm", Szkola({2, 2}, 4, 3), 3);
    dialogi.Pliki.push_back(Sciezka("plan.vlm"));
    Glowne().Odczytaj();
    Dok().Zmieniony = false;
    Okno().Pokaz();
  }

  Tffdmomenty& Okno() { return *static_cast<Tffdmomenty*>(Okna().ffdmomenty); }
  TCellEdi& Siatka() { return Okno().Siatka(); }
  TMoment& Moment(int m) { return Dok().Momenty[m]; }

  // Cursor on (x, y), selection down to row yDo.
  void Zaznacz(int x, int y, int yDo) {
    Siatka().UstawKursor(x, y);
    Siatka().UstawZaznaczenie({x + 1, y + 1, x + 1, yDo + 1});
  }
  void Wklej(int x, int y, const std::string& tekst) {
    std::string t = tekst;
    Siatka().OnWklejanie([&] { Siatka().OnClipboardToOczko(Siatka(), x, y, t, nullptr); });
  }
  std::string Kopia(int x, int y) {
    std::string t;
    Siatka().OnOczkoToClipboard(Siatka(), x, y, t, nullptr);
    return t;
  }
  // A mouse press on the cursor cell.
  void Kliknij(Qt::MouseButton przycisk) {
    const QRect r = Siatka().CellRect(Siatka().Kurx() + 1, Siatka().Kury() + 1);
    ASSERT_FALSE(r.isEmpty());
    QTest::mouseClick(Siatka().viewport(), przycisk, {}, r.center());
  }
  TTekstOczka Naglowek(int y) {
    TTekstOczka ato;
    Siatka().OnLeftInfo(Siatka(), y, ato);
    return ato;
  }
};

class MomentsWindow : public Powloka {};

TEST_F(MomentsWindow, StartsWithItsColumnWidths) {
  TCellEdi& s = static_cast<Tffdmomenty*>(Okna().ffdmomenty)->Siatka();
  EXPECT_EQ(s.Ilx(), 3);
  EXPECT_EQ(s.SzerInfo(), 100);
  EXPECT_EQ(s.SzerIo(0), 150);
  EXPECT_EQ(s.SzerIo(1), 80);
  EXPECT_EQ(s.SzerIo(2), 50);
}

TEST_F(Moments, ShowsOneRowPerMomentWithItsHeaderAndColour) {
  EXPECT_EQ(Siatka().Ilx(), 3);
  EXPECT_EQ(Siatka().Ily(), 4);
  TDni& dni = Dok().Dni;
  dni.Dni.assign(2, TDzien{{{"8:00"}, {"9:00"}}, kKolorDomyslny});
  dni.Dni[1].Kolor = 0x00ABCDEF;
  dni.Przelicz();
  EXPECT_EQ(Naglowek(0).daj_tekst(0), "1. Pon 8:00");
  EXPECT_EQ(Naglowek(3).daj_tekst(0), "2. Wto 9:00");
  EXPECT_EQ(Naglowek(3).Podoczka[0].KolorTla, 0x00ABCDEFu);
  EXPECT_EQ(Naglowek(4).daj_tekst(0), ".....");
  TTekstOczka gora;
  Siatka().OnTopInfo(Siatka(), 2, gora);
  EXPECT_EQ(gora.daj_tekst(0), Utf8DoCp1250("Długa?"));

  Moment(1).Kolor = 0x00123456;
  Moment(1).Dluga = 1;
  for (int x = 0; x < 3; ++x) {
    TTekstOczka ato;
    Siatka().OnOczko(Siatka(), x, 1, ato);
    EXPECT_EQ(ato.Podoczka[0].KolorTla, 0x00123456u) << x;
  }
  EXPECT_EQ(Kopia(0, 1), "m1");
  EXPECT_EQ(Kopia(1, 1), "6");
  EXPECT_EQ(Kopia(2, 1), "Tak");
  EXPECT_EQ(Kopia(2, 0), "");
}

TEST_F(Moments, PastedMinutesAreReducedToAWholeNumberInRange) {
  const std::pair<const char*, int> przyklady[] = {{"12,7 min", 12},
                                                   {"-5", 0},
                                                   {"250", 100},
                                                   {"abc", 0},
                                                   {"4-5", 45},
                                                   {"", 0},
                                                   {"99999999999999999999", 100}};
  for (const auto& [tekst, minuty] : przyklady) {
    Wklej(1, 2, tekst);
    EXPECT_EQ(Moment(2).Minuty, minuty) << tekst;
  }
  EXPECT_TRUE(Dok().Zmieniony);
}

TEST_F(Moments, PastedMarkIsSetOnlyByUpperCaseTak) {
  Wklej(2, 0, "TAK");
  EXPECT_EQ(Moment(0).Dluga, 1);
  Wklej(2, 0, Kopia(2, 0));  // "Tak"
  EXPECT_EQ(Moment(0).Dluga, 0);
  const std::string nazwa = Utf8DoCp1250("Duża przerwa");
  Wklej(0, 0, nazwa);
  EXPECT_EQ(Moment(0).Nazwa, nazwa);
}

TEST_F(Moments, PasteAndEditsBeyondTheMomentsAreIgnored) {
  const TMomenty przed = Dok().Momenty;
  Wklej(1, 4, "20");
  Wklej(3, 0, "20");
  int klawisz = 'a';
  Siatka().OnAkcjaEdit(Siatka(), 0, 4, klawisz, 0);
  EXPECT_EQ(klawisz, 0);
  EXPECT_EQ(Dok().Momenty, przed);
  EXPECT_FALSE(Dok().Zmieniony);

  Dok().Momenty.ZmienRozmiar(0);
  Okno().Pokaz();
  EXPECT_EQ(Siatka().Ily(), 1);
  TTekstOczka ato;
  Siatka().OnOczko(Siatka(), 0, 0, ato);
  EXPECT_EQ(ato.daj_tekst(0), ".....");
  Okno().JakWPlanieLekcji();
  EXPECT_EQ(Dok().Momenty.Liczba(), 0);
}

TEST_F(Moments, TypedNameAndMinutesGoToEverySelectedRow) {
  Zaznacz(0, 0, 2);
  QTest::keyClick(&Siatka(), Qt::Key_Backspace);
  QTest::keyClicks(&Siatka(), "x");
  for (int m = 0; m < 3; ++m) EXPECT_EQ(Moment(m).Nazwa, "mx") << m;
  EXPECT_EQ(Moment(3).Nazwa, "m3");
  EXPECT_TRUE(Dok().Zmieniony);

  Zaznacz(1, 1, 3);
  QTest::keyClick(&Siatka(), Qt::Key_Delete);
  QTest::keyClicks(&Siatka(), "25");
  for (int m = 1; m < 4; ++m) EXPECT_EQ(Moment(m).Minuty, 25) << m;
  QTest::keyClicks(&Siatka(), "0");  // 250 is refused
  EXPECT_EQ(Moment(1).Minuty, 25);
  EXPECT_EQ(Moment(0).Minuty, 5);
}

// Keys typed into one cell are one step; Ctrl+Z in the editor undoes it
// and Ctrl+S saves.
TEST_F(Moments, TypingIsOneStepAndCtrlZTakesItBack) {
  Glowne().show();  // the keys are the main window's, which is always there
  Okno().Pokaz();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Okno()));
  Zaznacz(0, 0, 0);
  QTest::keyClicks(&Siatka(), "xyz");
  EXPECT_EQ(Dok().Historia.LiczbaKrokow(), 1u);
  QTest::keyClick(&Siatka(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Moment(0).Nazwa, "m0");
  EXPECT_FALSE(Dok().Zmieniony);
  QTest::keyClick(&Siatka(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Moment(0).Nazwa, "m0xyz");
  // Back in the cell after leaving it: a new step.
  Zaznacz(0, 1, 1);
  Zaznacz(0, 0, 0);
  QTest::keyClicks(&Siatka(), "w");
  EXPECT_EQ(Dok().Historia.LiczbaKrokow(), 2u);
  // Ctrl+S saves from here as well.
  QTest::keyClick(&Siatka(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(Dok().Zmieniony);
  Okno().hide();
  Glowne().hide();
}

TEST_F(Moments, NameStopsAtFortyCharacters) {
  Moment(0).Nazwa = std::string(39, 'a');
  Zaznacz(0, 0, 0);
  QTest::keyClicks(&Siatka(), "bc");
  EXPECT_EQ(Moment(0).Nazwa, std::string(39, 'a') + "b");
}

TEST_F(Moments, PlainClickOnANameChangesNothing) {
  Zaznacz(0, 1, 1);
  Kliknij(Qt::LeftButton);
  EXPECT_EQ(Moment(1).Nazwa, "m1");
  EXPECT_FALSE(Dok().Zmieniony);
}

TEST_F(Moments, ClicksStepMinutesByFiveInsideTheRange) {
  Moment(0).Minuty = 0;
  Zaznacz(1, 0, 0);
  Kliknij(Qt::RightButton);
  EXPECT_EQ(Moment(0).Minuty, 0);
  EXPECT_FALSE(Dok().Zmieniony);
  Kliknij(Qt::LeftButton);
  EXPECT_EQ(Moment(0).Minuty, 5);
  Moment(0).Minuty = 100;
  Kliknij(Qt::LeftButton);
  EXPECT_EQ(Moment(0).Minuty, 100);
}

TEST_F(Moments, LeftClickTogglesTheLongBreakOfTheSelectedRows) {
  Moment(2).Dluga = 1;
  Zaznacz(2, 1, 2);
  Kliknij(Qt::RightButton);
  EXPECT_EQ(Moment(1).Dluga, 0);
  EXPECT_FALSE(Dok().Zmieniony);
  Kliknij(Qt::LeftButton);
  EXPECT_EQ(Moment(1).Dluga, 1);
  EXPECT_EQ(Moment(2).Dluga, 1);
  Kliknij(Qt::LeftButton);
  EXPECT_EQ(Moment(1).Dluga, 0);
  EXPECT_EQ(Moment(2).Dluga, 0);
  EXPECT_TRUE(Dok().Zmieniony);
}

TEST_F(Moments, AsInTimetableNamesSelectedMomentsAfterTheirPeriod) {
  Dok().Dni.Dni.assign(2, TDzien{{{"8:00"}, {"9:00"}}, kKolorDomyslny});
  Dok().Dni.Przelicz();
  Zaznacz(0, 0, 2);
  Okno().Przycisk(Tffdmomenty::kJakWPlanie)->click();
  EXPECT_EQ(Moment(0).Nazwa, "przed 8:00");
  EXPECT_EQ(Moment(1).Nazwa, "przed 9:00");
  EXPECT_EQ(Moment(2).Nazwa, "przed 8:00");
  EXPECT_EQ(Moment(3).Nazwa, "m3");
  EXPECT_TRUE(Dok().Zmieniony);
}

TEST_F(Moments, PaletteColoursTheSelectedRows) {
  Zaznacz(1, 1, 2);
  TKolor& paleta = Okno().Paleta();
  const uint32_t kolor = paleta.daj_kolor(5, 5);
  QTest::mouseClick(&paleta, Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_EQ(Moment(1).Kolor, kolor);
  EXPECT_EQ(Moment(2).Kolor, kolor);
  EXPECT_EQ(Moment(0).Kolor, kKolorDomyslny);
  EXPECT_TRUE(Dok().Zmieniony);
}

// The document's change event reaches the open duty plan at once; a key
// that changes nothing sends none.
TEST_F(Moments, EveryChangeRepaintsTheOpenDutyPlan) {
  Okna().ffddyzur->Pokaz();
  int odswiezenia = 0;
  Okna().ffddyzur->Siatka().OnOdswiezenie = [&](TCellEdi&, int, int) { ++odswiezenia; };
  Zaznacz(0, 0, 0);
  QTest::keyClicks(&Siatka(), "x");
  EXPECT_GE(odswiezenia, 1);
  odswiezenia = 0;
  QTest::keyClick(&Siatka(), Qt::Key_Left);
  EXPECT_EQ(odswiezenia, 0);
  Okna().ffddyzur->Siatka().OnOdswiezenie = nullptr;
}

TEST_F(Moments, StoredLookKeepsThreeColumnsAndEscCloses) {
  TStopka stopka;
  OknaStopki().Pobierz(stopka);
  stopka.Okna[kOknoMomenty].Siatka.Szerokosci.assign(7, 60);
  OknaStopki().Ustaw(stopka);
  EXPECT_EQ(Siatka().Ilx(), 3);
  EXPECT_TRUE(Okno().isVisible());
  QTest::keyClick(&Siatka(), Qt::Key_Escape);
  EXPECT_FALSE(Okno().isVisible());
  Glowne().Polecenia().Momenty->trigger();
  EXPECT_TRUE(Okno().isVisible());
}

}  // namespace
