#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "core/document/dokument.h"
#include "core/model/wspolne.h"
#include "gui/app/ffdmain.h"
#include "gui/app/ffdyzerr.h"
#include "gui/common/pomoc.h"
#include "gui/planning/ffdkarty.h"
#include "gui/planning/ffdkontrola.h"
#include "gui/planning/ffdksiega.h"
#include "gui/planning/ffdzastepstwa.h"
#include "powloka.h"

using namespace velmor;

namespace {

// Runs `krok` once the modal window is up.
void PoPokazaniu(Tffdyzerr& okno, std::function<void()> krok) {
  QTimer::singleShot(0, &okno, [&okno, krok] {
    ASSERT_TRUE(okno.isVisible());
    krok();
  });
}

class ErrorWindow : public ::testing::Test {
 protected:
  Tffdyzerr okno;
};

}  // namespace

TEST_F(ErrorWindow, ShowsMessageAndTopicAndClosesOnLetter) {
  QString tekst;
  PoPokazaniu(okno, [&] {
    tekst = okno.Tekst();
    EXPECT_EQ(okno.windowTitle(), "Błąd w programie");
    EXPECT_EQ(KontekstPomocy(&okno), 1040);
    QTest::keyClick(&okno, Qt::Key_A);
  });
  okno.Pokaz(4);
  EXPECT_EQ(tekst, " Niewłaściwa wersja pliku z danymi o szkole");
  EXPECT_EQ(okno.Temat(), 1040);
  EXPECT_FALSE(okno.isVisible());
}

TEST_F(ErrorWindow, EnterAndClickClose) {
  PoPokazaniu(okno, [&] { QTest::keyClick(&okno, Qt::Key_Return); });
  okno.Pokaz(1);
  EXPECT_FALSE(okno.isVisible());
  PoPokazaniu(okno, [&] { QTest::mouseClick(&okno, Qt::LeftButton); });
  okno.Pokaz(1);
  EXPECT_FALSE(okno.isVisible());
}

TEST_F(ErrorWindow, NonCharacterKeysKeepItOpen) {
  bool otwarte = false;
  PoPokazaniu(okno, [&] {
    QTest::keyClick(&okno, Qt::Key_Shift);
    QTest::keyClick(&okno, Qt::Key_Left);
    otwarte = okno.isVisible();
    okno.PrzyciskZamknij()->click();
  });
  okno.Pokaz(3);
  EXPECT_TRUE(otwarte);
  EXPECT_FALSE(okno.isVisible());
}

TEST_F(ErrorWindow, CommentOpensHelpAtTopicAndStaysOpen) {
  bool otwarte = false;
  int temat = 0;
  PoPokazaniu(okno, [&] {
    okno.PrzyciskSkomentuj()->click();
    temat = TematPomocy();
    otwarte = okno.isVisible();
    QTest::keyClick(&okno, Qt::Key_X);
  });
  okno.Pokaz(4);
  EXPECT_EQ(temat, 1040);
  EXPECT_TRUE(otwarte);
}

TEST_F(ErrorWindow, SecondReportWhileShowingOnlyChangesText) {
  QString tekst;
  PoPokazaniu(okno, [&] {
    okno.Pokaz(1);  // returns at once: the window is already up
    tekst = okno.Tekst();
    okno.accept();
  });
  okno.Pokaz(4);
  EXPECT_EQ(tekst, " Odczyt danych z archiwum nie powiódł się");
  EXPECT_EQ(okno.Temat(), 1010);
}

// A file that cannot be read is named below the exact message.
TEST_F(ErrorWindow, AFailedOpenNamesItsFile) {
  TRaportOkna raport(&okno);
  TZmianaRaportu zmiana(&raport);
  QString tekst, szczegol;
  PoPokazaniu(okno, [&] {
    tekst = okno.Tekst();
    szczegol = okno.Szczegol();
    okno.accept();
  });
  TDokument d;
  EXPECT_FALSE(d.OtworzPlik("/nie/ma/takiego/planu.vlm", kRodzajPlanDyzurow));
  EXPECT_EQ(tekst, " Odczyt danych z archiwum nie powiódł się");
  // The file and the system's reason.
  EXPECT_TRUE(szczegol.startsWith("nie można otworzyć pliku /nie/ma/takiego/planu.vlm: "))
      << szczegol.toStdString();
  // Without a detail the line is empty.
  PoPokazaniu(okno, [&] {
    szczegol = okno.Szczegol();
    okno.accept();
  });
  EOrvelError(4);
  EXPECT_EQ(szczegol, "");
}

