// The new-plan wizard and the New command.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <fstream>
#include <functional>
#include <utility>

#include "core/model/wspolne.h"
#include "gui/editors/ffdnowy.h"
#include "powloka.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

class Wizard : public Powloka {
 protected:
  Tffdnowy& Kreator() { return *Okna().ffdnowy; }

  // Runs `kroki` once the wizard is up, then presses "Zamknij".
  void WKreatorze(std::function<void(Tffdnowy&)> kroki) {
    Tffdnowy* k = Okna().ffdnowy;
    QTimer::singleShot(0, k, [k, kroki] {
      EXPECT_TRUE(k->isVisible());
      kroki(*k);
      k->Zamknij()->click();
    });
  }

  // Opens a duty plan made on `szkola` with `rejonow` regions.
  TDokument Otworz(const TSzkola& szkola, int rejonow) {
    TDokument d = ZapiszPlanDyzurow(folder / "stary.vlm", szkola, rejonow);
    dialogi.Pliki.push_back(Sciezka("stary.vlm"));
    Glowne().Odczytaj();
    EXPECT_TRUE(DaneDostepne());
    return d;
  }

  // Enabled and ticked state of the four boxes, as "et" pairs ("-" off).
  static QString Pola(const Tffdnowy& k) {
    QString wynik;
    for (TPrzeniesienie i : {kPrzeniesMomenty, kPrzeniesRejony, kPrzeniesLimity, kPrzeniesPlan})
      wynik += QString(k.Pole(i)->isEnabled() ? "e" : "-") + (k.Pole(i)->isChecked() ? "t" : "-") +
               (i == kPrzeniesPlan ? "" : " ");
    return wynik;
  }
};

}  // namespace

TEST_F(Wizard, NewFromATimetableToASavedPlanThatReopens) {
  ZapiszPlanLekcji(folder / "szkola.tbx", kWersjaZapisu, Szkola({3, 3}, 4, 3));
  UruchomIPokaz();
  ASSERT_FALSE(DaneDostepne());
  dialogi.Pliki = {Sciezka("szkola.tbx"), Sciezka("plan.vlm")};
  WKreatorze([&](Tffdnowy& k) {
    EXPECT_EQ(k.windowTitle(), "Nowy plik planu dyżurów");
    EXPECT_EQ(Pola(k), "-- -- -- --");
    EXPECT_FALSE(k.EtykietaPol()->isEnabled());
    EXPECT_FALSE(k.Zapisz()->isEnabled());
    k.Wskaz()->click();
    EXPECT_EQ(k.PlikLekcji()->text(), Sciezka("szkola.tbx"));
    EXPECT_EQ(Pola(k), "-- -- -- --");  // nothing to carry over
    EXPECT_FALSE(k.EtykietaPol()->isEnabled());
    ASSERT_TRUE(k.Zapisz()->isEnabled());
    k.Zapisz()->click();
    EXPECT_EQ(k.PlikPlanu()->text(), Sciezka("plan.vlm"));
  });
  Glowne().Nowy();
  ASSERT_EQ(dialogi.Pokazane.size(), 2u);
  EXPECT_EQ(dialogi.Pokazane[0].Tytul, "Otwieranie pliku z planem lekcji");
  EXPECT_EQ(dialogi.Pokazane[0].Rozszerzenie, "tbx");
  EXPECT_EQ(
      dialogi.Pokazane[0].Filtr,
      "Pliki z planem lekcji (*.TBX)|*.tbx|Plany lekcji z programu FET (*.FET)|*.fet|"
      "Wyniki programu FET (*_TIMETABLE.CSV)|*_timetable.csv|Pliki GPU (GPU001.TXT)|gpu001.txt|"
      "Wszystkie pliki (*.*)|*.*");
  EXPECT_TRUE(DaneDostepne());
  EXPECT_EQ(Glowne().Status(), Sciezka("plan.vlm"));
  EXPECT_EQ(Dok().Momenty.Liczba(), 6);
  EXPECT_FALSE(Dok().Zmieniony);

  EXPECT_TRUE(Glowne().close());
  UruchomIPokaz();
  EXPECT_TRUE(DaneDostepne());
  EXPECT_EQ(Glowne().Status(), Sciezka("plan.vlm"));
  EXPECT_EQ(Dok().Nauczyciele.Liczba(), 4);
  EXPECT_EQ(Dok().Momenty.Liczba(), 6);
  EXPECT_EQ(Dok().Dyzury.LiczbaMomentow(), 6);
  EXPECT_TRUE(bledy.kody.empty());
}

