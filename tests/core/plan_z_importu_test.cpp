// Plans made from other programs' timetables: filled greedily and
// optimally, saved and read back.
#include <fstream>

#include "core/document/dokument.h"
#include "core/planning/nowyplan.h"
#include "core/planning/optimum.h"
#include "planowanie.h"
#include "pliki_testowe.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

// As the wizard leaves it, with two regions of all rooms and limits set.
TDokument NowyPlan(const std::filesystem::path& plan) {
  TDokument d;
  const TKsztaltPlanu pusty = TKsztaltPlanu::Z(d);
  EXPECT_TRUE(d.OtworzPlik(plan, kRodzajPlanLekcji)) << plan;
  PrzebudujPlan(d, pusty, {});
  for (int r = 0; r < 2; ++r) {
    d.Rejony.WstawRejon(r, d.Dyzury);
    for (int s = r; s < d.Sale.Liczba(); s += 2)
      d.Rejony[r].SaleRejonu.Dodaj(static_cast<uint8_t>(s));
  }
  for (TNaucz& n : d.Nauczyciele) n.LimitDyzurow = 2, n.LimitMinut = 60;
  return d;
}

TEST(PlanFromImport, FetAndGpuSchoolsArePlannedSavedAndReadBack) {
  const TFolder folder;
  // Two teachers teach their class every period from Monday to Wednesday.
  std::ofstream gpu(folder / "GPU001.TXT");
  for (int dzien = 1; dzien <= 3; ++dzien)
    for (int lekcja = 1; lekcja <= 4; ++lekcja)
      gpu << "1;1A;KOW;MAT;101;" << dzien << ';' << lekcja << "\n2;1B;NOW;POL;102;" << dzien << ';'
          << lekcja << '\n';
  gpu.close();
  for (const std::filesystem::path& plan :
       {std::filesystem::path(VELMOR_DANE_FET) / "Khartoum-2010-02-13_data_and_timetable.fet",
        folder / "GPU001.TXT"}) {
    TDokument d = NowyPlan(plan);
    TModele zachlanny = d, optymalny = d;
    TWyborAutomatyczny wybor;
    TListaWariantow lista;
    const int zachlannie = wpisz_warianty(zachlanny, CalaTabela(d.Dyzury), Auto(), wybor, lista);
    EXPECT_GT(zachlannie, 0) << plan;
    const TWynikOptimum w = wpisz_optymalnie(optymalny, CalaTabela(d.Dyzury), Auto());
    EXPECT_TRUE(w.Optymalny);
    EXPECT_GE(w.Wpisano, zachlannie);
    static_cast<TModele&>(d) = optymalny;
    ASSERT_TRUE(d.ZapiszPlik(folder / "z_importu.vlm"));
    TDokument odczyt;
    ASSERT_TRUE(odczyt.OtworzPlik(folder / "z_importu.vlm", kRodzajPlanDyzurow));
    EXPECT_EQ(odczyt.Dyzury, d.Dyzury);
    EXPECT_EQ(odczyt.Nauczyciele, d.Nauczyciele);
  }
}

}  // namespace
