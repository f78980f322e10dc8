// velmor-cli export: every file read back by Python's own parsers
// (eksport_sprawdz.py) and compared with what `show` prints.
#include <algorithm>
#include <map>
#include <regex>
#include <set>

#include "cli.h"
#include "core/archive/cp1250.h"
#include "core/document/dokument.h"
#include "core/eksport/tabele.h"
#include "core/model/data.h"

using namespace velmor::testy;

namespace {

std::vector<std::string> Pola(const std::string& linia) {
  std::vector<std::string> wynik;
  std::istringstream s(linia);
  for (std::string p; std::getline(s, p, '\t');) wynik.push_back(p);
  return wynik;
}

// A table as eksport_sprawdz.py prints it: tabs, and line breaks as U+23CE.
std::string JakWypisze(const velmor::TTabela& t) {
  std::string wynik;
  for (const auto& w : t) {
    for (size_t k = 0; k < w.size(); ++k) {
      std::string pole = w[k];
      for (size_t i; (i = pole.find('\n')) != std::string::npos;) pole.replace(i, 1, "⏎");
      wynik += (k ? "\t" : "") + pole;
    }
    wynik += '\n';
  }
  return wynik;
}

class Eksport : public Cli {
 protected:
  // The script's lines; a line with a fault of the file's form fails the test.
  TWynik Sprawdz(const std::string& rodzaj, const std::string& pliki) {
    TWynik w = Wykonaj(Miejsce(VELMOR_PYTHON) + " " + Miejsce(VELMOR_SPRAWDZ) + " " + rodzaj + " " +
                       pliki);
    EXPECT_EQ(w.Kod, 0) << w.Bledy;
    EXPECT_EQ(w.Wyjscie.find("ERROR"), std::string::npos) << w.Wyjscie;
    return w;
  }
  std::string Pokaz(const std::string& plan, const std::string& widok) {
    return Uruchom("show " + plan + " --format tsv --view " + widok).Wyjscie;
  }
  // The demo plan filled greedily.
  std::string Wypelniony() {
    EXPECT_EQ(Uruchom("fill " + Demo("demo.vlm") + " -o " + P("plan.vlm")).Kod, 0);
    return P("plan.vlm");
  }
};

// The plan table of eksport_sprawdz.py's html lines, as show prints it.
std::string TabelaStrony(const std::string& wyjscie) {
  std::string wynik;
  for (const std::string& l : Linie(wyjscie)) {
    if (l.rfind("BLOCK", 0) == 0) break;
    if (l.rfind("PRINT", 0) != 0 && l.rfind("SECTIONS", 0) != 0 && l.rfind("COLOURS", 0) != 0 &&
        l.rfind("TIMES", 0) != 0)
      wynik += l + "\n";
  }
  return wynik;
}

struct TWydarzenie {
  std::string Plik, Sekwencja, Stan, Ostatni;
};

// The ics-ids lines by UID.
std::map<std::string, TWydarzenie> Wydarzenia(const std::string& wyjscie) {
  std::map<std::string, TWydarzenie> wynik;
  std::string plik;
  for (const std::string& l : Linie(wyjscie)) {
    const auto p = Pola(l);  // ID, uid, sequence, status, last date
    if (l.rfind("FILE ", 0) == 0) plik = l.substr(5);
    if (p[0] == "ID") wynik[p[1]] = {plik, p[2], p[3], p[4]};
  }
  return wynik;
}

// The table a view's pages print, from show's text form of the view: the
// corner label and closed cells ("[zakaz]") print empty, and the loads
// window has the teachers across, "duties, minutes" under each.
[[maybe_unused]] std::string Drukowana(const std::string& widok, const std::string& tsv) {
  std::vector<std::vector<std::string>> t;
  for (const std::string& l : Linie(tsv)) t.push_back(Pola(l));
  if (widok == "loads") {
    std::vector<std::string> naglowek{""}, ile{"Ile?"};
    for (size_t w = 1; w < t.size(); ++w) {
      naglowek.push_back(t[w][0]);
      ile.push_back(t[w][1] + ", " + t[w][2]);
    }
    t = {naglowek, ile};
  } else if (widok != "limits") {
    t[0][0].clear();
  }
  std::string wynik;
  for (const auto& w : t) {
    for (size_t k = 0; k < w.size(); ++k)
      wynik += (k ? "\t" : "") + (w[k] == "[zakaz]" ? "" : w[k]);
    wynik += '\n';
  }
  return wynik;
}

int Minuty(const std::string& czas) {  // "2026-09-07T08:45:00+02:00 ..." -> 525
  return std::stoi(czas.substr(11, 2)) * 60 + std::stoi(czas.substr(14, 2));
}

}  // namespace