// A FET timetable and a GPU file are picked in the same dialog.
TEST_F(Wizard, NewFromOtherProgramsTimetables) {
  std::ofstream(folder / "GPU001.TXT") << "1;\"1A\";\"KOW\";\"MAT\";\"101\";3;2;;\n";
  std::ofstream(folder / "GPU004.TXT") << "\"KOW\";\"Kowal\";\"Jan\"\n";
  const QString fet = QString(VELMOR_DANE_FET) + "/Khartoum-2010-02-13_data_and_timetable.fet";
  for (const auto& [plik, nauczycieli] : {std::pair{Sciezka("GPU001.TXT"), 1}, {fet, 24}}) {
    dialogi.Pliki = {plik, Sciezka("nowy.vlm")};
    WKreatorze([&](Tffdnowy& k) {
      k.Wskaz()->click();
      ASSERT_TRUE(k.Zapisz()->isEnabled());
      k.Zapisz()->click();
    });
    Glowne().Nowy();
    EXPECT_EQ(Dok().Nauczyciele.Liczba(), nauczycieli);
    EXPECT_EQ(Glowne().Status(), Sciezka("nowy.vlm"));
  }
  EXPECT_EQ(Dok().Nauczyciele[0].Nazwisko, "Thabo");
  EXPECT_TRUE(bledy.kody.empty());
}

TEST_F(Wizard, LongerDaysOfferTheMomentsUntickedAndCarryThemByPosition) {
  const TDokument stary = Otworz(Szkola({8, 8, 8, 8, 8}, 10, 3), 3);
  ZapiszPlanLekcji(folder / "nowy.tbx", kWersjaZapisu, Szkola({9, 9, 9, 9, 9}, 10, 3));
  dialogi.Pliki = {Sciezka("nowy.tbx"), Sciezka("nowy.vlm")};
  WKreatorze([&](Tffdnowy& k) {
    k.Wskaz()->click();
    EXPECT_EQ(Pola(k), "e- et et e-");
    EXPECT_TRUE(k.EtykietaPol()->isEnabled());
    k.Pole(kPrzeniesMomenty)->setChecked(true);
    k.Pole(kPrzeniesPlan)->setChecked(true);
    k.Zapisz()->click();
  });
  Glowne().Nowy();
  TDokument d;
  ASSERT_TRUE(d.OtworzPlik(folder / "nowy.vlm", kRodzajPlanDyzurow));
  ASSERT_EQ(d.Momenty.Liczba(), 45);
  ASSERT_EQ(d.Dyzury.LiczbaRejonow(), 3);
  for (int dzien = 0; dzien < 5; ++dzien) {
    for (int p = 0; p < 8; ++p) {
      EXPECT_EQ(d.Momenty[9 * dzien + p], stary.Momenty[8 * dzien + p]);
      for (int r = 0; r < 3; ++r)
        EXPECT_EQ(d.Dyzury.Dyzurny(r, 9 * dzien + p), stary.Dyzury.Dyzurny(r, 8 * dzien + p));
    }
    EXPECT_EQ(d.Momenty[9 * dzien + 8], TMoment{});
    for (int r = 0; r < 3; ++r) EXPECT_EQ(d.Dyzury.Dyzurny(r, 9 * dzien + 8), kBrak);
  }
  EXPECT_EQ(d.Nauczyciele[9].LimitDyzurow, 10);
}

