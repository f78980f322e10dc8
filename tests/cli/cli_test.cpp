#include "cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "core/document/dokument.h"
#include "core/model/opcje.h"
#include "examples/szkola_demo.h"

using namespace velmor::testy;

TEST_F(Cli, GeneratorReproducesTheDemoFilesByteForByte) {
  ASSERT_TRUE(velmor::demo::ZapiszDemo(folder / ""));
  EXPECT_EQ(CzytajPlik(folder / "demo.tbx"), CzytajPlik(przyklady / "demo.tbx"));
  EXPECT_EQ(CzytajPlik(folder / "demo.vlm"), CzytajPlik(przyklady / "demo.vlm"));
  // A folder that does not exist is reported, not a crash.
  EXPECT_FALSE(velmor::demo::ZapiszDemo(folder / "brak" / ""));
}

TEST_F(Cli, InfoSummarisesBothFileKinds) {
  const TWynik plan = Uruchom("info " + Demo("demo.vlm"));
  EXPECT_EQ(plan.Kod, 0);
  EXPECT_EQ(plan.Wyjscie,
            "version: 103\ndays: 5\nslots: 40\nteachers: 35\nclasses: 12\nsubjects: 14\n"
            "rooms: 20\nmoments: 40\nregions: 6\nfilled: 0\nempty: 141\nclosed: 99\n");
  const TWynik lekcje = Uruchom("info --timetable " + Demo("demo.tbx"));
  EXPECT_EQ(lekcje.Kod, 0);
  EXPECT_NE(lekcje.Wyjscie.find("teachers: 35\n"), std::string::npos);
  EXPECT_NE(lekcje.Wyjscie.find("regions: 0\n"), std::string::npos);
}

TEST_F(Cli, FillEntersTeachersAndShowPrintsThem) {
  const TWynik w = Uruchom("fill " + Demo("demo.vlm") + " -o " + P("plan.vlm"));
  ASSERT_EQ(w.Kod, 0) << w.Bledy;
  const int wpisano = std::stoi(w.Wyjscie.substr(std::string("filled ").size()));
  EXPECT_GT(wpisano, 20);
  EXPECT_EQ(w.Wyjscie, "filled " + std::to_string(wpisano) + " cells\n");
  EXPECT_NE(Uruchom("info " + P("plan.vlm")).Wyjscie.find("filled: " + std::to_string(wpisano)),
            std::string::npos);

  const TWynik tabela = Uruchom("show " + P("plan.vlm") + " --format tsv");
  ASSERT_EQ(tabela.Kod, 0);
  std::istringstream linie(tabela.Wyjscie);
  std::string naglowek;
  std::getline(linie, naglowek);
  EXPECT_EQ(naglowek, "Moment\tWejście / szatnia\tParter\tI piętro\tII piętro\tBoisko\tStołówka");
  std::string pierwszy;
  std::getline(linie, pierwszy);
  EXPECT_EQ(pierwszy.substr(0, pierwszy.find('\t')), "Pon przed 8:00-8:45");
  const TWynik obciazenia = Uruchom("show " + P("plan.vlm") + " --view loads");
  EXPECT_EQ(obciazenia.Wyjscie.substr(0, 10), "Nauczyciel");
  EXPECT_NE(obciazenia.Wyjscie.find("Anna Nowak"), std::string::npos);
}