TEST_F(Eksport, CalendarsHoldEachTeachersDutiesAtTheBreakBeforeThePeriod) {
  const std::string plan = Wypelniony();
  std::filesystem::create_directory(folder / "k");
  const TWynik w = Uruchom("export " + plan + " --format ics -o " + P("k"), "SOURCE_DATE_EPOCH=0");
  ASSERT_EQ(w.Kod, 0) << w.Bledy;

  // Moments by teachers (surnames): the region of each duty.
  const std::vector<std::string> nauczyciele = Linie(Pokaz(plan, "teachers"));
  const std::vector<std::string> naglowek = Pola(nauczyciele[0]);
  // Duties and minutes by "Imie Nazwisko".
  std::map<std::string, std::pair<int, int>> obciazenia;
  for (const std::string& l : Linie(Pokaz(plan, "loads"))) {
    const auto p = Pola(l);
    if (p[1] != "0" && p[0] != "Nauczyciel") obciazenia[p[0]] = {std::stoi(p[1]), std::stoi(p[2])};
  }
  ASSERT_GT(obciazenia.size(), 20u);

  const std::vector<std::string> pliki = PlikiFolderu(folder / "k");
  EXPECT_EQ(pliki.size(), obciazenia.size());
  std::string lista;
  for (const std::string& p : pliki) {
    EXPECT_TRUE(std::regex_match(p, std::regex("[A-Za-z0-9_-]+\\.ics"))) << p;
    lista += " " + P("k/" + p);
  }
  EXPECT_NE(std::find(pliki.begin(), pliki.end(), "Wisniewski_Piotr.ics"), pliki.end());

  const char* const kDni[] = {"Pon", "Wto", "Śro", "Czw", "Pią"};
  std::map<std::string, std::pair<int, int>> wKalendarzach;
  std::string kto;
  for (const std::string& l : Linie(Sprawdz("ics", lista).Wyjscie)) {
    if (l.rfind("CAL ", 0) == 0) kto = l.substr(std::string("CAL Dyżury: ").size());
    if (l.rfind("EVENT", 0) != 0) continue;
    const auto p = Pola(l);  // EVENT, start, end, rrule, summary, location, description
    ASSERT_EQ(p.size(), 7u) << l;
    EXPECT_EQ(p[1].substr(19), "+02:00 Europe/Warsaw") << l;
    // Up to the end of the school year, 25 June 2027 (summer time).
    EXPECT_EQ(p[3], "FREQ=WEEKLY;UNTIL=20270625T215959Z");
    EXPECT_EQ(p[4], "Dyżur: " + p[5]);
    // The plan's week starts on Monday 7 September 2026.
    const int dzien = std::stoi(p[1].substr(8, 2)) - 7;
    ASSERT_TRUE(p[1].substr(0, 8) == "2026-09-" && dzien >= 0 && dzien < 5) << l;
    EXPECT_EQ(p[1].substr(0, 10), p[2].substr(0, 10));
    const int koniec = Minuty(p[2]);
    // The teachers' view row of that day and period; the teacher's column names the region.
    const std::string etykieta = std::string(kDni[dzien]) + " przed " +
                                 std::to_string(koniec / 60) + ":" + p[2].substr(14, 2) + "-";
    const auto wiersz = std::find_if(nauczyciele.begin(), nauczyciele.end(),
                                     [&](auto& x) { return x.rfind(etykieta, 0) == 0; });
    ASSERT_NE(wiersz, nauczyciele.end()) << etykieta;
    const auto kolumna = std::find(naglowek.begin(), naglowek.end(), kto.substr(kto.find(' ') + 1));
    ASSERT_NE(kolumna, naglowek.end()) << kto;
    EXPECT_EQ(Pola(*wiersz)[static_cast<size_t>(kolumna - naglowek.begin())], p[5]) << l;
    wKalendarzach[kto].first += 1;
    wKalendarzach[kto].second += koniec - Minuty(p[1]);
  }
  EXPECT_EQ(wKalendarzach, obciazenia);

  // The last of each weekly duty falls in the school year's last week.
  for (const auto& [uid, wydarzenie] : Wydarzenia(Sprawdz("ics-ids", lista).Wyjscie))
    EXPECT_TRUE(wydarzenie.Ostatni > "2027-06-20" && wydarzenie.Ostatni <= "2027-06-25") << uid;

  // The same plan gives the same files: UIDs and all.
  std::filesystem::create_directory(folder / "k2");
  ASSERT_EQ(Uruchom("export " + plan + " --format ics -o " + P("k2"), "SOURCE_DATE_EPOCH=0").Kod,
            0);
  for (const std::string& p : pliki) EXPECT_EQ(Tekst(folder / "k" / p), Tekst(folder / "k2" / p));
}

