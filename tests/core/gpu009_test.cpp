#include "core/eksport/gpu009.h"

#include <gtest/gtest.h>

#include "core/archive/bledy.h"
#include "core/archive/cp1250.h"

namespace velmor {
namespace {

// Two days of two periods; two namesakes and a teacher GPU004 lacks.
TModele Plan() {
  TModele m;
  m.Dni.Dni.assign(2, TDzien{{{"8:00"}, {"8:55"}}});
  m.Dni.Przelicz();
  m.Nauczyciele.ZmienRozmiar(3);
  for (int t : {0, 1}) m.Nauczyciele[t].Nazwisko = "Nowak", m.Nauczyciele[t].Imie = "Anna";
  m.Nauczyciele[2].Nazwisko = Utf8DoCp1250("Łęcki");
  m.Momenty.ZmienRozmiar(4);
  m.Momenty[3].Minuty = 20;
  m.Dyzury.ZmienRozmiar(0, 4);
  for (int r = 0; r < 2; ++r) m.Rejony.WstawRejon(r, m.Dyzury);
  m.Rejony[0].Nazwa = Utf8DoCp1250("Boisko \"małe\"");
  m.Rejony[1].Nazwa = "Parter";
  m.Dyzury.UstawDyzurnego(0, 1, 1);
  m.Dyzury.UstawDyzurnego(1, 1, 0);
  m.Dyzury.UstawDyzurnego(1, 3, 2);
  m.Dyzury.UstawDyzurnego(0, 2, kZamkniete);
  return m;
}

TEST(Gpu009, EveryDutyReadsBackWithItsShortName) {
  const std::string gpu004 = "NOW1;Nowak;Anna\nNOW2;Nowak;Anna\nKOW;Kowal;Jan\n";
  std::vector<std::string> nieznalezieni;
  const std::vector<TNadzorGpu> nadzory = NadzoryGpu(Plan(), gpu004, &nieznalezieni);
  const std::vector<TNadzorGpu> oczekiwane = {{"Boisko \"małe\"", "NOW2", 1, 2, 10},
                                              {"Parter", "NOW1", 1, 2, 10},
                                              {"Parter", "Łęcki", 2, 2, 20}};
  EXPECT_EQ(nadzory, oczekiwane);
  EXPECT_EQ(nieznalezieni, std::vector<std::string>{" Łęcki"});
  EXPECT_EQ(CzytajGpu009(TekstGpu009(nadzory)), oczekiwane);
  // Without GPU004 the surname stands in and nobody is missing.
  nieznalezieni.clear();
  EXPECT_EQ(NadzoryGpu(Plan(), "", &nieznalezieni)[0].Nauczyciel, "Nowak");
  EXPECT_TRUE(nieznalezieni.empty());
  EXPECT_THROW(CzytajGpu009("\"Parter\",\"NOW1\",1,x,10\n"), EStrumien);
}

}  // namespace
}  // namespace velmor
