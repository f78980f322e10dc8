// The regions editor and its room picker.
#include "gui/editors/ffdrejon.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "core/archive/cp1250.h"
#include "core/grid/tekstoczka.h"
#include "core/model/wspolne.h"
#include "gui/editors/ffdodaj.h"
#include "gui/grid/celledi.h"
#include "gui/planning/ffddysp.h"
#include "powloka.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

class Regions : public Powloka {
 protected:
  // Two days of two periods, four teachers, five rooms "Sala 0" .. "Sala 4";
  // region r holds room r and teacher (s + r) % 4 at moment s.
  void SetUp() override {
    Powloka::SetUp();
    Otworz(3);
  }

  void Otworz(int rejonow) {
    ZapiszPlanDyzurow(folder / "plan.vlm", Szkola({2, 2}, 4, 5), rejonow);
    dialogi.Pliki.push_back(Sciezka("plan.vlm"));
    Glowne().Odczytaj();
    for (int i = 0; i < 5; ++i) Dok().Sale[i].Nazwa = "Sala " + std::to_string(i);
    Dok().Zmieniony = false;
    Edytor().Pokaz();
  }

  Tffdrejon& Edytor() { return *qobject_cast<Tffdrejon*>(Okna().ffdrejon); }
  TCellEdi& Siatka() { return Edytor().Siatka(); }
  Tffdodaj& Picker() { return *qobject_cast<Tffdodaj*>(Okna().ffdodaj); }
  Tffddysp& Mikroplan(int i) {
    return *qobject_cast<Tffddysp*>(
        Towarzysze().Mikroplan(static_cast<TMikroplan>(kMikroplanRejonu + i)));
  }

  TTekstOczka Oczko(int x, int y) {
    TTekstOczka ato;
    Siatka().OnOczko(Siatka(), x, y, ato);
    return ato;
  }
  std::string Tekst(int x, int y) { return Oczko(x, y).daj_tekst(0); }
  std::vector<uint8_t> Sale(int r) { return Dok().Rejony[r].SaleRejonu.Elementy(); }

  // Cursor on row y, selection down to row yDo in column x.
  void Zaznacz(int x, int y, int yDo) {
    Siatka().UstawKursor(x, y);
    Siatka().UstawZaznaczenie({x + 1, y + 1, x + 1, yDo + 1});
  }
  void Akcja(int x, int y, int klawisz, int button) {
    Siatka().UstawKursor(x, y);
    Siatka().OnAkcjaEdit(Siatka(), x, y, klawisz, button);
  }
  // A left click on the cursor cell, the selection kept.
  void Klik() {
    int klawisz = 0;
    Siatka().OnAkcjaEdit(Siatka(), Siatka().Kurx(), Siatka().Kury(), klawisz, 1);
  }
  void Wklej(int x, int y, std::string tekst) {
    Siatka().OnWklejanie([&] { Siatka().OnClipboardToOczko(Siatka(), x, y, tekst, nullptr); });
  }
  // Runs `f` in the picker once it is up; the picker is closed afterwards
  // in any case, so that a failure cannot hang the run.
  void WPickerze(std::function<void(Tffdodaj&)> f) {
    QTimer::singleShot(0, [this, f] {
      f(Picker());
      if (Picker().isVisible()) Picker().done(0);
    });
  }
  std::vector<uint8_t> Widoczne() { return Picker().WidoczneSale(); }
};

}  // namespace

TEST_F(Regions, GridShowsNamesRoomsUnknownsAndDots) {
  EXPECT_TRUE(Edytor().isVisible());
  EXPECT_EQ(Edytor().windowTitle(), "Rejony dyżurów");
  EXPECT_EQ(Siatka().Ilx(), 2);
  EXPECT_EQ(Siatka().Ily(), 3);

  Dok().Rejony[0].SaleRejonu = {2, 9, 4};
  Dok().Rejony[0].Kolor = 0x00123456;
  EXPECT_EQ(Tekst(0, 0), "R0");
  EXPECT_EQ(Tekst(1, 0), "Sala 2,,Sala 4");  // room 9 does not exist
  EXPECT_EQ(Oczko(1, 0).Podoczka[0].KolorTla, 0x00123456u);
  EXPECT_EQ(Oczko(0, 0).Podoczka[0].KolorTla, 0x00123456u);

  Dok().Rejony[1].Nazwa.clear();
  Dok().Rejony[1].SaleRejonu = {};
  Dok().Rejony[1].Kolor = 0x00123456;
  for (int x : {0, 1}) {
    EXPECT_EQ(Tekst(x, 1), "???");
    EXPECT_EQ(Oczko(x, 1).Podoczka[0].KolorTla, 0x00FFFFFFu);
  }
  EXPECT_EQ(Tekst(0, 3), ".....");

  std::string kopia;
  Siatka().OnOczkoToClipboard(Siatka(), 1, 0, kopia, nullptr);
  EXPECT_EQ(kopia, "Sala 2,,Sala 4");
}

