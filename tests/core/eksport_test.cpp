#include <gtest/gtest.h>

#include "core/archive/cp1250.h"
#include "core/document/dokument.h"
#include "core/eksport/html.h"
#include "core/eksport/ical.h"
#include "core/eksport/nazwy.h"
#include "core/eksport/wspolne.h"

namespace velmor {
namespace {

TModele Nauczyciele(const std::vector<std::pair<std::string, std::string>>& nazwy) {
  TModele m;
  m.Nauczyciele.ZmienRozmiar(static_cast<int>(nazwy.size()));
  for (size_t i = 0; i < nazwy.size(); ++i) {
    m.Nauczyciele[static_cast<int>(i)].Nazwisko = Utf8DoCp1250(nazwy[i].first);
    m.Nauczyciele[static_cast<int>(i)].Imie = Utf8DoCp1250(nazwy[i].second);
  }
  return m;
}

}  // namespace

TEST(EksportPomocnicze, APeriodStartsAtTheTimeItsLabelStartsWith) {
  EXPECT_EQ(PoczatekLekcji("8:55-9:40"), 8 * 60 + 55);
  EXPECT_EQ(PoczatekLekcji(" 08.05 - 8.50"), 8 * 60 + 5);
  EXPECT_EQ(PoczatekLekcji("23:59"), 23 * 60 + 59);
  EXPECT_EQ(PoczatekLekcji("0:00 zero"), 0);
  for (const char* bez :
       {"", "lekcja 2", "1.", "24:00-0:45", "12:60", "8:5-9:40", "8:555", "123:00", "8-9", ":55"})
    EXPECT_EQ(PoczatekLekcji(bez), std::nullopt) << bez;
}

TEST(EksportPomocnicze, FileNamesOfTeachersAreAsciiAndCannotLeaveTheFolder) {
  const TModele m = Nauczyciele(
      {{"Żółć-Gęś", "Ján"}, {"../../etc", "passwd"}, {"", " "}, {"O'Brien", "Łucja Ewa"}});
  EXPECT_EQ(NazwaPlikuNauczyciela(m.Nauczyciele[0]), "Zolc-Ges_Jan");
  EXPECT_EQ(NazwaPlikuNauczyciela(m.Nauczyciele[1]), "etc_passwd");
  EXPECT_EQ(NazwaPlikuNauczyciela(m.Nauczyciele[2]), "nauczyciel");
  EXPECT_EQ(NazwaPlikuNauczyciela(m.Nauczyciele[3]), "O_Brien_Lucja_Ewa");
}

TEST(EksportPomocnicze, TeachersInPolishOrderAndRegionTextOfTheBetterContrast) {
  const TModele m = Nauczyciele({{"Żak", "Anna"},
                                 {"Zając", "Jan"},
                                 {"Ćwik", "Łukasz"},
                                 {"Dąbrowski", "Kamil"},
                                 {"Cwik", "Adam"},
                                 {"dąb", "Zofia"},
                                 {"Dudek", "Teresa"},
                                 {"Łoś", "Adam"},
                                 {"Lis", "Borys"},
                                 {"Cwik", "Aba"}});
  EXPECT_EQ(NauczycieleAlfabetycznie(m), (std::vector<int>{9, 4, 2, 5, 3, 6, 8, 7, 1, 0}));

  // Red gets black (5.3:1, white only 4.0:1); dark blue gets white.
  TModele plan;
  plan.Rejony.ZmienRozmiar(2);
  plan.Rejony[0].Kolor = 0x000000FF;
  plan.Rejony[1].Kolor = 0x00800000;
  plan.Dni.Dni.assign(1, TDzien{});
  plan.Dni.Dni[0].Godziny.push_back({"8:55-9:40"});
  plan.Dni.Przelicz();
  plan.Momenty.ZmienRozmiar(1);
  plan.Dyzury.ZmienRozmiar(2, 1);
  const std::string html = PlanHtml(plan);
  EXPECT_NE(html.find("background: #FF0000; color: #000000"), std::string::npos);
  EXPECT_NE(html.find("background: #000080; color: #FFFFFF"), std::string::npos);
}

}  // namespace velmor
