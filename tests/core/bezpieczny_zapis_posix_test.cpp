// A save on POSIX: through symbolic links, with the permission bits kept.
#include <sys/stat.h>

#include "bezpieczny_zapis.h"

using namespace velmor;
using namespace velmor::testy;
namespace fs = std::filesystem;

namespace {

mode_t Prawa(const fs::path& p) {
  struct stat st;
  EXPECT_EQ(::stat(p.c_str(), &st), 0);
  return st.st_mode & 07777;
}

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