TEST_F(Regions, AFreshEditorHasItsColumnWidths) {
  Uruchom();
  EXPECT_EQ(Siatka().Ilx(), 2);
  EXPECT_EQ(Siatka().SzerInfo(), 30);
  EXPECT_EQ(Siatka().SzerIo(0), 100);
  EXPECT_EQ(Siatka().SzerIo(1), 300);
}

TEST_F(Regions, AddingToAnEmptyListAndAfterTheCursor) {
  Otworz(0);
  EXPECT_EQ(Siatka().Ily(), 1);
  Edytor().Przycisk(Tffdrejon::kDodaj)->click();
  EXPECT_EQ(Dok().Rejony.Liczba(), 1);
  EXPECT_EQ(Dok().Dyzury.LiczbaRejonow(), 1);
  EXPECT_EQ(Siatka().Ily(), 1);
  EXPECT_EQ(Siatka().Kury(), 0);
  EXPECT_EQ(Tekst(0, 0), "???");
  EXPECT_EQ(Tekst(1, 0), "???");
  EXPECT_TRUE(Dok().Zmieniony);

  Dok().Rejony[0].Nazwa = "A";
  Edytor().Przycisk(Tffdrejon::kDodaj)->click();
  EXPECT_EQ(Siatka().Ily(), 2);
  EXPECT_EQ(Siatka().Kury(), 1);
  EXPECT_EQ(Dok().Rejony[0].Nazwa, "A");
  EXPECT_EQ(Tekst(0, 1), "???");
}

TEST_F(Regions, AddingInTheMiddleOpensAnEmptyDutyColumn) {
  Siatka().UstawKursor(1, 0);  // in "Sale": typing goes to the new name
  Edytor().Przycisk(Tffdrejon::kDodaj)->click();
  EXPECT_EQ(Siatka().Kurx(), 0);
  EXPECT_EQ(Siatka().Kury(), 1);
  EXPECT_EQ(Siatka().Ily(), 4);
  EXPECT_EQ(Dok().Rejony[1].Nazwa, "");
  EXPECT_EQ(Dok().Rejony[2].Nazwa, "R1");
  for (int m = 0; m < Dok().Dyzury.LiczbaMomentow(); ++m) {
    EXPECT_EQ(Dok().Dyzury.Dyzurny(1, m), kBrak) << m;
    EXPECT_EQ(Dok().Dyzury.Dyzurny(2, m), (m + 1) % 4) << m;
  }
}

TEST_F(Regions, RemovingMovesTheLaterDutiesLeft) {
  Siatka().UstawKursor(0, 1);
  Edytor().Przycisk(Tffdrejon::kUsun)->click();
  ASSERT_EQ(Dok().Rejony.Liczba(), 2);
  EXPECT_EQ(Dok().Rejony[1].Nazwa, "R2");
  EXPECT_EQ(Siatka().Ily(), 2);
  for (int m = 0; m < Dok().Dyzury.LiczbaMomentow(); ++m)
    EXPECT_EQ(Dok().Dyzury.Dyzurny(1, m), (m + 2) % 4) << m;
  EXPECT_TRUE(Dok().Zmieniony);
  EXPECT_EQ(Edytor().Status(), "Usunięto rejon R1 (Ctrl+Z cofa)");
  // One undo brings the region and its column back.
  ASSERT_TRUE(Dok().Cofnij());
  ASSERT_EQ(Dok().Rejony.Liczba(), 3);
  EXPECT_EQ(Dok().Rejony[1].Nazwa, "R1");
  for (int m = 0; m < Dok().Dyzury.LiczbaMomentow(); ++m)
    EXPECT_EQ(Dok().Dyzury.Dyzurny(1, m), (m + 1) % 4) << m;
  ASSERT_TRUE(Dok().Ponow());

  Edytor().UsunRejon();
  Edytor().UsunRejon();
  EXPECT_EQ(Dok().Rejony.Liczba(), 0);
  EXPECT_EQ(Siatka().Ily(), 1);
  Dok().Zmieniony = false;
  Edytor().Przycisk(Tffdrejon::kUsun)->click();  // nothing left to remove
  EXPECT_FALSE(Dok().Zmieniony);
}

