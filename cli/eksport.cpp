// velmor-cli export: the plan as calendars, a page, a table, JSON or PDF.
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "cli/argumenty.h"
#include "cli/polecenia.h"
#include "cli/system.h"
#include "core/archive/bledy.h"
#include "core/archive/cp1250.h"
#include "core/archive/nowe_pliki.h"
#include "core/archive/sciezka.h"
#include "core/eksport/csv.h"
#include "core/eksport/html.h"
#include "core/eksport/ical.h"
#include "core/eksport/json.h"
#include "core/eksport/nazwy.h"
#include "core/eksport/tabele.h"
#include "core/eksport/wspolne.h"
#include "core/model/data.h"

namespace velmor::cli {
namespace {

namespace fs = std::filesystem;

int Liczba(const std::string& tekst) {
  int x = 0;
  const auto [koniec, blad] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), x);
  return blad == std::errc() && koniec == tekst.data() + tekst.size() ? x : -1;
}

// "YYYY-MM-DD".
double Data(const std::string& tekst) {
  std::optional<double> data;
  if (tekst.size() == 10 && tekst[4] == '-' && tekst[7] == '-')
    data = ZakodujDate(Liczba(tekst.substr(0, 4)), Liczba(tekst.substr(5, 2)),
                       Liczba(tekst.substr(8, 2)));
  if (!data) throw EUzycie("--from przyjmuje datę RRRR-MM-DD: " + tekst);
  return *data;
}

// DTSTAMP: now, or SOURCE_DATE_EPOCH for output that is the same each run.
std::time_t Znacznik() {
  if (const char* e = std::getenv("SOURCE_DATE_EPOCH")) {
    long long s = 0;
    const std::string t = e;
    const auto [koniec, blad] = std::from_chars(t.data(), t.data() + t.size(), s);
    if (blad == std::errc() && koniec == t.data() + t.size() && s >= 0)
      return static_cast<std::time_t>(s);
  }
  return std::time(nullptr);
}

// What an export's error names: its one file, or the folder of its files.
std::string Cel(const std::vector<fs::path>& nazwy) {
  if (nazwy.empty()) return {};
  return Utf8Sciezki(nazwy.size() == 1 ? nazwy[0] : nazwy[0].parent_path());
}

// Writes the files, all or none; error 3 when that fails.
int ZapiszPliki(TNowePliki& pliki, const std::vector<fs::path>& nazwy, std::ostream& wyjscie) {
  try {
    pliki.Zatwierdz();
  } catch (const EStrumien&) {
    EOrvelError blad(3, SzczegolPorazki(Cel(nazwy)));
    return kBladZapisu;
  }
  for (const fs::path& n : nazwy) wyjscie << "wrote " << Utf8Sciezki(n) << '\n';
  return kSukces;
}

int ZapiszPlik(const fs::path& wynik, const std::string& tresc, std::ostream& wyjscie) {
  TNowePliki pliki;
  try {
    pliki.Dodaj(wynik, tresc);
  } catch (const EStrumien&) {
    EOrvelError blad(3, SzczegolPorazki(Utf8Sciezki(wynik)));
    return kBladZapisu;
  }
  return ZapiszPliki(pliki, {wynik}, wyjscie);
}

