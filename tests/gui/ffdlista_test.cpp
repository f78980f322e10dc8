// The teacher chooser: its typed filter and the value picked.
#include "gui/planning/ffdlista.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/archive/cp1250.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/grid/celledi.h"
#include "powloka.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

class Chooser : public Powloka {
 protected:
  void SetUp() override {
    Powloka::SetUp();
    const char* nazwiska[] = {"Nowak", "kot", "Kowalski", "Łoś", "Kubiak"};
    Dok().Nauczyciele.ZmienRozmiar(5);
    for (int t = 0; t < 5; ++t) {
      Dok().Nauczyciele[t].Nazwisko = Utf8DoCp1250(nazwiska[t]);
      Dok().Nauczyciele[t].Imie = std::string(1, 'I').append(std::to_string(t));
      // Keys put teacher 4 first; the value is 100 more than the teacher.
      pozycje.push_back({(t + 1) % 5, 100 + t, static_cast<uint8_t>(t)});
    }
    Dok().Dni.Dni.assign(1, TDzien{});
    Dok().Dni.Dni[0].Godziny.resize(4);
    Dok().Dni.Przelicz();
    Okno().Towarzysze = [this](int t, int m) { towarzysze.emplace_back(t, m); };
  }

  Tffdlista& Okno() { return *Okna().ffdlista; }
  TCellEdi& Siatka() { return *Okno().Siatka(); }

  // Runs `kroki` in the shown window.
  int Wybierz(int litera, std::function<void()> kroki, int moment = 0) {
    QTimer::singleShot(0, &Okno(), [this, kroki] {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(&Okno()));
      kroki();
    });
    return Okno().Wybierz(pozycje, litera, moment);
  }

  // The rows shown, as surnames, and the two labels.
  std::string Stan() {
    std::string wynik;
    for (int y = 0; y < Siatka().Ily(); ++y) {
      TTekstOczka ato;
      Siatka().OnOczko(Siatka(), 0, y, ato);
      const std::string t = Cp1250DoUtf8(ato.daj_tekst(0));
      wynik += t.substr(0, t.find(' ')) + " ";
    }
    return wynik + "[" + Okno().Ile()->text().toStdString() + " " +
           Okno().Filtr()->text().toStdString() + "]";
  }
  void Pisz(const char* utf8) {
    QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8(utf8));
    QApplication::sendEvent(&Siatka(), &e);
  }
  // A key, then the repaint that reports the cursor move.
  void Klawisz(Qt::Key k) {
    QTest::keyClick(&Siatka(), k);
    if (Okno().isVisible()) Siatka().viewport()->repaint();
  }

  std::vector<TPozycjaListy> pozycje;
  std::vector<std::pair<int, int>> towarzysze;
};

}  // namespace

TEST_F(Chooser, TypedLettersNarrowTheListWithoutRegardToCase) {
  EXPECT_EQ(Okno().windowTitle(), "Wybierz");
  const int wynik = Wybierz(0, [&] {
    EXPECT_EQ(Stan(), "Kubiak Nowak kot Kowalski Łoś [5 ]");
    Pisz("k");
    EXPECT_EQ(Stan(), "Kubiak kot Kowalski [3 k]");
    Pisz("O");
    EXPECT_EQ(Stan(), "kot Kowalski [2 kO]");
    Pisz("w");
    Pisz("a");  // a fourth letter is not taken
    EXPECT_EQ(Stan(), "Kowalski [1 kOw]");
    Klawisz(Qt::Key_Backspace);
    EXPECT_EQ(Stan(), "kot Kowalski [2 kO]");
    Klawisz(Qt::Key_Backspace);
    EXPECT_EQ(Stan(), "Kubiak kot Kowalski [3 k]");
    Pisz(".");
    EXPECT_EQ(Stan(), "Kubiak Nowak kot Kowalski Łoś [5 ]");
    Pisz("n");
    Klawisz(Qt::Key_Delete);
    EXPECT_EQ(Stan(), "Kubiak Nowak kot Kowalski Łoś [5 ]");
    Pisz("~");
    Pisz("k");
    Pisz("o");
    Klawisz(Qt::Key_Down);
    Klawisz(Qt::Key_Return);
  });
  EXPECT_EQ(wynik, 102);
}

