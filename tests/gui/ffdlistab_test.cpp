// The variant list: its rows, sort orders and marks, and the choice it makes.
#include "gui/planning/ffdlistab.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "core/archive/cp1250.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/grid/celledi.h"
#include "powloka.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

class VariantList : public Powloka {
 protected:
  void SetUp() override {
    Powloka::SetUp();
    Dok().Nauczyciele.ZmienRozmiar(4);
    for (int t = 0; t < 4; ++t) {
      Dok().Nauczyciele[t].Imie = std::string(1, 'I').append(std::to_string(t));
      Dok().Nauczyciele[t].Nazwisko = std::string(1, 'N').append(std::to_string(t));
    }
    Okno().Towarzysze = [this](int t, int m) { towarzysze.emplace_back(t, m); };
    // In teacher order: clean 90, magenta 0, red, clean 90 with message 5.
    lista.wyczysc_warianty(3);
    lista.dodaj_wariant(90, 0, 11, 0);
    lista.dodaj_wariant(0, 1, 1, 1);
    lista.dodaj_wariant(-1, 2, 9, 0);
    lista.dodaj_wariant(90, 3, 5, 0);
  }

  Tffdlistab& Okno() { return *Okna().ffdlistab; }
  TCellEdi& Siatka() { return *Okno().Siatka(); }

  // Runs `kroki` in the shown window, then chooses.
  int Wybierz(std::function<void()> kroki) {
    QTimer::singleShot(0, &Okno(), [this, kroki] {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(&Okno()));
      kroki();
    });
    return Okno().wybierz_wariant(lista);
  }

  std::string Tekst(int x, int y) {
    TTekstOczka ato;
    if (y < 0) Siatka().OnTopInfo(Siatka(), x, ato);
    else Siatka().OnOczko(Siatka(), x, y, ato);
    return Cp1250DoUtf8(ato.daj_tekst(0));
  }
  uint32_t Kolor(int x, int y) {
    TTekstOczka ato;
    Siatka().OnOczko(Siatka(), x, y, ato);
    return ato.Podoczka[0].KolorTla;
  }
  // Teachers of the rows, top to bottom.
  std::string Kolejnosc() {
    std::string wynik;
    for (int y = 0; y < Siatka().Ily(); ++y) wynik += Tekst(0, y).substr(3) + " ";
    return wynik;
  }
  // Black pixels low in header cell x: the sort mark.
  int CzarneWNaglowku(int x) {
    const QRect r(0, 0, Siatka().SzerIo(x), Siatka().WysInfo());
    QImage obraz(r.width() + 1, r.height() + 1, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    {
      QPainter p(&obraz);
      Siatka().kresl_oczko(p, false, x + 1, 0, r, {false, false, true}, 1, 1.0);
    }
    int czarne = 0;
    for (int y = r.height() - 8; y < r.height(); ++y)
      for (int i = 0; i < r.width(); ++i) czarne += obraz.pixel(i, y) == qRgb(0, 0, 0);
    return czarne;
  }
  // A key, then the repaint that reports the cursor move.
  void Klawisz(Qt::Key k) {
    QTest::keyClick(&Siatka(), k);
    if (Okno().isVisible()) Siatka().viewport()->repaint();
  }
  void KliknijNaglowek(int x) {
    QTest::mouseClick(Siatka().viewport(), Qt::LeftButton, {},
                      Siatka().CellRect(x + 1, 0).center());
  }

  TListaWariantow lista;
  std::vector<std::pair<int, int>> towarzysze;
};

}  // namespace

TEST_F(VariantList, ShowsTheJudgedRowsBestFirstInTheirColours) {
  EXPECT_EQ(Okno().windowTitle(), QString::fromUtf8("Lista wariantów"));
  const int wynik = Wybierz([&] {
    EXPECT_EQ(Siatka().Ily(), 4);
    EXPECT_EQ(Siatka().Kury(), 0);
    EXPECT_EQ(Tekst(0, -1) + "|" + Tekst(1, -1) + "|" + Tekst(2, -1), "Nauczyciel|Komunikat|Moc");
    EXPECT_EQ(Siatka().SzerIo(0), 120);
    EXPECT_EQ(Siatka().SzerIo(1), 240);
    EXPECT_EQ(Siatka().SzerIo(2), 30);
    EXPECT_EQ(Siatka().WysInfo(), 28);
    // Score first; equal scores by the lower message code.
    EXPECT_EQ(Kolejnosc(), "N3 N0 N1 N2 ");
    EXPECT_EQ(Tekst(0, 0), "I3 N3");
    EXPECT_EQ(Tekst(1, 0), "  Już ma dyżur na długiej przerwie");
    EXPECT_EQ(Tekst(2, 0), "90");
    EXPECT_EQ(Tekst(1, 1), ".....");
    EXPECT_EQ(Tekst(1, 3), "Akurat ma dyżur");
    EXPECT_EQ(Tekst(2, 3), "-1");
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(Kolor(x, 1), 0xFFFF00u);
      EXPECT_EQ(Kolor(x, 2), 0xFF00FFu);
      EXPECT_EQ(Kolor(x, 3), 0x0000FFu);
    }
    Klawisz(Qt::Key_Escape);
  });
  EXPECT_EQ(wynik, -2);
}

