// Undo and redo of the duty model, and the changed flag that follows them.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/document/dokument.h"
#include "core/model/wspolne.h"
#include "pliki_testowe.h"
#include "wpis_wzorcowy.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

class History : public ::testing::Test {
 protected:
  void SetUp() override {
    static_cast<TModele&>(d) = LosowaSzkola(7, 30, 5, 8, 4);
    d.WersjaPliku = kWersjaZapisu;
    ASSERT_TRUE(d.ZapiszPlik(folder / "plan.vlm"));
    ASSERT_TRUE(d.OtworzPlik(folder / "plan.vlm", kRodzajPlanDyzurow));
  }
  // The document as its file would be.
  TBajty Obraz() {
    EXPECT_TRUE(TDokument(d).ZapiszPlik(folder / "obraz.vlm"));
    return CzytajPlik(folder / "obraz.vlm");
  }

  TFolder folder;
  TDokument d;
};

}  // namespace

// Every kind of change comes back byte for byte, and the flag is clear
// exactly at the state last saved or opened.
TEST_F(History, UndoAndRedoRestoreEveryKindOfChange) {
  std::vector<TBajty> obrazy{Obraz()};
  const std::vector<std::function<void()>> kroki = {
      [&] { d.Rejony.UsunRejon(1, d.Dyzury); },
      [&] { d.Rejony.WstawRejon(0, d.Dyzury); },
      [&] { d.Dyzury.UstawDyzurnego(0, 3, 7); },
      [&] { d.Momenty[2].Nazwa = "nowa"; },
      [&] { d.Nauczyciele[4].LimitMinut = 99; },
      [&] { d.Nauczyciele[5].Dyspozycja[6].Zakaz = 1; },
      [&] { d.Opcje.Ustaw(TOpcja::kJednaDluga, false); },
      [&] { d.Stopka.WpisujAutomatycznie = !d.Stopka.WpisujAutomatycznie; },
  };
  for (const auto& krok : kroki) {
    {
      TDokument::TZmiana zmiana(d, "krok");
      krok();
    }
    obrazy.push_back(Obraz());
  }
  ASSERT_EQ(d.Historia.LiczbaKrokow(), kroki.size());
  EXPECT_TRUE(d.Zmieniony);
  for (size_t i = kroki.size(); i-- > 0;) {
    ASSERT_TRUE(d.Cofnij());
    EXPECT_EQ(Obraz(), obrazy[i]) << i;
    EXPECT_EQ(d.Zmieniony, i != 0) << i;
  }
  EXPECT_FALSE(d.Cofnij());
  for (size_t i = 1; i <= kroki.size(); ++i) {
    ASSERT_TRUE(d.Ponow());
    EXPECT_EQ(Obraz(), obrazy[i]) << i;
    EXPECT_TRUE(d.Zmieniony);
  }
  EXPECT_FALSE(d.Ponow());

  // Saved here: undoing makes it changed, redoing back makes it unchanged.
  ASSERT_TRUE(d.ZapiszPlik(folder / "plan.vlm"));
  const TBajty zapisany = Obraz();
  ASSERT_TRUE(d.Cofnij());
  EXPECT_TRUE(d.Zmieniony);
  ASSERT_TRUE(d.Ponow());
  EXPECT_FALSE(d.Zmieniony);
  EXPECT_EQ(Obraz(), zapisany);
  // A new step after an undo drops the redo, and the saved state with it.
  ASSERT_TRUE(d.Cofnij());
  {
    TDokument::TZmiana zmiana(d, "inny");
    d.Momenty[0].Minuty = 55;
  }
  EXPECT_FALSE(d.Historia.MoznaPonowic());
  EXPECT_TRUE(d.Zmieniony);
}

// A step that changes what its undo does not hold (here a teacher's name)
// stops the program, so a field added to the model is added to the history.
TEST_F(History, AStepItsUndoCannotBringBackFailsLoudly) {
  if (!TDokument::SprawdzanaHistoria()) GTEST_SKIP() << "VELMOR_SPRAWDZ_HISTORIE is not set";
  EXPECT_DEATH(
      {
        TDokument::TZmiana zmiana(d, "Zmiana nazwiska");
        d.Nauczyciele[0].Nazwisko = "Inny";
      },
      "\"Zmiana nazwiska\" changed what its undo cannot bring back");
}

TEST_F(History, StepsJoinNameThemselvesAndStayBounded) {
  {
    TDokument::TZmiana zmiana(d, "nic");  // no change, no step
  }
  EXPECT_EQ(d.Historia.LiczbaKrokow(), 0u);
  EXPECT_FALSE(d.Zmieniony);
  for (const char* tekst : {"a", "ab", "abc"}) {
    TDokument::TZmiana zmiana(d, "Wpisz", "momenty 0 0");
    d.Momenty[0].Nazwa = tekst;
  }
  d.Historia.Przerwij();
  {
    TDokument::TZmiana zmiana(d, "Wpisz", "momenty 0 0");
    d.Momenty[0].Nazwa = "abcd";
  }
  EXPECT_EQ(d.Historia.LiczbaKrokow(), 2u);
  EXPECT_EQ(d.Historia.NazwaCofniecia(), "Wpisz");
  ASSERT_TRUE(d.Cofnij());
  EXPECT_EQ(d.Momenty[0].Nazwa, "abc");
  EXPECT_EQ(d.Historia.NazwaPonowienia(), "Wpisz");
  ASSERT_TRUE(d.Cofnij());
  EXPECT_NE(d.Momenty[0].Nazwa, "a");
  EXPECT_FALSE(d.Zmieniony);

  for (int i = 0; i < 600; ++i) {
    TDokument::TZmiana zmiana(d, "krok");
    d.Momenty[1].Minuty = static_cast<uint8_t>(i % 200 + 1);
  }
  EXPECT_EQ(d.Historia.LiczbaKrokow(), THistoria::kNajwiecejKrokow);
  d.NowyPlan();
  EXPECT_FALSE(d.Historia.MoznaCofnac());
  EXPECT_TRUE(d.Zmieniony);
}
