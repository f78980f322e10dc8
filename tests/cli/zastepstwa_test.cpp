// velmor-cli cover: a day's absences, their open duties, the automatic day
// and the ledger, on the demo school.
#include "cli.h"

using namespace velmor::testy;

namespace {

TEST_F(Cli, CoverListsTheDayFillsItAndKeepsTheLedger) {
  ASSERT_EQ(Uruchom("fill " + Demo("demo.vlm") + " -o " + P("plan.vlm")).Kod, 0);
  const std::string plan = P("plan.vlm");
  const TWynik dzien = Uruchom("cover " + plan +
                               " --date 2026-12-14 --absent \"Nowak Anna\" --absent "
                               "\"Kowalska Maria:1-3\" --reason kurs");
  ASSERT_EQ(dzien.Kod, 0) << dzien.Bledy;
  const std::vector<std::string> linie = Linie(dzien.Wyjscie);
  ASSERT_EQ(linie.size(), 4u) << dzien.Wyjscie;
  EXPECT_EQ(linie[0], "2026-12-14: 3 dyżury do zastępstwa");
  EXPECT_EQ(linie[3].rfind("Pon przed 9:50-10:35, Parter: Maria Kowalska -> ? (", 0), 0u);

  const TWynik auto_ = Uruchom("cover " + plan + " --date 2026-12-14 --auto --format tsv");
  ASSERT_EQ(auto_.Kod, 0) << auto_.Bledy;
  for (const std::string& l : Linie(auto_.Wyjscie))
    EXPECT_EQ(l.find("\t\t"), std::string::npos) << l;
  const std::vector<std::string> wiadomosc =
      Linie(Uruchom("cover " + plan + " --date 2026-12-14 --format message").Wyjscie);
  ASSERT_EQ(wiadomosc.size(), 4u);
  EXPECT_EQ(wiadomosc[0], "Zastępstwa na dyżurach, Poniedziałek 14.12.2026:");
  EXPECT_EQ(wiadomosc[3].rfind("- przed 9:50-10:35, Parter: ", 0), 0u);
  EXPECT_TRUE(wiadomosc[3].ends_with(" (za: Maria Kowalska)")) << wiadomosc[3];
  EXPECT_EQ(wiadomosc[3].find("nieobsadzony"), std::string::npos);
  const TWynik ksiega = Uruchom("cover " + plan + " --ledger --format tsv");
  EXPECT_NE(ksiega.Wyjscie.find("\nAnna Nowak\t8\t0\t2\t0\n"), std::string::npos) << ksiega.Wyjscie;
  EXPECT_NE(ksiega.Wyjscie.find("\nMaria Kowalska\t7\t0\t1\t0\n"), std::string::npos);
  // The plan check has the ledger too, as findings that are no problem.
  EXPECT_NE(
      Uruchom("check " + plan + " --format tsv")
          .Wyjscie.find("\ncover\t\t\tAnna Nowak\tAnna Nowak: zastępstwa w semestrze: za innych "
                        "0, zastąpione 2, odwołane 0 (dyżurów w planie 8)\n"),
      std::string::npos);

  // A Saturday has no duties; errors are usage errors and leave the plan.
  const TBajty przed = CzytajPlik(folder / "plan.vlm");
  EXPECT_EQ(Linie(Uruchom("cover " + plan + " --date 2026-12-19").Wyjscie)[0],
            "2026-12-19: 0 dyżurów do zastępstwa");
  for (const std::string zle :
       {" --date 2026-12-14 --absent \"Nowk Ana\"",
        " --date 2026-12-14 --absent \"Nowak Anna:3-1\"", " --absent \"Nowak Anna\"",
        " --date 2026-02-30", " --ledger --date 2026-12-14", " --date 2026-12-14 --format xml",
        " --date 2026-12-14 --absent \"Nowak Anna\" --until 2026-12-13"})
    EXPECT_EQ(Uruchom("cover " + plan + zle).Kod, 2) << zle;
  EXPECT_EQ(CzytajPlik(folder / "plan.vlm"), przed);
}

}  // namespace
