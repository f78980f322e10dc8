// velmor-cli export: the plan as calendars, a page, a table, JSON or PDF.
#include <charconv>
#include <cmath>
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
#include "core/eksport/formaty.h"
#include "core/eksport/gpu009.h"
#include "core/eksport/ical.h"
#include "core/eksport/nazwy.h"
#include "core/eksport/tabele.h"
#include "core/eksport/wspolne.h"
#include "core/model/data.h"

namespace velmor::cli {
namespace {

namespace fs = std::filesystem;

// The moment of the export (DTSTAMP) and its day (the page's "as of"): now,
// or SOURCE_DATE_EPOCH for output that is the same each run.
struct TChwila {
  std::time_t Czas;
  double Dzien;
};

TChwila Teraz() {
  if (const char* e = std::getenv("SOURCE_DATE_EPOCH")) {
    long long s = 0;
    const std::string t = e;
    const auto [koniec, blad] = std::from_chars(t.data(), t.data() + t.size(), s);
    if (blad == std::errc() && koniec == t.data() + t.size() && s >= 0)
      return {static_cast<std::time_t>(s), 25569.0 + static_cast<double>(s / 86400)};
  }
  return {std::time(nullptr), Dzisiaj()};
}

// The files, all or none; error 3, naming the target, when that fails.
int Zapisz(const TPlikiEksportu& pliki, const fs::path& cel, std::ostream& wyjscie) {
  try {
    ZapiszRazem(pliki);
  } catch (const EStrumien&) {
    EOrvelError blad(3, SzczegolPorazki(Utf8Sciezki(cel)));
    return kBladZapisu;
  }
  for (const auto& plik : pliki) wyjscie << "wrote " << Utf8Sciezki(plik.first) << '\n';
  return kSukces;
}

void SprawdzOpcje(const TArgumenty& a, const TFormatEksportu& f) {
  if (!f.Kalendarz)
    for (const char* opcja : {"--teacher", "--from", "--weeks", "--until", "--previous"})
      if (a.Opcja(opcja))
        throw EUzycie(
            std::string(opcja) + " tylko z --format " +
            NazwyFormatow(" albo ", [](const TFormatEksportu& g) { return g.Kalendarz; }));
  if (a.Opcja("--weeks") && a.Opcja("--until")) throw EUzycie("--weeks albo --until, nie oba");
  const std::string_view nazwa = f.Nazwa;
  if (a.Opcja("--teachers") && nazwa != "gpu009")
    throw EUzycie("--teachers tylko z --format gpu009");
  if (a.Flaga("--excel") && nazwa != "csv") throw EUzycie("--excel tylko z --format csv");
  if (a.Opcja("--school") && nazwa != "html") throw EUzycie("--school tylko z --format html");
  if (a.Opcja("--view") && !f.ZWidokiem)
    throw EUzycie("--view tylko z --format " +
                  NazwyFormatow(" albo ", [](const TFormatEksportu& g) { return g.ZWidokiem; }));
  const std::string widok = a.Opcja("--view").value_or("duty");
  if (!ZnanyWidok(widok)) throw EUzycie("nieznany widok: " + widok);
  if (!f.Pisz && !WidokOkna(widok)) throw EUzycie("widok " + widok + " tylko z --format csv");
}

TUstawieniaIcal UstawieniaKalendarza(const TArgumenty& a, std::time_t czas) {
  TUstawieniaIcal u;
  if (const auto od = a.Opcja("--from")) u.Od = DataOpcji("--from", *od);
  if (const auto tygodnie = a.Opcja("--weeks")) {
    u.Tygodnie = Calkowita(*tygodnie);
    if (u.Tygodnie < 1 || u.Tygodnie > 10000)
      throw EUzycie("--weeks przyjmuje liczbę tygodni od 1 do 10000: " + *tygodnie);
  }
  if (const auto koniec = a.Opcja("--until")) u.Do = DataOpcji("--until", *koniec);
  u.Znacznik = czas;
  return u;
}

}  // namespace

int Eksportuj(const std::vector<std::string>& argumenty, std::ostream& wyjscie) {
  const TArgumenty a(argumenty,
                     {"--format", "-o", "--teacher", "--view", "--from", "--weeks", "--until",
                      "--previous", "--teachers", "--school"},
                     {"--excel"});
  const std::string plan = JedenPlik(a), nazwa = Wymagana(a, "--format"), wynik = Wymagana(a, "-o");
  const TFormatEksportu* f = FormatEksportu(nazwa);
  if (!f) throw EUzycie("nieznany format: " + nazwa);
  SprawdzOpcje(a, *f);
  const TChwila teraz = Teraz();
  TUstawieniaEksportu u;
  u.Widok = a.Opcja("--view").value_or("duty");
  u.Excel = a.Flaga("--excel");
  u.Szkola = a.Opcja("--school").value_or("");
  u.Stan = teraz.Dzien;
  if (f->Kalendarz) u.Ical = UstawieniaKalendarza(a, teraz.Czas);

  TDokument d, poprzedni;
  if (!d.OtworzPlik(SciezkaZUtf8(plan), kRodzajPlanDyzurow)) return kBladOdczytu;
  if (!f->Pisz) return EksportPdf(plan, u.Widok, wynik);
  if (const auto stary = a.Opcja("--previous")) {
    if (!poprzedni.OtworzPlik(SciezkaZUtf8(*stary), kRodzajPlanDyzurow)) return kBladOdczytu;
    u.Ical.Poprzedni = &poprzedni;
  }
  if (u.Ical.Do && *u.Ical.Do < std::trunc(u.Ical.Od.value_or(d.Dni.DataPoczatku)))
    throw EUzycie("--until przed pierwszym tygodniem dyżurów");
  if (const auto kto = a.Opcja("--teacher"))
    u.Nauczyciel = WybranyNauczyciel(d, *kto, "; bez --teacher każdy dostaje swój plik");
  const fs::path cel = SciezkaZUtf8(wynik);
  const bool folder = f->Folder && u.Nauczyciel < 0;
  if (std::error_code blad; folder && !fs::is_directory(cel, blad)) {
    EOrvelError zapis(3, wynik + ": nie ma takiego folderu");
    return kBladZapisu;
  }
  if (const auto skroty = a.Opcja("--teachers")) {
    try {
      u.Gpu004 = CzytajGpu004(SciezkaZUtf8(*skroty));
    } catch (const EStrumien&) {
      EOrvelError blad(1, SzczegolPorazki(*skroty));
      return kBladOdczytu;
    }
  }
  std::vector<std::string> ostrzezenia;
  u.Ostrzezenia = &ostrzezenia;
  TPlikiEksportu pliki;
  try {
    pliki = f->Pisz(d, cel, u);
  } catch (const std::out_of_range&) {
    throw EUzycie("daty dyżurów wychodzą poza lata 1-9999");
  }
  if (folder && pliki.empty())
    std::cerr << "velmor-cli: w planie nie ma dyżurów, nie zapisano plików\n";
  for (const std::string& o : ostrzezenia) std::cerr << "velmor-cli: ostrzeżenie: " << o << '\n';
  return Zapisz(pliki, cel, wyjscie);
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
