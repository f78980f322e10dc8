// The duty plan editor and the automatic-entry options dialog.
#include "gui/planning/ffddyzur.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <fstream>

#include "core/archive/cp1250.h"
#include "core/archive/liczebnik.h"
#include "core/grid/tekstoczka.h"
#include "core/model/wspolne.h"
#include "core/planning/kontrola.h"
#include "core/planning/ogolne.h"
#include "core/planning/wpis.h"
#include "gui/grid/celledi.h"
#include "gui/planning/ffddysp.h"
#include "gui/planning/ffdkarty.h"
#include "gui/planning/ffdkontrola.h"
#include "gui/planning/ffdlista.h"
#include "gui/planning/ffdopcje.h"
#include "gui/planning/ffdstat.h"
#include "gui/planning/ffdwynikopt.h"
#include "gui/planning/towarzysze.h"
#include "gui/planning/wykres_obciazen.h"
#include "powloka.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

// Answers the variant list from a script, recording the cells' moments.
class TWyborSkryptowy : public TWyborWariantu {
 public:
  std::vector<int> Odpowiedzi, Momenty;
  int wybierz_wariant(TListaWariantow& lista) override {
    Momenty.push_back(lista.Moment());
    const size_t i = Momenty.size() - 1;
    return i < Odpowiedzi.size() ? Odpowiedzi[i] : -2;
  }
};

class DutyPlan : public Powloka {
 protected:
  // Five days without periods, then two of two periods (moments m0..m3),
  // four teachers, three regions; the table as ZapiszPlanDyzurow fills it.
  void SetUp() override {
    Powloka::SetUp();
    Otworz(3, {});
  }

  void Otworz(int rejonow, const TStopka& stopka) {
    ZapiszPlanDyzurow(folder / "plan.vlm", Szkola({0, 0, 0, 0, 0, 2, 2}, 4, 3), rejonow, stopka);
    dialogi.Pliki.push_back(Sciezka("plan.vlm"));
    Glowne().Odczytaj();
    Plan().Pokaz();
  }

  Tffddyzur& Plan() { return *Okna().ffddyzur; }
  TCellEdi& Siatka() { return Plan().Siatka(); }
  uint8_t Komorka(int r, int m) { return Dok().Dyzury.Dyzurny(r, m); }

  TTekstOczka Oczko(int x, int y) {
    TTekstOczka ato(Siatka().OczkoKolor, 0, 0);
    Siatka().OnOczko(Siatka(), x, y, ato);
    return ato;
  }
  std::string Tekst(int r, int m) { return Oczko(r + 1, m + 1).daj_tekst(0); }

  // Cursor on (r, m), selection down to moment mDo.
  void Zaznacz(int r, int m, int mDo) {
    Siatka().UstawKursor(r + 1, m + 1);
    Siatka().UstawZaznaczenie({r + 2, m + 2, r + 2, mDo + 2});
  }

  // Teacher 0 teaches in room 0 (region 0) in slots 0 and 1: the only clean
  // candidate for region 0 at moment 1. The table starts empty.
  void JedenKandydat() {
    Dok().Dyzury.UstawWszystkie(kBrak);
    for (int s : {0, 1}) {
      Dok().Nauczyciele[0].Dyspozycja[s].Lista = {0};
      Dok().Oddzialy[0].Sale[s].Lista = {0};
    }
    for (int t = 0; t < 4; ++t) {
      Dok().Nauczyciele[t].LimitDyzurow = 10;
      Dok().Nauczyciele[t].LimitMinut = 100;
    }
  }

  QPoint SrodekKursora() {
    return Siatka().CellRect(Siatka().Kurx() + 1, Siatka().Kury() + 1).center();
  }
};

}  // namespace

TEST_F(DutyPlan, GridFitsTheTableWithLabelsFrozen) {
  EXPECT_TRUE(Plan().isVisible());
  EXPECT_EQ(Plan().windowTitle(), "Plan dyżurów");
  EXPECT_EQ(Siatka().Ilx(), 4);
  EXPECT_EQ(Siatka().Ily(), 5);
  EXPECT_EQ(Siatka().FixedCols(), 2);
  EXPECT_EQ(Siatka().FixedRows(), 2);
  EXPECT_TRUE(Plan().Przycisk(Tffddyzur::kAutomatycznie)->isEnabled());
}