TEST_F(Wizard, FewerDaysRoomsAndTeachersDropWhatNoLongerExists) {
  const TDokument stary = Otworz(Szkola({2, 2, 2, 2, 2, 2}, 10, 3), 3);
  ZapiszPlanLekcji(folder / "nowy.tbx", kWersjaZapisu, Szkola({2, 2, 2, 2, 2}, 4, 1));
  dialogi.Pliki = {Sciezka("nowy.tbx"), Sciezka("nowy.vlm")};
  WKreatorze([&](Tffdnowy& k) {
    k.Wskaz()->click();
    EXPECT_EQ(Pola(k), "e- et e- e-");
    EXPECT_EQ(k.Dopasowanie()->text(),
              "Nauczyciele: 4 bez zmian, 6 usuniętych. Sale: 1 bez zmian, 2 usunięte. "
              "Rejony bez sal: R1, R2.");
    for (TPrzeniesienie i : {kPrzeniesMomenty, kPrzeniesLimity, kPrzeniesPlan})
      k.Pole(i)->setChecked(true);
    k.Zapisz()->click();
  });
  Glowne().Nowy();
  const TDokument& d = Dok();
  ASSERT_EQ(d.Momenty.Liczba(), 10);
  for (int s = 0; s < 10; ++s) {
    EXPECT_EQ(d.Momenty[s], stary.Momenty[s]);
    for (int r = 0; r < 3; ++r) {
      const uint8_t t = stary.Dyzury.Dyzurny(r, s);
      EXPECT_EQ(d.Dyzury.Dyzurny(r, s), t < 4 ? t : kBrak) << s << " " << r;
    }
  }
  // Regions keep only the rooms that still exist.
  EXPECT_EQ(d.Rejony[0].SaleRejonu, TWektor<uint8_t>{0});
  EXPECT_EQ(d.Rejony[1].SaleRejonu.Liczba(), 0);
  EXPECT_EQ(d.Rejony[2].Nazwa, "R2");
  EXPECT_EQ(d.Nauczyciele[3].LimitMinut, 40);
}

TEST_F(Wizard, ACancelledTimetableDialogTicksEveryEnabledBoxAndNewClearsTheNames) {
  Otworz(Szkola({3, 3}, 4, 3), 2);
  dialogi.Pliki = {""};
  WKreatorze([&](Tffdnowy& k) {
    k.Wskaz()->click();
    EXPECT_EQ(Pola(k), "et et et et");
    EXPECT_TRUE(k.Zapisz()->isEnabled());
  });
  Glowne().Nowy();
  EXPECT_TRUE(DaneDostepne());
  EXPECT_EQ(Glowne().Status(), "");
  EXPECT_EQ(Losa().DialogZapisu.Nazwa, "");
  EXPECT_EQ(Losa().DialogOtwarcia.Nazwa, "");
}

// Closing without a save leaves the plan the ticked boxes make: never the
// old moments and duty table beside slots they do not fit.
TEST_F(Wizard, ClosingAfterTheTimetableRebuildsThePlanAsTheBoxesStand) {
  const TDokument stary = Otworz(Szkola({3, 3}, 4, 3), 2);
  ZapiszPlanLekcji(folder / "nowy.tbx", kWersjaZapisu, Szkola({4, 4}, 5, 3));
  dialogi.Pliki = {Sciezka("nowy.tbx")};
  WKreatorze([&](Tffdnowy& k) {
    k.Wskaz()->click();
    k.Pole(kPrzeniesMomenty)->setChecked(true);
  });
  Glowne().Nowy();
  EXPECT_TRUE(DaneDostepne());
  ASSERT_EQ(Dok().Momenty.Liczba(), 8);
  EXPECT_EQ(Dok().Dyzury.LiczbaMomentow(), 8);
  EXPECT_EQ(Dok().Dyzury.LiczbaRejonow(), 2);
  EXPECT_EQ(Dok().Momenty[4], stary.Momenty[3]);
  EXPECT_EQ(Dok().Momenty[3], TMoment{});
  EXPECT_EQ(Glowne().Status(), "");
  EXPECT_TRUE(Dok().Zmieniony);

  ASSERT_TRUE(Dok().ZapiszPlik(folder / "po.vlm"));
  TDokument d;
  ASSERT_TRUE(d.OtworzPlik(folder / "po.vlm", kRodzajPlanDyzurow));
  EXPECT_EQ(static_cast<const TModele&>(d), static_cast<const TModele&>(Dok()));
}