TEST_F(ErrorWindow, CoreReportsReachTheWindowOneAfterAnother) {
  TRaportOkna raport(&okno);
  TZmianaRaportu zmiana(&raport);
  QStringList widziane;
  std::function<void()> zamknij = [&] {
    widziane << okno.Tekst();
    okno.accept();
  };
  PoPokazaniu(okno, zamknij);
  EOrvelError(4);
  PoPokazaniu(okno, zamknij);
  EOrvelError(1);
  ASSERT_EQ(widziane.size(), 2);
  EXPECT_EQ(widziane[0], " Niewłaściwa wersja pliku z danymi o szkole");
  EXPECT_EQ(widziane[1], " Odczyt danych z archiwum nie powiódł się");
}

class Windows : public testy::Powloka {};

TEST_F(Windows, CreatedOnceInTheirOrderWithHelpContexts) {
  QStringList nazwy;
  for (const auto& obiekt : Okna().Kolejnosc) nazwy << obiekt->objectName();
  EXPECT_EQ(nazwy, QStringList({"ffdmain",  "ffdyzerr",    "fdlosa",   "ffddysp",   "ffddyzur",
                                "ffdkarty", "ffdkontrola", "ffdlista", "ffdlistab", "ffdmomenty",
                                "ffdnaucz", "ffdnowy",     "ffdodaj",  "ffdopcje",  "ffdplann",
                                "ffdrejon", "ffdstat",     "ffdruk",   "ffopcje",   "ffdzastepstwa",
                                "ffdksiega"}));
  const TOkna& o = Okna();
  const std::pair<QWidget*, int> konteksty[] = {{o.ffdmain, 1},
                                                {Towarzysze().Mikroplan(kMikroplanGlowny), 220},
                                                {o.ffddyzur, 200},
                                                {o.ffdkarty, 260},
                                                {o.ffdkontrola, 250},
                                                {o.ffdlista, 200},
                                                {o.ffdlistab, 200},
                                                {o.ffdmomenty, 110},
                                                {o.ffdnaucz, 130},
                                                {o.ffdnowy, 50},
                                                {o.ffdodaj, 120},
                                                {o.ffdopcje, 240},
                                                {Towarzysze().PlanNauczycieli, 210},
                                                {o.ffdrejon, 120},
                                                {Towarzysze().Statystyka, 230},
                                                {o.ffdruk, 30},
                                                {o.ffopcje, 40},
                                                {o.ffdzastepstwa, 270},
                                                {o.ffdksiega, 270}};
  for (const auto& [okno, kontekst] : konteksty)
    EXPECT_EQ(KontekstPomocy(okno), kontekst) << okno->objectName().toStdString();
}

TEST_F(Windows, FirstShowingNamesTheExtraMicroPlans) {
  EXPECT_EQ(Okna().ffdmain->windowTitle(), "Velmor");
  Okna().ffdmain->show();
  const QString tytuly[] = {"Mikroplan rejonu", "Mikroplan sali", "Kto dyżuruje?",
                            "Gdzie dyżuruje?"};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(Towarzysze().Mikroplan(static_cast<TMikroplan>(kMikroplanRejonu + i))->windowTitle(),
              tytuly[i]);
  EXPECT_EQ(Okna().ffdmain->windowTitle(), "Velmor 2025");
  Okna().ffdmain->hide();
}

TEST_F(Windows, F1OpensTheTopicOfTheFocusedWindow) {
  QWidget* okno = Okna().ffdmomenty;
  okno->show();
  QTest::keyClick(okno, Qt::Key_F1);
  EXPECT_EQ(TematPomocy(), 110);
  QTest::keyClick(Okna().ffdruk, Qt::Key_F1);
  EXPECT_EQ(TematPomocy(), 30);
  okno->hide();
}

TEST(Help, TopicsOfTheMainWindowAndEveryErrorAreShipped) {
  for (int temat : {1, 50, 1000, 1010, 1020, 1030, 1040, 1060, 1080})
    EXPECT_TRUE(QFile::exists(QString(":/help/%1.html").arg(temat))) << temat;
}

namespace {

class TRzucajacy : public QObject {
 protected:
  bool event(QEvent*) override { throw std::runtime_error("nieprzewidziany"); }
};

}  // namespace

TEST(Entry, ExceptionEscapingAnEventHandlerIsError8) {
  velmor::testy::TRejestrKodow rejestr;
  TZmianaRaportu zmiana(&rejestr);
  TRzucajacy obiekt;
  QEvent zdarzenie(QEvent::User);
  QCoreApplication::sendEvent(&obiekt, &zdarzenie);
  EXPECT_EQ(rejestr.kody, std::vector<int>{8});
  EXPECT_EQ(QApplication::applicationName(), "Velmor  2025");
  // The handler asked the message loop to end; with none running, that would
  // end every modal loop of the tests after this one. A run of it clears it.
  QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
}
