// The main window and the file hub: commands, the document's life, the save
// prompt, the automatic reopen and the window settings.
#include "powloka.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include "core/document/konfiguracja.h"
#include "core/model/wspolne.h"
#include "core/planning/nowyplan.h"
#include "gui/common/pomoc.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/grid/celledi.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

class Shell : public Powloka {
 protected:
  // A plan of 2 days of 3 periods, 4 teachers, 3 rooms and 2 regions.
  TDokument Plan(const std::string& nazwa, const TStopka& stopka = {}) {
    return ZapiszPlanDyzurow(folder / nazwa, Szkola({3, 3}, 4, 3), 2, stopka);
  }
  // Opens `nazwa` by the Open command.
  void Odczytaj(const std::string& nazwa) {
    dialogi.Pliki.push_back(Sciezka(nazwa));
    Glowne().Odczytaj();
  }
};

QStringList Napisy(const QMenu* menu) {
  QStringList wynik;
  for (const QAction* a : menu->actions())
    wynik << a->text() + (a->shortcut().isEmpty() ? "" : " " + a->shortcut().toString());
  return wynik;
}

}  // namespace

TEST_F(Shell, MenuAndToolButtonsAreThoseOfTheDesign) {
  const Tffdmain::TPolecenia& p = Glowne().Polecenia();
  QStringList glowne;
  for (const QAction* a : Glowne().menuBar()->actions()) glowne << a->text();
  EXPECT_EQ(glowne, QStringList({"&Pliki", "&Edycja", "D&ane", "&Dyżury", "E&ksport", "Po&moc"}));
  // Alt and a letter opens one menu, and within a menu picks one entry.
  for (const QWidget* m : std::initializer_list<const QWidget*>{
           Glowne().menuBar(), p.Pliki, p.Edycja, p.Dane, p.MenuDyzury, p.Eksport}) {
    QStringList litery;
    for (const QAction* a : m->actions()) {
      const qsizetype i = a->text().indexOf('&');
      if (i >= 0 && i + 1 < a->text().size()) litery << a->text().mid(i + 1, 1).toLower();
    }
    EXPECT_EQ(litery.removeDuplicates(), 0) << litery.join(' ').toStdString();
  }
  EXPECT_EQ(Napisy(p.Edycja), QStringList({"&Cofnij Ctrl+Z", "&Ponów Ctrl+Y"}));
  EXPECT_EQ(Napisy(p.Pliki),
            QStringList({"&Nowy Ctrl+N", "&Odczytaj Ctrl+O", "&Zapisz Ctrl+S",
                         "Z&apisz pod nową nazwą", "&Ustawienia drukarki", "&Koniec Alt+F4"}));
  EXPECT_EQ(Napisy(p.Dane), QStringList({"&Brzmienia momentów dyżurowania", "&Rejony",
                                         "&Limity liczby i czasu dyżurów"}));
  EXPECT_EQ(Napisy(p.MenuDyzury),
            QStringList({"&Plan dyżurów", "&Kontrola planu", "Dyżury &nauczycieli", "&Zastępstwa",
                         "Zastępstwa w &semestrze"}));
  EXPECT_EQ(Napisy(p.Pomoc), QStringList({"Velmor - &pomoc"}));
  QStringList podpowiedzi;
  for (const QToolButton* b : p.Przyciski) podpowiedzi << b->toolTip();
  EXPECT_EQ(podpowiedzi, QStringList({"Zapisz", "Momenty dyżurowania", "Definicje rejonów",
                                      "Limity dyżurowania", "Plan dyżurów", "Koniec"}));
  EXPECT_FALSE(Glowne().windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(Glowne().windowFlags() & Qt::WindowMinimizeButtonHint);

  p.Drukarka->trigger();
  EXPECT_EQ(dialogi.Drukarka, 1);
  p.PomocVelmor->trigger();
  EXPECT_EQ(TematPomocy(), 1);
}

TEST_F(Shell, DataCommandsShowTheirWindows) {
  Glowne().UstawDostepnosc(true);
  const Tffdmain::TPolecenia& p = Glowne().Polecenia();
  const std::pair<QToolButton*, QWidget*> pary[] = {{p.Przyciski[1], Okna().ffdmomenty},
                                                    {p.Przyciski[2], Okna().ffdrejon},
                                                    {p.Przyciski[3], Okna().ffdnaucz},
                                                    {p.Przyciski[4], Okna().ffddyzur}};
  for (const auto& [przycisk, okno] : pary) {
    EXPECT_FALSE(okno->isVisible());
    przycisk->click();
    EXPECT_TRUE(okno->isVisible()) << okno->objectName().toStdString();
  }
  // A change of state closes the moments, regions and duty plan windows only.
  Glowne().UstawDostepnosc(false);
  EXPECT_FALSE(Okna().ffdmomenty->isVisible());
  EXPECT_FALSE(Okna().ffdrejon->isVisible());
  EXPECT_FALSE(Okna().ffddyzur->isVisible());
  EXPECT_TRUE(Okna().ffdnaucz->isVisible());
  Okna().ffdnaucz->hide();
  p.Przyciski[1]->click();  // disabled: nothing happens
  EXPECT_FALSE(Okna().ffdmomenty->isVisible());
}

TEST_F(Shell, OpenEnablesTheDataCommandsAndAFailedOpenChangesNothing) {
  Plan("a.vlm");
  EXPECT_FALSE(DaneDostepne());
  // A failed open without a document keeps the commands off.
  std::filesystem::create_directories(folder / "zly.vlm");
  Odczytaj("zly.vlm");
  EXPECT_FALSE(DaneDostepne());
  EXPECT_EQ(bledy.kody, std::vector<int>{1});

  Odczytaj("a.vlm");
  EXPECT_TRUE(DaneDostepne());
  EXPECT_EQ(Glowne().Status(), Sciezka("a.vlm"));
  EXPECT_EQ(Losa().DialogZapisu.Nazwa, Sciezka("a.vlm"));
  EXPECT_EQ(Dok().Rejony.Liczba(), 2);
  EXPECT_FALSE(Dok().Zmieniony);

  // A failed open keeps the document, its name, the commands and the open windows.
  Okna().ffdrejon->show();
  Dok().Zmieniony = true;
  dialogi.Odpowiedzi.push_back(QMessageBox::No);
  Odczytaj("zly.vlm");
  EXPECT_EQ(bledy.kody, (std::vector<int>{1, 1}));
  EXPECT_TRUE(DaneDostepne());
  EXPECT_TRUE(Okna().ffdrejon->isVisible());
  EXPECT_EQ(Glowne().Status(), Sciezka("a.vlm"));
  EXPECT_EQ(Losa().DialogZapisu.Nazwa, Sciezka("a.vlm"));
  EXPECT_EQ(Dok().Rejony.Liczba(), 2);
  EXPECT_TRUE(Dok().Zmieniony);
  Okna().ffdrejon->hide();
}

TEST_F(Shell, CancelledOpenCountsAsSuccess) {
  dialogi.Pliki.push_back("");
  Glowne().Odczytaj();
  EXPECT_TRUE(DaneDostepne());
  EXPECT_EQ(Glowne().Status(), "");
  ASSERT_EQ(dialogi.Pokazane.size(), 1u);
  const TDialogPliku& d = dialogi.Pokazane[0];
  EXPECT_EQ(d.Tytul, "Otwieranie pliku z planem dyżurów");
  EXPECT_EQ(d.Rozszerzenie, "vlm");
  EXPECT_EQ(d.Filtr, "Pliki planu dyżurów (*.VLM)|*.vlm|Wszystkie pliki (*.*)|*.*");
  EXPECT_FALSE(d.DoZapisu);
}

TEST(FileDialogs, FiltersBecomeQtNameFilters) {
  EXPECT_EQ(
      FiltryQt("Pliki planu dyżurów (*.VLM)|*.vlm|Wszystkie pliki (*.*)|*.*"),
      QStringList({"Pliki planu dyżurów (*.VLM) (*.vlm *.VLM)", "Wszystkie pliki (*.*) (*)"}));
  EXPECT_EQ(FiltryQt("Obrazy|*.bmp;*.PNG|bez wzorca"), QStringList({"Obrazy (*.bmp *.BMP *.PNG)"}));
}

TEST_F(Shell, SavePromptAnswers) {
  Plan("a.vlm");
  Odczytaj("a.vlm");
  EXPECT_TRUE(Glowne().ZapytajOZapis());  // nothing changed: no question
  EXPECT_EQ(dialogi.Pytania, 0);

  Dok().Zmieniony = true;
  Dok().Momenty[0].Nazwa = "zmieniony";
  dialogi.Odpowiedzi = {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Yes};
  EXPECT_FALSE(Glowne().ZapytajOZapis());
  EXPECT_TRUE(Glowne().ZapytajOZapis());
  EXPECT_TRUE(Dok().Zmieniony);
  TDokument naDysku;
  ASSERT_TRUE(naDysku.OtworzPlik(folder / "a.vlm", kRodzajPlanDyzurow));
  EXPECT_EQ(naDysku.Momenty[0].Nazwa, "m0");
  // Yes saves under the current name without a dialog.
  EXPECT_TRUE(Glowne().ZapytajOZapis());
  EXPECT_FALSE(Dok().Zmieniony);
  ASSERT_TRUE(naDysku.OtworzPlik(folder / "a.vlm", kRodzajPlanDyzurow));
  EXPECT_EQ(naDysku.Momenty[0].Nazwa, "zmieniony");
  EXPECT_EQ(dialogi.Pokazane.size(), 1u);  // the open's only
  EXPECT_EQ(dialogi.Pytania, 3);
}

TEST_F(Shell, YesWhoseSaveFailsKeepsTheCallerFromGoingOn) {
  Plan("a.vlm");
  Plan("b.vlm");
  Odczytaj("a.vlm");
  // The current file's folder is gone: the save fails.
  Losa().DialogZapisu.Nazwa = Sciezka("nie/ma/a.vlm");
  Dok().Zmieniony = true;
  dialogi.Odpowiedzi = {QMessageBox::Yes};
  Glowne().Odczytaj();
  EXPECT_EQ(bledy.kody, std::vector<int>{3});
  EXPECT_EQ(dialogi.Pokazane.size(), 1u);  // no open dialog after the failed save
  EXPECT_TRUE(Dok().Zmieniony);

  // A never-saved document whose save dialog is cancelled.
  Losa().DialogZapisu.Nazwa.clear();
  dialogi.Odpowiedzi = {QMessageBox::Yes};
  dialogi.Pliki = {""};
  EXPECT_FALSE(Glowne().ZapytajOZapis());
  EXPECT_EQ(dialogi.Pokazane.back().Tytul, "Zapis pliku z planem dyżurów");
  EXPECT_TRUE(Dok().Zmieniony);

  // The program does not close either.
  Glowne().show();
  dialogi.Odpowiedzi = {QMessageBox::Yes};
  dialogi.Pliki = {""};
  EXPECT_FALSE(Glowne().close());
  EXPECT_TRUE(Glowne().isVisible());
  EXPECT_FALSE(std::filesystem::exists(folder / "dok" / "vlm2025.cfg"));
  Glowne().hide();
}

TEST_F(Shell, CloseAsksThenWritesTheConfiguration) {
  Plan("a.vlm");
  Glowne().show();
  Odczytaj("a.vlm");
  Dok().Zmieniony = true;
  dialogi.Odpowiedzi = {QMessageBox::Cancel};
  EXPECT_FALSE(Glowne().close());
  EXPECT_TRUE(Glowne().isVisible());
  EXPECT_FALSE(std::filesystem::exists(folder / "dok" / "vlm2025.cfg"));
  dialogi.Odpowiedzi = {QMessageBox::No};
  EXPECT_TRUE(Glowne().close());
  EXPECT_EQ(CzytajKonfiguracje(Parametry()), (folder / "a.vlm").string());
  // "Koniec" closes as well; nothing to ask now.
  Glowne().show();
  Dok().Zmieniony = false;
  Glowne().Polecenia().Przyciski[5]->click();
  EXPECT_FALSE(Glowne().isVisible());
  EXPECT_EQ(dialogi.Pytania, 2);
}

TEST_F(Shell, SavingANeverSavedDocumentRunsTheSaveDialog) {
  const TSzkola s = Szkola({2}, 2, 1);
  ZapiszPlanLekcji(folder / "p.tbx", kWersjaZapisu, s);
  ASSERT_TRUE(Losa().OtworzPlik(Sciezka("p.tbx"), kRodzajPlanLekcji));
  PrzebudujPlan(Dok(), {}, {});
  Dok().Zmieniony = true;
  dialogi.Pliki = {""};
  EXPECT_FALSE(Glowne().Zapisz());
  EXPECT_TRUE(Dok().Zmieniony);
  ASSERT_EQ(dialogi.Pokazane.size(), 1u);
  const TDialogPliku& d = dialogi.Pokazane[0];
  EXPECT_EQ(d.Tytul, "Zapis pliku z planem dyżurów");
  EXPECT_EQ(d.Rozszerzenie, "vlm");
  EXPECT_EQ(d.Filtr, "Pliki planu dyżurów (*.VLM)|*.vlm|Wszystkie pliki (*.*)|*.*");
  EXPECT_TRUE(d.DoZapisu);

  dialogi.Pliki = {Sciezka("nowy.vlm")};
  EXPECT_TRUE(Glowne().Zapisz());
  EXPECT_FALSE(Dok().Zmieniony);
  EXPECT_EQ(Glowne().Status(), Sciezka("nowy.vlm"));
  EXPECT_EQ(Losa().DialogZapisu.Nazwa, Sciezka("nowy.vlm"));
  // From now on Save writes without asking.
  Dok().Momenty.ZmienRozmiar(2);
  Dok().Momenty[1].Nazwa = "druga";
  EXPECT_TRUE(Glowne().Zapisz());
  EXPECT_EQ(dialogi.Pokazane.size(), 2u);
  TDokument naDysku;
  ASSERT_TRUE(naDysku.OtworzPlik(folder / "nowy.vlm", kRodzajPlanDyzurow));
  EXPECT_EQ(naDysku.Momenty[1].Nazwa, "druga");
}

TEST_F(Shell, SaveUnderANewNameKeepsTheOldNameWhenItFails) {
  Plan("a.vlm");
  Odczytaj("a.vlm");
  dialogi.Pliki = {Sciezka("nie/ma/b.vlm"), Sciezka("b.vlm")};
  Glowne().Polecenia().ZapiszJako->trigger();
  EXPECT_EQ(bledy.kody, std::vector<int>{3});
  EXPECT_EQ(Losa().DialogZapisu.Nazwa, Sciezka("a.vlm"));
  EXPECT_EQ(Glowne().Status(), Sciezka("a.vlm"));
  Glowne().Polecenia().ZapiszJako->trigger();
  EXPECT_EQ(Losa().DialogZapisu.Nazwa, Sciezka("b.vlm"));
  EXPECT_EQ(Glowne().Status(), Sciezka("b.vlm"));
  EXPECT_TRUE(std::filesystem::exists(folder / "b.vlm"));
}

TEST_F(Shell, OlderVersionIsKeptAfterASave) {
  ZapiszPlanLekcji(folder / "v80.tbx", 80, Szkola({2, 2}, 3, 2));
  ASSERT_TRUE(Losa().OtworzPlik(Sciezka("v80.tbx"), kRodzajPlanLekcji));
  EXPECT_EQ(Dok().WersjaPliku, 80);
  PrzebudujPlan(Dok(), {}, {});
  dialogi.Pliki = {Sciezka("plan.vlm")};
  ASSERT_TRUE(Glowne().Zapisz());
  EXPECT_EQ(Dok().WersjaPliku, 80);
  const TBajty b = CzytajPlik(folder / "plan.vlm");
  ASSERT_GT(b.size(), 120u);
  EXPECT_EQ(b[120], 103);
}

TEST_F(Shell, HourglassShowsDuringFileOperationsOnly) {
  std::filesystem::create_directories(folder / "zly.vlm");
  EXPECT_FALSE(Losa().OtworzPlik(Sciezka("zly.vlm"), kRodzajPlanDyzurow));
  EXPECT_FALSE(Losa().ZapiszPlik(Sciezka("nie/ma/a.vlm")));
  EXPECT_EQ(bledy.kody, (std::vector<int>{1, 3}));
  EXPECT_EQ(bledy.klepsydra, (std::vector<bool>{true, true}));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Automatic reopen at the first showing.

TEST_F(Shell, WithoutADocumentToReopenNothingIsOpenedSilently) {
  UruchomIPokaz();  // no configuration file
  EXPECT_FALSE(DaneDostepne());
  EXPECT_EQ(Glowne().windowTitle(), "Velmor 2025");
  ASSERT_TRUE(ZapiszKonfiguracje(Parametry(), ""));  // a plan never saved
  UruchomIPokaz();
  EXPECT_FALSE(DaneDostepne());
  EXPECT_TRUE(bledy.kody.empty());
  EXPECT_TRUE(dialogi.Pokazane.empty());
}

TEST_F(Shell, TheLastDocumentIsReopened) {
  Plan("a.vlm");
  ASSERT_TRUE(ZapiszKonfiguracje(Parametry(), (folder / "a.vlm").string()));
  UruchomIPokaz();
  EXPECT_TRUE(DaneDostepne());
  EXPECT_EQ(Glowne().Status(), Sciezka("a.vlm"));
  EXPECT_EQ(Losa().DialogZapisu.Nazwa, Sciezka("a.vlm"));
  EXPECT_EQ(Losa().DialogOtwarcia.Nazwa, Sciezka("a.vlm"));
  EXPECT_EQ(Dok().Rejony.Liczba(), 2);
  EXPECT_TRUE(bledy.kody.empty());
}

TEST_F(Shell, AMissingLastDocumentIsErrorOneAndNoDocument) {
  ASSERT_TRUE(ZapiszKonfiguracje(Parametry(), (folder / "nie_ma.vlm").string()));
  UruchomIPokaz();
  EXPECT_EQ(bledy.kody, std::vector<int>{1});
  EXPECT_FALSE(DaneDostepne());
  EXPECT_EQ(Glowne().Status(), "");
}

TEST_F(Shell, TheCommandLineFileIsOpenedWithOrWithoutAConfiguration) {
  Plan("a.vlm");
  Plan("b.vlm");
  UruchomIPokaz({(folder / "b.vlm").string()});  // the first start
  EXPECT_TRUE(DaneDostepne());
  EXPECT_EQ(Glowne().Status(), Sciezka("b.vlm"));

  ASSERT_TRUE(ZapiszKonfiguracje(Parametry(), (folder / "a.vlm").string()));
  UruchomIPokaz({"R=abc", (folder / "b.vlm").string()});
  EXPECT_EQ(Glowne().Status(), Sciezka("b.vlm"));
  // A relative name is taken from the program's folder.
  std::filesystem::copy_file(folder / "b.vlm", folder / "program" / "c.vlm");
  UruchomIPokaz({"c.vlm"});
  EXPECT_EQ(Glowne().Status(), QDir::toNativeSeparators(Sciezka("program/c.vlm")));
  EXPECT_TRUE(bledy.kody.empty());
}

// Window settings.

TEST_F(Shell, WindowsTakeTheirPlaceAndLookFromTheDocument) {
  // A window with a table, registered for the regions editor's row.
  QWidget okno;
  auto* siatka = new TCellEdi(&okno);
  int poOdczycie = 0;
  OknaStopki().Zarejestruj(kOknoRejony, &okno, siatka, [&] { ++poOdczycie; });

  TStopka stopka;
  stopka.Okna[kOknoGlowne].Prostokat = {30, 40, 430, 180};
  stopka.Okna[kOknoRejony].Prostokat = {5000, 50, 5300, 250};  // off the desktop
  stopka.Okna[kOknoRejony].Siatka.InfoKolor = 0x00123456;
  stopka.Okna[kOknoRejony].Siatka.FixedRows = 2;
  stopka.Okna[kOknoMomenty].Prostokat = {1, 2, 3, 4};
  stopka.Okna[kOknoMomenty].Siatka.Szerokosci = {10, 20, 30};
  stopka.Okna[kOknoPlan].Prostokat = {40, 50, 640, 450};
  stopka.Okna[kOknoPlan].Siatka.OczkoKolor = 0x00ABCDEF;
  stopka.WpisujAutomatycznie = true;
  Plan("a.vlm", stopka);
  Odczytaj("a.vlm");

  EXPECT_EQ(ProstokatOkna(&Glowne()), (TProstokat{30, 40, 430, 180}));
  EXPECT_EQ(ProstokatOkna(&okno), (TProstokat{0, 50, 300, 250}));
  EXPECT_EQ(siatka->InfoKolor, 0x00123456u);
  EXPECT_EQ(siatka->FixedRows(), 2);
  EXPECT_EQ(poOdczycie, 1);

  // Before a save the windows give back their place and look; rows without
  // a window are written back as read.
  okno.show();
  okno.move(70, 80);
  siatka->InfoKolor = 0x00654321;
  Glowne().show();
  Glowne().move(11, 12);
  ASSERT_TRUE(Glowne().Zapisz());
  TDokument naDysku;
  ASSERT_TRUE(naDysku.OtworzPlik(folder / "a.vlm", kRodzajPlanDyzurow));
  const TStopka& zapisana = naDysku.Stopka;
  // Shown, the windows have frames: their outer rectangles start there.
  EXPECT_EQ(zapisana.Okna[kOknoGlowne].Prostokat.Left, 11);
  EXPECT_EQ(zapisana.Okna[kOknoGlowne].Prostokat.Top, 12);
  EXPECT_EQ(zapisana.Okna[kOknoRejony].Prostokat.Left, 70);
  EXPECT_EQ(zapisana.Okna[kOknoRejony].Prostokat.Top, 80);
  EXPECT_EQ(zapisana.Okna[kOknoRejony].Siatka, siatka->Ustawienia());
  EXPECT_EQ(zapisana.Okna[kOknoRejony].Siatka.InfoKolor, 0x00654321u);
  EXPECT_EQ(zapisana.Okna[kOknoPlan].Siatka.OczkoKolor, 0x00ABCDEFu);  // through the duty plan
  EXPECT_TRUE(zapisana.WpisujAutomatycznie);
}

// A rectangle too small for the window (once stored as 1 x 1) comes back at
// the window's smallest size.
TEST_F(Shell, ATinyRectangleComesBackAtTheWindowsSmallestSize) {
  TStopka stopka;
  stopka.Okna[kOknoGlowne].Prostokat = {199, 80, 200, 81};
  Plan("a.vlm", stopka);
  Odczytaj("a.vlm");
  const QSize najmniejszy = Glowne().minimumSizeHint();
  EXPECT_EQ(Glowne().pos(), QPoint(199, 80));
  EXPECT_GE(Glowne().width(), najmniejszy.width());
  EXPECT_GE(Glowne().height(), najmniejszy.height());
}

TEST_F(Shell, AWindowNeverPlacedKeepsItsOwnPlace) {
  Glowne().setGeometry(60, 70, 300, 90);
  const TProstokat przed = ProstokatOkna(&Glowne());
  Plan("a.vlm");  // every rectangle all zero
  Odczytaj("a.vlm");
  EXPECT_EQ(ProstokatOkna(&Glowne()), przed);
}
