#include "core/import/gpu.h"

#include <gtest/gtest.h>

#include <string>

#include "core/archive/bledy.h"
#include "core/archive/cp1250.h"

namespace velmor {
namespace {

// In Windows-1250 with ';': lesson 7 has two teachers and two classes on
// Tuesday's 2nd period, a room whose quoted name holds the separator; ZIE
// is not in GPU004, and KOW is a namesake.
const TPlikiGpu kPliki = {
    Utf8DoCp1250("7;\"1A\";\"ŁĘK\";\"MAT\";\"s;1\";2;2;;\n"
                 "7;\"1A\";\"KOW\";\"MAT\";\"s;1\";2;2;;\n"
                 "7;\"2B\";\"ŁĘK\";\"MAT\";\"s;1\";2;2;;\r\n"
                 "\n"
                 "9;\"2B\";\"ZIE\";\"WF\";\"\";6;1;;\n"),
    Utf8DoCp1250("\"ŁĘK\";\"Łęcka\";\"Zofia\"\n\"KOW\";\"Kowal\";\"Jan \"\"Janek\"\"\"\n"),
    "\"s;1\";\"Sala 1\"\n\"Aula\";\"Aula\"\n"};

int Lista(const TKrotkaLista& l, int i) { return i < l.Liczba() ? l[i] : -1; }

TEST(Gpu, TeachersRoomsAndEachLessonOfAllItsRows) {
  const TSzkola s = CzytajGpu(kPliki);
  ASSERT_EQ(s.Dni.Dni.size(), 6u);  // Monday to the Saturday of lesson 9
  ASSERT_EQ(s.Dni.LiczbaSlotow(), 12);
  ASSERT_EQ(s.Nauczyciele.Liczba(), 3);
  EXPECT_EQ(s.Nauczyciele[0].NazwaNauczyciela(), Utf8DoCp1250("Zofia Łęcka"));
  EXPECT_EQ(s.Nauczyciele[1].Imie, "Jan \"Janek\"");
  EXPECT_EQ(s.Nauczyciele[2].Nazwisko, "ZIE");  // the short name stands in
  ASSERT_EQ(s.Sale.Liczba(), 2);
  EXPECT_EQ(s.Sale[0].Nazwa, "s;1");
  const int wtorek2 = s.Dni.Slot(1, 1);
  for (int t : {0, 1}) EXPECT_EQ(s.Nauczyciele[t].Dyspozycja[wtorek2].Lista.Liczba(), 2);
  EXPECT_EQ(s.Sale[0].Zajecia[wtorek2].Lista.Liczba(), 2);
  EXPECT_EQ(Lista(s.Oddzialy[1].Przedmioty[wtorek2].Lista, 0), 0);
  EXPECT_EQ(Lista(s.Nauczyciele[2].Dyspozycja[s.Dni.Slot(5, 0)].Lista, 0), 1);
  EXPECT_EQ(s.Oddzialy[1].Sale[s.Dni.Slot(5, 0)].Lista.Liczba(), 1);  // no room
  // Forced UTF-8 turns the Windows-1250 letters into "?".
  EXPECT_EQ(CzytajGpu(kPliki, TKodowanie::Utf8).Nauczyciele[0].Nazwisko.find('?'), 0u);
  TPlikiGpu utf8 = kPliki;
  utf8.gpu004 = "\xEF\xBB\xBF" + Cp1250DoUtf8(kPliki.gpu004);
  EXPECT_EQ(CzytajGpu(utf8).Nauczyciele[0].Nazwisko, Utf8DoCp1250("Łęcka"));
}

TEST(Gpu, DamagedRowsSayWhichAndWhy) {
  const auto powod = [](const std::string& gpu001) {
    try {
      CzytajGpu(TPlikiGpu{gpu001, "", ""});
    } catch (const EStrumien& e) {
      return std::string(e.what());
    }
    return std::string("read");
  };
  EXPECT_EQ(powod("1,\"1A\",\"K\",\"M\",\"s\",1,1\n2,\"1A\",\"K\",\"M\",\"s\",1\n"),
            "GPU: GPU001: wiersz 2: mniej niż 7 pól");
  EXPECT_EQ(powod("1,\"1A\",\"K\",\"M\",\"s\",8,1\n"),
            "GPU: GPU001: wiersz 1: dzień \"8\" to nie liczba 1-7");
  EXPECT_EQ(powod("1,\"1A\",\"K\",\"M\",\"s\",1,x\n"),
            "GPU: GPU001: wiersz 1: lekcja \"x\" to nie numer lekcji");
  EXPECT_EQ(powod("1,\"1A\n\n"), "GPU: GPU001: wiersz 1: cudzysłów bez zamknięcia");
  EXPECT_EQ(powod(""), "GPU: brak zajęć w planie");
  EXPECT_EQ(powod("1,\"1A\",\"K\",\"M\",\"s\",1,9751\n"),
            "GPU: GPU001: wiersz 1: lekcja \"9751\" to nie numer lekcji");
}

}  // namespace
}  // namespace velmor
