// The cover window: the day's absences, its open duties and candidates,
// a candidate entered, the automatic day, and their undo.
#include <QAction>
#include <QDateEdit>
#include <QListWidget>
#include <QSpinBox>

#include "core/model/data.h"
#include "gui/app/ffdmain.h"
#include "gui/grid/celledi.h"
#include "gui/planning/ffdksiega.h"
#include "gui/planning/ffdzastepstwa.h"
#include "mala_szkola.h"
#include "powloka.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

using Cover = Powloka;

TEST_F(Cover, TheWindowAddsAnAbsenceEntersCoverAndUndoes) {
  UruchomIPokaz();
  // Four teachers teaching their classes all week from Monday 7 December
  // 2026; teacher 0 on duty at Monday's moments 1 and 2.
  TModele m = Szkola({4, 4, 4, 4, 4}, 4, 4, 4, 1);
  m.Dni.DataPoczatku = *ZakodujDate(2026, 12, 7);
  for (int t = 0; t < 4; ++t) Lekcje(m, t, 0, 19, t);
  m.Dyzury.UstawDyzurnego(0, 1, 0);
  m.Dyzury.UstawDyzurnego(0, 2, 0);
  TDokument plan;
  static_cast<TModele&>(plan) = m;
  ASSERT_TRUE(plan.ZapiszPlik(folder / "plan.vlm"));
  dialogi.Pliki.push_back(Sciezka("plan.vlm"));
  Glowne().Odczytaj();

  Glowne().Polecenia().Zastepstwa->trigger();
  Tffdzastepstwa& z = *Okna().ffdzastepstwa;
  ASSERT_TRUE(z.isVisible());
  z.UstawDate(static_cast<int>(*ZakodujDate(2026, 12, 14)));
  EXPECT_EQ(z.windowTitle(), QString::fromUtf8("Zastępstwa: Poniedziałek 14.12.2026"));
  EXPECT_TRUE(z.Pozycje().empty());

  z.Nauczyciele()->item(0)->setSelected(true);
  z.DoDnia()->setDate(z.DoDnia()->date().addDays(1));  // Monday and Tuesday
  z.DodajNieobecnosc();
  EXPECT_EQ(Dok().Zastepstwa.Nieobecnosci.at(0).Do, z.DataDnia() + 1);
  ASSERT_EQ(z.Pozycje().size(), 2u);
  EXPECT_EQ(z.Nieobecni()->count(), 1);
  ASSERT_EQ(z.Kandydaci().size(), 3u);  // everyone else, all clean
  int klawisz = 0;
  z.SiatkaKandydatow().OnAkcja(z.SiatkaKandydatow(), 0, 0, klawisz, 1, {});
  const int pierwszy = z.Pozycje()[0].Kto;
  EXPECT_GE(pierwszy, 1);
  z.WpiszAutomatycznie();
  EXPECT_GE(z.Pozycje()[1].Kto, 1);
  EXPECT_NE(z.Pozycje()[1].Kto, pierwszy);  // fewest duties that week first
  EXPECT_EQ(Dok().Zastepstwa.Pokrycia.size(), 2u);
  // The term's ledger follows: teacher 0's two duties covered by others.
  Glowne().Polecenia().Ksiega->trigger();
  const Tffdksiega& ksiega = *Okna().ffdksiega;
  ASSERT_TRUE(ksiega.isVisible());
  EXPECT_EQ(ksiega.Ksiega().at(0).Otrzymane, 2);
  EXPECT_EQ(ksiega.Ksiega().at(0).Plan, 2);

  // Changed to periods 3 and on: only the duty before period 3 stays.
  z.Nieobecni()->setCurrentRow(0);
  z.OdLekcji()->setValue(3);
  z.ZmienNieobecnosc();
  ASSERT_EQ(z.Pozycje().size(), 1u);
  EXPECT_EQ(z.Pozycje()[0].Moment, 2);
  EXPECT_EQ(Dok().Zastepstwa.Pokrycia.size(), 1u);  // the other cover is no longer needed
  ASSERT_TRUE(Dok().Cofnij());
  ASSERT_TRUE(Dok().Cofnij());
  EXPECT_EQ(z.Pozycje()[1].Kto, -1);
  ASSERT_TRUE(Dok().Cofnij());
  ASSERT_TRUE(Dok().Cofnij());
  EXPECT_TRUE(z.Pozycje().empty());
  EXPECT_EQ(z.Nieobecni()->count(), 0);
  EXPECT_TRUE(bledy.kody.empty());
}

}  // namespace