TEST_F(Regions, TypingEditsTheNameOfEverySelectedRow) {
  Zaznacz(0, 0, 1);
  QTest::keyClick(&Siatka(), Qt::Key_Backspace);
  QTest::keyClicks(&Siatka(), "x");
  EXPECT_EQ(Dok().Rejony[0].Nazwa, "Rx");
  EXPECT_EQ(Dok().Rejony[1].Nazwa, "Rx");
  EXPECT_EQ(Dok().Rejony[2].Nazwa, "R2");
  EXPECT_TRUE(Dok().Zmieniony);

  QTest::keyClicks(&Siatka(), "abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(Dok().Rejony[0].Nazwa, "Rxabcdefghijklmnopqr");  // 20 characters
  QTest::keyClick(&Siatka(), Qt::Key_Delete);
  EXPECT_EQ(Dok().Rejony[1].Nazwa, "");

  // Keys on rows past the regions change nothing.
  Dok().Zmieniony = false;
  int klawisz = 'a';
  Siatka().OnAkcjaEdit(Siatka(), 0, 5, klawisz, 0);
  EXPECT_EQ(klawisz, 0);
  EXPECT_FALSE(Dok().Zmieniony);
}

TEST_F(Regions, RightClicksShowTheRegionAndRoomMicroPlansWhichCloseWithTheEditor) {
  Dok().Rejony[2].SaleRejonu = {4, 1};
  Akcja(0, 1, 0, 2);
  EXPECT_TRUE(Mikroplan(0).isVisible());
  EXPECT_EQ(Mikroplan(0).Tryb(), 3);
  EXPECT_EQ(Mikroplan(0).Podmiot(), 1);
  Akcja(1, 2, 0, 2);
  EXPECT_TRUE(Mikroplan(1).isVisible());
  EXPECT_EQ(Mikroplan(1).Tryb(), 2);
  EXPECT_EQ(Mikroplan(1).Podmiot(), 4);

  Edytor().Przycisk(Tffdrejon::kKoniec)->click();
  EXPECT_FALSE(Edytor().isVisible());
  EXPECT_FALSE(Mikroplan(0).isVisible());
  EXPECT_FALSE(Mikroplan(1).isVisible());
}

TEST_F(Regions, PickerFiltersByThreeLettersAndEscKeepsTheRooms) {
  Dok().Sale[3].Nazwa = "Gabinet";
  Dok().Sale[4].Nazwa = Utf8DoCp1250("łazienka");
  WPickerze([&](Tffdodaj& p) {
    EXPECT_EQ(p.windowTitle(), "Sale");
    EXPECT_EQ(Widoczne(), (std::vector<uint8_t>{1, 2, 3, 4}));  // room 0 is the region's
    QTest::keyClicks(p.Wybrane(), "sala");
    EXPECT_EQ(p.TekstFiltru(), "sal");
    EXPECT_EQ(p.Filtr()->text(), "Filtr: sal");
    EXPECT_EQ(Widoczne(), (std::vector<uint8_t>{1, 2}));
    QTest::keyClick(p.Wybrane(), Qt::Key_Backspace);
    QTest::keyClicks(p.Wybrane(), "B");
    EXPECT_EQ(Widoczne(), std::vector<uint8_t>{});
    QTest::keyClicks(p.Wybrane(), ".");
    EXPECT_EQ(p.TekstFiltru(), "");
    QKeyEvent duze(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("Ł"));
    QApplication::sendEvent(p.Wybrane(), &duze);
    EXPECT_EQ(Widoczne(), std::vector<uint8_t>{4});
    p.PrzyciskDolacz()->click();
    EXPECT_EQ(p.Wybrane()->Ily(), 2);
    EXPECT_EQ(p.Wybrane()->Kury(), 1);
    EXPECT_EQ(Tekst(1, 0), "Sala 0");  // the region waits for the answer
    QTest::keyClick(p.Wybrane(), Qt::Key_Escape);
  });
  Siatka().UstawKursor(1, 0);
  Klik();
  EXPECT_EQ(Sale(0), std::vector<uint8_t>{0});
  EXPECT_FALSE(Dok().Zmieniony);  // nothing changed
}

TEST_F(Regions, PickerAnswerGoesToEverySelectedRow) {
  WPickerze([&](Tffdodaj& p) {
    p.Wszystkie()->UstawKursor(0, 2);  // room 3
    p.PrzyciskDolacz()->click();
    EXPECT_EQ(Widoczne(), (std::vector<uint8_t>{1, 2, 4}));
    p.Wybrane()->UstawKursor(0, 0);
    p.PrzyciskWyklucz()->click();  // room 0 goes back
    EXPECT_EQ(Widoczne(), (std::vector<uint8_t>{0, 1, 2, 4}));
    EXPECT_EQ(p.Wybrane()->Ily(), 1);
    QTest::keyClick(p.Wszystkie(), Qt::Key_Return);
  });
  Zaznacz(1, 0, 1);
  Klik();
  EXPECT_EQ(Sale(0), std::vector<uint8_t>{3});
  EXPECT_EQ(Sale(1), std::vector<uint8_t>{3});
  EXPECT_EQ(Sale(2), std::vector<uint8_t>{2});
  EXPECT_TRUE(Dok().Zmieniony);

  // An empty list takes its first room at row 0; the close box accepts.
  Dok().Rejony[2].SaleRejonu = {};
  WPickerze([&](Tffdodaj& p) {
    EXPECT_EQ(p.Wybrane()->Ily(), 1);
    p.Wybrane()->UstawKursor(0, 0);
    p.Wszystkie()->UstawKursor(0, 4);
    p.PrzyciskDolacz()->click();
    EXPECT_EQ(p.Wybrane()->Ily(), 1);
    EXPECT_EQ(p.Wybrane()->Kury(), 0);
    p.close();
  });
  Zaznacz(1, 2, 2);
  Klik();
  EXPECT_EQ(Sale(2), std::vector<uint8_t>{4});
}

TEST_F(Regions, PastingNamesAndRoomLists) {
  Dok().Sale.ZmienRozmiar(3);
  Wklej(1, 0, "Sala 1,sala 2,Gabinet");
  EXPECT_EQ(Sale(0), (std::vector<uint8_t>{1, 2}));
  Wklej(1, 1, "Sala 1, Sala 2,,");
  EXPECT_EQ(Sale(1), std::vector<uint8_t>{1});
  Wklej(0, 2, "Parter, lewe skrzydlo");
  EXPECT_EQ(Dok().Rejony[2].Nazwa, "Parter, lewe skrzydlo");
  EXPECT_TRUE(Dok().Zmieniony);

  // What a rooms cell copies pastes back to the same rooms.
  std::string kopia;
  Siatka().OnOczkoToClipboard(Siatka(), 1, 0, kopia, nullptr);
  Wklej(1, 2, kopia);
  EXPECT_EQ(Sale(2), (std::vector<uint8_t>{1, 2}));

  Dok().Zmieniony = false;
  Wklej(0, 3, "X");
  EXPECT_FALSE(Dok().Zmieniony);
}

TEST_F(Regions, PaletteColoursTheSelectedRegions) {
  Zaznacz(0, 1, 5);
  Edytor().Koloruj(0x00ABCDEF);
  EXPECT_NE(Dok().Rejony[0].Kolor, 0x00ABCDEFu);
  EXPECT_EQ(Dok().Rejony[1].Kolor, 0x00ABCDEFu);
  EXPECT_EQ(Dok().Rejony[2].Kolor, 0x00ABCDEFu);
  EXPECT_TRUE(Dok().Zmieniony);
}

TEST_F(Regions, StatusBarShowsTheRoomsOfTheRowMovedTo) {
  Dok().Rejony[1].SaleRejonu = {1, 3};
  Dok().Rejony[2].SaleRejonu = {};
  Siatka().UstawKursor(0, 1);
  EXPECT_EQ(Edytor().Status(), "Sala 1,Sala 3");
  Siatka().UstawKursor(0, 2);  // no rooms: the text stays
  EXPECT_EQ(Edytor().Status(), "Sala 1,Sala 3");
}

// The open duty plan takes a new region as a new column in place, and keeps
// its cursor and selection; undo takes the column away again.
TEST_F(Regions, TheOpenDutyPlanGetsTheNewColumnInPlace) {
  TCellEdi& plan = Okna().ffddyzur->Siatka();
  Okna().ffddyzur->Pokaz();
  plan.UstawKursor(1, 2);
  plan.UstawZaznaczenie({2, 3, 3, 4});
  const TZaznaczenie zaznaczenie = plan.Zaznaczenie();
  Edytor().Przycisk(Tffdrejon::kDodaj)->click();
  EXPECT_TRUE(Okna().ffddyzur->isVisible());
  EXPECT_EQ(plan.Ilx(), 5);
  EXPECT_EQ(plan.Zaznaczenie(), zaznaczenie);
  EXPECT_EQ(plan.Kurx(), 1);
  ASSERT_TRUE(Dok().Cofnij());
  EXPECT_EQ(plan.Ilx(), 4);
}

TEST_F(Regions, MainWindowCommandAndEscShowAndHideTheEditor) {
  Edytor().close();
  Glowne().Polecenia().Rejony->trigger();
  EXPECT_TRUE(Edytor().isVisible());
  EXPECT_EQ(Siatka().Ily(), 3);
  QTest::keyClick(&Siatka(), Qt::Key_Escape);
  EXPECT_FALSE(Edytor().isVisible());
  EXPECT_FALSE(Dok().Zmieniony);
}