TEST_F(Cli, FillStaysInTheGivenAreaAndKeepsItsSwitches) {
  std::filesystem::copy_file(Demo("demo.vlm"), P("plan.vlm"));
  const TWynik w = Uruchom("fill " + P("plan.vlm") +
                           " --regions 1-2 --moments 1-2 --after-lessons off --one-long-break off");
  ASSERT_EQ(w.Kod, 0) << w.Bledy;
  const TWynik t = Uruchom("show " + P("plan.vlm") + " --format tsv");
  std::istringstream linie(t.Wyjscie);
  int zajete = 0, wiersz = 0;
  for (std::string linia; std::getline(linie, linia); ++wiersz) {
    std::istringstream komorki(linia);
    int kolumna = 0;
    for (std::string k; std::getline(komorki, k, '\t'); ++kolumna) {
      if (wiersz == 0 || kolumna == 0 || k == "....." || k == "[zakaz]") continue;
      ++zajete;
      EXPECT_TRUE(kolumna >= 2 && kolumna <= 3 && wiersz >= 2 && wiersz <= 3) << linia;
    }
  }
  EXPECT_EQ("filled " + std::to_string(zajete) + " cells\n", w.Wyjscie);
  // Option bytes 1 and 2 are stored with the plan: 16 bytes after the table.
  // The demo has bytes 0, 1 and 2 set; byte 0 was not switched and stays.
  const TBajty b = CzytajPlik(folder / "plan.vlm");
  const size_t opcje = static_cast<size_t>(I32Z(b, 4 * 13)) + 40 * 6;
  EXPECT_EQ(b[opcje], 1);
  EXPECT_EQ(b[opcje + 1], 0);
  EXPECT_EQ(b[opcje + 2], 0);
}

TEST_F(Cli, OptimalFillEntersAtLeastTheGreedyCellsAndSaysWhetherItIsOptimal) {
  const auto wpisane = [](const std::string& wyjscie) {
    return std::stoi(wyjscie.substr(std::string("filled ").size()));
  };
  const int zachlanny = wpisane(Uruchom("fill " + Demo("demo.vlm") + " -o " + P("g.vlm")).Wyjscie);
  const TWynik w = Uruchom("fill " + Demo("demo.vlm") + " -o " + P("o.vlm") +
                           " --optimal --allow-reservations off --time-limit 30");
  ASSERT_EQ(w.Kod, 0) << w.Bledy;
  const int wpisano = wpisane(w.Wyjscie);
  EXPECT_GT(wpisano, zachlanny);
  EXPECT_EQ(w.Wyjscie.substr(0, w.Wyjscie.find("fairness")),
            "filled " + std::to_string(wpisano) + " cells\noptimal\n");
  // The demo's fair plan: nobody over 5 duties, nobody without one, for
  // some of the score of the most convenient plan (8 duties at most).
  EXPECT_NE(w.Wyjscie.find("largest count 8 -> 5, teachers without a duty 0 -> 0\n"),
            std::string::npos)
      << w.Wyjscie;
  const size_t cena = w.Wyjscie.find("fairness costs ");
  ASSERT_NE(cena, std::string::npos);
  EXPECT_GT(std::stod(w.Wyjscie.substr(cena + 15)), 0.0);
  const TWynik wygodny = Uruchom("fill " + Demo("demo.vlm") + " -o " + P("w.vlm") +
                                 " --optimal --allow-reservations off --fairness last");
  EXPECT_NE(wygodny.Wyjscie.find("fairness last: score "), std::string::npos);
  EXPECT_NE(wygodny.Wyjscie.find("largest count 8,"), std::string::npos) << wygodny.Wyjscie;
  EXPECT_NE(Uruchom("info " + P("o.vlm")).Wyjscie.find("filled: " + std::to_string(wpisano)),
            std::string::npos);

  // Stopped at once: at least the greedy table stands. The bound is at
  // least the optimum without reservations; a plan that meets it is
  // optimal, its fairness unproven.
  const TWynik s = Uruchom("fill " + Demo("demo.vlm") + " -o " + P("s.vlm") +
                           " --optimal --allow-reservations on --time-limit 0.001");
  ASSERT_EQ(s.Kod, 0) << s.Bledy;
  const int przerwany = wpisane(s.Wyjscie);
  EXPECT_GE(przerwany, zachlanny);
  if (const size_t ile = s.Wyjscie.find("; at most "); ile != std::string::npos) {
    EXPECT_EQ(s.Wyjscie.substr(0, s.Wyjscie.find("stopped after ")),
              "filled " + std::to_string(przerwany) + " cells\n");
    EXPECT_GE(std::stoi(s.Wyjscie.substr(ile + 10)), std::max(wpisano, przerwany));
  } else {
    EXPECT_EQ(przerwany, wpisano);
    EXPECT_NE(s.Wyjscie.find(" cells\noptimal\nfairness first (not proven): "), std::string::npos)
        << s.Wyjscie;
  }
  // The permission is saved with the plan, in option byte 5.
  velmor::TDokument zapisany;
  ASSERT_TRUE(zapisany.OtworzPlik(folder / "s.vlm", velmor::kRodzajPlanDyzurow));
  EXPECT_TRUE(zapisany.Opcje.ZZastrzezeniem());
  EXPECT_NE(Uruchom("fill " + Demo("demo.vlm") + " --time-limit 5").Kod, 0);
}