TEST_F(Wizard, ClosingWithoutATimetableDisablesTheDataButSaveStillWritesIt) {
  Otworz(Szkola({3, 3}, 4, 3), 2);
  WKreatorze([](Tffdnowy&) {});
  Glowne().Nowy();
  EXPECT_FALSE(DaneDostepne());
  EXPECT_EQ(Dok().Rejony.Liczba(), 2);
  EXPECT_EQ(Glowne().Status(), Sciezka("stary.vlm"));
  Dok().Momenty[0].Nazwa = "po kreatorze";
  EXPECT_TRUE(Glowne().Zapisz());
  TDokument d;
  ASSERT_TRUE(d.OtworzPlik(folder / "stary.vlm", kRodzajPlanDyzurow));
  EXPECT_EQ(d.Momenty[0].Nazwa, "po kreatorze");
}

TEST_F(Wizard, AFailedTimetableReadChangesNothing) {
  const TDokument stary = Otworz(Szkola({3, 3}, 4, 3), 2);
  TBajty smieci(200, 0xAB);
  ZapiszPlik(folder / "zly.tbx", smieci);
  dialogi.Pliki = {Sciezka("zly.tbx")};
  WKreatorze([&](Tffdnowy& k) {
    k.Wskaz()->click();
    EXPECT_EQ(bledy.kody.back(), 1);
    EXPECT_FALSE(k.Zapisz()->isEnabled());
    EXPECT_EQ(Pola(k), "-- -- -- --");
  });
  Glowne().Nowy();
  EXPECT_TRUE(DaneDostepne());
  EXPECT_EQ(Glowne().Status(), Sciezka("stary.vlm"));
  EXPECT_EQ(Losa().DialogZapisu.Nazwa, Sciezka("stary.vlm"));
  EXPECT_EQ(Dok().Nauczyciele, stary.Nauczyciele);
  EXPECT_EQ(Dok().Dni.Dni, stary.Dni.Dni);
  EXPECT_EQ(Dok().Momenty, stary.Momenty);
}

TEST_F(Wizard, AFailedSaveKeepsTheRebuiltPlanAndASecondPressRebuildsTheSame) {
  const TDokument stary = Otworz(Szkola({8, 8}, 3, 2), 2);
  ZapiszPlanLekcji(folder / "nowy.tbx", kWersjaZapisu, Szkola({9, 9}, 3, 2));
  dialogi.Pliki = {Sciezka("nowy.tbx"), Sciezka("nie/ma/nowy.vlm"), Sciezka("nowy.vlm")};
  WKreatorze([&](Tffdnowy& k) {
    k.Wskaz()->click();
    k.Pole(kPrzeniesMomenty)->setChecked(true);
    k.Zapisz()->click();
    EXPECT_EQ(bledy.kody, std::vector<int>{3});
    EXPECT_EQ(k.PlikPlanu()->text(), "");
    EXPECT_TRUE(Dok().Zmieniony);
    EXPECT_EQ(Dok().Momenty.Liczba(), 18);
    k.Zapisz()->click();
    EXPECT_EQ(k.PlikPlanu()->text(), Sciezka("nowy.vlm"));
  });
  Glowne().Nowy();
  for (int p = 0; p < 8; ++p) {
    EXPECT_EQ(Dok().Momenty[p], stary.Momenty[p]);
    EXPECT_EQ(Dok().Momenty[9 + p], stary.Momenty[8 + p]);
  }
  EXPECT_EQ(Dok().Momenty[8], TMoment{});
  EXPECT_EQ(Glowne().Status(), Sciezka("nowy.vlm"));
  EXPECT_FALSE(Dok().Zmieniony);
}

TEST_F(Wizard, TheWizardAsksAgainWhileTheDocumentIsStillChanged) {
  Otworz(Szkola({3, 3}, 4, 3), 2);
  Dok().Zmieniony = true;
  dialogi.Odpowiedzi = {QMessageBox::No, QMessageBox::Cancel};
  bool pokazany = false;
  WKreatorze([&](Tffdnowy&) { pokazany = true; });
  Glowne().Nowy();
  EXPECT_TRUE(pokazany);  // the wizard's own question is not obeyed
  EXPECT_EQ(dialogi.Pytania, 2);

  // Cancel at New's question does not run the wizard at all.
  dialogi.Odpowiedzi = {QMessageBox::Cancel};
  Glowne().Nowy();
  EXPECT_EQ(dialogi.Pytania, 3);
  EXPECT_FALSE(Kreator().isVisible());
}
