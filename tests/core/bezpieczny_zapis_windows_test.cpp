// A save on Windows: Unicode names, the old file's attributes, and a target
// that another program holds open or that is read-only.
#include <windows.h>

#include "bezpieczny_zapis.h"
#include "core/archive/sciezka.h"

using namespace velmor;
using namespace velmor::testy;
namespace fs = std::filesystem;

TEST_F(SafeSave, UnicodeNameIsSavedAndOpened) {
  const fs::path plik = folder / "" / SciezkaZUtf8("plan_ąę€ß.vlm");
  ASSERT_TRUE(Dokument("ąę").ZapiszPlik(plik));
  EXPECT_TRUE(fs::exists(plik));
  TDokument e;
  ASSERT_TRUE(e.OtworzPlik(plik, kRodzajPlanDyzurow));
  EXPECT_EQ(e.Rejony[0].Nazwa, "ąę");
  EXPECT_EQ(Utf8Sciezki(plik.filename()), "plan_ąę€ß.vlm");
}

TEST_F(SafeSave, AttributesOfTheOldFileAreKept) {
  const fs::path plik = folder / "a.vlm";
  ASSERT_TRUE(Dokument("stary").ZapiszPlik(plik));
  ASSERT_TRUE(SetFileAttributesW(plik.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  ASSERT_TRUE(Dokument("nowy").ZapiszPlik(plik));
  EXPECT_TRUE(GetFileAttributesW(plik.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  TDokument e;
  ASSERT_TRUE(e.OtworzPlik(plik, kRodzajPlanDyzurow));
  EXPECT_EQ(e.Rejony[0].Nazwa, "nowy");
}

// Another program has the file open without sharing, or it is read-only:
// error 3, the old file as it was, no new file left beside it.
TEST_F(SafeSave, HeldOpenOrReadOnlyTargetGivesError3AndStaysWhole) {
  const fs::path plik = folder / "a.vlm";
  ASSERT_TRUE(Dokument("stary").ZapiszPlik(plik));
  const TBajty stary = CzytajPlik(plik);

  const HANDLE inny = CreateFileW(plik.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(inny, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(Dokument("nowy").ZapiszPlik(plik));
  CloseHandle(inny);
  EXPECT_EQ(CzytajPlik(plik), stary);
  EXPECT_EQ(PlikiFolderu(folder), std::vector<std::string>{"a.vlm"});

  ASSERT_TRUE(SetFileAttributesW(plik.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(Dokument("nowy").ZapiszPlik(plik));
  SetFileAttributesW(plik.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(CzytajPlik(plik), stary);
  EXPECT_EQ(PlikiFolderu(folder), std::vector<std::string>{"a.vlm"});
  EXPECT_EQ(cichy.kody, (std::vector<int>{3, 3}));
}