TEST_F(Eksport, OneTeachersCalendarStartsOnTheGivenDateForTheGivenWeeks) {
  const std::string plan = Wypelniony();
  const TWynik w = Uruchom("export " + plan + " --format ics --teacher \"nowak  ANNA\" -o " +
                           P("anna.ics") + " --from 2026-10-22 --weeks 3");
  ASSERT_EQ(w.Kod, 0) << w.Bledy;
  EXPECT_EQ(w.Wyjscie, "wrote " + P("anna.ics") + "\n");
  const std::map<std::string, std::string> kDaty = {{"Poniedziałek", "2026-10-26"},
                                                    {"Wtorek", "2026-10-27"},
                                                    {"Środa", "2026-10-28"},
                                                    {"Czwartek", "2026-10-22"},
                                                    {"Piątek", "2026-10-23"}};
  int zdarzenia = 0;
  for (const std::string& l : Linie(Sprawdz("ics", P("anna.ics")).Wyjscie)) {
    if (l.rfind("EVENT", 0) != 0) continue;
    const auto p = Pola(l);
    ++zdarzenia;
    EXPECT_EQ(p[3], "FREQ=WEEKLY;COUNT=3");
    const std::string dzien = p[6].substr(0, p[6].find(','));
    EXPECT_EQ(p[1].substr(0, 10), kDaty.at(dzien)) << l;
    // Summer time ends on 25 October.
    EXPECT_EQ(p[1].substr(19, 6), dzien == "Czwartek" || dzien == "Piątek" ? "+02:00" : "+01:00");
  }
  EXPECT_EQ(zdarzenia, 8);
}

// Against the previous export, a duty the plan no longer has is cancelled
// under its UID, with a higher SEQUENCE, in the teacher's own file.
TEST_F(Eksport, CalendarsCancelWhatThePreviousPlanHadAndEndOnTheGivenDay) {
  const std::string plan = Wypelniony(), czesc = P("czesc.vlm");
  ASSERT_EQ(Uruchom("fill " + Demo("demo.vlm") + " --regions 0-2 -o " + czesc).Kod, 0);
  const auto eksport = [&](const std::string& folder_, const std::string& reszta,
                           const std::string& czas) {
    std::filesystem::create_directory(folder / folder_);
    EXPECT_EQ(
        Uruchom("export " + reszta + " --format ics -o " + P(folder_), "SOURCE_DATE_EPOCH=" + czas)
            .Kod,
        0);
    std::string lista;
    for (const std::string& p : PlikiFolderu(folder / folder_))
      lista.append(" ").append(P(folder_ + "/" + p));
    return Wydarzenia(Sprawdz("ics-ids", lista).Wyjscie);
  };
  const auto stare = eksport("stare", plan, "1780000000");
  const auto nowe = eksport("nowe", czesc, "1790000000");
  const auto razem = eksport("razem", czesc + " --previous " + plan, "1790000000");
  int odwolane = 0;
  for (const auto& [uid, w] : razem) {
    if (w.Stan == "-") {
      ASSERT_TRUE(nowe.count(uid)) << uid;
      EXPECT_EQ(nowe.at(uid).Plik, w.Plik);
      continue;
    }
    ++odwolane;
    EXPECT_EQ(w.Stan, "CANCELLED");
    ASSERT_TRUE(stare.count(uid) && !nowe.count(uid)) << uid;
    EXPECT_EQ(stare.at(uid).Plik, w.Plik);
    EXPECT_GT(std::stoll(w.Sekwencja), std::stoll(stare.at(uid).Sekwencja));
  }
  EXPECT_EQ(razem.size() - static_cast<size_t>(odwolane), nowe.size());
  for (const auto& [uid, w] : stare) EXPECT_TRUE(razem.count(uid)) << uid;
  EXPECT_GT(odwolane, 0);

  // --until in winter time: the Friday duties last fall on that Friday.
  ASSERT_EQ(Uruchom("export " + plan +
                    " --format ics --teacher \"Nowak Anna\" --until 2026-10-30 -o " + P("a.ics"))
                .Kod,
            0);
  std::set<std::string> ostatnie;
  for (const auto& [uid, w] : Wydarzenia(Sprawdz("ics-ids", P("a.ics")).Wyjscie))
    ostatnie.insert(w.Ostatni);
  EXPECT_EQ(*ostatnie.rbegin(), "2026-10-30");
  EXPECT_GT(*ostatnie.begin(), "2026-10-23");
}