// Every plan option with a switch: turned both ways by fill and saved so.
TEST_F(Cli, EachOptionsSwitchIsSavedWithThePlan) {
  for (const velmor::TOpisOpcji& o : velmor::kOpcje) {
    if (!o.Cli) continue;
    for (const bool wlaczona : {true, false}) {
      const std::string polecenie = "fill " + Demo("demo.vlm") + " -o " + P("o.vlm") +
                                    " --regions 0-0 --moments 0-0 " + o.Cli + " " +
                                    (wlaczona ? o.Tak : o.Nie);
      if (o.TylkoOptymalnie) {
        EXPECT_EQ(Uruchom(polecenie).Kod, 2) << o.Cli;
      }
      const TWynik w = Uruchom(polecenie + (o.TylkoOptymalnie ? " --optimal" : ""));
      ASSERT_EQ(w.Kod, 0) << o.Cli << w.Bledy;
      velmor::TDokument d;
      ASSERT_TRUE(d.OtworzPlik(folder / "o.vlm", velmor::kRodzajPlanDyzurow));
      EXPECT_EQ(d.Opcje.Wlaczona(o.Opcja), wlaczona) << o.Cli;
    }
  }
}

// The check counts the problems on its last line; --strict turns them into
// exit 4; json is an array a parser reads, with every finding.
TEST_F(Cli, CheckCountsProblemsAndStrictFailsOnThem) {
  std::filesystem::copy_file(Demo("demo.vlm"), P("plan.vlm"));
  TWynik w = Uruchom("check " + P("plan.vlm"));
  EXPECT_EQ(w.Kod, 0);
  EXPECT_NE(w.Wyjscie.find("\nproblems: 141\n"), std::string::npos) << w.Wyjscie;
  EXPECT_EQ(Uruchom("check " + P("plan.vlm") + " --strict").Kod, 4);
  w = Uruchom("check " + P("plan.vlm") + " --format json");
  ASSERT_EQ(w.Kod, 0);
  std::ofstream(P("uwagi.json")) << w.Wyjscie;
  const std::string python =
      "python3 -c \"import json,sys; u=json.load(open(sys.argv[1])); "
      "sys.exit(0 if sum(x['problem'] for x in u)==141 and "
      "u[-1]['kind']=='spread' and u[-1]['teacher'] is None else 1)\" " +
      P("uwagi.json");
  EXPECT_EQ(std::system(python.c_str()), 0);
  // Filled at once the demo leaves no empty cell.
  ASSERT_EQ(Uruchom("fill " + P("plan.vlm") + " --optimal").Kod, 0);
  w = Uruchom("check " + P("plan.vlm") + " --format tsv");
  EXPECT_EQ(w.Wyjscie.find("\nempty\t"), std::string::npos);
  EXPECT_EQ(w.Wyjscie.rfind("kind\tmoment\tregion\tteacher\tmessage\n", 0), 0u);
  EXPECT_EQ(Uruchom("check " + P("plan.vlm") + " --format xml").Kod, 2);
}