TEST_F(DutyPlan, AFreshEditorHasAnEightyPixelHeaderColumn) {
  Uruchom();
  EXPECT_EQ(Siatka().SzerInfo(), 80);
  EXPECT_EQ(Siatka().Ilx(), 1);
  EXPECT_FALSE(Plan().Automatycznie()->isChecked());
}

TEST_F(DutyPlan, APlanWithoutRegionsShowsHeadersOnlyAndDisablesTheTableCommands) {
  Otworz(0, {});
  EXPECT_EQ(Siatka().Ilx(), 1);
  EXPECT_EQ(Siatka().FixedCols(), 1);
  EXPECT_EQ(Siatka().FixedRows(), 2);
  for (auto p : {Tffddyzur::kRecznie, Tffddyzur::kUsun, Tffddyzur::kAutomatycznie,
                 Tffddyzur::kOptymalnie, Tffddyzur::kZakaz})
    EXPECT_FALSE(Plan().Przycisk(p)->isEnabled()) << p;
  EXPECT_TRUE(Plan().Przycisk(Tffddyzur::kOpcje)->isEnabled());
  // Letter keys do nothing either: no chooser.
  bool wybor = false;
  Plan().WybierzNauczyciela = [&](const std::vector<int>&, int, int) {
    wybor = true;
    return -1;
  };
  QTest::keyClick(&Siatka(), Qt::Key_B);
  EXPECT_FALSE(wybor);
}

TEST_F(DutyPlan, LabelsAndCellsShowNamesColoursAndTheDaySeparator) {
  Dok().Rejony[1].Kolor = 0x00112233;
  Dok().Momenty[1].Kolor = 0x00445566;
  Dok().Nauczyciele[1].Imie = "Jan";
  Dok().Nauczyciele[1].Kolor = 0x00778899;
  EXPECT_EQ(Oczko(0, 0).daj_tekst(0), "");
  EXPECT_EQ(Oczko(2, 0).daj_tekst(0), "R1");
  EXPECT_EQ(Oczko(2, 0).Podoczka[0].KolorTla, 0x00112233u);
  // Moments 0, 1 fall on day 5, 2, 3 on day 6.
  EXPECT_EQ(Oczko(0, 3).daj_tekst(0), "Nie m2");
  EXPECT_EQ(Oczko(0, 1).Podoczka[0].KolorTla, kKolorDomyslny);

  // Cell (r, m) holds teacher (m + r) % 4.
  EXPECT_EQ(Tekst(0, 1), "Jan N1");
  EXPECT_EQ(Oczko(1, 1).Podoczka[0].KolorTla, kKolorDomyslny);  // teacher 0: none of his own
  EXPECT_EQ(Oczko(2, 1).Podoczka[0].KolorTla, 0x00778899u);     // (1, 0): teacher 1
  EXPECT_EQ(Oczko(1, 2).Podoczka[0].KolorTla, 0x00445566u);     // the moment's colour wins
  Dok().Opcje.Ustaw(TOpcja::kKolorNauczyciela, false);
  EXPECT_EQ(Oczko(2, 1).Podoczka[0].KolorTla, Siatka().OczkoKolor);

  Dok().Dyzury.UstawDyzurnego(0, 0, kBrak);
  Dok().Dyzury.UstawDyzurnego(1, 0, kZamkniete);
  EXPECT_EQ(Tekst(0, 0), ".....");
  EXPECT_EQ(Tekst(1, 0), "");

  // Period 0 of every day but day 0 opens with the blue line: day 0 has no
  // periods, so even the first row has it.
  for (int y : {1, 3}) {
    const TTekstOczka nowyDzien = Oczko(1, y);
    EXPECT_EQ(nowyDzien.BokiRamki, kBokGora) << y;
    EXPECT_EQ(nowyDzien.GruboscRamki, 2);
    EXPECT_EQ(nowyDzien.KolorRamki, 0x00FF0000u);
  }
  EXPECT_EQ(Oczko(1, 2).BokiRamki, 0);
  EXPECT_EQ(Oczko(1, 4).BokiRamki, 0);
}