int Kalendarze(const TModele& m, const TArgumenty& a, const fs::path& wynik,
               std::ostream& wyjscie) {
  TUstawieniaIcal u;
  if (const auto od = a.Opcja("--from")) u.Od = Data(*od);
  if (const auto tygodnie = a.Opcja("--weeks")) {
    u.Tygodnie = Liczba(*tygodnie);
    if (u.Tygodnie < 1 || u.Tygodnie > 10000)
      throw EUzycie("--weeks przyjmuje liczbę tygodni od 1 do 10000: " + *tygodnie);
  }
  u.Znacznik = Znacznik();
  try {
    if (const auto kto = a.Opcja("--teacher")) {
      const std::vector<int> znalezieni = ZnajdzNauczycieli(m, *kto);
      if (znalezieni.empty()) {
        std::string podobni;
        for (const std::string& n : PodobniNauczyciele(m, *kto)) podobni += "\n  " + n;
        throw EUzycie("nie ma nauczyciela \"" + *kto + "\"" +
                      (podobni.empty() ? "" : "; podobni:" + podobni));
      }
      if (znalezieni.size() > 1)
        throw EUzycie("\"" + *kto + "\" nazywa się " + std::to_string(znalezieni.size()) +
                      " nauczycieli; bez --teacher każdy dostaje swój plik");
      return ZapiszPlik(wynik, KalendarzNauczyciela(m, znalezieni[0], u), wyjscie);
    }
    std::error_code bladFolderu;
    if (!fs::is_directory(wynik, bladFolderu)) {
      EOrvelError zapis(3, Utf8Sciezki(wynik) + ": nie ma takiego folderu");
      return kBladZapisu;
    }
    TNowePliki pliki;
    std::vector<fs::path> nazwy;
    try {
      for (const auto& [nazwa, tresc] : KalendarzeNauczycieli(m, wynik, u)) {
        nazwy.push_back(nazwa);
        pliki.Dodaj(nazwa, tresc);
      }
    } catch (const EStrumien&) {
      EOrvelError blad(3, SzczegolPorazki(Utf8Sciezki(wynik)));
      return kBladZapisu;
    }
    if (nazwy.empty()) std::cerr << "velmor-cli: w planie nie ma dyżurów, nie zapisano plików\n";
    return ZapiszPliki(pliki, nazwy, wyjscie);
  } catch (const std::out_of_range&) {
    throw EUzycie("daty dyżurów wychodzą poza lata 1-9999");
  }
}

}  // namespace

int Eksportuj(const std::vector<std::string>& argumenty, std::ostream& wyjscie) {
  const TArgumenty a(argumenty, {"--format", "-o", "--teacher", "--view", "--from", "--weeks"}, {});
  const std::string plan = JedenPlik(a), format = Wymagana(a, "--format"),
                    wynik = Wymagana(a, "-o");
  if (format != "ics" && format != "html" && format != "csv" && format != "json" && format != "pdf")
    throw EUzycie("nieznany format: " + format);
  if (format != "ics")
    for (const char* opcja : {"--teacher", "--from", "--weeks"})
      if (a.Opcja(opcja)) throw EUzycie(std::string(opcja) + " tylko z --format ics");
  const std::string widok = a.Opcja("--view").value_or("duty");
  if (a.Opcja("--view") && format != "csv" && format != "pdf")
    throw EUzycie("--view tylko z --format csv albo pdf");
  if (!ZnanyWidok(widok)) throw EUzycie("nieznany widok: " + widok);

  TDokument d;
  if (!d.OtworzPlik(SciezkaZUtf8(plan), kRodzajPlanDyzurow)) return kBladOdczytu;
  const fs::path cel = SciezkaZUtf8(wynik);
  if (format == "ics") return Kalendarze(d, a, cel, wyjscie);
  if (format == "html") return ZapiszPlik(cel, PlanHtml(d), wyjscie);
  if (format == "csv") return ZapiszPlik(cel, JakoCsv(Widok(d, widok)), wyjscie);
  if (format == "json") return ZapiszPlik(cel, PlanJson(d), wyjscie);
  return EksportPdf(plan, widok, wynik);
}

// The PDF is printed by the gui program's print mode, through the windows'
// own page layout; velmor-cli itself stays on the core. The program is
// VELMOR_GUI, or velmor beside velmor-cli (installed) or in ../gui (the build
// tree), or velmor on the PATH.
int EksportPdf(const std::string& plan, const std::string& widok, const std::string& wynik) {
  std::string program = "velmor";
  if (const std::optional<std::string> zmienna = ZmiennaSrodowiska("VELMOR_GUI");
      zmienna && !zmienna->empty()) {
    program = *zmienna;
  } else if (const fs::path tutaj = FolderProgramu(); !tutaj.empty()) {
    for (const fs::path& kandydat :
         {tutaj / kPlikProgramuGui, tutaj / ".." / "gui" / kPlikProgramuGui})
      if (std::error_code b; fs::is_regular_file(kandydat, b)) {
        program = Utf8Sciezki(kandydat);
        break;
      }
  }
  std::cout.flush();
  const int kod = UruchomIZaczekaj({program, "--print", plan, "--view", widok, "-o", wynik});
  if (kod < 0) return kBladZapisu;
  if (kod == 127) {
    std::cerr << "velmor-cli: pdf: nie można uruchomić " << program
              << " (program velmor drukuje PDF; wskaż go zmienną VELMOR_GUI)\n";
    return kBladUzycia;
  }
  return kod;
}

}  // namespace velmor::cli