TEST_F(Cli, NewPlanCarriesWhatThePreviousPlanHad) {
  ASSERT_EQ(Uruchom("new " + Demo("demo.tbx") + " -o " + P("pusty.vlm")).Kod, 0);
  EXPECT_NE(Uruchom("info " + P("pusty.vlm")).Wyjscie.find("moments: 40\nregions: 0\n"),
            std::string::npos);

  ASSERT_EQ(Uruchom("fill " + Demo("demo.vlm") + " -o " + P("stary.vlm")).Kod, 0);
  const TWynik nowy =
      Uruchom("new " + Demo("demo.tbx") + " -o " + P("nowy.vlm") + " --from " + P("stary.vlm"));
  ASSERT_EQ(nowy.Kod, 0) << nowy.Bledy;
  EXPECT_EQ(nowy.Bledy, "Nauczyciele: 35 bez zmian. Sale: 20 bez zmian.\n");
  // Duties are carried; closed cells are not.
  std::string stary = Uruchom("show " + P("stary.vlm") + " --format tsv").Wyjscie;
  ASSERT_NE(stary.find("[zakaz]"), std::string::npos);
  for (size_t i; (i = stary.find("[zakaz]")) != std::string::npos;) stary.replace(i, 7, ".....");
  EXPECT_EQ(Uruchom("show " + P("nowy.vlm") + " --format tsv").Wyjscie, stary);

  ASSERT_EQ(Uruchom("new " + Demo("demo.tbx") + " -o " + P("bez.vlm") + " --from " +
                    P("stary.vlm") + " --keep moments,limits")
                .Kod,
            0);
  const std::string info = Uruchom("info " + P("bez.vlm")).Wyjscie;
  EXPECT_NE(info.find("regions: 0\nfilled: 0\n"), std::string::npos);

  const TWynik ostrzezenie =
      Uruchom("new " + Demo("demo.tbx") + " -o " + P("x.vlm") + " --keep plan,regions");
  EXPECT_EQ(ostrzezenie.Kod, 0);
  EXPECT_NE(ostrzezenie.Bledy.find("plan"), std::string::npos);
  EXPECT_NE(ostrzezenie.Bledy.find("regions"), std::string::npos);
}

// A FET timetable starts a plan as a .tbx one does; a damaged one says why
// and writes nothing.
TEST_F(Cli, NewPlanFromOtherProgramsTimetables) {
  const std::string fet =
      std::string(VELMOR_DANE_FET) + "/Khartoum-2010-02-13_data_and_timetable.fet";
  EXPECT_NE(Uruchom("info " + fet).Wyjscie.find("teachers: 24\n"), std::string::npos);
  ASSERT_EQ(Uruchom("new " + fet + " -o " + P("fet.vlm")).Kod, 0);
  EXPECT_NE(Uruchom("info " + P("fet.vlm")).Wyjscie.find("slots: 15\nteachers: 24\nclasses: 4\n"),
            std::string::npos);
  std::ofstream(P("zly.fet")) << "<fet><Days_List>";
  const TWynik zly = Uruchom("new " + P("zly.fet") + " -o " + P("zly.vlm"));
  EXPECT_EQ(zly.Kod, 1);
  EXPECT_NE(zly.Bledy.find("FET: to nie XML (bajt 15"), std::string::npos) << zly.Bledy;
  EXPECT_FALSE(std::filesystem::exists(folder / "zly.vlm"));

  // FET's CSV results and a folder of GPU files, each known by its content.
  const std::string csv = std::string(VELMOR_DANE_FET) + "/Khartoum-2010-02-13_timetable.csv";
  EXPECT_NE(Uruchom("info " + csv).Wyjscie.find("slots: 15\nteachers: 24\nclasses: 4\n"),
            std::string::npos);
  EXPECT_EQ(Uruchom("info " + csv + " --format fet").Kod, 1);
  EXPECT_EQ(Uruchom("info " + csv + " --format gpx").Kod, 2);
  std::filesystem::create_directory(folder / "gpu");
  std::ofstream(folder / "gpu" / "Gpu001.txt") << "1;\"1A\";\"KOW\";\"MAT\";\"101\";3;2;;\n";
  std::ofstream(folder / "gpu" / "GPU004.TXT")
      << "\"KOW\";\"Kowal\";\"Jan\"\n\"NOW\";\"Nowak\";\"Ewa\"\n";
  ASSERT_EQ(Uruchom("new " + P("gpu") + " -o " + P("gpu.vlm")).Kod, 0);
  EXPECT_NE(Uruchom("info " + P("gpu.vlm")).Wyjscie.find("slots: 10\nteachers: 2\nclasses: 1\n"),
            std::string::npos);
  std::ofstream(P("kadra.txt")) << "A;B;C\nD;E;F\nG;H;I\n";
  EXPECT_NE(Uruchom("info " + P("gpu/Gpu001.txt") + " --teachers " + P("kadra.txt"))
                .Wyjscie.find("teachers: 4\n"),
            std::string::npos);
}