TEST_F(DutyPlan, ClosedCellsGetTheNoEntryMarkAndCopyTheirFirstLine) {
  Dok().Dyzury.UstawDyzurnego(0, 0, kZamkniete);
  const auto rysuj = [this](int x, int y) {
    QImage obraz(Siatka().SzerIo(x), Siatka().WysIo(y), QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    Siatka().OnGrafOczko(Siatka(), p, x, y, 0, 0);
    p.end();
    return obraz.pixelColor(obraz.width() / 2, obraz.height() / 2 + 4);
  };
  EXPECT_EQ(rysuj(1, 1), QColor(Qt::red));
  EXPECT_EQ(rysuj(2, 1), QColor(Qt::white));
  EXPECT_EQ(rysuj(1, 0), QColor(Qt::white));

  std::string tekst;
  Siatka().OnOczkoToClipboard(Siatka(), 2, 1, tekst, nullptr);
  EXPECT_EQ(tekst, " N1");
}

TEST_F(DutyPlan, EntryByHandFillsTheSelectionButClosedCells) {
  Dok().Dyzury.UstawDyzurnego(0, 1, kZamkniete);
  Dok().Nauczyciele[3].Dyspozycja[2].Zakaz = 1;  // banned: entered all the same
  std::vector<int> oferowani;
  int litera = -1, moment = -1;
  Plan().WybierzNauczyciela = [&](const std::vector<int>& n, int l, int m) {
    oferowani = n;
    litera = l;
    moment = m;
    return 3;
  };
  Zaznacz(0, 0, 2);
  Plan().Przycisk(Tffddyzur::kRecznie)->click();
  EXPECT_EQ(oferowani, (std::vector<int>{1, 2, 3}));  // teacher 0 sits in the cursor cell
  EXPECT_EQ(litera, 0);
  EXPECT_EQ(moment, 0);
  EXPECT_EQ(Komorka(0, 0), 3);
  EXPECT_EQ(Komorka(0, 1), kZamkniete);
  EXPECT_EQ(Komorka(0, 2), 3);
  EXPECT_EQ(Komorka(0, 3), 3);  // outside the selection: unchanged
  EXPECT_TRUE(Dok().Zmieniony);
  EXPECT_EQ(TOgolne(Dok()).policz_obciazenia().Dyzury[3], 5);

  // A chooser closed without a choice changes nothing.
  Dok().Zmieniony = false;
  Plan().WybierzNauczyciela = [](const std::vector<int>&, int, int) { return -1; };
  Plan().Przycisk(Tffddyzur::kRecznie)->click();
  EXPECT_EQ(Komorka(0, 0), 3);
  EXPECT_FALSE(Dok().Zmieniony);
}

TEST_F(DutyPlan, RemoveAndCloseToggleAsTheyShould) {
  Zaznacz(0, 0, 0);
  Plan().Przycisk(Tffddyzur::kZakaz)->click();
  EXPECT_EQ(Komorka(0, 0), kZamkniete);
  EXPECT_TRUE(Dok().Zmieniony);
  Dok().Zmieniony = false;
  Plan().Przycisk(Tffddyzur::kUsun)->click();
  EXPECT_EQ(Komorka(0, 0), kZamkniete);  // removing keeps a closed cell closed
  EXPECT_FALSE(Dok().Zmieniony);         // nothing changed
  Plan().Przycisk(Tffddyzur::kZakaz)->click();
  EXPECT_EQ(Komorka(0, 0), kBrak);
  EXPECT_EQ(Tekst(0, 0), ".....");

  Zaznacz(1, 0, 1);
  Plan().Przycisk(Tffddyzur::kUsun)->click();
  EXPECT_EQ(Komorka(1, 0), kBrak);
  EXPECT_EQ(Komorka(1, 1), kBrak);
  EXPECT_EQ(Komorka(1, 2), 3);
}

TEST_F(DutyPlan, KeysCloseRemoveAndOpenTheChooserWithTheirLetter) {
  std::vector<int> litery;
  Plan().WybierzNauczyciela = [&](const std::vector<int>&, int l, int) {
    litery.push_back(l);
    return -1;
  };
  Zaznacz(2, 1, 1);
  QTest::keyClick(&Siatka(), Qt::Key_Z);
  EXPECT_EQ(Komorka(2, 1), kZamkniete);
  QTest::keyClick(&Siatka(), Qt::Key_Z);
  EXPECT_EQ(Komorka(2, 1), kBrak);
  Zaznacz(2, 2, 2);
  Dok().Zmieniony = false;
  QTest::keyClick(&Siatka(), Qt::Key_Delete);
  EXPECT_EQ(Komorka(2, 2), kBrak);
  EXPECT_TRUE(Dok().Zmieniony);
  QTest::keyClick(&Siatka(), Qt::Key_B);
  QTest::keyClick(&Siatka(), Qt::Key_Y);
  QTest::mouseClick(Siatka().viewport(), Qt::RightButton, {}, SrodekKursora());
  EXPECT_EQ(litery, (std::vector<int>{'B', 'Y', 0}));
}

TEST_F(DutyPlan, DigitKeysToggleTheFirstFourCompanionButtons) {
  QTest::keyClick(&Siatka(), Qt::Key_3);
  EXPECT_TRUE(Plan().Towarzysz(Tffddyzur::kKtoDyzuruje)->isChecked());
  QTest::keyClick(&Siatka(), Qt::Key_3);
  EXPECT_FALSE(Plan().Towarzysz(Tffddyzur::kKtoDyzuruje)->isChecked());
  QTest::keyClick(&Siatka(), Qt::Key_1);
  EXPECT_TRUE(Plan().Towarzysz(Tffddyzur::kGdzieDyzuruje)->isChecked());
  QTest::keyClick(&Siatka(), Qt::Key_5);
  EXPECT_FALSE(Plan().Towarzysz(Tffddyzur::kStatystyka)->isChecked());
  EXPECT_EQ(Plan().Towarzysz(Tffddyzur::kStatystyka)->toolTip(),
            "Statystyka obciążeń dyżurami     5");
}

TEST_F(DutyPlan, ReleasedButtonsAndClosingTheEditorCloseTheCompanions) {
  Towarzysze().Statystyka->show();
  Plan().Towarzysz(Tffddyzur::kStatystyka)->click();
  Plan().Towarzysz(Tffddyzur::kStatystyka)->click();
  EXPECT_FALSE(Towarzysze().Statystyka->isVisible());

  // "Gdzie uczy?" stays open: the limits editor shares it.
  Towarzysze().Statystyka->show();
  Towarzysze().Mikroplan(kMikroplanGlowny)->show();
  Towarzysze().Mikroplan(kMikroplanKto)->show();
  QTest::keyClick(&Siatka(), Qt::Key_Escape);
  EXPECT_FALSE(Plan().isVisible());
  EXPECT_FALSE(Towarzysze().Statystyka->isVisible());
  EXPECT_FALSE(Towarzysze().Mikroplan(kMikroplanKto)->isVisible());
  EXPECT_TRUE(Towarzysze().Mikroplan(kMikroplanGlowny)->isVisible());
  Towarzysze().Mikroplan(kMikroplanGlowny)->hide();
}

// A companion shown from the editor for the first time stands beside it
// (here on its left: no room on the right); closed by its own Koniec it
// releases its button.
TEST_F(DutyPlan, CompanionsStandBesideTheEditorAndReleaseTheirButton) {
  Plan().setGeometry(520, 100, 200, 150);
  Siatka().UstawKursor(1, 1);
  QTest::keyClick(&Siatka(), Qt::Key_3);
  Tffddysp& kto = *Towarzysze().Mikroplan(kMikroplanKto);
  ASSERT_TRUE(kto.isVisible());
  const QRect p = Plan().frameGeometry(), k = kto.frameGeometry();
  EXPECT_TRUE(k.left() > p.right() || k.right() < p.left()) << k.x() << " " << k.width();
  kto.Koniec()->click();
  EXPECT_FALSE(Plan().Towarzysz(Tffddyzur::kKtoDyzuruje)->isChecked());
  Siatka().UstawKursor(1, 2);
  EXPECT_FALSE(kto.isVisible());
}

TEST_F(DutyPlan, OtherWindowsMoveTheCursor) {
  Towarzysze().Mikroplan(kMikroplanKto)->KursorPlanu(2, 3);
  EXPECT_EQ(Siatka().Kurx(), 3);
  EXPECT_EQ(Siatka().Kury(), 4);
}

TEST_F(DutyPlan, UnattendedFillFromTheButtonAndFromAClickOnTheCursor) {
  JedenKandydat();
  Plan().Automatycznie()->setChecked(true);
  Zaznacz(0, 1, 1);
  Plan().Przycisk(Tffddyzur::kAutomatycznie)->click();
  EXPECT_EQ(Komorka(0, 1), 0);
  EXPECT_TRUE(Dok().Zmieniony);

  // Nobody clean for the other cells: nothing written, nothing marked.
  Dok().Zmieniony = false;
  Zaznacz(1, 0, 3);
  Plan().Przycisk(Tffddyzur::kAutomatycznie)->click();
  for (int m = 0; m < 4; ++m) EXPECT_EQ(Komorka(1, m), kBrak) << m;
  EXPECT_FALSE(Dok().Zmieniony);

  Dok().Dyzury.UstawDyzurnego(0, 1, kBrak);
  Zaznacz(0, 1, 1);
  QTest::mouseClick(Siatka().viewport(), Qt::LeftButton, {}, SrodekKursora());
  EXPECT_EQ(Komorka(0, 1), 0);
  EXPECT_TRUE(Dok().Zmieniony);
}

TEST_F(DutyPlan, AttendedFillStopsWhereTheListIsClosed) {
  JedenKandydat();
  TWyborSkryptowy lista;
  lista.Odpowiedzi = {2, 3};
  Plan().ListaWariantow = &lista;
  Dok().Dyzury.UstawDyzurnego(0, 1, kZamkniete);  // not offered
  Siatka().UstawKursor(1, 1);
  Siatka().UstawZaznaczenie({2, 2, 3, 5});
  Plan().Przycisk(Tffddyzur::kAutomatycznie)->click();
  EXPECT_EQ(lista.Momenty, (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(Komorka(0, 0), 2);
  EXPECT_EQ(Komorka(0, 2), 3);
  EXPECT_EQ(Komorka(0, 3), kBrak);
  for (int m = 0; m < 4; ++m) EXPECT_EQ(Komorka(1, m), kBrak) << m;
  EXPECT_TRUE(Dok().Zmieniony);
  // The run stopped half way is one step.
  EXPECT_EQ(Dok().Historia.LiczbaKrokow(), 1u);
  ASSERT_TRUE(Dok().Cofnij());
  EXPECT_EQ(Komorka(0, 0), kBrak);
  EXPECT_EQ(Komorka(0, 2), kBrak);
  EXPECT_EQ(Komorka(0, 1), kZamkniete);
}

// The whole table filled at once: one step, and a result window that gives
// a reason for every cell left empty and takes the cursor there.
TEST_F(DutyPlan, OptimalFillIsOneStepAndExplainsTheEmptyCells) {
  JedenKandydat();
  Dok().Dyzury.UstawDyzurnego(2, 3, kZamkniete);
  Siatka().UstawZaznaczenie({2, 2, 4, 5});
  // The progress shows the time against its limit, under its whole title.
  QString czas;
  int szerokosc = 0, tytul = 0;
  QTimer::singleShot(0, [&] {
    const QWidget* postep = QApplication::activeModalWidget();
    ASSERT_TRUE(postep && postep->objectName() == "ffdoptimum");
    for (const QLabel* l : postep->findChildren<QLabel*>())
      if (l->text().endsWith(" s z 10 s")) czas = l->text();
    szerokosc = postep->width();
    tytul = postep->fontMetrics().horizontalAdvance(postep->windowTitle());
  });
  Plan().Przycisk(Tffddyzur::kOptymalnie)->click();
  EXPECT_FALSE(czas.isEmpty());
  EXPECT_GT(szerokosc, tytul + 100);
  EXPECT_EQ(Komorka(0, 1), 0);
  EXPECT_EQ(Komorka(2, 3), kZamkniete);
  EXPECT_EQ(Dok().Historia.NazwaCofniecia(), "Wpisz optymalnie");

  const Tffdwynikopt& wynik = Plan().WynikOptymalny();
  EXPECT_TRUE(wynik.isVisible());
  int puste = 0;
  for (int r = 0; r < 3; ++r)
    for (int m = 0; m < 4; ++m) puste += Komorka(r, m) == kBrak;
  ASSERT_EQ(wynik.Puste()->rowCount(), puste);
  ASSERT_GT(puste, 0);
  EXPECT_TRUE(wynik.Podsumowanie()->text().contains("optymalny"))
      << wynik.Podsumowanie()->text().toStdString();
  for (int w = 0; w < puste; ++w) EXPECT_FALSE(wynik.Puste()->item(w, 2)->text().isEmpty());
  EXPECT_EQ(wynik.Obciazenia()->rowCount(), 4);
  // The fair plan against the convenient one, and a bar of duties per teacher.
  EXPECT_TRUE(wynik.Rownosc()->text().startsWith(QString::fromUtf8("Najpierw równe obciążenie")))
      << wynik.Rownosc()->text().toStdString();
  ASSERT_EQ(wynik.Wykres()->Slupki().size(), 4u);
  const TObciazenia obc = TOgolne(Dok()).policz_obciazenia();
  for (int t = 0; t < 4; ++t) {
    EXPECT_EQ(wynik.Wykres()->Slupki()[static_cast<size_t>(t)].Dyzury,
              obc.Dyzury[static_cast<size_t>(t)]);
    EXPECT_EQ(wynik.Wykres()->Slupki()[static_cast<size_t>(t)].Limit,
              Dok().Nauczyciele[t].LimitDyzurow);
  }
  const int r = wynik.Puste()->item(puste - 1, 0)->data(Qt::UserRole).toInt();
  const int m = wynik.Puste()->item(puste - 1, 0)->data(Qt::UserRole + 1).toInt();
  emit wynik.Puste()->cellClicked(puste - 1, 2);
  EXPECT_EQ(Siatka().Kurx(), r + 1);
  EXPECT_EQ(Siatka().Kury(), m + 1);

  ASSERT_TRUE(Dok().Cofnij());
  EXPECT_EQ(Komorka(0, 1), kBrak);
  EXPECT_FALSE(Dok().Historia.MoznaCofnac());
}

// The check window lists the findings, follows the plan's changes and takes
// the plan's cursor to a finding's cell.
TEST_F(DutyPlan, CheckWindowFollowsThePlanAndShowsTheCell) {
  Tffdkontrola& kontrola = *Okna().ffdkontrola;
  Glowne().Polecenia().Kontrola->trigger();
  ASSERT_TRUE(kontrola.isVisible());
  const size_t przed = kontrola.Uwagi().size();
  EXPECT_EQ(przed, KontrolaPlanu(Dok()).size());
  EXPECT_EQ(kontrola.Siatka().Ily(), static_cast<int>(przed));

  Zaznacz(2, 3, 3);
  Plan().Przycisk(Tffddyzur::kUsun)->click();
  const auto& uwagi = kontrola.Uwagi();
  const auto pusta = std::find_if(uwagi.begin(), uwagi.end(), [](const TUwaga& u) {
    return u.Rodzaj == TRodzajUwagi::kPusta && u.Rejon == 2 && u.Moment == 3;
  });
  ASSERT_NE(pusta, uwagi.end());
  Siatka().UstawKursor(1, 1);
  kontrola.Siatka().UstawKursor(3, static_cast<int>(pusta - uwagi.begin()));
  EXPECT_EQ(Siatka().Kurx(), 3);
  EXPECT_EQ(Siatka().Kury(), 4);
  TTekstOczka ato;
  kontrola.Siatka().OnOczko(kontrola.Siatka(), 3, static_cast<int>(pusta - uwagi.begin()), ato);
  EXPECT_EQ(Cp1250DoUtf8(ato.daj_tekst(0)).rfind("Pusta komórka: ", 0), 0u);

  ASSERT_TRUE(Dok().Cofnij());
  kontrola.Odswiez();
  EXPECT_EQ(kontrola.Uwagi().size(), przed);

  // Its look is the user's, kept across runs of the program, not the plan's.
  kontrola.Siatka().UstawSzerIo(1, 77);
  kontrola.close();
  Uruchom();
  EXPECT_EQ(Okna().ffdkontrola->Siatka().SzerIo(1), 77);
}

// Every teacher's block: his name, a row per duty, his totals, a gap.
TEST_F(DutyPlan, TeachersDutySheetHasABlockPerTeacher) {
  Tffdkarty& karty = *Okna().ffdkarty;
  Glowne().Polecenia().DyzuryNauczycieli->trigger();
  ASSERT_TRUE(karty.isVisible());
  const TObciazenia obc = TOgolne(Dok()).policz_obciazenia();
  int wierszy = 0;
  for (int d : obc.Dyzury) wierszy += d + 3;
  EXPECT_EQ(karty.Siatka().Ily(), wierszy);
  const auto tekst = [&](int x, int y) {
    TTekstOczka ato;
    karty.Siatka().OnOczko(karty.Siatka(), x, y, ato);
    return Cp1250DoUtf8(ato.daj_tekst(0));
  };
  EXPECT_EQ(tekst(0, 0), Cp1250DoUtf8(Dok().Nauczyciele[0].NazwaNauczyciela()));
  EXPECT_EQ(tekst(0, obc.Dyzury[0] + 1),
            "Razem: " + Liczebnik(obc.Dyzury[0], "dyżur", "dyżury", "dyżurów"));
  EXPECT_EQ(tekst(3, obc.Dyzury[0] + 1), std::to_string(obc.Minuty[0]));
  karty.close();
}

// The Eksport menu writes each format where the dialogs say; a folder that
// does not exist is error 3 and leaves nothing.
TEST_F(DutyPlan, ExportMenuWritesEveryFormat) {
  const auto& eksporty = Glowne().Polecenia().Eksporty;
  std::filesystem::create_directories(folder / "kalendarze");
  std::filesystem::create_directories(folder / "gpu");
  std::ofstream(folder / "gpu" / "GPU004.TXT") << "\"X\",\"Nobody\",\"Else\"\n";
  dialogi.Pliki = {Sciezka("kalendarze"), Sciezka("plan.html"), Sciezka("plan.csv"),
                   Sciezka("plan.json"),  Sciezka("plan.pdf"),  Sciezka("gpu/GPU009.TXT")};
  dialogi.Filtry = {0, 1};  // the page's only filter, then the CSV for Excel
  for (QAction* a : eksporty) a->trigger();
  EXPECT_TRUE(dialogi.Filtry.empty());
  EXPECT_TRUE(dialogi.Pliki.empty());
  EXPECT_EQ(PlikiFolderu(folder / "kalendarze").size(), 4u);  // every teacher has duties
  for (const char* plik : {"plan.html", "plan.csv", "plan.json", "plan.pdf", "gpu/GPU009.TXT"})
    EXPECT_GT(std::filesystem::file_size(folder / plik), 50u) << plik;
  std::string wiersz;
  std::getline(std::ifstream(folder / "plan.csv"), wiersz);
  EXPECT_EQ(wiersz.rfind("\xEF\xBB\xBFMoment;", 0), 0u) << wiersz;
  // Nobody of the plan is in that GPU004: each one named in the warning.
  ASSERT_EQ(dialogi.Ostrzezenia.size(), 1u);
  EXPECT_EQ(dialogi.Ostrzezenia[0].count('\n'), Dok().Nauczyciele.Liczba() - 1);
  EXPECT_TRUE(bledy.kody.empty());

  dialogi.Pliki = {Sciezka("brak/plan.html")};
  eksporty[1]->trigger();
  EXPECT_EQ(bledy.kody, std::vector<int>{3});
  EXPECT_FALSE(std::filesystem::exists(folder / "brak"));
}

TEST_F(DutyPlan, TheCheckBoxTravelsWithTheDocument) {
  EXPECT_FALSE(Plan().Automatycznie()->isChecked());
  EXPECT_EQ(Plan().Automatycznie()->toolTip(), "Pokazywać listę wyboru wariantu?");
  TStopka stopka;
  stopka.WpisujAutomatycznie = true;
  Otworz(3, stopka);
  EXPECT_TRUE(Plan().Automatycznie()->isChecked());
  EXPECT_EQ(Siatka().Ilx(), 4);                // the stored look does not change the shape
  EXPECT_FALSE(Dok().Historia.MoznaCofnac());  // an open starts afresh
  Plan().Automatycznie()->setChecked(false);
  EXPECT_FALSE(Dok().Stopka.WpisujAutomatycznie);
  // Saved with the plan: a change to keep, and one step.
  EXPECT_TRUE(Dok().Zmieniony);
  ASSERT_TRUE(Dok().Cofnij());
  EXPECT_TRUE(Dok().Stopka.WpisujAutomatycznie);
  EXPECT_FALSE(Dok().Zmieniony);
}

TEST_F(DutyPlan, OptionsDialogWritesItsBytesAndMarksTheDocument) {
  Tffdopcje& opcje = *Okna().ffdopcje;
  EXPECT_EQ(opcje.windowTitle(), "Opcje");
  QTimer::singleShot(0, &opcje, [&] {
    EXPECT_FALSE(opcje.Pole(TOpcja::kPrzedLekcjami)->isChecked());
    EXPECT_TRUE(opcje.Pole(TOpcja::kJednaDluga)->isChecked());
    EXPECT_TRUE(opcje.Pole(TOpcja::kKolorNauczyciela)->isChecked());
    EXPECT_FALSE(opcje.Pole(TOpcja::kZZastrzezeniem)->isChecked());  // 0 in older files
    EXPECT_TRUE(opcje.Pole(TOpcja::kNajpierwRowno)->isChecked());    // 0 in older files
    EXPECT_EQ(opcje.Limit()->value(), 10);                           // byte 6 is 0: the default
    for (const TOpisOpcji& o : kOpcje) opcje.Pole(o.Opcja)->toggle();
    opcje.Limit()->setValue(30);
    opcje.Koniec()->click();
  });
  TOpcje::TRekord rekord = Dok().Opcje.Rekord();
  rekord[3] = 7;  // reserved bytes are left alone
  Dok().Opcje = TOpcje::ZRekordu(rekord);
  Plan().Przycisk(Tffddyzur::kOpcje)->click();
  EXPECT_EQ(Dok().Opcje.Rekord(), (TOpcje::TRekord{1, 1, 0, 7, 0, 1, 30, 1}));
  // The options are saved with the plan: a change to keep, and one step.
  EXPECT_TRUE(Dok().Zmieniony);
  EXPECT_EQ(Dok().Historia.NazwaCofniecia(), "Opcje");

  // Escape closes it and writes the boxes back as well.
  QTimer::singleShot(0, &opcje, [&] {
    opcje.Pole(TOpcja::kPoLekcjach)->toggle();
    QTest::keyClick(&opcje, Qt::Key_Escape);
  });
  Plan().Przycisk(Tffddyzur::kOpcje)->click();
  EXPECT_FALSE(opcje.isVisible());
  EXPECT_FALSE(Dok().Opcje.PoLekcjach());
}

// Undo from the main window's menu: the plan, the flag and the menu's
// names follow the history, and open windows show the models as they are.
TEST_F(DutyPlan, UndoAndRedoFromTheEditMenu) {
  const Tffdmain::TPolecenia& p = Glowne().Polecenia();
  Zaznacz(0, 0, 1);
  Plan().Przycisk(Tffddyzur::kZakaz)->click();
  ASSERT_EQ(Komorka(0, 1), kZamkniete);
  EXPECT_TRUE(Dok().Zmieniony);
  emit p.Edycja->aboutToShow();
  EXPECT_EQ(p.Cofnij->text(), "&Cofnij: Zakaz wpisu");
  EXPECT_FALSE(p.Ponow->isEnabled());
  emit p.Edycja->aboutToHide();
  Towarzysze().Statystyka->show();
  p.Cofnij->trigger();
  EXPECT_NE(Komorka(0, 1), kZamkniete);
  EXPECT_FALSE(Dok().Zmieniony);
  emit p.Edycja->aboutToShow();
  EXPECT_EQ(p.Ponow->text(), "&Ponów: Zakaz wpisu");
  EXPECT_FALSE(p.Cofnij->isEnabled());
  emit p.Edycja->aboutToHide();
  p.Ponow->trigger();
  EXPECT_EQ(Komorka(0, 1), kZamkniete);
  EXPECT_TRUE(Dok().Zmieniony);
  Towarzysze().Statystyka->hide();
}

// Undo and redo put the cursor and the selection back as the step began.
TEST_F(DutyPlan, UndoBringsBackTheCursorAndSelectionOfItsStep) {
  Zaznacz(1, 0, 2);
  const TZaznaczenie zaznaczenie = Siatka().Zaznaczenie();
  const std::pair kursor{Siatka().Kurx(), Siatka().Kury()};
  Plan().Przycisk(Tffddyzur::kUsun)->click();
  Zaznacz(2, 3, 3);
  ASSERT_TRUE(Dok().Cofnij());
  EXPECT_EQ(Siatka().Zaznaczenie(), zaznaczenie);
  EXPECT_EQ(std::pair(Siatka().Kurx(), Siatka().Kury()), kursor);
  Zaznacz(0, 0, 0);
  ASSERT_TRUE(Dok().Ponow());
  EXPECT_EQ(Siatka().Zaznaczenie(), zaznaczenie);
}

TEST_F(DutyPlan, TheWiringReachesTheChooser) {
  Zaznacz(0, 0, 0);  // teacher 0 sits here: N1, N2, N3 are offered
  QTimer::singleShot(0, Okna().ffdlista, [lista = Okna().ffdlista] { lista->Wpisz()->click(); });
  QTest::keyClick(&Siatka(), Qt::Key_N);
  EXPECT_EQ(Komorka(0, 0), 1);
  QTest::keyClick(&Siatka(), Qt::Key_Q);  // no surname begins with Q: nothing shown
  EXPECT_EQ(Komorka(0, 0), 1);
}