TEST_F(VariantList, HeaderClicksResortAndMoveTheMark) {
  Wybierz([&] {
    EXPECT_GT(CzarneWNaglowku(2), 10);
    EXPECT_EQ(CzarneWNaglowku(1), 0);
    KliknijNaglowek(1);  // message code, highest first
    EXPECT_EQ(Kolejnosc(), "N0 N2 N3 N1 ");
    EXPECT_EQ(lista.Kolumna(), 1);
    EXPECT_GT(CzarneWNaglowku(1), 10);
    EXPECT_EQ(CzarneWNaglowku(2), 0);
    KliknijNaglowek(0);
    EXPECT_EQ(Kolejnosc(), "N0 N1 N2 N3 ");
    Klawisz(Qt::Key_Escape);
  });
}

TEST_F(VariantList, AcceptsAReservationButNeverAnExcludedRow) {
  EXPECT_EQ(Wybierz([&] {
              Klawisz(Qt::Key_Down);
              Klawisz(Qt::Key_Down);
              Klawisz(Qt::Key_Return);
            }),
            1);
  // Enter, the button and a click on the red row leave the window open.
  EXPECT_EQ(Wybierz([&] {
              Siatka().UstawKursor(0, 3);
              Klawisz(Qt::Key_Return);
              Okno().Wpisz()->click();
              QTest::mouseClick(Siatka().viewport(), Qt::LeftButton, {},
                                Siatka().CellRect(1, 4).center());
              EXPECT_TRUE(Okno().isVisible());
              Okno().Zamknij()->click();
            }),
            -2);
  EXPECT_EQ(Wybierz([&] {
              Siatka().UstawKursor(1, 1);
              QTest::mouseClick(Siatka().viewport(), Qt::LeftButton, {},
                                Siatka().CellRect(2, 2).center());
            }),
            0);
  EXPECT_EQ(Wybierz([&] { Okno().Wpisz()->click(); }), 3);
}

TEST_F(VariantList, UnshownChoiceTakesOnlyACleanFirstRow) {
  EXPECT_EQ(Okno().wybierz_wariant(lista, false), 3);
  TListaWariantow magenta;
  magenta.dodaj_wariant(0, 1, 1, 1);
  magenta.dodaj_wariant(-1, 2, 9, 0);
  EXPECT_EQ(Okno().wybierz_wariant(magenta, false), -1);
  lista = magenta;
  EXPECT_EQ(Wybierz([&] { Klawisz(Qt::Key_Return); }), 1);  // shown, the user may take it
  TListaWariantow pusta;
  EXPECT_EQ(Okno().wybierz_wariant(pusta), -1);
  EXPECT_FALSE(Okno().isVisible());
}

TEST_F(VariantList, CompanionsFollowTheCursorRow) {
  Wybierz([&] {
    Siatka().UstawKursor(0, 2);
    towarzysze.clear();
    Klawisz(Qt::Key_Right);  // same row: nothing to follow
    EXPECT_TRUE(towarzysze.empty());
    Klawisz(Qt::Key_Up);
    Klawisz(Qt::Key_Escape);
  });
  EXPECT_EQ(towarzysze, (std::vector<std::pair<int, int>>{{0, 3}}));
}

// Moved by the user (through the window system, not by the program), the list
// stays there for the next cell instead of being centred again.
TEST_F(VariantList, StaysWhereTheUserMovedIt) {
  QPoint przesuniety;
  Wybierz([&] {
    Okno().windowHandle()->setPosition(Okno().windowHandle()->position() + QPoint(37, 23));
    QTest::qWait(20);
    przesuniety = Okno().pos();
    Klawisz(Qt::Key_Escape);
  });
  Wybierz([&] {
    EXPECT_EQ(Okno().pos(), przesuniety);
    Klawisz(Qt::Key_Escape);
  });
}

TEST_F(VariantList, KeepsItsPlaceAndLookInTheDocument) {
  Siatka().UstawSzerIo(1, 260);
  TStopka stopka;
  OknaStopki().Pobierz(stopka);
  EXPECT_EQ(stopka.Okna[kOknoWarianty].Siatka.Szerokosci, (std::vector<int32_t>{30, 120, 260, 30}));
  stopka.Okna[kOknoWarianty].Prostokat = {10, 10, 330, 410};
  stopka.Okna[kOknoWarianty].Siatka.InfoKolor = 0x00123456;
  OknaStopki().Ustaw(stopka);
  EXPECT_EQ(Siatka().InfoKolor, 0x00123456u);
  // A block of another shape: the list still shows its three columns.
  stopka.Okna[kOknoWarianty].Siatka.Szerokosci = {30, 50, 60, 70, 80, 90};
  OknaStopki().Ustaw(stopka);
  Wybierz([&] {
    EXPECT_EQ(Siatka().Ilx(), 3);
    Klawisz(Qt::Key_Escape);
  });
}