TEST_F(Cli, SaveWritesTheCurrentFormUnchanged) {
  ASSERT_EQ(Uruchom("save " + Demo("demo.vlm") + " -o " + P("kopia.vlm")).Kod, 0);
  EXPECT_EQ(CzytajPlik(folder / "kopia.vlm"), CzytajPlik(przyklady / "demo.vlm"));
}

TEST_F(Cli, DamagedFileIsExitOneWithTheMessagesAndNoOutput) {
  TBajty b = CzytajPlik(przyklady / "demo.vlm");
  b.resize(b.size() / 3);
  ZapiszPlik(folder / "uszkodzony.vlm", b);
  const TWynik w = Uruchom("fill " + P("uszkodzony.vlm") + " -o " + P("wynik.vlm"));
  EXPECT_EQ(w.Kod, 1);
  // The message, then the file and why.
  const std::vector<std::string> linie = Linie(w.Bledy);
  ASSERT_EQ(linie.size(), 2u) << w.Bledy;
  EXPECT_EQ(linie[0], " Odczyt danych z archiwum nie powiódł się");
  EXPECT_EQ(linie[1].rfind(P("uszkodzony.vlm") + ": ", 0), 0u) << linie[1];
  EXPECT_GT(linie[1].size(), P("uszkodzony.vlm").size() + 2);
  EXPECT_FALSE(std::filesystem::exists(folder / "wynik.vlm"));

  b = CzytajPlik(przyklady / "demo.vlm");
  b[120] = 104;
  ZapiszPlik(folder / "wersja.vlm", b);
  const TWynik wersja = Uruchom("show " + P("wersja.vlm"));
  EXPECT_EQ(wersja.Kod, 1);
  EXPECT_EQ(wersja.Bledy,
            " Niewłaściwa wersja pliku z danymi o szkole\n Odczyt danych z archiwum nie powiódł "
            "się\n" +
                P("wersja.vlm") + "\n");
  EXPECT_EQ(wersja.Wyjscie, "");
}

TEST_F(Cli, UnwritableOutputIsExitThree) {
  const TWynik w = Uruchom("save " + Demo("demo.vlm") + " -o " + P("brak/wynik.vlm"));
  EXPECT_EQ(w.Kod, 3);
  const std::vector<std::string> linie = Linie(w.Bledy);
  ASSERT_EQ(linie.size(), 2u) << w.Bledy;
  EXPECT_EQ(linie[0], " Zapis danych do archiwum nie powiódł się");
  EXPECT_NE(linie[1].find("wynik.vlm: "), std::string::npos) << linie[1];
  EXPECT_FALSE(std::filesystem::exists(folder / "brak"));
}

TEST_F(Cli, UsageErrorsAreExitTwo) {
  for (const std::string& argumenty : std::vector<std::string>{
           "", "zrob", "info", "save " + Demo("demo.vlm"),
           "fill " + Demo("demo.vlm") + " --regions 3-1",
           "fill " + Demo("demo.vlm") + " --before-lessons tak",
           "show " + Demo("demo.vlm") + " --view x",
           "new " + Demo("demo.tbx") + " -o " + P("x.vlm") + " --keep pogoda", "info a b --nowy"}) {
    EXPECT_EQ(Uruchom(argumenty).Kod, 2) << argumenty;
  }
  EXPECT_EQ(Uruchom("--version").Wyjscie, "velmor-cli 2025\n");
  EXPECT_EQ(Uruchom("--help").Kod, 0);
}
