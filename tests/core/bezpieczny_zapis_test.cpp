#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <thread>

#include "core/archive/bledy.h"
#include "core/document/dokument.h"
#include "pliki_testowe.h"

using namespace velmor;
using namespace velmor::testy;
namespace fs = std::filesystem;

namespace {

class TCichy : public TRaportBledow {
 public:
  void Pokaz(int) override {}
};

// A document that differs from others of its kind by its region's name.
TDokument Dokument(const std::string& rejon) {
  TDokument d;
  d.Dni.Dni.assign(2, TDzien{{{"8:00"}, {"8:55"}}, kKolorDomyslny});
  d.Dni.Przelicz();
  d.Momenty.ZmienRozmiar(4);
  d.Dyzury.ZmienRozmiar(0, 4);
  d.Rejony.WstawRejon(0, d.Dyzury);
  d.Rejony[0].Nazwa = rejon;
  return d;
}

mode_t Prawa(const fs::path& p) {
  struct stat st;
  EXPECT_EQ(::stat(p.c_str(), &st), 0);
  return st.st_mode & 07777;
}

class SafeSave : public ::testing::Test {
 protected:
  TFolder folder;
  TCichy cichy;
  TZmianaRaportu zmiana{&cichy};
};

}  // namespace

TEST_F(SafeSave, LinkIsSavedThroughAndPermissionsAreKept) {
  ASSERT_TRUE(Dokument("stary").ZapiszPlik(folder / "prawdziwy.vlm"));
  ::chmod((folder / "prawdziwy.vlm").c_str(), 0600);
  fs::create_symlink("prawdziwy.vlm", folder / "link.vlm");

  ASSERT_TRUE(Dokument("nowy").ZapiszPlik(folder / "link.vlm"));
  EXPECT_TRUE(fs::is_symlink(folder / "link.vlm"));
  EXPECT_EQ(Prawa(folder / "prawdziwy.vlm"), 0600u);
  TDokument e;
  ASSERT_TRUE(e.OtworzPlik(folder / "prawdziwy.vlm", kRodzajPlanDyzurow));
  EXPECT_EQ(e.Rejony[0].Nazwa, "nowy");
  EXPECT_EQ(PlikiFolderu(folder), (std::vector<std::string>{"link.vlm", "prawdziwy.vlm"}));
}

TEST_F(SafeSave, NothingPlantedBesideTheTargetIsFollowedOrRemoved) {
  ZapiszPlik(folder / "ofiara.txt", TBajty{1, 2, 3});
  fs::create_symlink("ofiara.txt", folder / "a.vlm.velmor-zapis");
  fs::create_directory(folder / "a.vlm.velmor-katalog");
  ASSERT_TRUE(Dokument("x").ZapiszPlik(folder / "a.vlm"));
  EXPECT_EQ(CzytajPlik(folder / "ofiara.txt"), (TBajty{1, 2, 3}));
  EXPECT_FALSE(fs::is_symlink(folder / "a.vlm"));
  EXPECT_EQ(PlikiFolderu(folder), (std::vector<std::string>{"a.vlm", "a.vlm.velmor-katalog",
                                                            "a.vlm.velmor-zapis", "ofiara.txt"}));
}

TEST_F(SafeSave, TwoSavesAtOnceLeaveOneWholeFile) {
  const TDokument a = Dokument("a"), b = Dokument("b");
  TDokument wa = a, wb = b;
  ASSERT_TRUE(wa.ZapiszPlik(folder / "a.vlm"));
  ASSERT_TRUE(wb.ZapiszPlik(folder / "b.vlm"));
  const TBajty plikA = CzytajPlik(folder / "a.vlm"), plikB = CzytajPlik(folder / "b.vlm");
  for (int i = 0; i < 20; ++i) {
    TDokument x = a, y = b;
    std::thread t([&] { x.ZapiszPlik(folder / "cel.vlm"); });
    y.ZapiszPlik(folder / "cel.vlm");
    t.join();
    const TBajty cel = CzytajPlik(folder / "cel.vlm");
    ASSERT_TRUE(cel == plikA || cel == plikB) << i;
  }
  EXPECT_EQ(PlikiFolderu(folder), (std::vector<std::string>{"a.vlm", "b.vlm", "cel.vlm"}));
}
