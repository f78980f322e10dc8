// The companion windows in the running program: the five micro-plans, the
// plan view and the statistics, shown through their entry points and placed
// from the document's trailer.
#include "gui/planning/towarzysze.h"

#include <QPushButton>

#include "gui/common/ustawieniaokien.h"
#include "gui/grid/celledi.h"
#include "gui/planning/ffddysp.h"
#include "gui/planning/ffdplann.h"
#include "gui/planning/ffdstat.h"
#include "powloka.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

class Companions : public Powloka {
 protected:
  // 2 days of 3 periods, 4 teachers, 3 rooms, 2 regions; teacher (s + r) % 4
  // on duty in region r at moment s.
  void Otworz(const TStopka& stopka = {}) {
    ZapiszPlanDyzurow(folder / "a.vlm", Szkola({3, 3}, 4, 3), 2, stopka);
    dialogi.Pliki.push_back(Sciezka("a.vlm"));
    Glowne().Odczytaj();
  }
  Tffddysp& Mikro(int i) { return *Towarzysze().Mikroplan(static_cast<TMikroplan>(i)); }
  Tffdplann& Plann() { return *Towarzysze().PlanNauczycieli; }
  Tffdstat& Stat() { return *Towarzysze().Statystyka; }
};

}  // namespace

TEST_F(Companions, FiveMicroPlansWithTheirCaptions) {
  UruchomIPokaz();
  const QStringList tytuly = {"Mikroplan", "Mikroplan rejonu", "Mikroplan sali", "Kto dyżuruje?",
                              "Gdzie dyżuruje?"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Mikro(i).windowTitle(), tytuly[i]);
    EXPECT_FALSE(Mikro(i).isVisible());
    // Tool windows of the window they serve, not above the whole desktop.
    EXPECT_EQ(Mikro(i).windowType(), Qt::Tool);
    EXPECT_FALSE(Mikro(i).windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Mikro(i).parentWidget(), i == kMikroplanRejonu || i == kMikroplanSali
                                           ? static_cast<QWidget*>(Okna().ffdrejon)
                                           : static_cast<QWidget*>(Okna().ffddyzur));
  }
  EXPECT_EQ(Plann().windowTitle(), "Plan dyżurów nauczycieli");
  EXPECT_EQ(Stat().windowTitle(), "Statystyka obciążeń nauczycieli");
}

TEST_F(Companions, EntryPointsShowTheirInstances) {
  Otworz();
  Towarzysze().PokazKtoDyzuruje(1, 2);
  EXPECT_TRUE(Mikro(3).isVisible());
  EXPECT_EQ(Mikro(3).Tryb(), 3);
  EXPECT_EQ(Mikro(3).TytulPanelu(), "R1 ");
  Towarzysze().PokazGdzieDyzuruje(0, 0);
  EXPECT_EQ(Mikro(4).Tryb(), 1);
  EXPECT_EQ(Mikro(4).TytulPanelu(), " N0(3 razy, 22 minuty) ");  // moments 0, 3 and 4
  Towarzysze().PokazGdzieUczy(2, 0);
  EXPECT_EQ(Mikro(0).Tryb(), 0);
  EXPECT_FALSE(Mikro(1).isVisible() || Mikro(2).isVisible());

  // Only the visible ones follow another teacher.
  Towarzysze().OdswiezWidoczne(3, 4);
  EXPECT_EQ(Mikro(0).Podmiot(), 3);
  EXPECT_EQ(Mikro(4).Podmiot(), 3);
  EXPECT_EQ(Mikro(3).Podmiot(), 1);
  EXPECT_FALSE(Plann().isVisible() || Stat().isVisible());
  Towarzysze().PokazPlanNauczycieli(1, 4);
  Towarzysze().PokazStatystyke(1);
  Towarzysze().OdswiezWidoczne(2, 5);
  EXPECT_EQ(Plann().Siatka()->Kurx(), 2);
  EXPECT_EQ(Plann().Siatka()->Kury(), 5);
  EXPECT_EQ(Stat().Siatka()->Kurx(), 2);
}

TEST_F(Companions, TrailerRowsPlaceEachWindow) {
  TStopka stopka;
  const int wiersze[] = {kOknoPlanNauczycieli, kOknoStatystyka,     kOknoMikroplan,
                         kOknoMikroplan1,      kOknoMikroplan1 + 1, kOknoMikroplan1 + 2,
                         kOknoMikroplan1 + 3};
  for (int i = 0; i < 7; ++i) {
    const auto w = static_cast<size_t>(wiersze[i]);
    stopka.Okna[w].Prostokat = {10 * i, 20, 10 * i + 500, 320};
    stopka.Okna[w].Siatka.InfoKolor = 0x00100000u * static_cast<uint32_t>(i + 1);
  }
  Otworz(stopka);
  const QWidget* okna[] = {&Plann(),  &Stat(),   &Mikro(0), &Mikro(1),
                           &Mikro(2), &Mikro(3), &Mikro(4)};
  const TCellEdi* siatki[] = {Plann().Siatka(),  Stat().Siatka(),   Mikro(0).Siatka(),
                              Mikro(1).Siatka(), Mikro(2).Siatka(), Mikro(3).Siatka(),
                              Mikro(4).Siatka()};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(ProstokatOkna(okna[i]), stopka.Okna[static_cast<size_t>(wiersze[i])].Prostokat) << i;
    EXPECT_EQ(siatki[i]->InfoKolor, 0x00100000u * static_cast<uint32_t>(i + 1)) << i;
  }
}
