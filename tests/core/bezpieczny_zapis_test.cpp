#include "bezpieczny_zapis.h"

#include <thread>

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
