// The window-settings trailer through the real windows: every row is taken by
// its window on open and given back unchanged by a save that touches nothing.
#include <QTest>
#include <QWidget>

#include "gui/app/ffdmain.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/grid/celledi.h"
#include "gui/planning/ffdlista.h"
#include "gui/planning/ffdlistab.h"
#include "powloka.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

class WindowTrailer : public Powloka {
 protected:
  void Odczytaj(const std::string& nazwa) {
    dialogi.Pliki.push_back(Sciezka(nazwa));
    Glowne().Odczytaj();
  }

  // The window of each trailer row.
  std::array<QWidget*, kLiczbaOkienStopki> OknaWierszy() {
    const TOkna& o = Okna();
    std::array<QWidget*, kLiczbaOkienStopki> w{};
    w[kOknoGlowne] = o.ffdmain;
    w[kOknoMomenty] = o.ffdmomenty;
    w[kOknoRejony] = o.ffdrejon;
    w[kOknoLimity] = o.ffdnaucz;
    w[kOknoPlan] = o.ffddyzur;
    w[kOknoWybor] = o.ffdlista;
    w[kOknoWarianty] = o.ffdlistab;
    w[kOknoSale] = o.ffdodaj;
    w[kOknoPlanNauczycieli] = Towarzysze().PlanNauczycieli;
    w[kOknoStatystyka] = Towarzysze().Statystyka;
    for (int i = 0; i < kLiczbaMikroplanow; ++i)
      w[kOknoMikroplan + i] = Towarzysze().Mikroplan(static_cast<TMikroplan>(i));
    return w;
  }
};

// A look unlike the default and unlike every other row's, with `kolumn`
// data columns and `wierszy` data rows.
TUstawieniaSiatki Wyglad(int okno, int kolumn, int wierszy) {
  TUstawieniaSiatki u;
  u.InfoKolor = 0x00102030u + static_cast<uint32_t>(okno);
  u.KursorKolor = 0x00405060u + static_cast<uint32_t>(okno);
  u.OczkoKolor = 0x00708090u + static_cast<uint32_t>(okno);
  u.Font.Pogrubiona = true;
  u.Font.Kolor = 0x00000080u;
  u.FontInfo.Pochylona = true;
  u.DefaultJust = 1;
  u.Szerokosci.assign(static_cast<size_t>(kolumn) + 1, 0);
  for (size_t i = 0; i < u.Szerokosci.size(); ++i)
    u.Szerokosci[i] = 40 + okno + 10 * static_cast<int32_t>(i);
  u.Wysokosci.assign(static_cast<size_t>(wierszy) + 1, 16 + okno % 5);
  return u;
}

TEST_F(WindowTrailer, OpenAndSaveWithoutTouchingGivesBackTheTrailer) {
  const TSzkola szkola = Szkola({3, 3}, 4, 3);
  const int rejonow = 2;
  // The plan's moments decide the duty plan's shape: learn them first.
  const int momentow =
      ZapiszPlanDyzurow(folder / "ksztalt.vlm", szkola, rejonow).Dyzury.LiczbaMomentow();
  ASSERT_GT(momentow, 0);

  TStopka stopka;
  for (int w = 0; w < kLiczbaOkienStopki; ++w) {
    stopka.Okna[w].Prostokat = {10 + 7 * w, 20 + 5 * w, 10 + 7 * w + 420, 20 + 5 * w + 320};
    if (!TStopka::MaSiatke(w)) continue;
    int kolumn = 5, wierszy = 5;
    if (w == kOknoMomenty) kolumn = 3;
    if (w == kOknoLimity) kolumn = 4;
    if (w == kOknoRejony) kolumn = 2, wierszy = rejonow;
    if (w == kOknoPlan) kolumn = rejonow + 1, wierszy = momentow + 1;
    stopka.Okna[w].Siatka = Wyglad(w, kolumn, wierszy);
  }
  stopka.Okna[kOknoPlan].Siatka.FixedCols = 2;
  stopka.Okna[kOknoPlan].Siatka.FixedRows = 2;
  stopka.WpisujAutomatycznie = true;
  const TDokument zapisany = ZapiszPlanDyzurow(folder / "a.vlm", szkola, rejonow, stopka);
  ASSERT_EQ(zapisany.Stopka, stopka);

  Odczytaj("a.vlm");
  ASSERT_TRUE(bledy.kody.empty());
  const auto okna = OknaWierszy();
  for (int w = 0; w < kLiczbaOkienStopki; ++w) {
    ASSERT_NE(okna[w], nullptr) << w;
    EXPECT_EQ(ProstokatOkna(okna[w]), stopka.Okna[w].Prostokat) << w;
  }
  // Each table holds its row's look exactly, so the save takes it from there.
  for (int w = 0; w < kLiczbaOkienStopki; ++w) {
    if (!TStopka::MaSiatke(w)) continue;
    bool jest = false;
    for (const TCellEdi* s : okna[w]->findChildren<TCellEdi*>())
      jest = jest || s->Ustawienia() == stopka.Okna[w].Siatka;
    EXPECT_TRUE(jest) << w;
  }

  ASSERT_TRUE(Glowne().Zapisz());
  TDokument naDysku;
  ASSERT_TRUE(naDysku.OtworzPlik(folder / "a.vlm", kRodzajPlanDyzurow));
  for (int w = 0; w < kLiczbaOkienStopki; ++w) {
    EXPECT_EQ(naDysku.Stopka.Okna[w].Prostokat, stopka.Okna[w].Prostokat) << w;
    EXPECT_EQ(naDysku.Stopka.Okna[w].Siatka, stopka.Okna[w].Siatka) << w;
  }
  EXPECT_TRUE(naDysku.Stopka.WpisujAutomatycznie);
  EXPECT_EQ(naDysku.Stopka, stopka);
}