TEST_F(Chooser, PolishLettersFoldToTheirCapitals) {
  EXPECT_EQ(Wybierz(static_cast<unsigned char>(Utf8DoCp1250("ł")[0]),
                    [&] {
                      EXPECT_EQ(Stan(), "Łoś [1 ł]");
                      Pisz("O");
                      EXPECT_EQ(Stan(), "Łoś [1 łO]");
                      Klawisz(Qt::Key_Return);
                    }),
            103);
}

TEST_F(Chooser, NothingPickedWhenNobodyMatchesOrCancelled) {
  // A first letter that matches nobody returns without showing the window.
  bool pokazane = false;
  QTimer::singleShot(0, &Okno(), [&] {
    pokazane = Okno().isVisible();
    Okno().reject();
  });
  EXPECT_EQ(Okno().Wybierz(pozycje, 'z', 0), -1);
  QTest::qWait(1);
  EXPECT_FALSE(pokazane);
  EXPECT_EQ(Okno().Wybierz({}, 0, 0), -1);

  EXPECT_EQ(Wybierz('n',
                    [&] {
                      Pisz("x");
                      EXPECT_EQ(Siatka().Ily(), 1);
                      EXPECT_EQ(Stan(), "..... [0 nx]");
                      Klawisz(Qt::Key_Return);
                    }),
            -1);
  EXPECT_EQ(Wybierz(13, [&] { Klawisz(Qt::Key_Escape); }), -1);
  EXPECT_EQ(Wybierz(0, [&] { Okno().Zamknij()->click(); }), -1);
  EXPECT_EQ(Wybierz(0, [&] { Okno().Wpisz()->click(); }), 104);
  EXPECT_EQ(Wybierz(0,
                    [&] {
                      QTest::mouseClick(Siatka().viewport(), Qt::LeftButton, {},
                                        Siatka().CellRect(1, 1).center());
                    }),
            104);
}

TEST_F(Chooser, CompanionsFollowTheRowAtTheRememberedMoment) {
  Wybierz(
      0,
      [&] {
        Klawisz(Qt::Key_Down);
        Klawisz(Qt::Key_Escape);
      },
      2);
  Wybierz(
      0,
      [&] {
        Klawisz(Qt::Key_Down);
        Klawisz(Qt::Key_Down);
        Klawisz(Qt::Key_Escape);
      },
      4);  // past the slots: no moment
  // Opening again puts the cursor back on the first row, teacher 4.
  const std::vector<std::pair<int, int>> oczekiwane{{0, 2}, {4, 10000}, {0, 10000}, {1, 10000}};
  EXPECT_EQ(towarzysze, oczekiwane);
}

TEST_F(Chooser, KeepsItsPlaceAndLookInTheDocument) {
  TStopka stopka;
  OknaStopki().Pobierz(stopka);
  EXPECT_EQ(stopka.Okna[kOknoWybor].Siatka.Szerokosci, (std::vector<int32_t>{30, 180}));
  stopka.Okna[kOknoWybor].Prostokat = {10, 10, 330, 410};
  stopka.Okna[kOknoWybor].Siatka.OczkoKolor = 0x00ABCDEF;
  OknaStopki().Ustaw(stopka);
  EXPECT_EQ(Siatka().OczkoKolor, 0x00ABCDEFu);
  stopka.Okna[kOknoWybor].Siatka.Szerokosci = {30, 50, 60, 70};
  OknaStopki().Ustaw(stopka);
  Wybierz(0, [&] {
    EXPECT_EQ(Siatka().Ilx(), 1);
    Klawisz(Qt::Key_Escape);
  });
}

TEST_F(Chooser, CtrlSSavesFromTheModalList) {
  Dok().Momenty.ZmienRozmiar(4);
  Dok().Dyzury.ZmienRozmiar(0, 4);
  dialogi.Pliki.push_back(Sciezka("z.vlm"));
  Wybierz(0, [&] {
    QTest::keyClick(&Siatka(), Qt::Key_S, Qt::ControlModifier);
    Okno().reject();
  });
  EXPECT_TRUE(dialogi.Pliki.empty());
  EXPECT_TRUE(std::filesystem::exists(folder / "z.vlm"));
  EXPECT_TRUE(bledy.kody.empty());
}
