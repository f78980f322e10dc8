#include "core/import/fet.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <pugixml.hpp>
#include <string>
#include <tuple>

#include "core/archive/bledy.h"
#include "core/archive/cp1250.h"
#include "core/import/fet_csv.h"
#include "pliki_testowe.h"

namespace velmor {
namespace {

// Two days of three hours. Activity 1: two hours from Monday's first, a
// group of class 1a in the real rooms of a virtual room; activity 2: on
// Tuesday (FET 7's Day/Hour), its 95 % room not taken; activity 3 is
// inactive, activity 4 placed at 100 %, not where a 95 % time would put it.
constexpr const char* kSzkola = R"(<?xml version="1.0" encoding="UTF-8"?>
<fet version="6.8.5">
<Days_List><Day><Name>Pon</Name></Day><Day><Name>Wt</Name></Day></Days_List>
<Hours_List><Hour><Name>1</Name></Hour><Hour><Name>2</Name><Long_Name>08:55-09:40</Long_Name></Hour>
<Hour><Name>3</Name></Hour></Hours_List>
<Subjects_List><Subject><Name>Fizyka</Name></Subject><Subject><Name>Chemia</Name></Subject></Subjects_List>
<Teachers_List><Teacher><Name>Zofia Łęcka</Name></Teacher><Teacher><Name>Kowal</Name></Teacher></Teachers_List>
<Students_List><Year><Name>1a</Name><Group><Name>1a g1</Name><Subgroup><Name>1a g1 x</Name></Subgroup></Group></Year>
<Year><Name>2b</Name></Year></Students_List>
<Activities_List>
<Activity><Teacher>Zofia Łęcka</Teacher><Subject>Fizyka</Subject><Students>1a g1 x</Students><Duration>2</Duration><Id>1</Id><Active>true</Active></Activity>
<Activity><Teacher>Kowal</Teacher><Teacher>Zofia Łęcka</Teacher><Subject>Chemia</Subject><Students>2b</Students><Students>1a</Students><Duration>1</Duration><Id>2</Id></Activity>
<Activity><Teacher>Kowal</Teacher><Subject>Fizyka</Subject><Students>2b</Students><Duration>1</Duration><Id>3</Id><Active>false</Active></Activity>
<Activity><Teacher>Kowal</Teacher><Subject>Fizyka</Subject><Students>2b</Students><Duration>1</Duration><Id>4</Id></Activity>
</Activities_List>
<Rooms_List><Room><Name>s1</Name></Room><Room><Name>s2</Name><Virtual>false</Virtual></Room>
<Room><Name>V</Name><Virtual>true</Virtual><Set_of_Real_Rooms><Real_Room>s2</Real_Room></Set_of_Real_Rooms></Room></Rooms_List>
<Time_Constraints_List>
<ConstraintActivityPreferredStartingTime><Weight_Percentage>100</Weight_Percentage><Activity_Id>1</Activity_Id><Preferred_Day>Pon</Preferred_Day><Preferred_Hour>1</Preferred_Hour></ConstraintActivityPreferredStartingTime>
<ConstraintActivityPreferredStartingTime><Weight_Percentage>100.0</Weight_Percentage><Activity_Id>2</Activity_Id><Day>Wt</Day><Hour>3</Hour></ConstraintActivityPreferredStartingTime>
<ConstraintActivityPreferredStartingTime><Weight_Percentage>100</Weight_Percentage><Activity_Id>3</Activity_Id><Preferred_Day>Wt</Preferred_Day><Preferred_Hour>1</Preferred_Hour></ConstraintActivityPreferredStartingTime>
<ConstraintActivityPreferredStartingTime><Weight_Percentage>95</Weight_Percentage><Activity_Id>4</Activity_Id><Preferred_Day>Wt</Preferred_Day><Preferred_Hour>2</Preferred_Hour></ConstraintActivityPreferredStartingTime>
<ConstraintActivityPreferredStartingTime><Weight_Percentage>100</Weight_Percentage><Activity_Id>4</Activity_Id><Preferred_Day>Pon</Preferred_Day><Preferred_Hour>3</Preferred_Hour></ConstraintActivityPreferredStartingTime>
</Time_Constraints_List>
<Space_Constraints_List>
<ConstraintActivityPreferredRoom><Weight_Percentage>100</Weight_Percentage><Activity_Id>1</Activity_Id><Room>V</Room></ConstraintActivityPreferredRoom>
<ConstraintActivityPreferredRoom><Weight_Percentage>95</Weight_Percentage><Activity_Id>2</Activity_Id><Room>s2</Room></ConstraintActivityPreferredRoom>
<ConstraintActivityPreferredRoom><Weight_Percentage>100</Weight_Percentage><Activity_Id>2</Activity_Id><Room>s1</Room></ConstraintActivityPreferredRoom>
</Space_Constraints_List>
</fet>
)";

int Lista(const TKrotkaLista& l, int i) { return i < l.Liczba() ? l[i] : -1; }

TEST(Fet, DaysTeachersClassesRoomsAndEveryPlacedHour) {
  const TSzkola s = CzytajFet(std::string_view(kSzkola));
  ASSERT_EQ(s.Dni.Dni.size(), 2u);
  ASSERT_EQ(s.Dni.LiczbaSlotow(), 6);
  EXPECT_EQ(s.Dni.Dni[0].Godziny[1].Nazwa, "08:55-09:40");
  EXPECT_EQ(s.Dni.Dni[1].Godziny[0].Nazwa, "1");
  ASSERT_EQ(s.Nauczyciele.Liczba(), 2);
  EXPECT_EQ(s.Nauczyciele[0].Nazwisko, Utf8DoCp1250("Łęcka"));
  EXPECT_EQ(s.Nauczyciele[0].Imie, "Zofia");
  EXPECT_EQ(s.Nauczyciele[1].NazwaNauczyciela(), " Kowal");
  ASSERT_EQ(s.Oddzialy.Liczba(), 2);  // years: groups and subgroups are their class
  ASSERT_EQ(s.Sale.Liczba(), 2);      // the virtual room is none

  // Activity 1: class 1a in room s2 in Monday's hours 1 and 2, not 3.
  const TNaucz& zofia = s.Nauczyciele[0];
  for (int slot : {0, 1}) {
    EXPECT_EQ(Lista(zofia.Dyspozycja[slot].Lista, 0), 0);
    EXPECT_EQ(Lista(s.Oddzialy[0].Przedmioty[slot].Lista, 0), 0);
    EXPECT_EQ(Lista(s.Oddzialy[0].Sale[slot].Lista, 0), 1);
    EXPECT_EQ(Lista(s.Sale[1].Zajecia[slot].Lista, 0), 0);
  }
  EXPECT_EQ(zofia.Dyspozycja[2].Lista.Liczba(), 0);
  // Activity 2: both teachers, both classes, Tuesday's hour 3, room s1.
  for (int t : {0, 1}) {
    EXPECT_EQ(s.Nauczyciele[t].Dyspozycja[5].Lista.Liczba(), 2);
  }
  EXPECT_EQ(Lista(s.Oddzialy[1].Sale[5].Lista, 0), 0);
  EXPECT_EQ(s.Sale[0].Zajecia[5].Lista.Liczba(), 2);
  // Inactive activities and times under 100 % teach nothing.
  for (int slot : {3, 4}) EXPECT_EQ(s.Nauczyciele[1].Dyspozycja[slot].Lista.Liczba(), 0);
  EXPECT_EQ(Lista(s.Nauczyciele[1].Dyspozycja[2].Lista, 0), 1);
  EXPECT_EQ(s.Przedmioty[1].Program.Oczka[1].Nauczyciel, 1);
}

TEST(Fet, DamagedFilesSayWhy) {
  const auto powod = [](const std::string& xml) {
    try {
      CzytajFet(std::string_view(xml));
    } catch (const EStrumien& e) {
      return std::string(e.what());
    }
    return std::string("read");
  };
  EXPECT_NE(powod("<fet><Days_List>").find("to nie XML (bajt"), std::string::npos);
  EXPECT_NE(powod("<plan/>").find("brak elementu <fet>"), std::string::npos);
  EXPECT_NE(powod("<fet/>").find("brak dni"), std::string::npos);
  std::string xml = kSzkola;
  xml.erase(xml.find("<Time_Constraints_List>"),
            xml.find("<Space_Constraints_List>") - xml.find("<Time_Constraints_List>"));
  EXPECT_NE(powod(xml).find("żadne zajęcia nie mają miejsca"), std::string::npos);
  xml = kSzkola;
  xml.erase(xml.rfind("<ConstraintActivityPreferredStartingTime>"),
            xml.find("</Time_Constraints_List>") -
                xml.rfind("<ConstraintActivityPreferredStartingTime>"));
  EXPECT_NE(powod(xml).find("1 z 3 zajęć nie ma miejsca w planie"), std::string::npos)
      << powod(xml);
  xml = kSzkola;
  xml.replace(xml.find("<Preferred_Day>Pon"), 18, "<Preferred_Day>Nd");
  EXPECT_NE(powod(xml).find("zajęcia 1 w nieznanym dniu"), std::string::npos);
  xml = kSzkola;
  xml.replace(xml.find("<Name>Kowal"), 11, "<Name>Zofia Łęcka");
  EXPECT_NE(powod(xml).find("nauczyciele: powtórzona nazwa"), std::string::npos);
  xml = kSzkola;
  for (const char* trwa : {"<Duration>4", "<Duration>2147483647"}) {
    xml = kSzkola;
    xml.replace(xml.find("<Duration>2"), 11, trwa);
    EXPECT_NE(powod(xml).find("zajęcia 1 wychodzą poza ostatnią godzinę"), std::string::npos);
  }
}

// Every teacher teaches a class in the slots FET's own timetable of him
// (NAME_teachers.xml) gives a lesson with students, and in no other.
void JakWPlanieFet(const TSzkola& s, const std::filesystem::path& nauczycieleXml) {
  pugi::xml_document fet;
  ASSERT_TRUE(fet.load_file(nauczycieleXml.c_str())) << nauczycieleXml;
  int lekcji = 0, nauczycieli = 0;
  for (pugi::xml_node n : fet.child("Teachers_Timetable").children("Teacher")) {
    const std::string nazwa = Utf8DoCp1250(n.attribute("name").as_string());
    int t = 0;
    while (t < s.Nauczyciele.Liczba() && s.Nauczyciele[t].NazwaNauczyciela() != nazwa &&
           s.Nauczyciele[t].Nazwisko != nazwa)
      ++t;
    ASSERT_LT(t, s.Nauczyciele.Liczba()) << nazwa;
    ++nauczycieli;
    int slot = 0;
    for (pugi::xml_node d : n.children("Day"))
      for (pugi::xml_node h : d.children("Hour")) {
        const bool uczy = static_cast<bool>(h.child("Students"));
        lekcji += uczy;
        EXPECT_EQ(s.Nauczyciele[t].Dyspozycja[slot++].Lista.Liczba() > 0, uczy)
            << nazwa << ", " << d.attribute("name").as_string() << " "
            << h.attribute("name").as_string();
      }
    EXPECT_EQ(slot, s.Dni.LiczbaSlotow());
  }
  EXPECT_EQ(nauczycieli, s.Nauczyciele.Liczba());
  EXPECT_GT(lekcji, 50);
}

// Real schools solved by FET, read from the .fet and from the CSV results.
class FetSzkola : public ::testing::TestWithParam<std::tuple<const char*, bool>> {};

TEST_P(FetSzkola, EveryTeachersHoursAsFetGivesThem) {
  const std::filesystem::path dane = VELMOR_DANE_FET;
  const std::string szkola = std::get<0>(GetParam());
  JakWPlanieFet(std::get<1>(GetParam()) ? CzytajFetCsv(dane / (szkola + "_timetable.csv"))
                                        : CzytajFet(dane / (szkola + "_data_and_timetable.fet")),
                dane / (szkola + "_teachers.xml"));
}
INSTANTIATE_TEST_SUITE_P(Przyklady, FetSzkola,
                         ::testing::Combine(::testing::Values("EEBLJ-Noturno",
                                                              "Khartoum-2010-02-13"),
                                            ::testing::Bool()));

// Where Debian's fet and fet-data are installed: every sample school that
// comes with its timetable imports, and schools fet-cl solves here import
// as FET's own timetable of them gives them. (Their CSV results lack the
// break hours and the Saturday without lessons: the CSV holds only hours
// with a lesson.)
const std::filesystem::path kPrzykladyFet = "/usr/share/doc/fet-data/examples";

TEST(FetPakiet, EverySampleTimetableImports) {
  std::error_code e;
  if (!std::filesystem::is_directory(kPrzykladyFet, e)) GTEST_SKIP() << "no fet-data";
  int plikow = 0;
  for (const auto& p : std::filesystem::recursive_directory_iterator(kPrzykladyFet))
    if (p.path().filename().string().ends_with("_data_and_timetable.fet")) {
      ++plikow;
      EXPECT_NO_THROW(CzytajFet(p.path())) << p.path();
    }
  EXPECT_GE(plikow, 20);
}

TEST(FetPakiet, SchoolsSolvedByFetClImportAsFetGivesThem) {
  std::error_code e;
  if (!std::filesystem::is_regular_file("/usr/bin/fet-cl", e) ||
      !std::filesystem::is_directory(kPrzykladyFet, e))
    GTEST_SKIP() << "no fet-cl or fet-data";
#ifdef _WIN32
  GTEST_SKIP() << "fet-cl is a Linux program";
#endif
  const testy::TFolder folder;
  const std::filesystem::path wynik = folder / "fet";
  // Break slots among the hours, lessons of two teachers, rooms.
  for (const char* szkola :
       {"Namibia/by-Bobby/set-7-2016/StAndrewsPSY2016T2a", "United-Kingdom/Hopwood/Hopwood"}) {
    const std::string nazwa = std::filesystem::path(szkola).filename().string();
    const std::string polecenie =
        "fet-cl --inputfile=\"" + (kPrzykladyFet / "FET-5-official" / szkola).string() +
        ".fet\" --outputdir=\"" + wynik.string() +
        "\" --timelimitseconds=60 --exportcsv=true --randomseeds10=1 --randomseeds11=2 "
        "--randomseeds12=3 --randomseeds20=4 --randomseeds21=5 --randomseeds22=6 >/dev/null 2>&1";
    ASSERT_EQ(std::system(polecenie.c_str()), 0) << polecenie;
    const std::filesystem::path plan = wynik / "timetables" / nazwa;
    JakWPlanieFet(CzytajFet(plan / (nazwa + "_data_and_timetable.fet")),
                  plan / (nazwa + "_teachers.xml"));
  }
}

}  // namespace
}  // namespace velmor