TEST_F(Eksport, TablesAndTheModelReadBackAsShowPrintsThem) {
  const std::string plan = Wypelniony();
  // For a spreadsheet: show's views with empty cells empty, the limits
  // window's "8 (5)" as numbers in columns of their own.
  const auto csv = [&](const std::string& widok, const std::string& excel = "") {
    const std::string plik = P(widok + (excel.empty() ? "" : "-excel") + ".csv");
    EXPECT_EQ(
        Uruchom("export " + plan + " --format csv --view " + widok + excel + " -o " + plik).Kod, 0);
    return Linie(Sprawdz(excel.empty() ? "csv" : "excel", plik).Wyjscie);
  };
  for (const std::string widok : {"duty", "teachers", "loads"}) {
    std::vector<std::string> oczekiwane;
    for (const std::string& l : Linie(Pokaz(plan, widok)))
      oczekiwane.push_back(std::regex_replace(l, std::regex("\\.\\.\\.\\.\\."), ""));
    EXPECT_EQ(csv(widok), oczekiwane) << widok;
  }
  std::vector<std::string> limity;
  const std::regex liczby(R"((.*) \((\d+)\)\t(\d+) \((\d+)\)\t(\d+) \((\d+)\)\t(\d*))");
  for (const std::string& l : Linie(Pokaz(plan, "limits"))) {
    std::smatch m;
    if (!std::regex_match(l, m, liczby)) continue;  // the header
    limity.push_back(m[1].str() + "\t" + m[2].str() + "\t" + m[3].str() + "\t" + m[4].str() + "\t" +
                     m[5].str() + "\t" + m[6].str() + "\t" + (m[7].length() ? m[7].str() : "0"));
  }
  const std::vector<std::string> wLimitach = csv("limits");
  ASSERT_EQ(limity.size(), 35u);
  EXPECT_EQ(std::vector<std::string>(wLimitach.begin() + 1, wLimitach.end()), limity);
  // One duty per row: each in the teachers' view, their sums the loads.
  std::map<std::string, std::vector<std::string>> nauczyciele;
  const std::vector<std::string> wiersze = Linie(Pokaz(plan, "teachers"));
  for (const std::string& l : wiersze) nauczyciele[Pola(l)[0]] = Pola(l);
  const std::vector<std::string> nazwiska = Pola(wiersze[0]);
  const std::map<std::string, std::string> kSkroty = {{"Poniedziałek", "Pon"},
                                                      {"Wtorek", "Wto"},
                                                      {"Środa", "Śro"},
                                                      {"Czwartek", "Czw"},
                                                      {"Piątek", "Pią"}};
  std::map<std::string, std::pair<int, int>> sumy, obciazenia;
  const std::vector<std::string> dyzury = csv("duties");
  EXPECT_EQ(dyzury[0], "Nazwisko\tImię\tDzień\tPrzerwa\tPoczątek\tKoniec\tRejon\tMinuty");
  for (size_t i = 1; i < dyzury.size(); ++i) {
    const auto p = Pola(dyzury[i]);
    ASSERT_EQ(p.size(), 8u) << dyzury[i];
    const auto& wiersz = nauczyciele.at(kSkroty.at(p[2]) + " " + p[3]);
    const auto kolumna = std::find(nazwiska.begin(), nazwiska.end(), p[0]) - nazwiska.begin();
    EXPECT_EQ(wiersz.at(static_cast<size_t>(kolumna)), p[6]) << dyzury[i];
    EXPECT_EQ(Minuty("0000-00-00T" + p[5]) - Minuty("0000-00-00T" + p[4]), std::stoi(p[7]));
    sumy[p[1] + " " + p[0]].first += 1;
    sumy[p[1] + " " + p[0]].second += std::stoi(p[7]);
  }
  for (const std::string& l : Linie(Pokaz(plan, "loads"))) {
    const auto p = Pola(l);
    if (p[1] != "0" && p[0] != "Nauczyciel") obciazenia[p[0]] = {std::stoi(p[1]), std::stoi(p[2])};
  }
  EXPECT_EQ(sumy, obciazenia);
  EXPECT_EQ(csv("duties", " --excel"), dyzury);
  ASSERT_EQ(Uruchom("export " + plan + " --format json -o " + P("plan.json")).Kod, 0);
  const std::string json = Sprawdz("json", P("plan.json")).Wyjscie;
  EXPECT_EQ(json.rfind("START 2026-09-07\n" + Pokaz(plan, "duty") + Pokaz(plan, "loads"), 0), 0u)
      << json;
  EXPECT_NE(json.find("REGION\tI piętro\t#C0E0FF\t101, 102, 103, 104, 105, 106, sala komp.\n"),
            std::string::npos);
  EXPECT_NE(json.find("MOMENT\tprzed 10:50-11:35\t15\tTrue\n"), std::string::npos);
  EXPECT_NE(json.find("\"oneLongBreakADay\": true"), std::string::npos);
  EXPECT_NE(json.find("TIMES\t07:50-08:00\t08:45-08:55\t"), std::string::npos);
  // The check's findings name moments, regions and teachers by the same indices.
  std::ofstream(folder / "check.json") << Uruchom("check " + plan + " --format json").Wyjscie;
  const std::string z = Sprawdz("check", P("plan.json") + " " + P("check.json")).Wyjscie;
  EXPECT_TRUE(std::regex_search(z, std::regex("JOINED\t[1-9]\\d*\t[1-9]\\d*\t[1-9]\\d*\n"))) << z;

  ASSERT_EQ(
      Uruchom("export " + plan + " --format html --school \"SP 5 & <Kraków>\" -o " + P("plan.html"),
              "SOURCE_DATE_EPOCH=1797242400")
          .Kod,
      0);
  const std::vector<std::string> html = Linie(Sprawdz("html", P("plan.html")).Wyjscie);
  EXPECT_EQ(html.back(), "HEAD\tSP 5 & <Kraków>\tOd 07.09.2026. Stan na 14.12.2026.");
  EXPECT_EQ(html[0], "PRINT True");
  EXPECT_EQ(html[3].rfind("COLOURS\tbackground: #E0E0E0; color: #000000\t", 0), 0u) << html[3];
  EXPECT_EQ(TabelaStrony(Sprawdz("html", P("plan.html")).Wyjscie), Pokaz(plan, "duty"));
  EXPECT_NE(Sprawdz("html", P("plan.html")).Wyjscie.find("TIMES\t(7:50–8:00)\t(8:45–8:55)\t"),
            std::string::npos);
  // A block per teacher with duties, with the loads' sums, in Polish alphabetical
  // order (Dąbrowski before Dudek); one for the rest.
  std::vector<std::string> bloki, oczekiwane;
  for (const std::string& l : html)
    if (l.rfind("BLOCK", 0) == 0) bloki.push_back(l);
  for (const std::string& l : Linie(Pokaz(plan, "loads"))) {
    const auto p = Pola(l);  // "Imie Nazwisko", duties, minutes, both limits
    const std::string nazwa =
        p[0].substr(p[0].find(' ') + 1) + " " + p[0].substr(0, p[0].find(' '));
    if (p[1] != "0" && p[0] != "Nauczyciel")
      oczekiwane.push_back("BLOCK\t" + nazwa + "\t" + p[1] + "\t" + p[2] + "\tRazem dyżurów: " +
                           p[1] + " (limit " + p[3] + ") " + p[2] + " (limit " + p[4] + ")");
  }
  oczekiwane.push_back(
      "BLOCK\tBez dyżurów\tKwiatkowski Michał, Lewandowski Marek, Mazur Magdalena, Piotrowski "
      "Jan, Zielińska Agnieszka");
  ASSERT_EQ(bloki.size(), oczekiwane.size());
  EXPECT_EQ(bloki.back(), oczekiwane.back());
  std::vector<std::string> pierwsze;
  for (size_t i = 0; i < 5; ++i) pierwsze.push_back(Pola(bloki[i])[1]);
  EXPECT_EQ(pierwsze,
            (std::vector<std::string>{"Adamczyk Rafał", "Baran Grażyna", "Dąbrowski Krzysztof",
                                      "Dudek Teresa", "Grabowska Elżbieta"}));
  std::sort(bloki.begin(), bloki.end());
  std::sort(oczekiwane.begin(), oczekiwane.end());
  EXPECT_EQ(bloki, oczekiwane);
  EXPECT_EQ(html[1], "SECTIONS " + std::to_string(oczekiwane.size() + 1));
}

