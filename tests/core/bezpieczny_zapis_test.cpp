#include "bezpieczny_zapis.h"

#include <thread>

#include "core/archive/nowe_pliki.h"

using namespace velmor;
using namespace velmor::testy;
namespace fs = std::filesystem;

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

// The third target is a folder, so it cannot be replaced: the first two keep
// their old files (or are not there, as before) and nothing else is left.
TEST_F(SafeSave, ASetOfNewFilesIsPutInPlaceWhollyOrNotAtAll) {
  ZapiszPlik(folder / "a.ics", TBajty{'s', 't', 'a', 'r', 'y'});
  fs::create_directories(folder / "c.ics" / "x");
  TNowePliki pliki;
  for (const char* n : {"a.ics", "b.ics", "c.ics"}) pliki.Dodaj(folder / n, "nowy");
  EXPECT_THROW(pliki.Zatwierdz(), EStrumien);
  EXPECT_EQ(CzytajPlik(folder / "a.ics"), (TBajty{'s', 't', 'a', 'r', 'y'}));
  EXPECT_EQ(PlikiFolderu(folder), (std::vector<std::string>{"a.ics", "c.ics"}));

  fs::remove_all(folder / "c.ics");
  TNowePliki udane;
  for (const char* n : {"a.ics", "b.ics", "c.ics"}) udane.Dodaj(folder / n, "nowy");
  udane.Zatwierdz();
  EXPECT_EQ(CzytajPlik(folder / "a.ics"), (TBajty{'n', 'o', 'w', 'y'}));
  EXPECT_EQ(PlikiFolderu(folder), (std::vector<std::string>{"a.ics", "b.ics", "c.ics"}));
}