TEST_F(WindowTrailer, MomentsEditorKeepsItsThreeColumns) {
  TStopka stopka;
  // Placed: a row never placed is not applied at all.
  stopka.Okna[kOknoMomenty].Prostokat = {20, 30, 420, 330};
  stopka.Okna[kOknoMomenty].Siatka = Wyglad(kOknoMomenty, 7, 5);
  ZapiszPlanDyzurow(folder / "a.vlm", Szkola({3, 3}, 4, 3), 2, stopka);
  Odczytaj("a.vlm");

  const auto* siatka = Okna().ffdmomenty->findChild<TCellEdi*>();
  ASSERT_NE(siatka, nullptr);
  EXPECT_EQ(siatka->Ilx(), 3);
  EXPECT_EQ(siatka->InfoKolor, stopka.Okna[kOknoMomenty].Siatka.InfoKolor);

  ASSERT_TRUE(Glowne().Zapisz());
  TDokument naDysku;
  ASSERT_TRUE(naDysku.OtworzPlik(folder / "a.vlm", kRodzajPlanDyzurow));
  EXPECT_EQ(naDysku.Stopka.Okna[kOknoMomenty].Siatka.Szerokosci.size(), 4u);
}

}  // namespace

// Rows saved by a window never shown (or by velmor-cli) say nothing of a
// place: such a window keeps its row and opens beside the active window; a
// place off every screen is brought onto the screen (800 x 800 here).
TEST_F(WindowTrailer, WindowsWithoutAPlaceKeepTheirRowsAndOpenBesideTheActiveOne) {
  ASSERT_EQ(Ekrany(), (std::vector<TProstokat>{{0, 0, 800, 800}}));
  TStopka stopka;
  stopka.Okna[kOknoGlowne].Prostokat = {100, 100, 400, 300};
  stopka.Okna[kOknoPlanNauczycieli].Prostokat = {0, 0, 350, 250};
  stopka.Okna[kOknoMomenty].Prostokat = {750, 20, 1250, 320};
  ZapiszPlanDyzurow(folder / "a.vlm", Szkola({3, 3}, 4, 3), 2, stopka);
  Odczytaj("a.vlm");
  EXPECT_EQ(ProstokatOkna(Okna().ffdmomenty), (TProstokat{300, 20, 800, 320}));

  ASSERT_TRUE(Glowne().Zapisz());
  TDokument naDysku;
  ASSERT_TRUE(naDysku.OtworzPlik(folder / "a.vlm", kRodzajPlanDyzurow));
  EXPECT_EQ(naDysku.Stopka.Okna[kOknoStatystyka].Prostokat, TProstokat{});
  EXPECT_EQ(naDysku.Stopka.Okna[kOknoPlanNauczycieli].Prostokat, (TProstokat{0, 0, 350, 250}));
  EXPECT_EQ(naDysku.Stopka.Okna[kOknoMomenty].Prostokat, (TProstokat{750, 20, 1250, 320}));

  Glowne().show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Glowne()));
  QWidget& plan = *Towarzysze().PlanNauczycieli;
  plan.show();
  EXPECT_EQ(plan.frameGeometry().topLeft(), QPoint(400, 100));
}