// A plan of two weeks with a period labelled without a time, one at
// midnight, a break of no minutes, namesakes and names full of the signs
// each format escapes.
TEST_F(Eksport, OddNamesAndPeriodsSurviveEveryFormat) {
  using velmor::Utf8DoCp1250;
  velmor::TDokument d;
  d.Dni.Dni.assign(9, {});
  const std::vector<std::pair<int, const char*>> lekcje = {
      {0, "8:00-8:45"}, {0, "lekcja 2"}, {1, "0:05-0:50"}, {7, "9:00-9:45"}, {8, "10:00-10:45"}};
  for (const auto& [dzien, nazwa] : lekcje) d.Dni.Dni[dzien].Godziny.push_back({nazwa});
  d.Dni.DataPoczatku = *velmor::ZakodujDate(2026, 9, 7);
  d.Dni.Przelicz();
  d.Momenty.ZmienRozmiar(5);
  const int minuty[] = {10, 15, 10, 0, 5};
  for (int s = 0; s < 5; ++s) {
    d.Momenty[s].Nazwa = Utf8DoCp1250("przed " + std::to_string(s + 1) + " żółć");
    d.Momenty[s].Minuty = static_cast<uint8_t>(minuty[s]);
  }
  d.Sale.ZmienRozmiar(2);
  d.Sale[0].Nazwa = "Sala A";
  d.Sale[1].Nazwa = Utf8DoCp1250("Sala B, \"mała\"");
  const std::string hol = "Hol, \"główny\"; A\\B — źdźbło żółć gęślą jaźń, łąka";
  d.Rejony.ZmienRozmiar(2);
  d.Rejony[0].Nazwa = Utf8DoCp1250(hol);
  d.Rejony[0].Kolor = 0x00336699;
  d.Rejony[0].SaleRejonu = {0, 1};
  d.Rejony[1].Nazwa = Utf8DoCp1250("Boisko <B> &\npółnocne");
  d.Nauczyciele.ZmienRozmiar(3);
  for (int t = 0; t < 3; ++t) {
    d.Nauczyciele[t].Nazwisko = Utf8DoCp1250(t < 2 ? "Żak-O'Brien" : "Ćwik");
    d.Nauczyciele[t].Imie = Utf8DoCp1250(t < 2 ? "Zoë" : "Łukasz");
    d.Nauczyciele[t].Dyspozycja.Pozycje.resize(5);
  }
  d.Nauczyciele[0].Dyspozycja[4].Zakaz = 1;
  d.Dyzury.ZmienRozmiar(2, 5);
  d.Dyzury.UstawWszystkie(velmor::kBrak);
  for (int s = 0; s < 5; ++s) d.Dyzury.UstawDyzurnego(0, s, 0);
  d.Dyzury.UstawDyzurnego(1, 0, 1);
  d.Dyzury.UstawDyzurnego(1, 1, velmor::kZamkniete);
  ASSERT_TRUE(d.ZapiszPlik(folder / "dziwny.vlm"));
  const std::string plan = P("dziwny.vlm");

  std::filesystem::create_directory(folder / "k");
  ASSERT_EQ(Uruchom("export " + plan + " --format ics --weeks 3 -o " + P("k")).Kod, 0);
  ASSERT_EQ(PlikiFolderu(folder / "k"),
            (std::vector<std::string>{"Zak-O_Brien_Zoe-2.ics", "Zak-O_Brien_Zoe.ics"}));
  // Week A's duties repeat in weeks 1 and 3, week B's in week 2.
  const std::string w = " Europe/Warsaw\t", z = "\tDyżur: " + hol + "\t" + hol + "\t",
                    a = "FREQ=WEEKLY;COUNT=2;INTERVAL=2" + z,
                    b = "FREQ=WEEKLY;COUNT=1;INTERVAL=2" + z,
                    sale = " min. Sale: Sala A, Sala B, \"mała\"\n";
  EXPECT_EQ(Sprawdz("ics", P("k/Zak-O_Brien_Zoe.ics")).Wyjscie,
            "FILE Zak-O_Brien_Zoe.ics\nCAL Dyżury: Zoë Żak-O'Brien\n"
            "EVENT\t2026-09-07T07:50:00+02:00" +
                w + "2026-09-07T08:00:00+02:00" + w + a + "Poniedziałek, przed 1 żółć, 10" + sale +
                "EVENT\t2026-09-07\t2026-09-08\t" + a + "Poniedziałek, przed 2 żółć, 15" + sale +
                "EVENT\t2026-09-07T23:55:00+02:00" + w + "2026-09-08T00:05:00+02:00" + w + a +
                "Wtorek, przed 3 żółć, 10" + sale + "EVENT\t2026-09-14T09:00:00+02:00" + w + "-\t" +
                b + "Poniedziałek, przed 4 żółć, 0" + sale + "EVENT\t2026-09-15T09:55:00+02:00" +
                w + "2026-09-15T10:00:00+02:00" + w + b + "Wtorek, przed 5 żółć, 5" + sale);
  EXPECT_NE(
      Sprawdz("ics", P("k/Zak-O_Brien_Zoe-2.ics")).Wyjscie.find("\tDyżur: Boisko <B> &⏎północne\t"),
      std::string::npos);
  // To a Monday in winter time: the break at 23:55 still falls on it.
  std::filesystem::create_directory(folder / "k2");
  ASSERT_EQ(Uruchom("export " + plan + " --format ics --until 2026-11-30 -o " + P("k2")).Kod, 0);
  std::vector<std::string> ostatnie;
  for (const std::string& l : Linie(Sprawdz("ics-ids", P("k2/Zak-O_Brien_Zoe.ics")).Wyjscie))
    if (l.rfind("ID", 0) == 0) ostatnie.push_back(Pola(l)[4]);
  EXPECT_EQ(ostatnie, (std::vector<std::string>{"2026-11-30", "2026-11-30", "2026-11-30",
                                                "2026-11-23", "2026-11-24"}));
  const TWynik dwaj =
      Uruchom("export " + plan + " --format ics --teacher \"Żak-O'Brien Zoë\" -o " + P("zoe.ics"));
  EXPECT_EQ(dwaj.Kod, 2);
  EXPECT_FALSE(std::filesystem::exists(folder / "zoe.ics"));

  velmor::TDokument odczyt;
  ASSERT_TRUE(odczyt.OtworzPlik(plan, velmor::kRodzajPlanDyzurow));
  const std::string dyzury = JakWypisze(velmor::WidokDyzurow(odczyt));
  ASSERT_EQ(Uruchom("export " + plan + " --format csv -o " + P("d.csv")).Kod, 0);
  const std::string arkusz = JakWypisze(velmor::WidokDyzurow(odczyt, velmor::TPostac::Arkusz));
  EXPECT_EQ(Sprawdz("csv", P("d.csv")).Wyjscie, arkusz);
  ASSERT_EQ(Uruchom("export " + plan + " --format csv --excel -o " + P("e.csv")).Kod, 0);
  EXPECT_EQ(Sprawdz("excel", P("e.csv")).Wyjscie, arkusz);
  ASSERT_EQ(Uruchom("export " + plan + " --format json -o " + P("d.json")).Kod, 0);
  const std::string json = Sprawdz("json", P("d.json")).Wyjscie;
  EXPECT_EQ(json.rfind("START 2026-09-07\n" + dyzury, 0), 0u) << json;
  EXPECT_NE(json.find("BANS\tŻak-O'Brien\tZoë\t4\n"), std::string::npos);
  EXPECT_NE(json.find("TIMES\t07:50-08:00\t\t23:55-00:05\t09:00-09:00\t09:55-10:00\n"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("REGION\t" + hol + "\t#996633\tSala A, Sala B, \"mała\"\n"),
            std::string::npos);
  ASSERT_EQ(Uruchom("export " + plan + " --format html -o " + P("d.html")).Kod, 0);
  const std::string html = Sprawdz("html", P("d.html")).Wyjscie;
  EXPECT_NE(html.find("COLOURS\tbackground: #996633; color: #FFFFFF\t"), std::string::npos);
  EXPECT_NE(html.find("BLOCK\tBez dyżurów\tĆwik Łukasz\n"), std::string::npos);
  // Clock times where the label gives them, across midnight too.
  EXPECT_NE(html.find("TIMES\t(7:50–8:00)\t\t(23:55–0:05)\t(9:00)\t(9:55–10:00)\n"),
            std::string::npos)
      << html;
  EXPECT_EQ(TabelaStrony(html), dyzury);
}

TEST_F(Eksport, ErrorsHaveTheirExitCodesAndWriteNothing) {
  const std::string plan = Demo("demo.vlm");
  const TWynik literowka =
      Uruchom("export " + plan + " --format ics --teacher \"Nowk Ana\" -o " + P("x.ics"));
  EXPECT_EQ(literowka.Kod, 2);
  EXPECT_NE(literowka.Bledy.find("\"Nowk Ana\"; podobni:\n  Nowak Anna\n"), std::string::npos)
      << literowka.Bledy;
  const std::vector<std::string> linie = Linie(literowka.Bledy);
  EXPECT_LE(
      std::count_if(linie.begin(), linie.end(), [](auto& l) { return l.rfind("  ", 0) == 0; }), 5);
  const TWynik obcy = Uruchom("export " + plan + " --format ics --teacher Qqqqq -o " + P("x.ics"));
  EXPECT_EQ(obcy.Kod, 2);
  EXPECT_EQ(obcy.Bledy.find("podobni"), std::string::npos);

  EXPECT_EQ(Uruchom("export " + plan + " --format ics -o " + P("brak")).Kod, 3);
  EXPECT_EQ(Uruchom("export " + plan + " --format html -o " + P("brak/plan.html")).Kod, 3);
  EXPECT_EQ(Uruchom("export " + plan + " --format json -o " + P("brak/plan.json")).Kod, 3);
  EXPECT_EQ(Uruchom("export " + P("brak.vlm") + " --format json -o " + P("plan.json")).Kod, 1);
  const TWynik pdf =
      Uruchom("export " + plan + " --format pdf -o " + P("plan.pdf"), "VELMOR_GUI=/nie/ma/velmor");
  EXPECT_EQ(pdf.Kod, 2);
  EXPECT_EQ(pdf.Bledy.rfind("velmor-cli: pdf: ", 0), 0u) << pdf.Bledy;
  for (const std::string zle :
       {"--format xml", "--format csv --teacher \"Nowak Anna\"", "--format ics --view loads",
        "--format csv --view x", "--format ics --from 2026-02-30", "--format ics --weeks 0",
        "--format html --weeks 2", "--format html --teachers x", "--format json",
        "--format ics --weeks 2 --until 2027-01-01", "--format ics --until 2026-09-01",
        "--format json --excel", "--format csv --school X", "--format pdf --view duties"}) {
    const std::string o = zle == "--format json" ? "" : " -o " + P("x");
    EXPECT_EQ(Uruchom("export " + plan + " " + zle + o).Kod, 2) << zle;
  }
  std::ofstream(folder / "zly.txt") << "\"AK\n";
  EXPECT_EQ(Uruchom("export " + plan + " --format gpu009 --teachers " + P("zly.txt") + " -o " +
                    P("GPU009.TXT"))
                .Kod,
            1);
  std::filesystem::remove(folder / "zly.txt");
  EXPECT_EQ(PlikiFolderu(folder), std::vector<std::string>{});
}

// The PDF comes from the gui program's print mode, through the windows' own
// page layout; a folder that does not exist is exit 3 and leaves nothing.
TEST_F(Eksport, PdfOfAViewThroughTheGuiProgram) {
#ifndef VELMOR_GUI_PROGRAM
  GTEST_SKIP() << "built without the gui program";
#else
  const std::string plan = Demo("demo.vlm"), gui = "VELMOR_GUI=" + Miejsce(VELMOR_GUI_PROGRAM);
  ASSERT_EQ(Uruchom("export " + plan + " --format pdf --view teachers -o " + P("n.pdf"), gui).Kod,
            0);
#ifdef _WIN32
  // No pdfinfo under Wine: a PDF with at least one page object.
  const std::string pdf = Tekst(folder / "n.pdf");
  EXPECT_TRUE(pdf.starts_with("%PDF-") && pdf.find("/Type /Page\n") != std::string::npos);
#else
  EXPECT_EQ(std::system(("pdfinfo " + P("n.pdf") + " | grep -q '^Pages: *[1-9]'").c_str()), 0);
#endif
  EXPECT_EQ(Uruchom("export " + plan + " --format pdf -o " + P("brak/plan.pdf"), gui).Kod, 3);
  EXPECT_FALSE(std::filesystem::exists(P("brak")));
#endif
}

// The export sizes the columns to their texts and fits the page width: on the
// filled demo every cell's text prints whole on one line of one page, inside
// its cell and its column, with no grid letters or row numbers; no page holds
// a lone column, and the duty view takes a single page across.
TEST_F(Eksport, PdfPrintsEveryTextWholeWithinItsColumn) {
#if !defined(VELMOR_GUI_PROGRAM) || defined(_WIN32)
  GTEST_SKIP() << "needs the gui program and poppler's pdftotext";
#else
  const std::string plan = Wypelniony(), gui = "VELMOR_GUI=" + Miejsce(VELMOR_GUI_PROGRAM);
  for (const std::string widok : {"duty", "teachers", "loads", "limits"}) {
    SCOPED_TRACE(widok);
    const std::string pdf = P(widok + ".pdf"), tabela = P(widok + ".tsv");
    ASSERT_EQ(Uruchom("export " + plan + " --format pdf --view " + widok + " -o " + pdf, gui).Kod,
              0);
    const std::string tekst = Drukowana(widok, Pokaz(plan, widok));
    std::ofstream(tabela, std::ios::binary) << tekst;
    const size_t kolumn = Pola(Linie(tekst)[0]).size();
    int stron = 0;
    for (const std::string& l : Linie(Sprawdz("pdf", pdf + " " + tabela).Wyjscie)) {
      std::smatch m;  // PAGE n ROWS a-b COLUMNS c-d
      if (!std::regex_match(l, m, std::regex("PAGE \\d+ ROWS \\d+-\\d+ COLUMNS (\\d+)-(\\d+)")))
        continue;
      ++stron;
      EXPECT_LT(std::stoul(m[1]), std::stoul(m[2])) << l;
      if (widok == "duty") {
        EXPECT_EQ(m[2], std::to_string(kolumn - 1)) << l;
      }
    }
    EXPECT_GE(stron, 1);
  }
#endif
}
